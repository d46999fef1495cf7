#include "pictures.h"

namespace forms {

namespace {

// The finger tip of both hands, in pixels of the 32 x 32 image.
constexpr int HotSpotX = 10;
constexpr int HotSpotY = 0;

} // namespace

QIcon programIcon() { return QIcon(programIconPixmap()); }

QPixmap programIconPixmap() { return QPixmap(QStringLiteral(":/brewlore/brewlore.png")); }

QPixmap coffeePotPicture() { return QPixmap(QStringLiteral(":/brewlore/coffeepot.jpg")); }

QCursor linkCursorMono()
{
    return QCursor(QPixmap(QStringLiteral(":/brewlore/hand-mono.png")), HotSpotX, HotSpotY);
}

QCursor linkCursor16()
{
    return QCursor(QPixmap(QStringLiteral(":/brewlore/hand-16.png")), HotSpotX, HotSpotY);
}

} // namespace forms
