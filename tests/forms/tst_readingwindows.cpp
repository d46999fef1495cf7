#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/menu_bar_style.h"
#include "platform/geometry.h"
#include "reading/symbol_catalogue.h"
#include "support/seams.h"
#include "support/text_fits.h"
#include "web/site_pages.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QToolButton>
#include <QtTest>

// The main and the reading window as their layout tables give them, and every
// control in them that opens one of the maker's pages.
class tst_ReadingWindows : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void clientAreas();
    void controlPlaces_data();
    void controlPlaces();
    void menuBarOrder_data();
    void menuBarOrder();
    void everyTextShowsWhole_data();
    void everyTextShowsWhole();
    void overflowingMenusShowTheirArrow();
    void chosenStyleIsKept_data();
    void chosenStyleIsKept();

    void pageControls_data();
    void pageControls();

    void readingKeepsStoredBlanks();
    void escapeLeavesTheReading();
    void backFromMenuAsFromButton();

private:
    QWidget *window(const QString &which);
    std::unique_ptr<Seams> m_seams;
    std::unique_ptr<forms::frmMain> m_main;
    std::unique_ptr<forms::frmDisplay> m_display;
};

void tst_ReadingWindows::init()
{
    m_seams = std::make_unique<Seams>();
    m_main = std::make_unique<forms::frmMain>();
    m_display = std::make_unique<forms::frmDisplay>();
    // A window closed by a test deletes itself; forget it then.
    for (QWidget *w :
         {static_cast<QWidget *>(m_main.get()), static_cast<QWidget *>(m_display.get())})
        w->setAttribute(Qt::WA_DeleteOnClose, false);
}

void tst_ReadingWindows::cleanup()
{
    m_main.reset();
    m_display.reset();
    m_seams.reset();
    QVERIFY(visibleWindows().isEmpty());
}

QWidget *tst_ReadingWindows::window(const QString &which)
{
    return which == QLatin1String("main") ? static_cast<QWidget *>(m_main.get()) : m_display.get();
}

void tst_ReadingWindows::clientAreas()
{
    QCOMPARE(m_main->centralWidget()->size(), QSize(436, 316));
    QCOMPARE(m_display->centralWidget()->size(), QSize(578, 378));
    for (QWidget *w : {window("main"), window("display")}) {
        QCOMPARE(w->windowTitle(), QStringLiteral("Brewlore v1.15"));
        QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->minimumSize(), w->maximumSize());
    }
}

void tst_ReadingWindows::controlPlaces_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place");
    // As the layout tables give them: twips within the control's frame.
    const struct
    {
        const char *which, *control;
        int left, top, width, height;
    } places[] = {
        {"main", "picCoffeePot", 2243, 840, 2085, 1515},
        {"main", "picMessage", 1598, 1440, 3375, 495},
        {"main", "shp4", 2760, 240, 135, 135},
        {"main", "Frame5", 20, 3840, 6540, 900},
        {"main", "lblCobrand", 98, 160, 6345, 615},
        {"main", "lblFullBrand", 98, 165, 6345, 615},
        {"display", "lblDesc", 308, 2040, 8055, 1455},
        {"display", "cmdOK", 6240, 280, 1140, 465},
        {"display", "cmdExit", 7440, 280, 1140, 465},
        {"display", "lblCobrand", 120, 240, 5985, 615},
        {"display", "lblFullBrand", 120, 240, 5985, 615},
    };
    for (const auto &p : places)
        QTest::addRow("%s %s", p.which, p.control)
            << p.which << p.control << platform::twRect(p.left, p.top, p.width, p.height);
}

void tst_ReadingWindows::controlPlaces()
{
    QFETCH(QString, which);
    QFETCH(QString, control);
    QFETCH(QRect, place);
    QWidget *widget = window(which)->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), place);
}

void tst_ReadingWindows::menuBarOrder_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QStringList>("bar");
    QTest::addColumn<QStringList>("help");
    const QStringList bar{"&File", "&Help", "&Donate", "Make Money &Online"};
    QTest::newRow("main") << "main" << bar << QStringList{"&Online Help",
                                                          "&Visit Us Online",
                                                          "",
                                                          "Check for Software &Update",
                                                          "",
                                                          "&About Software"};
    QTest::newRow("reading") << "display" << bar << QStringList{"&Online Help",
                                                                "&Visit Us Online",
                                                                "",
                                                                "&Check for Software Update",
                                                                "",
                                                                "&About Software"};
}

void tst_ReadingWindows::menuBarOrder()
{
    QFETCH(QString, which);
    QFETCH(QStringList, bar);
    QFETCH(QStringList, help);
    auto *mainWindow = qobject_cast<QMainWindow *>(window(which));
    QStringList shownBar, shownHelp;
    for (QAction *a : mainWindow->menuBar()->actions())
        shownBar.append(a->text());
    for (QAction *a : mainWindow->findChild<QMenu *>("mnuHelp")->actions())
        shownHelp.append(a->text());
    QCOMPARE(shownBar, bar);
    QCOMPARE(shownHelp, help);
    QVERIFY(!mainWindow->findChild<QAction *>("mkmoney")->isEnabled());
}

void tst_ReadingWindows::everyTextShowsWhole_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("symbol");
    QTest::newRow("main") << "main" << 0;
    QTest::newRow("reading, longest meaning") << "display" << 62;
    QTest::newRow("reading, longest name") << "display" << 17;
}

void tst_ReadingWindows::everyTextShowsWhole()
{
    QFETCH(QString, which);
    QFETCH(int, symbol);
    if (symbol) {
        modSymbols::LoadSymbols();
        m_display->ShowReading(modSymbols::SymbolNames[symbol], modSymbols::SymbolMeanings[symbol]);
    }
    QWidget *w = window(which);
    for (QLabel *label : w->findChildren<QLabel *>()) {
        const QString cut = cutOffText(label, roomInParent(label).size());
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }
}

void tst_ReadingWindows::pageControls_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("pageKey");
    for (const char *which : {"main", "display"}) {
        const QString w = QLatin1String(which);
        QTest::addRow("%s online help", which) << w << "mnuOnline"
                                               << "help-web-page";
        QTest::addRow("%s visit us", which) << w << "mnuVisit"
                                            << "home-page";
        QTest::addRow("%s update", which) << w << "mnuUpdate"
                                          << "download-web-page";
        QTest::addRow("%s donate", which) << w << "mnuDonate"
                                          << "donate";
        QTest::addRow("%s banner", which) << w << "Label61"
                                          << "home-page";
        QTest::addRow("%s co-brand", which) << w << "lblCobrand"
                                            << "co-brand";
        QTest::addRow("%s full brand", which) << w << "lblFullBrand"
                                              << "fully-branded";
    }
}

void tst_ReadingWindows::pageControls()
{
    QFETCH(QString, which);
    QFETCH(QString, control);
    QFETCH(QString, pageKey);
    // Names and e-mail addresses go to this site: never in clear text.
    const QString base = modHelp::SiteBaseAddress();
    QVERIFY(base.startsWith(QLatin1String("https://")) && !base.endsWith(QLatin1Char('/')));
    const QString address = base + QStringLiteral("/brewlore/ssd.php?page=") + pageKey;

    QWidget *w = window(which);
    const auto press = [&] {
        if (auto *action = w->findChild<QAction *>(control))
            action->trigger();
        else
            QTest::mouseClick(w->findChild<QLabel *>(control), Qt::LeftButton);
    };
    press();
    QCOMPARE(m_seams->launches, QStringList{address});
    press();
    QCOMPARE(m_seams->launches, (QStringList{address, address}));
    QVERIFY(m_seams->messages.isEmpty());
}

void tst_ReadingWindows::readingKeepsStoredBlanks()
{
    modSymbols::LoadSymbols();
    m_display->ShowReading(modSymbols::SymbolNames[29], modSymbols::SymbolMeanings[29]);
    QCOMPARE(m_display->findChild<QLabel *>("lblDesc")->text(),
             QStringLiteral("symbol of fraternity and  peace.  "));
    // The name stays centred on the window where its design put it.
    const QLabel *name = m_display->findChild<QLabel *>("lblElement");
    QCOMPARE(name->text(), QStringLiteral("FLAG"));
    QVERIFY(qAbs(name->geometry().center().x() - QRect(255, 88, 69, 13).center().x()) <= 1);
}

void tst_ReadingWindows::escapeLeavesTheReading()
{
    QSignalSpy unloaded(m_display.get(), &forms::frmDisplay::unloaded);
    QSignalSpy back(m_display.get(), &forms::frmDisplay::backRequested);
    m_display->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_display.get()));
    QCOMPARE(QApplication::focusWidget(), m_display->findChild<QWidget *>("cmdOK"));
    QTest::keyClick(m_display.get(), Qt::Key_Escape);
    QCOMPARE(unloaded.size(), 1);
    QCOMPARE(back.size(), 0);
    QVERIFY(!m_display->isVisible());
}

void tst_ReadingWindows::backFromMenuAsFromButton()
{
    QSignalSpy back(m_display.get(), &forms::frmDisplay::backRequested);
    m_display->findChild<QAction *>("mnuFileBack")->trigger();
    m_display->findChild<QPushButton *>("cmdOK")->click();
    QCOMPARE(back.size(), 2);
}

void tst_ReadingWindows::overflowingMenusShowTheirArrow()
{
    // The program's style draws the arrow of a menu bar whose menus do not
    // fit (a long translation, a large font) instead of reading Qt's picture.
    const QString before = QApplication::style()->name();
    const QImage qts = QApplication::style()
                           ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                           .pixmap(16)
                           .toImage()
                           .convertToFormat(QImage::Format_ARGB32);
    QApplication::setStyle(forms::makeApplicationStyle());
    QImage drawn;
    {
        QWidget window;
        auto *bar = new QMenuBar(&window);
        for (int i = 0; i < 12; ++i)
            bar->addMenu(QStringLiteral("Menu with a long name %1").arg(i));
        bar->setGeometry(0, 0, 200, bar->sizeHint().height());
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *arrow = bar->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(arrow);
        QTRY_VERIFY(arrow->isVisible());
        drawn = arrow->icon().pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
    }
    QApplication::setStyle(before);

    int ink = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            ink += qAlpha(drawn.pixel(x, y)) > 128;
    QVERIFY2(ink >= 8, qPrintable(QString::number(ink)));
    QVERIFY(drawn != qts); // the drawn arrow, not the picture Qt would read
}

void tst_ReadingWindows::chosenStyleIsKept_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::newRow("fusion") << QStringLiteral("fusion");
    QTest::newRow("windows") << QStringLiteral("windows");
}

void tst_ReadingWindows::chosenStyleIsKept()
{
    // -style and QT_STYLE_OVERRIDE choose the application's style before the
    // program puts its own over it: the chosen one must stay underneath.
    QFETCH(QString, chosen);
    const QString before = QApplication::style()->name();
    QApplication::setStyle(chosen);
    const std::unique_ptr<QStyle> style(forms::makeApplicationStyle());
    QApplication::setStyle(before);
    auto *proxy = qobject_cast<QProxyStyle *>(style.get());
    QVERIFY(proxy);
    QCOMPARE(proxy->baseStyle()->name(), chosen);
}

QTEST_MAIN(tst_ReadingWindows)
#include "tst_readingwindows.moc"
