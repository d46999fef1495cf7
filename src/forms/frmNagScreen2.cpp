#include "frmNagScreen2.h"

#include "form_style.h"
#include "link_label.h"
#include "nag_texts.h"
#include "picture_box.h"
#include "pictures.h"
#include "platform/geometry.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "referral/prompt_text_field.h"
#include "referral/tell_a_friend.h"
#include "referral/trim.h"
#include "text_limit.h"
#include "web/site_pages.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <iterator>

using platform::twRect;
using platform::vbColor;
using referral::PromptTextField;

namespace forms {

namespace {

constexpr unsigned White = 0x00FFFFFF;
constexpr unsigned Navy = 0x00800000;
constexpr unsigned Blue = 0x00C00000;
constexpr unsigned Yellow = 0x0000FFFF;

// A captioned frame in navy with white text. Its font is the caption's only:
// every control inside gets its own.
QGroupBox *navyFrame(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    frame->setFont(verdana(9.75, true));
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, vbColor(Navy));
    palette.setColor(QPalette::WindowText, vbColor(White));
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    return frame;
}

QLineEdit *lineBox(QWidget *frame, const char *name, QRect geometry, QFont font, int maxLength)
{
    auto *box = new QLineEdit(frame);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setFont(font);
    limitLength(box, maxLength);
    return box;
}

// A box that starts out showing its prompt.
PromptTextField *promptField(QLineEdit *box, const QString &prompt, PromptTextField::Spaces spaces)
{
    auto *field = new PromptTextField(box, prompt, spaces);
    field->setText(prompt);
    return field;
}

} // namespace

frmNagScreen2::frmNagScreen2(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    setAttribute(Qt::WA_DeleteOnClose);
    makeFixedWindow(this, QSize(platform::tw(11115), platform::tw(4725)));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, vbColor(White));
    setPalette(palette);
    setAutoFillBackground(true);

    // A picture box takes the focus like any control; it is in the tab order.
    picNagscreen2Icon = new PictureBox("picNagscreen2Icon", twRect(360, 120, 540, 540), this);

    QFont captionFont(QStringLiteral("MS Sans Serif"));
    captionFont.setPointSizeF(18);
    lblNagScreen2Caption =
        makeLabel(this, "lblNagScreen2Caption", QString(), twRect(1080, 240, 0, 0), captionFont);

    Label2 = makeLabel(this, "Label2", SupportText(1), twRect(120, 840, 6975, 1095),
                       verdana(9.75, true));
    Label2->setWordWrap(true);

    Check1 = new QCheckBox(tr("Click Here To Visit %1 Now").arg(modHelp::SiteHostName()), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(twRect(30, 2040, 7185, 555));
    Check1->setFont(verdana(14.25));
    Check1->setCursor(linkCursor16(Check1->devicePixelRatioF()));
    // A link dressed as a check box: its name is the text it shows, and the
    // description says what ticking it does.
    Check1->setAccessibleDescription(
        tr("Opens the home page in your web browser; the box does not stay ticked"));
    QPalette checkPalette = Check1->palette();
    checkPalette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    checkPalette.setColor(QPalette::WindowText, vbColor(Blue));
    Check1->setPalette(checkPalette);
    Check1->setAutoFillBackground(true);
    connect(Check1, &QCheckBox::toggled, this, &frmNagScreen2::Check1_Click);

    cmdClose = makeButton(this, "cmdClose", tr("E&xit"), twRect(6000, 2760, 1245, 375), font());
    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);

    buildReferralFrame();
    buildSoftwareFrame();
}

void frmNagScreen2::buildReferralFrame()
{
    QGroupBox *Frame2 =
        navyFrame(this, "Frame2", tr("Refer A Friend"), twRect(120, 3240, 7065, 1455));
    const QFont boxFont = font();
    // Bounded, so that every request the form sends fits the browser launch.
    using modTellAFriend::MaxEmailLength;
    using modTellAFriend::MaxNameLength;
    QLineEdit *name =
        lineBox(Frame2, "txtName", twRect(85, 360, 3375, 285), boxFont, MaxNameLength);
    QLineEdit *email =
        lineBox(Frame2, "txtEmail", twRect(3600, 360, 3375, 285), boxFont, MaxEmailLength);
    QLineEdit *friendName =
        lineBox(Frame2, "txtFriendName", twRect(85, 720, 3375, 285), boxFont, MaxNameLength);
    QLineEdit *friendEmail =
        lineBox(Frame2, "txtFriendEmail", twRect(3600, 720, 3375, 285), boxFont, MaxEmailLength);

    cmdSubmit = makeButton(Frame2, "cmdSubmit", tr("Refer A Friend &Now"),
                           twRect(1920, 1080, 3375, 285), verdana(8.25, true));
    connect(cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);

    // The message box lies below the frame's lower edge, out of sight, and
    // so is left out of the tab order: tabbing into a box nobody can see
    // would swallow what the user types.
    auto *message = new QPlainTextEdit(Frame2);
    message->setObjectName(QStringLiteral("txtMessage"));
    message->setGeometry(twRect(4800, 3600, 1815, 495));
    message->setFont(boxFont);
    message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    message->setFocusPolicy(Qt::ClickFocus);
    limitLength(message, modTellAFriend::MaxMessageLength);

    using Spaces = PromptTextField::Spaces;
    using modTellAFriend::Prompt;
    using modTellAFriend::PromptText;
    txtName = promptField(name, PromptText(Prompt::ReferrerName), Spaces::Allowed);
    txtEmail = promptField(email, PromptText(Prompt::ReferrerEmail), Spaces::Refused);
    txtFriendName = promptField(friendName, PromptText(Prompt::FriendName), Spaces::Allowed);
    txtFriendEmail = promptField(friendEmail, PromptText(Prompt::FriendEmail), Spaces::Refused);
    txtMessage = new PromptTextField(message, PromptText(Prompt::Message));
    txtMessage->setText(PromptText(Prompt::Message) + QStringLiteral("\r\n"));

    QWidget *chain[] = {cmdClose, Check1,      picNagscreen2Icon, name,   cmdSubmit,
                        email,    friendEmail, friendName,        message};
    for (size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void frmNagScreen2::buildSoftwareFrame()
{
    QGroupBox *Frame6 =
        navyFrame(this, "Frame6", tr("Download Quillory Softwares"), twRect(7320, 120, 3735, 4575));
    QLabel *Label3 =
        makeLabel(Frame6, "Label3", SoftwareLineText(), twRect(120, 360, 3495, 3855), verdana(9));
    Label3->setWordWrap(true);
    setLabelColours(Label3, vbColor(White));

    lblGoToHome = new LinkLabel(tr("Click Here To Visit Quillory Softwares"),
                                tr("Opens the Quillory Softwares page in your web browser"),
                                HandCursor::SixteenColour, Frame6);
    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome->setGeometry(twRect(75, 4250, 3585, 210));
    // Designed as Verdana 9 pt; where DejaVu Sans stands in for Verdana the
    // text at 9 pt runs past the frame's right edge, 8.25 pt keeps it whole.
    const bool verdanaInstalled = QFontInfo(verdana(9)).family() == QLatin1String("Verdana");
    lblGoToHome->setFont(verdana(verdanaInstalled ? 9 : 8.25, true, true));
    setLabelColours(lblGoToHome, vbColor(Yellow));
    sizeToText(lblGoToHome, false);
    connect(lblGoToHome, &LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);
}

void frmNagScreen2::Form_Load()
{
    const QString caption = productCaption();
    setWindowTitle(caption);
    lblNagScreen2Caption->setText(caption);
    sizeToText(lblNagScreen2Caption, false);
    setWindowIcon(programIcon());
    picNagscreen2Icon->setPixmap(programIconPixmap(picNagscreen2Icon->devicePixelRatioF()));
    platform::Randomize();
    Label2->setText(SupportText(SupportTextNumber(platform::Rnd())));
    // Above every other window from now on, shown or hidden; the window is
    // not shown yet, so nothing is activated.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void frmNagScreen2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    cmdClose->setFocus(Qt::OtherFocusReason);
}

void frmNagScreen2::cmdClose_Click() { emit exitRequested(); }

void frmNagScreen2::cmdSubmit_Click()
{
    using referral::TrimBlanks;
    modTellAFriend::Stored = {TrimBlanks(txtName->text()), TrimBlanks(txtEmail->text()),
                              TrimBlanks(txtMessage->text()), TrimBlanks(txtFriendName->text()),
                              TrimBlanks(txtFriendEmail->text())};
    const QString refusal = modTellAFriend::AddressRefusal(modTellAFriend::Stored.referrerEmail,
                                                           modTellAFriend::Stored.friendEmail);
    if (!refusal.isEmpty()) {
        platform::MsgBox(refusal, platform::vbCritical);
        return;
    }
    modTellAFriend::SendReferral();
}

void frmNagScreen2::Check1_Click()
{
    // A link, not a setting: clearing the box runs this once more, which
    // then finds it clear and does nothing.
    if (Check1->isChecked()) {
        Check1->setChecked(false);
        modHelp::OpenHomePage();
    }
}

void frmNagScreen2::lblGoToHome_Click() { modHelp::OpenSoftwarePage(); }

void frmNagScreen2::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit unloaded();
}

} // namespace forms
