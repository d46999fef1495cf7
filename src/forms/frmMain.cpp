#include "frmMain.h"

#include "branding.h"
#include "form_style.h"
#include "picture_button.h"
#include "pictures.h"
#include "platform/geometry.h"
#include "platform/pause.h"
#include "reading/symbol_catalogue.h"
#include "reading/symbol_draw.h"
#include "shape.h"
#include "web/update_reminder.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPointer>

using platform::twRect;

namespace forms {

namespace {

const QColor DotGreen = platform::vbRGB(0, 64, 0);

QLabel *label(QWidget *parent, const char *name, const QString &text, QRect geometry, QFont font,
              QColor colour)
{
    QLabel *label = makeLabel(parent, name, text, geometry, font, Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    setLabelColours(label, colour);
    growToText(label);
    return label;
}

} // namespace

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    const Skeleton skeleton = buildSkeleton(
        this, "frmMain",
        {QSize(platform::tw(6540), platform::tw(4740)), // the client area
         twRect(20, 0, 6540, 615),                      // Frame2
         twRect(0, 120, 6600, 465),                     // Label61
         twRect(20, 600, 6540, 3255),                   // Frame1
         twRect(20, 3840, 6540, 900),                   // Frame5
         twRect(98, 160, 6345, 615),                    // lblCobrand
         twRect(98, 165, 6345, 615),                    // lblFullBrand
         Qt::AlignHCenter, /*cobrandInFront=*/true, tr("&File"), tr("Check for Software &Update")},
        [this] { mnuAbout_Click(); });
    buildWorkArea(skeleton.Frame1);
    lblCobrand = skeleton.lblCobrand;
    lblFullBrand = skeleton.lblFullBrand;
    skeleton.mnuFile->addAction(tr("E&xit"), this, &frmMain::mnuExit_Click)
        ->setObjectName(QStringLiteral("mnuExit"));
}

void frmMain::buildWorkArea(QWidget *Frame1)
{
    label(Frame1, "Label1",
          tr("Get answers to your problems with Brewlore. Start now for immediate "
             "results!"),
          twRect(240, 240, 6015, 375), verdana(8.25, true), TextPink);

    picCoffeePot = new PictureButton(&coffeePotPicture, Frame1);
    picCoffeePot->setObjectName(QStringLiteral("picCoffeePot"));
    picCoffeePot->setGeometry(twRect(2243, 840, 2085, 1515));
    picCoffeePot->setCursor(linkCursor16(picCoffeePot->devicePixelRatioF()));
    picCoffeePot->setAccessibleName(tr("Coffee pot"));
    picCoffeePot->setAccessibleDescription(tr("Press for your coffee cup reading of the day"));
    connect(picCoffeePot, &PictureButton::clicked, this, &frmMain::picCoffeePot_Click);

    label(Frame1, "lblCaption",
          tr("Click On The Coffee Pot To Know Your Coffee Cup Reading For the Day"),
          twRect(360, 2520, 5940, 615), verdana(11.25, true), CaptionOrange);

    // The "Please Wait" box lies across the middle of the pot, in front of it.
    auto *box = new QFrame(Frame1);
    box->setObjectName(QStringLiteral("picMessage"));
    box->setGeometry(twRect(1598, 1440, 3375, 495));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAutoFillBackground(true);
    box->setBackgroundRole(QPalette::Base);
    picMessage = box;
    picMessage->setAccessibleName(tr("Please Wait"));
    picMessage->setAccessibleDescription(
        tr("Your reading is being prepared: one dot a second, four in all"));
    QLabel *pi = label(picMessage, "pi", tr("Please Wait"), twRect(120, 120, 1545, 270),
                       verdana(12, true), DotGreen);
    pi->setWordWrap(false);
    pi->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    sizeToText(pi, false);
    Shape **dots[] = {&shp1, &shp2, &shp3, &shp4};
    const int lefts[] = {1800, 2120, 2440, 2760};
    for (int i = 0; i < 4; ++i) {
        *dots[i] = new Shape(DotGreen, picMessage);
        (*dots[i])->setObjectName(QStringLiteral("shp%1").arg(i + 1));
        (*dots[i])->setGeometry(twRect(lefts[i], 240, 135, 135));
        (*dots[i])->hide();
    }
    picMessage->hide();
    picMessage->raise();
}

void frmMain::Form_Load() { modHelp::CheckForUpdate(); }

void frmMain::HideDots()
{
    for (Shape *dot : {shp1, shp2, shp3, shp4})
        dot->hide();
}

void frmMain::BringCoBrandToFront() { lblCobrand->raise(); }

void frmMain::BringFullBrandToFront() { lblFullBrand->raise(); }

void frmMain::picCoffeePot_Click()
{
    // Each pause runs the event loop: the window may be closed, or the pot
    // clicked again, before the pause returns. A closed window stops the
    // animation there; a second click plays a whole animation of its own.
    const QPointer<frmMain> self(this);
    const auto stillHere = [&self] { return self && !self->m_unloaded; };

    modSymbols::drawReading();
    platform::PauseSchedule schedule;
    picMessage->show();
    for (Shape *dot : {shp1, shp2, shp3, shp4}) {
        dot->show();
        if (dot == shp1)
            emit revealStarted();
        schedule.Pause(1);
        if (!stillHere())
            return;
    }
    picMessage->hide();
    // A nested animation may have drawn again: every animation shows the last draw.
    const int16_t symbol = modSymbols::CurrentSymbol;
    emit revealFinished(modSymbols::ShownName(symbol), modSymbols::ShownMeaning(symbol));
}

void frmMain::mnuExit_Click() { close(); }

void frmMain::mnuAbout_Click() { emit aboutRequested(); }

void frmMain::closeEvent(QCloseEvent *event)
{
    // A close from the window system that reaches the hidden window (sent
    // just as the reading replaced it) is not the user's: the user cannot
    // close what is not on the screen. The program's own unload still closes it.
    if (event->spontaneous() && isHidden()) {
        event->ignore();
        return;
    }
    // Leaving the main window never ends the program: the exit window takes over.
    m_unloaded = true;
    event->accept();
    emit unloaded();
}

} // namespace forms
