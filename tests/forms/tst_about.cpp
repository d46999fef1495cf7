#include "app/forms_registry.h"
#include "forms/frmAbout.h"
#include "forms/pictures.h"
#include "platform/geometry.h"
#include "support/private_home.h"
#include "support/seams.h"
#include "support/site.h"
#include "support/text_fits.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <QtTest>
#include <functional>

using platform::tw;
using platform::twRect;

// The About window: its layout as designed, and the modal round trip from
// either window's Help menu.
class tst_About : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void windowFrame();
    void controls_data();
    void controls();
    void openedFromReadingEscReturnsToIt();
    void closes_data();
    void closes();
    void linksStayOpen_data();
    void linksStayOpen();

private:
    TemporaryStore m_config;
};

namespace {

struct ModalVisit
{
    QPointer<QWidget> window; // the modal window met, while it lives
    QString name;
    bool leftOpen = false; // still open after the action: closed by force
};

// Runs act on the modal window from inside its event loop, as soon as it is
// active. Whatever act does, the window ends up closed, so that a failing
// check never leaves the test waiting for ever.
void whenModal(ModalVisit &visit, std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [&visit, act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        visit.window = modal;
        visit.name = modal->objectName();
        // The window itself must have the keyboard: while the window system
        // has not yet activated it, it only shares its owner's activation.
        if (QTest::qWaitFor([modal] { return QApplication::activeWindow() == modal; }))
            act(modal);
        // An access key presses its button with a short animation first.
        if (!QTest::qWaitFor([modal] { return !modal->isVisible(); }, 1000)) {
            visit.leftOpen = true;
            modal->close();
        }
    });
}

QAction *aboutEntry(QWidget *window)
{
    return window->findChild<QAction *>(QStringLiteral("mnuAbout"));
}

} // namespace

void tst_About::initTestCase() { QVERIFY(m_config.isValid()); }

void tst_About::cleanup()
{
    flushDeletes();
    QVERIFY(visibleWindows().isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_About::windowFrame()
{
    forms::frmAbout about;
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(about.windowType(), Qt::Dialog);
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(about.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!about.windowIcon().isNull());
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(ok->width() >= ok->sizeHint().width());
    for (const char *link : {"lblHomePage", "lblCobrand"})
        QCOMPARE(about.findChild<QWidget *>(link)->cursor().pixmap().toImage(),
                 forms::linkCursor16(about.devicePixelRatioF()).pixmap().toImage());

    // Every control lies inside the window, except the rule that runs past
    // its right edge.
    for (QWidget *child : about.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->objectName() != QLatin1String("Line2"))
            QVERIFY2(about.rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
}

void tst_About::controls_data()
{
    QTest::addColumn<QString>("name"); // empty for the window itself
    QTest::addColumn<QRect>("place");  // a label sized to its text: only its top-left corner
    // As the layout table gives them, in twips.
    QTest::newRow("frmAbout") << "" << twRect(0, 0, 6015, 4095);
    QTest::newRow("picIcon") << "picIcon" << twRect(150, 150, 510, 510);
    QTest::newRow("Label2") << "Label2" << twRect(780, 240, 3180, 240);
    QTest::newRow("Label1") << "Label1" << twRect(240, 840, 5595, 1095);
    QTest::newRow("lblHomePage") << "lblHomePage" << twRect(1320, 2040, 4650, 195);
    QTest::newRow("Label3") << "Label3" << twRect(240, 2520, 5565, 675);
    QTest::newRow("lblCobrand") << "lblCobrand" << twRect(3360, 3240, 2610, 195);
    QTest::newRow("Line2") << "Line2" << QRect(0, tw(3480), tw(6150), 1);
    QTest::newRow("cmdOK") << "cmdOK" << twRect(4680, 3615, 1260, 345);
}

void tst_About::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);

    forms::frmAbout about;
    if (name.isEmpty()) {
        QCOMPARE(about.size(), place.size());
        return;
    }
    auto *control = about.findChild<QWidget *>(name);
    QVERIFY(control);
    auto *label = qobject_cast<QLabel *>(control);
    if (label && !label->wordWrap())
        QCOMPARE(control->pos(), place.topLeft());
    else
        QCOMPARE(control->geometry(), place);
    if (label) {
        const QString cut = cutOffText(label, label->size());
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }
}

void tst_About::openedFromReadingEscReturnsToIt()
{
    Seams seams;
    FormsRegistry forms;
    forms::frmDisplay *display = forms.Display();
    display->ShowReading(QStringLiteral("Anchor"), QStringLiteral("Success in business."));
    display->show();
    display->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(display));
    const QString element = display->findChild<QLabel *>(QStringLiteral("lblElement"))->text();
    auto *banner = display->findChild<QWidget *>(QStringLiteral("Label61"));

    ModalVisit visit;
    bool modalToAll = false;
    bool ownedByReading = false;
    bool okHasFocus = false;
    whenModal(visit, [&](QWidget *about) {
        modalToAll = about->windowModality() == Qt::ApplicationModal;
        ownedByReading = about->windowHandle()->transientParent() == display->windowHandle();
        okHasFocus = QApplication::focusWidget() &&
                     QApplication::focusWidget()->objectName() == QLatin1String("cmdOK");
        // The reading window takes no input while About is open.
        QTest::mouseClick(display->windowHandle(), Qt::LeftButton, {},
                          banner->mapTo(display, banner->rect().center()));
        QTest::keyClick(about, Qt::Key_Escape);
    });
    aboutEntry(display)->trigger();

    QCOMPARE(visit.name, QStringLiteral("frmAbout"));
    QVERIFY(!visit.leftOpen);
    QVERIFY(visit.window.isNull()); // unloaded, not just hidden
    QVERIFY(modalToAll);
    QVERIFY(ownedByReading);
    QVERIFY(okHasFocus);
    QVERIFY(seams.launches.isEmpty());
    QVERIFY(display->isVisible());
    QCOMPARE(display->findChild<QLabel *>(QStringLiteral("lblElement"))->text(), element);
    QCOMPARE(display->findChild<QLabel *>(QStringLiteral("lblDesc"))->text(),
             QStringLiteral("Success in business."));
    QCOMPARE(forms.LoadedForms(), QList<QWidget *>{display});
    display->hide();
}

void tst_About::closes_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("how");

    for (const char *opener : {"frmMain", "frmDisplay"})
        for (const char *how : {"Enter", "Esc", "OK", "Alt+O", "close box"})
            QTest::addRow("%s, %s", opener, how) << opener << how;
}

void tst_About::closes()
{
    QFETCH(QString, opener);
    QFETCH(QString, how);

    Seams seams;
    FormsRegistry forms;
    QWidget *window =
        opener == QLatin1String("frmMain") ? static_cast<QWidget *>(forms.Main()) : forms.Display();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    ModalVisit visit;
    whenModal(visit, [how](QWidget *about) {
        auto *ok = about->findChild<QPushButton *>(QStringLiteral("cmdOK"));
        if (how == QLatin1String("Enter"))
            QTest::keyClick(about, Qt::Key_Return);
        else if (how == QLatin1String("Esc"))
            QTest::keyClick(about, Qt::Key_Escape);
        else if (how == QLatin1String("OK"))
            QTest::mouseClick(ok, Qt::LeftButton);
        else if (how == QLatin1String("Alt+O"))
            QTest::keyClick(about, Qt::Key_O, Qt::AltModifier);
        else
            about->close();
    });
    aboutEntry(window)->trigger();

    QCOMPARE(visit.name, QStringLiteral("frmAbout"));
    QVERIFY(!visit.leftOpen);
    QVERIFY(visit.window.isNull());
    QVERIFY(window->isVisible());
    QVERIFY(seams.launches.isEmpty());
    QVERIFY(seams.messages.isEmpty());
    window->hide();
}

void tst_About::linksStayOpen_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("page");

    QTest::newRow("home page") << "lblHomePage"
                               << "home-page";
    QTest::newRow("more details: full branding") << "lblCobrand"
                                                 << "fully-branded";
}

void tst_About::linksStayOpen()
{
    QFETCH(QString, link);
    QFETCH(QString, page);

    Seams seams;
    FormsRegistry forms;
    forms::frmMain *main = forms.Main();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));

    ModalVisit visit;
    QList<bool> openAfterClick;
    whenModal(visit, [&](QWidget *about) {
        auto *label = about->findChild<QWidget *>(link);
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(label, Qt::LeftButton);
            openAfterClick.append(about->isVisible());
        }
        QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    aboutEntry(main)->trigger();

    QVERIFY(!visit.leftOpen);
    QCOMPARE(openAfterClick, (QList<bool>{true, true}));
    QCOMPARE(seams.launches, QStringList(2, sitePage(qPrintable(page))));
    main->hide();
}

QTEST_MAIN(tst_About)
#include "tst_about.moc"
