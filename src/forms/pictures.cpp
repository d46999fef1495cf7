#include "pictures.h"

#include <QImageReader>

namespace forms {

namespace {

// The finger tip of both hands, in pixels of the 32 x 32 image.
constexpr int HotSpotX = 10;
constexpr int HotSpotY = 0;

// Every picture is a PNG, which Qt decodes itself. Read by file name alone, a
// picture would first have every image plugin installed loaded and asked
// whether it reads it, which costs start-up time and memory for nothing.
QPixmap png(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImageReader(&reader);
}

} // namespace

QIcon programIcon() { return QIcon(programIconPixmap()); }

QPixmap programIconPixmap() { return png(QStringLiteral(":/brewlore/brewlore.png")); }

QPixmap coffeePotPicture() { return png(QStringLiteral(":/brewlore/coffeepot.png")); }

QCursor linkCursorMono()
{
    return QCursor(png(QStringLiteral(":/brewlore/hand-mono.png")), HotSpotX, HotSpotY);
}

QCursor linkCursor16()
{
    return QCursor(png(QStringLiteral(":/brewlore/hand-16.png")), HotSpotX, HotSpotY);
}

} // namespace forms
