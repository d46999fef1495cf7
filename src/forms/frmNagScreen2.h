#pragma once
// The exit window: the farewell shown when the user leaves the main or the
// reading window. It invites the user to the maker's forum (a support text
// chosen once per run, a check box that works as a link), presents the
// maker's other programs, and holds the refer-a-friend form. Its "E&xit"
// button and its close box end the program; the registry acts on both.

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace referral {
class PromptTextField;
}

namespace forms {

class LinkLabel;

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
    void cmdSubmit_Click();
    void Check1_Click();
    void lblGoToHome_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildReferralFrame();
    void buildSoftwareFrame();

    QLabel *picNagscreen2Icon = nullptr;
    QLabel *lblNagScreen2Caption = nullptr;
    QLabel *Label2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *cmdClose = nullptr;
    QPushButton *cmdSubmit = nullptr;
    LinkLabel *lblGoToHome = nullptr;
    referral::PromptTextField *txtName = nullptr;
    referral::PromptTextField *txtEmail = nullptr;
    referral::PromptTextField *txtFriendName = nullptr;
    referral::PromptTextField *txtFriendEmail = nullptr;
    referral::PromptTextField *txtMessage = nullptr;
};

} // namespace forms
