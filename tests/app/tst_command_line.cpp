#include "reading/symbol_catalogue.h"

#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The built program from a terminal without a display: no DISPLAY, no
// WAYLAND_DISPLAY, no QT_QPA_PLATFORM, and its own home, settings and runtime
// folders, which must stay empty.
class tst_CommandLine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void endsAtOnce_data();
    void endsAtOnce();
    void qtOptionsAreTaken_data();
    void qtOptionsAreTaken();
    void windowProgramStartsQuietly_data();
    void windowProgramStartsQuietly();
    void readingIsOneCatalogueEntry();
    void readingsAreDrawnAfresh();
    void readingBesideTheWindowProgram();
    void outputThatCannotBeWrittenFails_data();
    void outputThatCannotBeWrittenFails();

private:
    struct Result
    {
        int status = -1;
        QByteArray out;
        QByteArray err;
    };
    QProcessEnvironment terminal(const QString &platform = {}) const;
    Result run(const QStringList &arguments, const QProcessEnvironment &env,
               const QString &outputFile = {}, bool closeOutput = false);
    QString readingFrom(const Result &result);
    QStringList leftBehind() const;

    std::unique_ptr<QTemporaryDir> m_home;
};

void tst_CommandLine::initTestCase() { modSymbols::LoadSymbols(); }

void tst_CommandLine::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    for (const char *dir : {"config", "runtime", "data", "cache"})
        QVERIFY(QDir(m_home->path()).mkdir(QLatin1String(dir)));
    QVERIFY(QFile::setPermissions(m_home->filePath(QStringLiteral("runtime")),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner));
}

void tst_CommandLine::cleanup() { m_home.reset(); }

QProcessEnvironment tst_CommandLine::terminal(const QString &platform) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "QT_LOGGING_RULES"})
        env.remove(QLatin1String(name));
    if (!platform.isEmpty())
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.insert(QStringLiteral("HOME"), m_home->path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home->filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home->filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home->filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), m_home->filePath(QStringLiteral("cache")));
    return env;
}

tst_CommandLine::Result tst_CommandLine::run(const QStringList &arguments,
                                             const QProcessEnvironment &env,
                                             const QString &outputFile, bool closeOutput)
{
    QProcess process;
    process.setProcessEnvironment(env);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    if (closeOutput) // the shell starts the program with its standard output closed
        process.start(QStringLiteral("/bin/sh"),
                      QStringList{"-c", "exec \"$0\" \"$@\" >&-", BREWLORE_EXE} + arguments);
    else
        process.start(QStringLiteral(BREWLORE_EXE), arguments);
    Result result;
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        result.status = process.exitCode();
    // Windows ends the lines of both streams with CR LF.
    result.out = process.readAllStandardOutput().replace("\r\n", "\n");
    result.err = process.readAllStandardError().replace("\r\n", "\n");
    return result;
}

// The reading in the output, "name|meaning", when it is two lines that make
// one entry of the catalogue; an empty string otherwise.
QString tst_CommandLine::readingFrom(const Result &result)
{
    const QString text = QString::fromUtf8(result.out);
    if (!text.endsWith(QLatin1Char('\n')))
        return {};
    const QStringList lines = text.chopped(1).split(QLatin1Char('\n'));
    if (lines.size() != 2)
        return {};
    for (int slot = 1; slot <= modSymbols::SymbolCount; ++slot)
        if (lines[0] == modSymbols::SymbolNames[slot] &&
            lines[1] == modSymbols::SymbolMeanings[slot])
            return lines.join(QLatin1Char('|'));
    return {};
}

QStringList tst_CommandLine::leftBehind() const
{
    QStringList files;
    QDirIterator it(m_home->path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        if (!entry.isDir())
            files.append(entry.filePath());
    }
    return files;
}

void tst_CommandLine::endsAtOnce_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM, unset when empty
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // patterns for the whole of each stream
    QTest::addColumn<QString>("err");

    const QString usage =
        QStringLiteral("Usage: \\S*brewlore(\\.exe)? \\[options\\]\\n(.|\\n)*--reading");
    const QString help = QStringLiteral("^") + usage + QStringLiteral("(.|\\n)*$");
    const QString version = QStringLiteral("^Brewlore 1\\.15\\n$");
    const auto mistake = [&usage](const char *what) {
        return QStringLiteral("^brewlore: ") + QLatin1String(what) + QStringLiteral("\\n\\n") +
               usage + QStringLiteral("(.|\\n)*$");
    };
    // One line, naming the way to a reading without a window.
    const QString noDisplay = QStringLiteral("^brewlore: [^\\n]*brewlore --reading\\n$");
    const QString nothing = QStringLiteral("^$");
    // One line naming the platform asked for and those Qt has.
    const auto noSuchPlatform = [](const char *name) {
        return QStringLiteral("^brewlore: [^\\n]*\"%1\"[^\\n]*offscreen[^\\n]*\\n$")
            .arg(QLatin1String(name));
    };
    // Not every system has Qt's Wayland platform.
    const bool hasWayland =
        !QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"))
             .entryList({QStringLiteral("*qwayland*")})
             .isEmpty();
    const QString noWayland = hasWayland ? noDisplay : noSuchPlatform("wayland");

    QTest::newRow("--help") << QStringList{"--help"} << "" << 0 << help << nothing;
    QTest::newRow("-h") << QStringList{"-h"} << "" << 0 << help << nothing;
    QTest::newRow("--help wins over --reading")
        << QStringList{"--reading", "--help"} << "" << 0 << help << nothing;
    QTest::newRow("--version") << QStringList{"--version"} << "" << 0 << version << nothing;
    QTest::newRow("-v") << QStringList{"-v"} << "" << 0 << version << nothing;
    QTest::newRow("--version under xcb")
        << QStringList{"--version"} << "xcb" << 0 << version << nothing;
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "" << 2 << nothing
                                    << mistake("Unknown option 'frobnicate'\\.");
    QTest::newRow("unknown short option")
        << QStringList{"-x"} << "" << 2 << nothing << mistake("Unknown option 'x'\\.");
    QTest::newRow("unknown option beside --reading")
        << QStringList{"--reading", "--readings"} << "" << 2 << nothing
        << mistake("Unknown option 'readings'\\.");
    QTest::newRow("stray argument") << QStringList{"coffee"} << "" << 2 << nothing
                                    << mistake("Unexpected argument 'coffee'\\.");
    // Echoed raw, it would set the terminal's title.
    QTest::newRow("control characters")
        << QStringList{"\x1b]0;PWNED\x07"} << "" << 2 << nothing
        << mistake("Unexpected argument '\\\\x1b\\]0;PWNED\\\\x07'\\.");
    QTest::newRow("Qt option without its value") << QStringList{"-platform"} << "" << 2 << nothing
                                                 << mistake("Missing value after '-platform'\\.");
    QTest::newRow("no display") << QStringList{} << "" << 1 << nothing << noDisplay;
    QTest::newRow("xcb without DISPLAY") << QStringList{} << "xcb" << 1 << nothing << noDisplay;
    QTest::newRow("wayland without WAYLAND_DISPLAY")
        << QStringList{} << "wayland" << 1 << nothing << noWayland;
    QTest::newRow("wayland, then xcb, neither there")
        << QStringList{} << "wayland;xcb" << 1 << nothing << noDisplay;
    QTest::newRow("-platform xcb without DISPLAY")
        << QStringList{"-platform", "xcb"} << "offscreen" << 1 << nothing << noDisplay;
    QTest::newRow("a Wayland display that does not answer")
        << QStringList{} << "wayland:socket-that-is-not-there" << 1 << nothing << noWayland;
    QTest::newRow("-platform nosuch")
        << QStringList{"-platform", "nosuch"} << "" << 1 << nothing << noSuchPlatform("nosuch");
    QTest::newRow("-platform=") << QStringList{"-platform="} << "" << 1 << nothing
                                << noSuchPlatform("");
    QTest::newRow("eglfs without its device")
        << QStringList{} << "eglfs" << 1 << nothing << noDisplay;
    // A framebuffer platform opens without its device, but has no screen.
    QTest::newRow("linuxfb without its device")
        << QStringList{} << "linuxfb:fb=/dev/no-such-fb" << 1 << nothing << noDisplay;
    QTest::newRow("-platform linuxfb without its device")
        << QStringList{"-platform", "linuxfb:fb=/dev/no-such-fb"} << "" << 1 << nothing
        << noDisplay;
}

void tst_CommandLine::endsAtOnce()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
#ifdef Q_OS_WIN
    if (status == 1) // every row without a display
        QSKIP("Linux's display platforms: Windows has its desktop, and Qt tells of a platform "
              "it lacks in a message box.");
#endif

    QProcessEnvironment env = terminal(platform);
    if (platform.startsWith(QLatin1String("wayland:"))) {
        // A display that is named but has no compositor behind it.
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_home->filePath(platform.mid(8)));
    }
    QTemporaryDir kms;
    if (platform == QLatin1String("eglfs")) {
        // A graphics device that is named but not there: Qt gives up on the
        // platform after it has been created, with no screen yet.
        QFile config(kms.filePath(QStringLiteral("kms.json")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(R"({ "device": "/dev/no-such-dri-card" })");
        config.close();
        env.insert(QStringLiteral("QT_QPA_EGLFS_INTEGRATION"), QStringLiteral("eglfs_kms"));
        env.insert(QStringLiteral("QT_QPA_EGLFS_KMS_CONFIG"), config.fileName());
    }
    const Result result = run(arguments, env);
    QCOMPARE(result.status, status);
    QVERIFY2(QRegularExpression(out).match(QString::fromUtf8(result.out)).hasMatch(),
             result.out.constData());
    QVERIFY2(QRegularExpression(err).match(QString::fromUtf8(result.err)).hasMatch(),
             result.err.constData());
    QCOMPARE(leftBehind(), QStringList());
}

void tst_CommandLine::qtOptionsAreTaken_data()
{
    // One of each kind: a value after the option or after "=", none at all,
    // and the one the core application object takes out itself.
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("-style fusion") << QStringList{"-style", "fusion"};
    QTest::newRow("-style=fusion") << QStringList{"-style=fusion"};
    QTest::newRow("-reverse") << QStringList{"-reverse"};
    QTest::newRow("-qmljsdebugger=") << QStringList{"-qmljsdebugger=port:1234"};
}

void tst_CommandLine::qtOptionsAreTaken()
{
    // Taken, with its value if it has one: --version after it still answers.
    QFETCH(QStringList, arguments);
    const Result result = run(arguments << QStringLiteral("--version"), terminal());
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.status, 0);
    QVERIFY(result.out.startsWith("Brewlore "));
}

void tst_CommandLine::windowProgramStartsQuietly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM, unset when empty
    QTest::addColumn<QString>("copy");     // the program copied under this name first

    QTest::newRow("-platform offscreen") << QStringList{"-platform", "offscreen"} << ""
                                         << "";
    QTest::newRow("-platform=offscreen") << QStringList{"-platform=offscreen"} << ""
                                         << "";
    QTest::newRow("--platform=offscreen") << QStringList{"--platform=offscreen"} << ""
                                          << "";
    QTest::newRow("Qt's options with their values")
        << QStringList{"-platform",   "offscreen", "-name",
                       "x",           "-dialogs",  "xp",
                       "-fontengine", "freetype",  "-qwindowtitle=Hello"}
        << ""
        << "";
    // Qt's complaints about the first platform are noise once the next opened.
    QTest::newRow("after a platform that cannot open") << QStringList{} << "xcb;offscreen"
                                                       << "";
    // Its settings and its guard are still the program's own.
    QTest::newRow("a renamed copy") << QStringList{} << "offscreen"
                                    << "Brewlore.AppImage";
}

void tst_CommandLine::windowProgramStartsQuietly()
{
#ifdef Q_OS_WIN
    QSKIP("No lock file there tells when the window program is up: the guard is a mutex.");
#endif
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);
    QFETCH(QString, copy);

    QString program = QStringLiteral(BREWLORE_EXE);
    if (!copy.isEmpty()) {
        QVERIFY(QFile::copy(program, m_home->filePath(copy)));
        program = m_home->filePath(copy);
    }
    QProcess windows;
    windows.setProcessEnvironment(terminal(platform));
    windows.start(program, arguments);
    QVERIFY(windows.waitForStarted());
    const QString lock = m_home->filePath(QStringLiteral("config/brewlore/brewlore.lock"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock) || windows.state() == QProcess::NotRunning, 10000);
    QCOMPARE(windows.state(), QProcess::Running);
    windows.kill();
    QVERIFY(windows.waitForFinished());
    QCOMPARE(windows.readAllStandardError(), QByteArray());
    QCOMPARE(windows.readAllStandardOutput(), QByteArray());
}

void tst_CommandLine::readingIsOneCatalogueEntry()
{
    const Result result = run({QStringLiteral("--reading")}, terminal());
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QByteArray());
    QVERIFY2(!readingFrom(result).isEmpty(), result.out.constData());
    // No lock, no settings, nothing else.
    QCOMPARE(leftBehind(), QStringList());
}

void tst_CommandLine::readingsAreDrawnAfresh()
{
    // Seeded from the clock at each start: eight starts drawing the same one
    // of 79 entries would be a fixed seed, not chance.
    QSet<QString> readings;
    for (int i = 0; i < 8; ++i) {
        const Result result = run({QStringLiteral("--reading")}, terminal());
        QCOMPARE(result.status, 0);
        const QString reading = readingFrom(result);
        QVERIFY2(!reading.isEmpty(), result.out.constData());
        readings.insert(reading);
    }
    QVERIFY(readings.size() > 1);
    QCOMPARE(leftBehind(), QStringList());
}

void tst_CommandLine::readingBesideTheWindowProgram()
{
#ifdef Q_OS_WIN
    QSKIP("No lock file there tells when the window program is up: the guard is a mutex.");
#endif
    // The window program on a platform chosen with Qt's own option needs no
    // display either; it holds its lock beside its settings while it runs.
    QProcess windows;
    windows.setProcessEnvironment(terminal());
    windows.start(QStringLiteral(BREWLORE_EXE),
                  {QStringLiteral("-platform"), QStringLiteral("offscreen")});
    QVERIFY(windows.waitForStarted());
    const QString lock = m_home->filePath(QStringLiteral("config/brewlore/brewlore.lock"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock) || windows.state() == QProcess::NotRunning, 10000);
    QCOMPARE(windows.state(), QProcess::Running);

    const Result result = run({QStringLiteral("--reading")}, terminal());
    QCOMPARE(result.status, 0);
    QVERIFY2(!readingFrom(result).isEmpty(), result.out.constData());
    QCOMPARE(windows.state(), QProcess::Running);
    QCOMPARE(windows.readAllStandardOutput(), QByteArray());

    windows.kill();
    QVERIFY(windows.waitForFinished());
}

void tst_CommandLine::outputThatCannotBeWrittenFails_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("closed"); // standard output closed, rather than full
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("--reading, disk full") << "--reading" << false << QByteArray("the reading to");
    QTest::newRow("--version, disk full") << "--version" << false << QByteArray("to");
    QTest::newRow("--help, disk full") << "--help" << false << QByteArray("to");
    QTest::newRow("--help, closed") << "--help" << true << QByteArray("to");
}

void tst_CommandLine::outputThatCannotBeWrittenFails()
{
    QFETCH(QString, option);
    QFETCH(bool, closed);
    QFETCH(QByteArray, message);

#ifdef Q_OS_WIN
    QSKIP("Windows has no /dev/full, and no shell to start the program with its output closed.");
#endif
    const QString full = QStringLiteral("/dev/full");
    if (closed ? !QFileInfo::exists(QStringLiteral("/bin/sh")) : !QFileInfo(full).isWritable())
        QSKIP("no /dev/full or /bin/sh here");
    const Result result = run({option}, terminal(), closed ? QString() : full, closed);
    QCOMPARE(result.status, 1);
    QCOMPARE(result.err, "brewlore: cannot write " + message + " standard output\n");
    QCOMPARE(leftBehind(), QStringList());
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_command_line.moc"
