// Linked into every test program: before main() runs, the process gets a
// home, configuration, data, cache and runtime folder of its own in a fresh
// temporary folder, removed again at exit. So no test reads or writes the
// user's settings or meets the user's running copy, whether CTest starts it
// or someone runs it by hand. It also speaks English whatever the user's
// language: the messages locale is C.UTF-8, unless the test names its own
// in BREWLORE_TEST_LOCALE (tr_TR.UTF-8, say).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

namespace {

class PrivateHome
{
public:
    PrivateHome()
    {
        // A test's own child process (a second copy, say) keeps the folders
        // its parent chose for it: they are private already.
        if (qEnvironmentVariableIsSet("BREWLORE_PRIVATE_HOME"))
            return;
        // A short path under /tmp: some libraries misbehave below long folder names.
        QString templ = QDir::tempPath() + QStringLiteral("/brewlore-test-XXXXXX");
        if (templ.size() > 60 && QDir(QStringLiteral("/tmp")).exists())
            templ = QStringLiteral("/tmp/brewlore-test-XXXXXX");
        m_root = std::make_unique<QTemporaryDir>(templ);
        if (!m_root->isValid())
            std::abort(); // never fall back to the user's own folders
        // Windows keeps the settings in the registry and finds its folders
        // without these variables: there the tests run in a Wine prefix of
        // their own (scripts/windows-wine-check.sh).
        for (const char *var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                                "XDG_STATE_HOME", "XDG_RUNTIME_DIR"}) {
            const QString dir = m_root->filePath(QString::fromLatin1(var).toLower());
            if (!QDir().mkpath(dir) ||
                !QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
                std::abort();
            qputenv(var, QFile::encodeName(dir));
        }
        qputenv("BREWLORE_PRIVATE_HOME", QFile::encodeName(m_root->path()));
        const QByteArray locale = qgetenv("BREWLORE_TEST_LOCALE");
        qputenv("LC_ALL", locale.isEmpty() ? QByteArray("C.UTF-8") : locale);
        qunsetenv("LANGUAGE");
        // Headless unless the caller chose a platform: no window on the user's screen.
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    PrivateHome(const PrivateHome &) = delete;
    PrivateHome &operator=(const PrivateHome &) = delete;

private:
    std::unique_ptr<QTemporaryDir> m_root; // removed again at exit
};

const PrivateHome privateHome;

} // namespace
