// Linked into every test program: before main() runs, the process gets a
// home, configuration, data, cache and runtime folder of its own in a fresh
// temporary folder, removed again at exit. So no test reads or writes the
// user's settings or meets the user's running copy, whether CTest starts it
// or someone runs it by hand. It also speaks English whatever the user's
// language: the messages locale is C.UTF-8, unless the test names its own
// in BREWLORE_TEST_LOCALE (tr_TR.UTF-8, say).

#include <QByteArray>
#include <QDir>
#include <cstdlib>
#include <stdlib.h>
#include <sys/stat.h>

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
        QByteArray templ = QDir::tempPath().toLocal8Bit() + "/brewlore-test-XXXXXX";
        if (templ.size() > 60)
            templ = "/tmp/brewlore-test-XXXXXX";
        if (!mkdtemp(templ.data()))
            std::abort(); // never fall back to the user's own folders
        m_root = QString::fromLocal8Bit(templ);
        for (const char *var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                                "XDG_STATE_HOME", "XDG_RUNTIME_DIR"}) {
            const QByteArray dir = templ + '/' + QByteArray(var).toLower();
            mkdir(dir.constData(), 0700);
            setenv(var, dir.constData(), 1);
        }
        setenv("BREWLORE_PRIVATE_HOME", templ.constData(), 1);
        const char *locale = getenv("BREWLORE_TEST_LOCALE");
        setenv("LC_ALL", locale && *locale ? locale : "C.UTF-8", 1);
        unsetenv("LANGUAGE");
        // Headless unless the caller chose a platform: no window on the user's screen.
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    ~PrivateHome()
    {
        if (!m_root.isEmpty())
            QDir(m_root).removeRecursively();
    }
    PrivateHome(const PrivateHome &) = delete;
    PrivateHome &operator=(const PrivateHome &) = delete;

private:
    QString m_root;
};

const PrivateHome privateHome;

} // namespace
