#include "branding.h"

#include "form_style.h"
#include "web/promotions.h"
#include "web/site_pages.h"

#include <QCoreApplication>
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

} // namespace

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

PromotionLabels makePromotions(QWidget *frame, QRect cobrand, QRect fullBrand,
                               Qt::Alignment alignment, bool cobrandInFront)
{
    PromotionLabels labels{
        makePromotion(
            frame, "lblCobrand", promotions::CoBrandCaption(),
            QCoreApplication::translate("forms", "Opens the co-branding offer in your web browser"),
            HandCursor::Mono, cobrand, alignment),
        makePromotion(frame, "lblFullBrand", promotions::FullBrandCaption(),
                      QCoreApplication::translate(
                          "forms", "Opens the full-branding offer in your web browser"),
                      HandCursor::SixteenColour, fullBrand, alignment)};
    QObject::connect(labels.lblCobrand, &LinkLabel::clicked, &modHelp::OpenCoBrandPage);
    QObject::connect(labels.lblFullBrand, &LinkLabel::clicked, &modHelp::OpenFullBrandPage);
    if (cobrandInFront)
        labels.lblCobrand->raise();
    else
        labels.lblFullBrand->raise();
    return labels;
}

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

} // namespace forms
