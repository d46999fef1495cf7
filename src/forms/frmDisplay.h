#pragma once
// The reading window: the symbol's name and meaning, with Back to the main
// window and Exit. Each reading creates it afresh; Back, Exit and the close
// box unload it.

#include <QMainWindow>

class QLabel;
class QPushButton;

namespace forms {

class frmDisplay : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmDisplay(QWidget *parent = nullptr);

    void ShowReading(const QString &name, const QString &meaning);

signals:
    void backRequested();
    void aboutRequested();
    void unloaded();

public slots:
    void cmdOK_Click();
    void cmdExit_Click(); // the button, and the menu's Exit
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildWorkArea(QWidget *Frame1);
    void buildButtons(QWidget *Frame5);

    QLabel *lblElement = nullptr;
    QLabel *lblDesc = nullptr;
    QPushButton *cmdOK = nullptr; // "&Back", despite its designer name
    QPushButton *cmdExit = nullptr;
};

} // namespace forms
