#include "app/forms_registry.h"
#include "app/startup.h"
#include "platform/instance_guard.h"
#include "support/seams.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// A second start while the real program runs, then a start after the running
// copy was killed outright.
class tst_StartUp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void secondCopyOnlySaysSo();
    void killedCopyDoesNotLockOut();
    void cleanupTestCase();

private:
    QTemporaryDir m_config;    // the running copy's
    QTemporaryDir m_ownConfig; // this process's
    QProcess m_first;
};

void tst_StartUp::initTestCase()
{
    QVERIFY(m_config.isValid() && m_ownConfig.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_ownConfig.path());
    // A run that was killed while it held the guard leaves its lock behind.
    QFile::remove(platform::InstanceLockPath());

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    m_first.setProcessEnvironment(env);
    m_first.start(QStringLiteral(BREWLORE_EXE), {});
    QVERIFY(m_first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(platform::InstanceLockPath()), 10000);
}

void tst_StartUp::secondCopyOnlySaysSo()
{
    Seams seams;
    FormsRegistry forms;
    StartUp(forms);

    QCOMPARE(seams.messages.size(), 1);
    QCOMPARE(seams.messages[0].text, QStringLiteral("Application is already running"));
    QCOMPARE(seams.messages[0].flags, int(platform::vbInformation));
    QCOMPARE(seams.endStatuses, QList<int>{0});
    QVERIFY(forms.LoadedForms().isEmpty());
    QVERIFY(visibleWindows().isEmpty());
    // No reminder ran: this copy's settings store was not touched.
    QVERIFY(QDir(m_ownConfig.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    QCOMPARE(m_first.state(), QProcess::Running);
    QCOMPARE(m_first.readAllStandardOutput(), QByteArray());
}

void tst_StartUp::killedCopyDoesNotLockOut()
{
    m_first.kill(); // SIGKILL: the copy leaves its lock behind
    QVERIFY(m_first.waitForFinished());
    QVERIFY(QFile::exists(platform::InstanceLockPath()));

    Seams seams;
    FormsRegistry forms;
    StartUp(forms);
    QVERIFY(seams.messages.isEmpty());
    QVERIFY(seams.endStatuses.isEmpty());
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
    QCOMPARE(forms.Main()->windowTitle(), QStringLiteral("Brewlore v1.15"));
}

void tst_StartUp::cleanupTestCase()
{
    if (m_first.state() != QProcess::NotRunning) {
        m_first.kill();
        m_first.waitForFinished();
    }
}

QTEST_MAIN(tst_StartUp)
#include "tst_startup.moc"
