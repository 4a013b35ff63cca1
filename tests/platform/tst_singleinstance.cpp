#include "platform/SingleInstance.h"
#include "support/PlatformSupport.h"

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
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using platform::InstanceGuard;

namespace {

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

    // The one place the race is run round after round; the fault script's
    // simultaneous_starts shows, in a few rounds, what the real program's
    // loser does.
    void simultaneousStartsHaveOneWinner()
    {
        const QString path = m_dir.filePath(QStringLiteral("race.lock"));
#ifdef Q_OS_WIN
        // A process starts far more slowly there (and under Wine).
        constexpr int Rounds = 4;
#else
        constexpr int Rounds = 20;
#endif
        constexpr int Copies = 8;
        for (int round = 0; round < Rounds; ++round) {
            // Every copy is up and waiting before any of them is let go: the
            // gun is one line to each, sent back to back.
            std::vector<std::unique_ptr<QProcess>> copies;
            for (int i = 0; i < Copies; ++i) {
                copies.push_back(std::make_unique<QProcess>());
                copies.back()->start(HolderProgram(), {path, QStringLiteral("race")});
            }
            for (auto &copy : copies) {
                while (!copy->canReadLine() && copy->waitForReadyRead(20000)) {
                }
                QCOMPARE(copy->readLine().trimmed(), QByteArray("ready"));
            }
            for (auto &copy : copies)
                copy->write("\n");
            for (auto &copy : copies)
                QVERIFY(copy->waitForBytesWritten(20000) || copy->bytesToWrite() == 0);
            int winners = 0;
            for (auto &copy : copies) {
                while (!copy->canReadLine() && copy->waitForReadyRead(20000)) {
                }
                // A loser may end before its line is read; its output is all
                // there once its end has been seen.
                if (!copy->canReadLine() && copy->state() != QProcess::NotRunning)
                    copy->waitForFinished(20000);
                const QByteArray verdict = copy->readAllStandardOutput().trimmed();
                QVERIFY2(verdict == "won" || verdict == "lost", verdict.constData());
                winners += verdict == "won";
                if (verdict == "lost") {
                    QVERIFY(copy->state() == QProcess::NotRunning || copy->waitForFinished(20000));
                    QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
                    QCOMPARE(copy->exitCode(), 0);
                }
            }
            for (auto &copy : copies) {
                copy->kill();
                copy->waitForFinished(20000);
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
    void defaultPathIsTheUsersWhateverTheEnvironment()
    {
        // Starts from a desktop, a terminal and a cron job see different
        // environments, and must still find each other.
        QString path;
        {
            ScopedEnvironment own("STARKINDLE_INSTANCE_DIR", std::nullopt);
            ScopedEnvironment xdg("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
            ScopedEnvironment tmpdir("TMPDIR", QFile::encodeName(m_dir.path()));
            path = InstanceGuard::DefaultInstanceLockPath();
        }
        const QString uid = QString::number(::geteuid());
        QVERIFY2(path == QStringLiteral("/run/user/%1/starkindle.lock").arg(uid)
                     || path == QStringLiteral("/tmp/starkindle-%1/starkindle.lock").arg(uid),
                 qPrintable(path));
        ScopedEnvironment own("STARKINDLE_INSTANCE_DIR", std::nullopt);
        ScopedEnvironment xdg("XDG_RUNTIME_DIR", std::nullopt);
        ScopedEnvironment tmpdir("TMPDIR", std::nullopt);
        QCOMPARE(InstanceGuard::DefaultInstanceLockPath(), path);

        // Our own variable moves it, but only to a folder of the user's own.
        ScopedEnvironment isolated("STARKINDLE_INSTANCE_DIR", QFile::encodeName(m_dir.path()));
        QCOMPARE(InstanceGuard::DefaultInstanceLockPath(), m_dir.filePath(QStringLiteral("starkindle.lock")));
        QVERIFY(::chmod(QFile::encodeName(m_dir.path()).constData(), 01777) == 0);
        const QString shared = InstanceGuard::DefaultInstanceLockPath();
        QVERIFY(::chmod(QFile::encodeName(m_dir.path()).constData(), 0700) == 0);
        QCOMPARE(shared, path);
    }

    void chooseLockPath_data()
    {
        QTest::addColumn<QString>("runtime"); // how the runtime folder is found
        QTest::addColumn<bool>("used");
        QTest::newRow("the user's own") << "own" << true;
        QTest::newRow("missing") << "missing" << false;
        QTest::newRow("no name") << "" << false;
        QTest::newRow("shared and sticky") << "1777" << false;
        QTest::newRow("group-writable") << "0770" << false;
        QTest::newRow("not writable") << "0500" << false;
        QTest::newRow("a link to a folder of ours") << "link" << false;
        QTest::newRow("someone else's") << "foreign" << false;
        QTest::newRow("ours; private folder opened up") << "opened-up" << false;
    }
    void chooseLockPath()
    {
        QFETCH(QString, runtime);
        QFETCH(bool, used);
        if (runtime == u"foreign" && ::geteuid() != 0)
            QSKIP("giving a folder to another user needs root");
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QByteArray run = QFile::encodeName(tmp.filePath(QStringLiteral("run")));
        const QString privateFolder = PrivateFolderIn(tmp.path());
        QString candidate = QFile::decodeName(run);
        if (runtime == u"link") {
            QVERIFY(QDir().mkdir(tmp.filePath(QStringLiteral("real"))));
            QVERIFY(QFile::link(tmp.filePath(QStringLiteral("real")), candidate));
        } else if (runtime == u"") {
            candidate.clear();
        } else if (runtime != u"missing") {
            QVERIFY(::mkdir(run.constData(), 0700) == 0);
            bool ok = false;
            const uint mode = runtime.toUInt(&ok, 8);
            if (ok)
                QVERIFY(::chmod(run.constData(), mode) == 0);
            if (runtime == u"foreign")
                QVERIFY(::chown(run.constData(), 65534, 65534) == 0);
            if (runtime == u"opened-up") {
                ::rmdir(run.constData());
                QVERIFY(QDir().mkdir(privateFolder));
                QVERIFY(::chmod(QFile::encodeName(privateFolder).constData(), 0755) == 0);
            }
        }

        const QString path = InstanceGuard::ChooseLockPath(candidate, tmp.path(), QString());
        QCOMPARE(path, (used ? candidate : privateFolder) + QStringLiteral("/starkindle.lock"));
        if (!used) {
            struct stat st {};
            QVERIFY(::lstat(QFile::encodeName(privateFolder).constData(), &st) == 0);
            QVERIFY(S_ISDIR(st.st_mode));
            QCOMPARE(st.st_uid, ::geteuid());
            QCOMPARE(st.st_mode & 07777, mode_t(0700));
        }
    }

    void privateFolderNameTakenByALink()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        // Someone else's directory planted under the name, via a link.
        QVERIFY(QDir().mkdir(tmp.filePath(QStringLiteral("elsewhere"))));
        QVERIFY(QFile::link(tmp.filePath(QStringLiteral("elsewhere")), PrivateFolderIn(tmp.path())));

        const QString path = InstanceGuard::ChooseLockPath(QString(), tmp.path(), tmp.filePath(QStringLiteral("no-home")));
        QVERIFY2(path.isEmpty(), qPrintable(path));
        InstanceGuard guard(path);
        QVERIFY(guard.tryAcquire());
        QVERIFY(!guard.isHeld());
    }

    void lockFileNotOursIsNotUsed_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a link to elsewhere") << "link";
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("someone else's file, held by them") << "foreign";
    }
    void lockFileNotOursIsNotUsed()
    {
        QFETCH(QString, kind);
        if (kind == u"foreign" && ::geteuid() != 0)
            QSKIP("making a file of another user's needs root");
        const QString path = m_dir.filePath(QStringLiteral("planted.lock"));
        const QString target = m_dir.filePath(QStringLiteral("victim-file"));
        QFile::remove(path);
        QFile::remove(target);
        int theirs = -1;
        if (kind == u"link") {
            QVERIFY(QFile::link(target, path));
        } else if (kind == u"fifo") {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else {
            theirs = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
            QVERIFY(theirs >= 0);
            QVERIFY(::fchown(theirs, 65534, 65534) == 0 && ::fchmod(theirs, 0666) == 0);
            QVERIFY(::flock(theirs, LOCK_EX | LOCK_NB) == 0);
        }

        // The start goes ahead, unguarded, and nothing is made through the link.
        InstanceGuard guard(path);
        QVERIFY(guard.tryAcquire());
        QVERIFY(!guard.isHeld());
        QVERIFY(!QFile::exists(target));
        if (theirs >= 0)
            ::close(theirs);
    }
#endif

    void defaultPathNeedsNoApplication()
    {
        // The holder has no QCoreApplication, as in main() when it is asked.
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
#ifdef Q_OS_WIN
        env.insert(QStringLiteral("TMP"), QDir::toNativeSeparators(tmp.path()));
        env.insert(QStringLiteral("TEMP"), QDir::toNativeSeparators(tmp.path()));
        const QString expected = QDir(tmp.path()).canonicalPath() + QStringLiteral("/starkindle.lock");
#else
        env.insert(QStringLiteral("STARKINDLE_INSTANCE_DIR"), tmp.path());
        const QString expected = tmp.filePath(QStringLiteral("starkindle.lock"));
#endif
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(HolderProgram(), {QStringLiteral("default-path")});
        QVERIFY(child.waitForFinished(5000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(child.readAllStandardError(), QByteArray());
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
