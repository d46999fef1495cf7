#include "forms/frmAbout.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"
#include "forms/pictures.h"
#include "reading/symbol_catalogue.h"
#include "support/seams.h"
#include "support/text_fits.h"
#include "support/windows.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QtTest>

// Every window on a screen scaled as QT_SCALE_FACTOR says (CTest runs this
// at 100 %, 125 %, 150 % and 200 %): no text is cut off and the pictures are
// as sharp as the screen allows.
class tst_HighDpi : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(visibleWindows().isEmpty()); }
    void screenIsScaled();
    void nothingClipped_data();
    void nothingClipped();
    void coffeePotIsSharp();
    void iconsAreSharp_data();
    void iconsAreSharp();
    void handPointsWithItsFingerTip_data();
    void handPointsWithItsFingerTip();
};

namespace {

qreal requestedScale()
{
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

// The mean difference of two pictures of the same size, per colour channel.
double difference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *one = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *other = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            sum += qAbs(qRed(one[x]) - qRed(other[x])) + qAbs(qGreen(one[x]) - qGreen(other[x])) +
                   qAbs(qBlue(one[x]) - qBlue(other[x]));
    }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

void tst_HighDpi::screenIsScaled()
{
    const std::unique_ptr<QWidget> main = showWindow(QStringLiteral("main"));
    QVERIFY(main);
    QCOMPARE(main->devicePixelRatioF(), requestedScale());
    // The window keeps its size in device-independent pixels.
    QCOMPARE(static_cast<QMainWindow *>(main.get())->centralWidget()->size(), QSize(436, 316));
    QCOMPARE(main->grab().size(), main->size() * requestedScale());
    main->hide();
}

void tst_HighDpi::nothingClipped_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("symbol"); // the reading shown, if any
    QTest::newRow("main") << "main" << 0;
    QTest::newRow("reading, longest meaning") << "reading" << 62;
    QTest::newRow("reading, longest name") << "reading" << 17;
    QTest::newRow("about") << "about" << 0;
    QTest::newRow("exit") << "exit" << 0;
}

void tst_HighDpi::nothingClipped()
{
    QFETCH(QString, which);
    QFETCH(int, symbol);
    Seams seams;
    const std::unique_ptr<QWidget> window = showWindow(which);
    QVERIFY(window);
    if (symbol) {
        modSymbols::LoadSymbols();
        static_cast<forms::frmDisplay *>(window.get())
            ->ShowReading(modSymbols::SymbolNames[symbol], modSymbols::SymbolMeanings[symbol]);
    }
    for (QWidget *w : namedControls(window.get())) {
        // What the user can see of the control: parents and controls in
        // front of it cut it off. Hidden on purpose: the offer lying behind
        // the other one, the referral form's message box below its frame.
        const QRect visible = w->visibleRegion().boundingRect();
        if (visible.isEmpty())
            continue;
        const QString name = w->objectName();
        const QString cut = cutOffText(w, visible.size());
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
        if (qobject_cast<QAbstractButton *>(w)) {
            QCOMPARE(visible, w->rect());
        } else if (auto *bar = qobject_cast<QMenuBar *>(w)) {
            // No entry moves into an overflow menu.
            for (QAction *entry : bar->actions())
                QVERIFY2(visible.contains(bar->actionGeometry(entry)), qPrintable(entry->text()));
        } else if (w->focusPolicy() != Qt::NoFocus) {
            QVERIFY2(visible == w->rect(), qPrintable(name)); // the text boxes
        }
    }
    window->hide();
}

void tst_HighDpi::coffeePotIsSharp()
{
    const std::unique_ptr<QWidget> main = showWindow(QStringLiteral("main"));
    QVERIFY(main);
    QWidget *pot = main->findChild<QWidget *>(QStringLiteral("picCoffeePot"));
    const qreal ratio = requestedScale();
    const QImage shown = pot->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // What the screen can show: the pixels drawn for 100 %, else the drawing
    // at twice the size brought to the screen's own pixels.
    const QImage drawing = ratio == 1
                               ? QImage(QStringLiteral(":/brewlore/coffeepot.png"))
                               : QImage(QStringLiteral(":/brewlore/coffeepot@2x.png"))
                                     .scaled((QSizeF(137, 99) * ratio).toSize(),
                                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage expected = drawing.convertToFormat(QImage::Format_RGB32);
    // The picture lies inside a one-pixel border, which at fractional
    // ratios starts between two of the screen's pixels.
    const QRect inner(QPoint(1, 1), expected.size() - QSize(2, 2));
    double best = 255;
    for (int border = 1; border <= qCeil(ratio); ++border)
        best = qMin(best,
                    difference(shown.copy(inner.translated(border, border)), expected.copy(inner)));
    if (ratio == 1)
        QCOMPARE(best, 0.0); // the drawn pixels, unchanged
    else
        QVERIFY2(best < 1, qPrintable(QString::number(best)));
    main->hide();
}

void tst_HighDpi::iconsAreSharp_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("control");
    QTest::newRow("about") << "about"
                           << "picIcon";
    QTest::newRow("exit") << "exit"
                          << "picNagscreen2Icon";
}

void tst_HighDpi::iconsAreSharp()
{
    QFETCH(QString, which);
    QFETCH(QString, control);
    const std::unique_ptr<QWidget> window = showWindow(which);
    QVERIFY(window);
    auto *icon = window->findChild<QLabel *>(control);
    const qreal ratio = requestedScale();
    // One pixel of the picture for each pixel of the screen.
    QCOMPARE(icon->pixmap().size(), (QSizeF(32, 32) * ratio).toSize());
    QCOMPARE(icon->pixmap().deviceIndependentSize(), QSizeF(icon->pixmap().size()) / ratio);
    // The window icon offers the twin for the title bar and the taskbar
    // where the screen is scaled.
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QCOMPARE(sizes.contains(QSize(64, 64)), ratio > 1);
    window->hide();
}

void tst_HighDpi::handPointsWithItsFingerTip_data()
{
    QTest::addColumn<bool>("mono");
    QTest::newRow("two colours") << true;
    QTest::newRow("sixteen colours") << false;
}

void tst_HighDpi::handPointsWithItsFingerTip()
{
    QFETCH(bool, mono);
    const qreal ratio = requestedScale();
    const QCursor hand = mono ? forms::linkCursorMono(ratio) : forms::linkCursor16(ratio);
    const QImage image = hand.pixmap().toImage();
    const int step = qRound(ratio) >= 2 ? 2 : 1;
    QCOMPARE(image.size(), QSize(32, 32) * step);
    QCOMPARE(hand.pixmap().devicePixelRatio(), qreal(step));
    // This platform reads the hot spot in the pixels of the 100 % picture.
    // It lies on the top row, in the middle of the finger tip.
    const QPoint tip = hand.hotSpot() * step;
    QCOMPARE(tip.y(), 0);
    QCOMPARE(qAlpha(image.pixel(tip)), 255);
    int left = tip.x(), right = tip.x();
    while (left > 0 && qAlpha(image.pixel(left - 1, 0)) == 255)
        --left;
    while (right + 1 < image.width() && qAlpha(image.pixel(right + 1, 0)) == 255)
        ++right;
    QVERIFY2(qAbs((left + right) / 2.0 - tip.x()) <= step,
             qPrintable(QStringLiteral("tip %1 of %2..%3").arg(tip.x()).arg(left).arg(right)));
}

QTEST_MAIN(tst_HighDpi)
#include "tst_highdpi.moc"
