#pragma once
// The skeleton that the main and the reading window share: the banner band,
// the brown working area and the promotion band, with the same texts, looks
// and links, and a menu bar of the File menu followed by the site menus.
// Each window places the parts as its own table says and fills in the rest.

#include "link_label.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

class QMainWindow;
class QMenu;

namespace forms {

// Where the parts go, in the window's own twips, and the menu texts that
// differ between the windows.
struct WindowPlan
{
    QSize client;     // the client area, menu bar excluded
    QRect Frame2;     // the banner band
    QRect Label61;    // the forum banner, in Frame2
    QRect Frame1;     // the brown working area
    QRect Frame5;     // the promotion band
    QRect lblCobrand; // the two offers on the same spot, in Frame5
    QRect lblFullBrand;
    Qt::Alignment promotionAlignment;
    bool cobrandInFront; // the one created last lies in front
    QString mnuFile;     // the File menu's caption
    QString mnuUpdate;   // the download entry, whose access key differs
};

struct Skeleton
{
    QWidget *Frame1;
    QWidget *Frame5;
    QMenu *mnuFile; // first in the menu bar, and left for the window to fill
    LinkLabel *lblCobrand;
    LinkLabel *lblFullBrand;
};

// Builds the skeleton on `window`, which is named `name` and deleted when it
// closes: the bands, the menus, the icon and the fixed frame. "&About
// Software" runs `aboutSoftware`.
Skeleton buildSkeleton(QMainWindow *window, const char *name, const WindowPlan &plan,
                       const std::function<void()> &aboutSoftware);

} // namespace forms
