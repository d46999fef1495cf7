#include "branding.h"

#include "form_style.h"
#include "pictures.h"
#include "web/promotions.h"
#include "web/site_pages.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>

namespace forms {

namespace {

LinkLabel *makePromotion(QWidget *frame, const char *name, const QString &caption,
                         const QString &description, HandCursor cursor, QRect geometry,
                         Qt::Alignment alignment)
{
    auto *label = new LinkLabel(labelText(caption), description, cursor, frame);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(linkFont());
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    setLabelColours(label, LinkPink, BandGrey);
    return label;
}

QWidget *band(QWidget *client, const char *name, QColor background, QRect geometry)
{
    QWidget *frame = panel(client, background);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    return frame;
}

// The forum banner (Label61), opening the home page.
LinkLabel *makeBanner(QWidget *frame, QRect geometry)
{
    auto *label = new LinkLabel(
        promotions::BannerText(),
        QCoreApplication::translate("forms", "Opens the discussion board in your web browser"),
        HandCursor::Mono, frame);
    label->setObjectName(QStringLiteral("Label61"));
    // The banner is drawn a little wider than its band; wrap the text where
    // the band ends so that no word is cut off.
    label->setGeometry(geometry.intersected(QRect(QPoint(0, 0), frame->size())));
    label->setFont(linkFont());
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setLabelColours(label, LinkPink);
    QObject::connect(label, &LinkLabel::clicked, &modHelp::OpenHomePage);
    return label;
}

// Both offers, each opening its page.
void makePromotions(QWidget *frame, const WindowPlan &plan, Skeleton &skeleton)
{
    skeleton.lblCobrand = makePromotion(
        frame, "lblCobrand", promotions::CoBrandCaption(),
        QCoreApplication::translate("forms", "Opens the co-branding offer in your web browser"),
        HandCursor::Mono, plan.lblCobrand, plan.promotionAlignment);
    skeleton.lblFullBrand = makePromotion(
        frame, "lblFullBrand", promotions::FullBrandCaption(),
        QCoreApplication::translate("forms", "Opens the full-branding offer in your web browser"),
        HandCursor::SixteenColour, plan.lblFullBrand, plan.promotionAlignment);
    QObject::connect(skeleton.lblCobrand, &LinkLabel::clicked, &modHelp::OpenCoBrandPage);
    QObject::connect(skeleton.lblFullBrand, &LinkLabel::clicked, &modHelp::OpenFullBrandPage);
    if (plan.cobrandInFront)
        skeleton.lblCobrand->raise();
    else
        skeleton.lblFullBrand->raise();
}

// The Help menu, Donate and the switched-off "Make Money &Online".
void addSiteMenus(QMenuBar *bar, const QString &updateCaption, QObject *context,
                  const std::function<void()> &aboutSoftware)
{
    QMenu *mnuHelp = bar->addMenu(QCoreApplication::translate("forms", "&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->addAction(QCoreApplication::translate("forms", "&Online Help"), &modHelp::OpenHelpPage)
        ->setObjectName(QStringLiteral("mnuOnline"));
    mnuHelp
        ->addAction(QCoreApplication::translate("forms", "&Visit Us Online"),
                    &modHelp::OpenHomePage)
        ->setObjectName(QStringLiteral("mnuVisit"));
    mnuHelp->addSeparator();
    mnuHelp->addAction(updateCaption, &modHelp::OpenDownloadPage)
        ->setObjectName(QStringLiteral("mnuUpdate"));
    mnuHelp->addSeparator();
    mnuHelp
        ->addAction(QCoreApplication::translate("forms", "&About Software"), context, aboutSoftware)
        ->setObjectName(QStringLiteral("mnuAbout"));

    bar->addAction(QCoreApplication::translate("forms", "&Donate"), &modHelp::OpenDonatePage)
        ->setObjectName(QStringLiteral("mnuDonate"));
    // Switched off: the offer is reached through the promotion band instead.
    QAction *mkmoney = bar->addAction(QCoreApplication::translate("forms", "Make Money &Online"),
                                      &modHelp::OpenFullBrandPage);
    mkmoney->setObjectName(QStringLiteral("mkmoney"));
    mkmoney->setEnabled(false);
}

} // namespace

Skeleton buildSkeleton(QMainWindow *window, const char *name, const WindowPlan &plan,
                       const std::function<void()> &aboutSoftware)
{
    window->setObjectName(QLatin1String(name));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(programIcon());
    auto *client = new QWidget(window);
    window->setCentralWidget(client);

    Skeleton skeleton{};
    QWidget *Frame2 = band(client, "Frame2", BandGrey, plan.Frame2);
    makeBanner(Frame2, plan.Label61);
    skeleton.Frame1 = band(client, "Frame1", WorkBrown, plan.Frame1);
    skeleton.Frame5 = band(client, "Frame5", BandGrey, plan.Frame5);
    makePromotions(skeleton.Frame5, plan, skeleton);

    skeleton.mnuFile = window->menuBar()->addMenu(plan.mnuFile);
    skeleton.mnuFile->setObjectName(QStringLiteral("mnuFile"));
    addSiteMenus(window->menuBar(), plan.mnuUpdate, window, aboutSoftware);
    makeFixedWindow(window, plan.client);
    return skeleton;
}

} // namespace forms
