#pragma once
// The banner and the promotion band that the main and the reading window
// share: the same texts, looks and links, placed by each window.

#include "link_label.h"

#include <QRect>
#include <functional>

class QMenuBar;

namespace forms {

// The forum banner (Label61), opening the home page.
LinkLabel *makeBanner(QWidget *frame, QRect geometry);

struct PromotionLabels
{
    LinkLabel *lblCobrand;
    LinkLabel *lblFullBrand;
};

// Both offers on the same spot; the one created last lies in front.
PromotionLabels makePromotions(QWidget *frame, QRect cobrand, QRect fullBrand,
                               Qt::Alignment alignment, bool cobrandInFront);

// The Help menu, Donate and the switched-off "Make Money &Online", which
// follow the File menu in both windows. The download entry's caption differs
// between the windows only in its access key.
void addSiteMenus(QMenuBar *bar, const QString &updateCaption, QObject *context,
                  const std::function<void()> &aboutSoftware);

} // namespace forms
