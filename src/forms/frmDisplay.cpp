#include "frmDisplay.h"

#include "branding.h"
#include "form_style.h"
#include "pictures.h"
#include "platform/geometry.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

using platform::twRect;

namespace forms {

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    QPushButton *button = makeButton(parent, name, caption, geometry, verdana(8.25, true));
    makeGraphical(button, /*markDefault=*/false);
    return button;
}

} // namespace

frmDisplay::frmDisplay(QWidget *parent) : QMainWindow(parent)
{
    const Skeleton skeleton = buildSkeleton(
        this, "frmDisplay",
        {QSize(platform::tw(8670), platform::tw(5670)), // the client area
         twRect(0, 0, 8655, 615),                       // Frame2
         twRect(120, 120, 8400, 585),                   // Label61
         twRect(0, 600, 8655, 4095),                    // Frame1
         twRect(0, 4680, 8655, 975),                    // Frame5
         twRect(120, 240, 5985, 615),                   // lblCobrand
         twRect(120, 240, 5985, 615),                   // lblFullBrand
         Qt::AlignLeft, /*cobrandInFront=*/false, tr("&File"), tr("&Check for Software Update")},
        [this] { mnuAbout_Click(); });
    buildWorkArea(skeleton.Frame1);
    buildButtons(skeleton.Frame5);
    skeleton.mnuFile->addAction(tr("&Back"), this, &frmDisplay::cmdOK_Click)
        ->setObjectName(QStringLiteral("mnuFileBack"));
    // The menu's Exit does what the button does.
    skeleton.mnuFile->addAction(tr("E&xit"), this, &frmDisplay::cmdExit_Click)
        ->setObjectName(QStringLiteral("mnuExit"));
}

void frmDisplay::buildWorkArea(QWidget *Frame1)
{
    auto *lblCaption = new QLabel(tr("Your Coffee Cup Symbol for the Day is:"), Frame1);
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    lblCaption->setGeometry(twRect(1935, 600, 4800, 270));
    lblCaption->setFont(verdana(11.25, true));
    lblCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setLabelColours(lblCaption, CaptionOrange);
    sizeToText(lblCaption, true);

    lblElement = new QLabel(QStringLiteral("lblElement"), Frame1);
    lblElement->setObjectName(QStringLiteral("lblElement"));
    lblElement->setGeometry(twRect(3818, 1320, 1035, 195));
    lblElement->setFont(verdana(8.25, true));
    lblElement->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setLabelColours(lblElement, TextPink);

    lblDesc = new QLabel(QStringLiteral("Label3"), Frame1);
    lblDesc->setObjectName(QStringLiteral("lblDesc"));
    lblDesc->setGeometry(twRect(308, 2040, 8055, 1455));
    lblDesc->setFont(verdana(8.25, true));
    lblDesc->setWordWrap(true);
    lblDesc->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setLabelColours(lblDesc, TextPink);
}

void frmDisplay::buildButtons(QWidget *Frame5)
{
    // The designer's name for what is the Back button.
    cmdOK = button(Frame5, "cmdOK", tr("&Back"), twRect(6240, 280, 1140, 465));
    cmdExit = button(Frame5, "cmdExit", tr("&Exit"), twRect(7440, 280, 1140, 465));
    connect(cmdOK, &QPushButton::clicked, this, &frmDisplay::cmdOK_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    // Exit is the cancel button: Esc chooses it from anywhere in the window.
    auto *cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(cancel, &QShortcut::activated, cmdExit, &QPushButton::click);
}

void frmDisplay::ShowReading(const QString &name, const QString &meaning)
{
    lblElement->setText(name);
    sizeToText(lblElement, true);
    lblDesc->setText(meaning);
}

void frmDisplay::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    cmdOK->setFocus(Qt::OtherFocusReason);
}

void frmDisplay::cmdOK_Click() { emit backRequested(); }

void frmDisplay::cmdExit_Click() { close(); }

void frmDisplay::mnuAbout_Click() { emit aboutRequested(); }

void frmDisplay::closeEvent(QCloseEvent *event)
{
    // Leaving the reading brings up the exit window (Back only loads it,
    // hidden); the registry takes that step.
    event->accept();
    emit unloaded();
}

} // namespace forms
