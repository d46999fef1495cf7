#pragma once
// The About window: the program's name, version and purpose, with two links
// to the maker's site. Modal, and created afresh at each opening; OK, Enter,
// Esc and the close box all close it.

#include <QDialog>

class QPushButton;

namespace forms {

class LinkLabel;

class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

public slots:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    LinkLabel *lblHomePage = nullptr;
    LinkLabel *lblCobrand = nullptr; // opens the full-brand page, despite its name
    QPushButton *cmdOK = nullptr;
};

} // namespace forms
