#include "pictures.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QVariant>

namespace forms {

namespace {

// The finger tip of both hands, in pixels of the 32 x 32 image.
constexpr int HotSpotX = 10;
constexpr int HotSpotY = 0;

// Every picture is a PNG, which Qt decodes itself. Read by file name alone, a
// picture would first have every image plugin installed loaded and asked
// whether it reads it, which costs start-up time and memory for nothing.
QPixmap png(const char *name)
{
    QImageReader reader(QStringLiteral(":/brewlore/") + QLatin1String(name), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImageReader(&reader);
}

// The twin of twice the pixels, marked as such whatever its file name says.
QPixmap twin(const char *name)
{
    QPixmap sharp = png(name);
    sharp.setDevicePixelRatio(2);
    return sharp;
}

// The drawn picture at 100 % and below, else the twin, resampled once here
// for ratios other than 2 so that painting it copies pixels one to one.
QPixmap picture(const char *name, const char *twinName, qreal ratio)
{
    if (ratio <= 1)
        return png(name);
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
        return QCursor(png(name), HotSpotX, HotSpotY);
    // Qt on X11 reads the hot spot in the image's own pixels, elsewhere in
    // the pixels of the 100 % picture.
    const int scale = QGuiApplication::platformName() == QLatin1String("xcb") ? 2 : 1;
    return QCursor(twin(twinName), HotSpotX * scale, HotSpotY * scale);
}

} // namespace

QIcon programIcon()
{
    // One icon for the run, held by the application. The X platform takes
    // each window's icon as pixmaps that Qt's pixmap cache keeps, by the
    // icon's identity, until the program ends: a fresh icon for every reading
    // window would add a copy of them per reading.
    static const char Held[] = "brewloreProgramIcon";
    const QVariant held = qApp->property(Held);
    if (held.isValid())
        return held.value<QIcon>();
    QIcon icon(png("brewlore.png"));
    // The twin only where a screen is scaled: at 100 % it would be read for nothing.
    if (qApp->devicePixelRatio() > 1)
        icon.addPixmap(twin("brewlore@2x.png"));
    qApp->setProperty(Held, icon);
    return icon;
}

QPixmap programIconPixmap(qreal ratio) { return picture("brewlore.png", "brewlore@2x.png", ratio); }

QPixmap coffeePotPicture(qreal ratio)
{
    return picture("coffeepot.png", "coffeepot@2x.png", ratio);
}

QCursor linkCursorMono(qreal ratio) { return hand("hand-mono.png", "hand-mono@2x.png", ratio); }

QCursor linkCursor16(qreal ratio) { return hand("hand-16.png", "hand-16@2x.png", ratio); }

} // namespace forms
