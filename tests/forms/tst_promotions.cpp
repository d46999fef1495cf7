#include "app/forms_registry.h"
#include "app/startup.h"
#include "forms/link_label.h"
#include "forms/pictures.h"
#include "support/private_home.h"
#include "support/seams.h"
#include "support/site.h"
#include "support/text_fits.h"

#include <QtTest>

// The two promotion labels of the main and the reading window: their
// cursors, which one lies in front, and that only that one can be clicked.
class tst_Promotions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void labels_data();
    void labels();
    void onlyTheFrontLabelOpensItsPage_data();
    void onlyTheFrontLabelOpensItsPage();
    void readingAlwaysShowsFullBrand_data();
    void readingAlwaysShowsFullBrand();

private:
    TemporaryStore m_config;
};

namespace {

QWidget *windowNamed(FormsRegistry &forms, const QString &name)
{
    if (name == QLatin1String("frmMain"))
        return forms.Main();
    return forms.Display();
}

// The label that lies in front on the promotions' common spot.
QWidget *frontLabel(QWidget *window)
{
    auto *cobrand = window->findChild<QWidget *>(QStringLiteral("lblCobrand"));
    return cobrand->parentWidget()->childAt(cobrand->geometry().center());
}

QImage cursorImage(const QCursor &cursor) { return cursor.pixmap().toImage(); }

} // namespace

void tst_Promotions::initTestCase() { QVERIFY(m_config.isValid()); }

void tst_Promotions::cleanup()
{
    flushDeletes();
    QVERIFY(visibleWindows().isEmpty());
}

void tst_Promotions::labels_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("monoCursor");

    QTest::newRow("main co-brand") << "frmMain"
                                   << "lblCobrand" << true;
    QTest::newRow("main full brand") << "frmMain"
                                     << "lblFullBrand" << false;
    QTest::newRow("reading co-brand") << "frmDisplay"
                                      << "lblCobrand" << true;
    QTest::newRow("reading full brand") << "frmDisplay"
                                        << "lblFullBrand" << false;
}

void tst_Promotions::labels()
{
    QFETCH(QString, window);
    QFETCH(QString, label);
    QFETCH(bool, monoCursor);

    Seams seams;
    FormsRegistry forms;
    auto *promotion = windowNamed(forms, window)->findChild<forms::LinkLabel *>(label);
    QVERIFY(promotion);
    QCOMPARE(promotion->parentWidget()->objectName(), QStringLiteral("Frame5"));
    // Opaque, so that the label in front hides the one behind it.
    QVERIFY(promotion->autoFillBackground());

    const qreal ratio = promotion->devicePixelRatioF();
    const QImage expected =
        cursorImage(monoCursor ? forms::linkCursorMono(ratio) : forms::linkCursor16(ratio));
    const QImage other =
        cursorImage(monoCursor ? forms::linkCursor16(ratio) : forms::linkCursorMono(ratio));
    QCOMPARE(cursorImage(promotion->cursor()).size(), QSize(32, 32));
    QCOMPARE(cursorImage(promotion->cursor()), expected);
    QVERIFY(cursorImage(promotion->cursor()) != other);

    // The whole caption shows within the label.
    QVERIFY(promotion->wordWrap());
    const QString cut = cutOffText(promotion, promotion->size());
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
}

void tst_Promotions::onlyTheFrontLabelOpensItsPage_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<float>("rotation"); // a draw for the main window; negative for none
    QTest::addColumn<QString>("page");

    QTest::newRow("main as created") << "frmMain" << -1.0f << "co-brand";
    QTest::newRow("main, full brand drawn") << "frmMain" << 0.25f << "fully-branded";
    QTest::newRow("main, co-brand drawn back") << "frmMain" << 0.0f << "co-brand";
    QTest::newRow("reading") << "frmDisplay" << -1.0f << "fully-branded";
}

void tst_Promotions::onlyTheFrontLabelOpensItsPage()
{
    QFETCH(QString, window);
    QFETCH(float, rotation);
    QFETCH(QString, page);

    Seams seams;
    FormsRegistry forms;
    if (rotation >= 0) {
        seams.feedRandom({0.25f, rotation}); // full brand first, then the row's draw
        CoBrand_Randomize(forms);
        CoBrand_Randomize(forms);
    }
    QWidget *shown = windowNamed(forms, window);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));

    // Clicks go to the window, which hands them to whatever lies on top.
    auto *cobrand = shown->findChild<QWidget *>(QStringLiteral("lblCobrand"));
    const QPoint spot = cobrand->mapTo(shown, cobrand->rect().center());
    QTest::mouseClick(shown->windowHandle(), Qt::LeftButton, {}, spot);
    QTest::mouseClick(shown->windowHandle(), Qt::LeftButton, {}, spot);
    QCOMPARE(seams.launches, QStringList(2, sitePage(qPrintable(page))));
    QVERIFY(shown->isVisible());
    shown->hide();
}

void tst_Promotions::readingAlwaysShowsFullBrand_data()
{
    QTest::addColumn<float>("rotation");
    QTest::addColumn<QString>("mainFront");

    QTest::newRow("main shows co-brand") << 0.0f << "lblCobrand";
    QTest::newRow("main shows full brand") << 0.5f << "lblFullBrand";
    QTest::newRow("main left as it was") << 0.99f << "lblCobrand";
}

void tst_Promotions::readingAlwaysShowsFullBrand()
{
    QFETCH(float, rotation);
    QFETCH(QString, mainFront);

    Seams seams;
    FormsRegistry forms;
    seams.feedRandom({rotation});
    CoBrand_Randomize(forms);
    QCOMPARE(frontLabel(forms.Main())->objectName(), mainFront);
    QCOMPARE(frontLabel(forms.Display())->objectName(), QStringLiteral("lblFullBrand"));
    QCOMPARE(frontLabel(forms.Main())->objectName(), mainFront);
}

QTEST_MAIN(tst_Promotions)
#include "tst_promotions.moc"
