#include "frmAbout.h"

#include "form_style.h"
#include "link_label.h"
#include "pictures.h"
#include "platform/geometry.h"
#include "web/site_pages.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

using platform::twRect;

namespace forms {

namespace {

// A fixed-size label whose text wraps within its width.
void paragraph(QWidget *parent, const char *name, const QString &text, QRect geometry, QFont font)
{
    QLabel *result = makeLabel(parent, name, text, geometry, font);
    result->setWordWrap(true);
    setLabelColours(result, TextPink);
}

// A link that sizes itself to its text; screen readers hear what it opens.
LinkLabel *link(QWidget *parent, const char *name, const QString &text, QRect geometry,
                const QString &description)
{
    auto *result = new LinkLabel(text, description, HandCursor::SixteenColour, parent);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(geometry);
    result->setFont(linkFont());
    setLabelColours(result, LinkPink);
    sizeToText(result, false);
    return result;
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowIcon(programIcon());
    makeFixedWindow(this, QSize(platform::tw(6015), platform::tw(4095)));
    // A dialog frame: no minimise or maximise button, and no taskbar entry
    // of its own once it has an owner (see showEvent).
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    QPalette background = palette();
    background.setColor(QPalette::Window, WorkBrown);
    setPalette(background);
    setAutoFillBackground(true);

    // The labels take no focus: the button, first in the tab order, is the
    // window's only stop and has the focus when it opens.
    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twRect(150, 150, 510, 510));
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setPixmap(programIconPixmap(picIcon->devicePixelRatioF()));

    QLabel *Label2 = makeLabel(this, "Label2", productCaption(), twRect(780, 240, 3180, 240),
                               verdana(9.75, true));
    setLabelColours(Label2, LinkPink);
    sizeToText(Label2, false);

    paragraph(this, "Label1",
              tr("Brewlore is an effective tool, which is based on the art of reading the "
                 "coffee grounds. This involves the art or practice of predicting fortunes "
                 "and interpreting the near future of people from the coffee patterns."),
              twRect(240, 840, 5595, 1095), verdana(8.25));

    lblHomePage =
        link(this, "lblHomePage", tr("Click here to visit %1").arg(modHelp::SiteHostName()),
             twRect(1320, 2040, 4650, 195), tr("Opens the home page in your web browser"));
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);

    paragraph(this, "Label3",
              tr("Home Business Opportunity. Start your own Internet business and make "
                 "money online. Get this software fully branded for your website."),
              twRect(240, 2520, 5565, 675), verdana(8.25, true));

    // Despite its name it opens the full-brand page: it sits under that offer.
    lblCobrand =
        link(this, "lblCobrand", tr("Click here for more details"), twRect(3360, 3240, 2610, 195),
             tr("Opens the full-branding offer in your web browser"));
    connect(lblCobrand, &LinkLabel::clicked, this, &frmAbout::lblCobrand_Click);

    // The rule runs from the left edge to past the right one, one pixel thick.
    QWidget *Line2 = panel(this, TextPink);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setGeometry(platform::tw(0), platform::tw(3480), platform::tw(6150), 1);

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twRect(4680, 3615, 1260, 345));
    cmdOK->setFont(verdana(8.25, true));
    makeGraphical(cmdOK, /*markDefault=*/true);
    // Enter presses the default button; Esc rejects the dialog, which closes
    // it just as OK does.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    centreOnScreen(this);
}

void frmAbout::showEvent(QShowEvent *event)
{
    // No owner is named when the window opens, yet it must not get a taskbar
    // entry of its own: it belongs to the window it was opened from.
    QWindow *opener = QGuiApplication::focusWindow();
    if (opener && opener != windowHandle() && !windowHandle()->transientParent())
        windowHandle()->setTransientParent(opener);
    QDialog::showEvent(event);
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::lblHomePage_Click() { modHelp::OpenHomePage(); }

void frmAbout::lblCobrand_Click() { modHelp::OpenFullBrandPage(); }

} // namespace forms
