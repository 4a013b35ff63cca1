#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <vector>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

using platform::InstanceGuard;

namespace {

// Sets or removes an environment variable for one scope.
class EnvOverride
{
public:
    EnvOverride(const char *name, std::optional<QByteArray> value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~EnvOverride()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_old;
};

#ifndef Q_OS_WIN
QString PrivateFolderIn(const QString &tempDir)
{
    return tempDir + QStringLiteral("/starkindle-") + QString::number(::geteuid());
}
#endif

// Built next to this test.
QString HolderProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/instance_holder");
}

// A holder child in "hold" mode, waited for until it has said "won" or "lost".
std::unique_ptr<QProcess> StartHolder(const QString &lockPath, QByteArray *verdict)
{
    auto child = std::make_unique<QProcess>();
    child->start(HolderProgram(), {lockPath, QStringLiteral("hold")});
    if (child->waitForStarted(5000)) {
        while (!child->canReadLine() && child->waitForReadyRead(5000)) {
        }
    }
    *verdict = child->readLine().trimmed();
    return child;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }

    void secondGuardRefusedUntilFirstEnds()
    {
        const QString path = m_dir.filePath(QStringLiteral("inproc.lock"));
        auto first = std::make_unique<InstanceGuard>(path);
        QVERIFY(first->tryAcquire());
        QVERIFY(first->isHeld());

        InstanceGuard second(path);
        QVERIFY(!second.tryAcquire());
        QVERIFY(!second.isHeld());

        first.reset();
#ifndef Q_OS_WIN // Windows keeps the claim in a named mutex, not in the file
        QVERIFY2(QFile::exists(path), "the lock file must stay behind");
#endif
        // The refused guard may ask again and now wins; a newcomer is refused.
        QVERIFY(second.tryAcquire());
        QVERIFY(second.isHeld());
        QVERIFY(!InstanceGuard(path).tryAcquire());
    }

    void killedHolderReleasesLock()
    {
        const QString path = m_dir.filePath(QStringLiteral("killed.lock"));
        QByteArray verdict;
        auto child = StartHolder(path, &verdict);
        QCOMPARE(verdict, QByteArray("won"));
        QVERIFY(!InstanceGuard(path).tryAcquire());

        child->kill(); // SIGKILL: the child gets no chance to clean up
        QVERIFY(child->waitForFinished(5000));
        QCOMPARE(child->exitStatus(), QProcess::CrashExit);

        InstanceGuard after(path);
        QVERIFY(after.tryAcquire());
        QVERIFY(after.isHeld());
    }

    void startedProgramsDoNotInheritLock()
    {
        // Programs the application starts (a browser) outlive it; they must
        // not carry the claim with them.
        const QString path = m_dir.filePath(QStringLiteral("inherit.lock"));
        auto guard = std::make_unique<InstanceGuard>(path);
        QVERIFY(guard->tryAcquire());
        QByteArray verdict;
        auto child = StartHolder(m_dir.filePath(QStringLiteral("other.lock")), &verdict);
        QCOMPARE(verdict, QByteArray("won"));

        guard.reset();
        QVERIFY(InstanceGuard(path).tryAcquire());
        QCOMPARE(child->state(), QProcess::Running);
        child->kill();
        QVERIFY(child->waitForFinished(5000));
    }

    void leftoverLockFileDoesNotBlock_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\xff not a lock \n\n", 16);
        // What a pid-based lock would read as held by a live process.
        QTest::newRow("live pid") << QByteArray::number(QCoreApplication::applicationPid()) + "\nhost\n";
    }
    void leftoverLockFileDoesNotBlock()
    {
        QFETCH(QByteArray, content);
        const QString path = m_dir.filePath(QStringLiteral("leftover.lock"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(content), content.size());
        file.close();

        InstanceGuard guard(path);
        QVERIFY(guard.tryAcquire());
        QVERIFY(guard.isHeld());
    }

    void simultaneousStartsHaveOneWinner()
    {
        const QString path = m_dir.filePath(QStringLiteral("race.lock"));
#ifdef Q_OS_WIN
        // A process starts far more slowly there (and under Wine): each copy
        // must be up before the shared instant and the winner must still hold
        // the claim when the last one asks.
        constexpr int Rounds = 5;
        constexpr int StartDelayMs = 3000;
        constexpr int HoldMs = 3000;
#else
        constexpr int Rounds = 20;
        constexpr int StartDelayMs = 500;
        constexpr int HoldMs = 700;
#endif
        constexpr int Copies = 8;
        for (int round = 0; round < Rounds; ++round) {
            const qint64 startAt = QDateTime::currentMSecsSinceEpoch() + StartDelayMs;
            const QStringList args{path, QString::number(startAt), QString::number(HoldMs)};
            std::vector<std::unique_ptr<QProcess>> copies;
            for (int i = 0; i < Copies; ++i) {
                copies.push_back(std::make_unique<QProcess>());
                copies.back()->start(HolderProgram(), args);
            }
            int winners = 0;
            for (auto &copy : copies) {
                QVERIFY(copy->waitForFinished(20000));
                QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
                QCOMPARE(copy->exitCode(), 0);
                const QByteArray verdict = copy->readAllStandardOutput().trimmed();
                QVERIFY2(verdict == "won" || verdict == "lost", verdict.constData());
                winners += verdict == "won";
            }
            QVERIFY2(winners == 1, qPrintable(QStringLiteral("round %1: %2 winners").arg(round).arg(winners)));
        }
    }

#ifdef Q_OS_WIN
    void defaultPathIsInUserTempFolder()
    {
        QCOMPARE(InstanceGuard::DefaultInstanceLockPath(), QDir::tempPath() + QStringLiteral("/starkindle.lock"));
    }

    void otherSpellingsOfThePathAreOneClaim_data()
    {
        QTest::addColumn<QString>("spelling");
        QTest::newRow("other letter case") << m_dir.filePath(QStringLiteral("CASE.LOCK")).toUpper();
        QTest::newRow("backslashes") << QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("case.lock")));
        QTest::newRow("dot segment") << m_dir.filePath(QStringLiteral("./sub/../case.lock"));
    }
    void otherSpellingsOfThePathAreOneClaim()
    {
        // Windows file names ignore case and take either separator: one file,
        // one claim.
        QFETCH(QString, spelling);
        InstanceGuard first(m_dir.filePath(QStringLiteral("case.lock")));
        QVERIFY(first.tryAcquire());
        QVERIFY(!InstanceGuard(spelling).tryAcquire());
        QVERIFY(InstanceGuard(m_dir.filePath(QStringLiteral("other.lock"))).tryAcquire());
    }
#else
    void defaultPathUsesRuntimeFolder()
    {
        EnvOverride xdg("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
        QCOMPARE(InstanceGuard::DefaultInstanceLockPath(), m_dir.filePath(QStringLiteral("starkindle.lock")));
    }

    void defaultPathFallsBackToPrivateFolder_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("runtimeDir");
        QTest::addColumn<bool>("openedUp");
        QTest::newRow("unset") << std::optional<QByteArray>() << false;
        QTest::newRow("unset, folder opened up") << std::optional<QByteArray>() << true;
        QTest::newRow("relative") << std::optional<QByteArray>(".") << false;
        QTest::newRow("missing") << std::optional<QByteArray>("/nonexistent/starkindle/run") << true;
    }
    void defaultPathFallsBackToPrivateFolder()
    {
        QFETCH(std::optional<QByteArray>, runtimeDir);
        QFETCH(bool, openedUp);
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        EnvOverride xdg("XDG_RUNTIME_DIR", runtimeDir);
        EnvOverride tmpdir("TMPDIR", QFile::encodeName(tmp.path()));
        const QString folder = PrivateFolderIn(QDir::tempPath());
        QCOMPARE(QDir::tempPath(), QDir(tmp.path()).canonicalPath());
        if (openedUp) { // an earlier folder of ours, since opened up, is closed again
            QVERIFY(QDir().mkdir(folder));
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0755) == 0);
        }

        QCOMPARE(InstanceGuard::DefaultInstanceLockPath(), folder + QStringLiteral("/starkindle.lock"));
        struct stat st {};
        QVERIFY(::lstat(QFile::encodeName(folder).constData(), &st) == 0);
        QVERIFY(S_ISDIR(st.st_mode));
        QCOMPARE(st.st_uid, ::geteuid());
        QCOMPARE(st.st_mode & 07777, mode_t(0700));
    }

    void defaultPathRefusesForeignFolder()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        EnvOverride xdg("XDG_RUNTIME_DIR", std::nullopt);
        EnvOverride tmpdir("TMPDIR", QFile::encodeName(tmp.path()));
        // Someone else's directory planted under the name, via a link.
        QVERIFY(QDir().mkdir(tmp.filePath(QStringLiteral("elsewhere"))));
        QVERIFY(QFile::link(tmp.filePath(QStringLiteral("elsewhere")), PrivateFolderIn(QDir::tempPath())));

        const QString path = InstanceGuard::DefaultInstanceLockPath();
        QVERIFY2(path.isEmpty(), qPrintable(path));
        InstanceGuard guard(path);
        QVERIFY(guard.tryAcquire());
        QVERIFY(!guard.isHeld());
    }

#endif

    void defaultPathNeedsNoApplication()
    {
        // The holder has no QCoreApplication, as in main() when it is asked.
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        env.insert(QStringLiteral("TMPDIR"), tmp.path());
        env.insert(QStringLiteral("TMP"), QDir::toNativeSeparators(tmp.path()));
        env.insert(QStringLiteral("TEMP"), QDir::toNativeSeparators(tmp.path()));
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(HolderProgram(), {QStringLiteral("default-path")});
        QVERIFY(child.waitForFinished(5000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(child.readAllStandardError(), QByteArray());
#ifdef Q_OS_WIN
        const QString expected = QDir(tmp.path()).canonicalPath() + QStringLiteral("/starkindle.lock");
#else
        const QString expected = PrivateFolderIn(QDir(tmp.path()).canonicalPath()) + QStringLiteral("/starkindle.lock");
#endif
        QCOMPARE(QFile::decodeName(child.readAllStandardOutput().trimmed()), expected);
    }

    void unusableLockLocationAllowsStart_data()
    {
        QTest::addColumn<QString>("name");
#ifndef Q_OS_WIN // a mutex does not care where the path leads
        QTest::newRow("missing folder") << QStringLiteral("no/such/folder/starkindle.lock");
        QTest::newRow("directory") << QStringLiteral("a-directory");
#endif
        QTest::newRow("no path") << QString();
    }
    void unusableLockLocationAllowsStart()
    {
        QFETCH(QString, name);
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("a-directory")));
        InstanceGuard guard(name.isEmpty() ? QString() : m_dir.filePath(name));
        QVERIFY(guard.tryAcquire());
        QVERIFY(!guard.isHeld());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
