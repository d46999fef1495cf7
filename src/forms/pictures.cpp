#include "pictures.h"

#include <QGuiApplication>

namespace forms {

namespace {

// The finger tip of both hands, in pixels of the 32 x 32 image.
constexpr int HotSpotX = 10;
constexpr int HotSpotY = 0;

QString resource(const char *name) { return QStringLiteral(":/brewlore/") + QLatin1String(name); }

// The twin of twice the pixels, marked as such whatever its file name says.
QPixmap twin(const char *name)
{
    QPixmap sharp(resource(name));
    sharp.setDevicePixelRatio(2);
    return sharp;
}

// The drawn picture at 100 % and below, else the twin, resampled once here
// for ratios other than 2 so that painting it copies pixels one to one.
QPixmap picture(const char *name, const char *twinName, qreal ratio)
{
    if (ratio <= 1)
        return QPixmap(resource(name));
    QPixmap sharp = twin(twinName);
    if (qFuzzyCompare(ratio, sharp.devicePixelRatio()))
        return sharp;
    QPixmap fitted = sharp.scaled((sharp.deviceIndependentSize() * ratio).toSize(),
                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(ratio);
    return fitted;
}

// Cursors take whole steps: the twin from 150 % up.
QCursor hand(const char *name, const char *twinName, qreal ratio)
{
    if (qRound(ratio) < 2)
        return QCursor(QPixmap(resource(name)), HotSpotX, HotSpotY);
    // Qt on X11 reads the hot spot in the image's own pixels, elsewhere in
    // the pixels of the 100 % picture.
    const int scale = QGuiApplication::platformName() == QLatin1String("xcb") ? 2 : 1;
    return QCursor(twin(twinName), HotSpotX * scale, HotSpotY * scale);
}

} // namespace

QIcon programIcon()
{
    // The file's "@2x" twin joins the icon by its name.
    return QIcon(resource("brewlore.png"));
}

QPixmap programIconPixmap(qreal ratio) { return picture("brewlore.png", "brewlore@2x.png", ratio); }

QPixmap coffeePotPicture(qreal ratio)
{
    return picture("coffeepot.jpg", "coffeepot@2x.png", ratio);
}

QCursor linkCursorMono(qreal ratio) { return hand("hand-mono.png", "hand-mono@2x.png", ratio); }

QCursor linkCursor16(qreal ratio) { return hand("hand-16.png", "hand-16@2x.png", ratio); }

} // namespace forms
