#include "app/forms_registry.h"
#include "forms/frmAbout.h"
#include "forms/link_label.h"
#include "forms/pictures.h"
#include "platform/geometry.h"
#include "support/private_home.h"
#include "support/seams.h"
#include "support/site.h"
#include "support/text_fits.h"

#include <QAccessible>
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
    QCOMPARE(about.windowTitle(), QStringLiteral("Brewlore v1.15"));
    QCOMPARE(about.size(), QSize(tw(6015), tw(4095)));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(about.windowType(), Qt::Dialog);
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(about.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!about.windowIcon().isNull());
    QVERIFY(about.autoFillBackground());
    QCOMPARE(about.palette().color(QPalette::Window), QColor(63, 47, 33));

    auto *ok = about.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QCOMPARE(ok->geometry(), twRect(4680, 3615, 1260, 345));
    QCOMPARE(ok->font().pointSizeF(), 8.25);
    QVERIFY(ok->font().bold());
    QVERIFY(ok->isDefault());
    QVERIFY(ok->width() >= ok->sizeHint().width());

    auto *line = about.findChild<QWidget *>(QStringLiteral("Line2"));
    QVERIFY(line);
    QCOMPARE(line->geometry(), QRect(0, tw(3480), tw(6150), 1));
    QCOMPARE(line->palette().color(QPalette::Window), QColor(255, 128, 128));
    QVERIFY(line->autoFillBackground());

    auto *icon = about.findChild<QLabel *>(QStringLiteral("picIcon"));
    QVERIFY(icon);
    QCOMPARE(icon->geometry(), twRect(150, 150, 510, 510));
    QCOMPARE(icon->pixmap().toImage(),
             forms::programIconPixmap(icon->devicePixelRatioF()).toImage());

    // Every control lies inside the window, except the rule that runs past
    // its right edge.
    for (QWidget *child : about.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->objectName() != QLatin1String("Line2"))
            QVERIFY2(about.rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
}

void tst_About::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry"); // autosized: only the top-left corner is fixed
    QTest::addColumn<bool>("autoSize");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("colour");

    const QColor light(255, 192, 192);
    const QColor pink(255, 128, 128);
    QTest::newRow("Label2") << "Label2"
                            << "Brewlore v1.15" << twRect(780, 240, 3180, 240) << true << 9.75
                            << true << false << light;
    QTest::newRow("Label1")
        << "Label1"
        << "Brewlore is an effective tool, which is based on the art of reading the coffee "
           "grounds. This involves the art or practice of predicting fortunes and interpreting the "
           "near future of people from the coffee patterns."
        << twRect(240, 840, 5595, 1095) << false << 8.25 << false << false << pink;
    QTest::newRow("lblHomePage") << "lblHomePage"
                                 << "Click here to visit " + modHelp::SiteHostName()
                                 << twRect(1320, 2040, 4650, 195) << true << 8.25 << true << true
                                 << light;
    QTest::newRow("Label3") << "Label3"
                            << "Home Business Opportunity. Start your own Internet business and "
                               "make money online. Get this software fully branded for your "
                               "website."
                            << twRect(240, 2520, 5565, 675) << false << 8.25 << true << false
                            << pink;
    QTest::newRow("lblCobrand") << "lblCobrand"
                                << "Click here for more details" << twRect(3360, 3240, 2610, 195)
                                << true << 8.25 << true << true << light;
}

void tst_About::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(bool, autoSize);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(QColor, colour);

    forms::frmAbout about;
    auto *label = about.findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().underline(), underline);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QVERIFY(!label->autoFillBackground()); // transparent on the brown
    if (autoSize) {
        QCOMPARE(label->pos(), geometry.topLeft());
        QVERIFY(!label->wordWrap());
    } else {
        QCOMPARE(label->geometry(), geometry);
        QVERIFY(label->wordWrap());
    }
    const QString cut = cutOffText(label, label->size());
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
    const bool isLink = name.startsWith(QLatin1String("lbl"));
    QCOMPARE(bool(qobject_cast<forms::LinkLabel *>(label)), isLink);
    if (isLink) {
        QCOMPARE(label->cursor().pixmap().toImage(),
                 forms::linkCursor16(label->devicePixelRatioF()).pixmap().toImage());
        // Screen readers hear the link's words, then where it leads.
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(face->role(), QAccessible::Link);
        QCOMPARE(face->text(QAccessible::Name), text);
        QVERIFY(
            face->text(QAccessible::Description).endsWith(QLatin1String("in your web browser")));
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
