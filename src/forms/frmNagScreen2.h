#pragma once
// The exit window: the farewell shown when the user leaves the main or the
// reading window. Its "E&xit" button and its close box end the program.

#include <QWidget>

class QPushButton;

namespace forms {

class frmNagScreen2 : public QWidget
{
    Q_OBJECT
public:
    explicit frmNagScreen2(QWidget *parent = nullptr);

    // The load step, run once when the window is first referred to.
    void Form_Load();

signals:
    void exitRequested();
    void unloaded();

public slots:
    void cmdClose_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *cmdClose = nullptr;
};

} // namespace forms
