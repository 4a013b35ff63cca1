// The real shell: how an address reaches the browser, and that every page
// that does not get there is told, with its address to copy, however the
// failure shows (no opener, an opener that finds no browser or is killed, a
// shell that refuses) and only then.

#include "platform/Shell.h"
#include "support/PlatformSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList captured;
void capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    captured.append(message);
}

#ifdef Q_OS_WIN
// What the real shell passed to ShellExecuteA, in order, and what the shell
// answers: above 32 is success.
struct ShellCall {
    HWND owner;
    QByteArray verb, file;
    bool noParameters;
    QByteArray directory;
    INT show;
};
QList<ShellCall> shellCalls;
INT_PTR shellAnswer = SE_ERR_NOASSOC;
HINSTANCE WINAPI recordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show)
{
    shellCalls.append({owner, verb, file, parameters == nullptr, directory, show});
    return reinterpret_cast<HINSTANCE>(shellAnswer);
}
#else
// Whether this process has no child left: an opener's end has been reaped,
// and what it means reaches the event loop with the next events processed.
bool NoChildren()
{
    const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
    const QDir proc(QStringLiteral("/proc"));
    for (const QString &pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(proc.filePath(pid + QStringLiteral("/stat")));
        if (!pid.front().isDigit() || !stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold spaces and parentheses.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> after = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (after.size() > 1 && after.at(1) == self)
            return false;
    }
    return true;
}
#endif
} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutOpener();
    void openerOutcome_data();
    void openerOutcome();
};

void TestShell::withoutOpener()
{
    // No browser: the call returns, and the address (which may carry what the
    // user typed) is not printed. Each link's box holds its address; on Linux
    // the first names the opener to install.
    const QString address = page::Home + QStringLiteral("/?taf1=private");
#ifdef Q_OS_WIN
    // The shell itself answers "no association"; every argument is checked.
    shellCalls.clear();
    shellAnswer = SE_ERR_NOASSOC;
    std::optional<platform::testing::ScopedShellExecute> shell(std::in_place, &recordShellExecute);
#else
    // No browser and no opener on the path.
    std::optional<ScopedEnvironment> path(std::in_place, "PATH", QByteArray("/nonexistent"));
    const ScopedEnvironment browser("BROWSER", std::nullopt);
#endif
    captured.clear();
    MessageRecorder boxes;
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    platform::ShellOpen(address);
    platform::ShellOpen(page::Home);
    qWarning("after");
    qInstallMessageHandler(previous);
#ifdef Q_OS_WIN
    shell.reset();
    QCOMPARE(shellCalls.size(), 2);
    const ShellCall &call = shellCalls.first();
    QVERIFY(call.owner == nullptr);
    QCOMPARE(call.verb, QByteArray("Open"));
    QCOMPARE(call.file, address.toLocal8Bit());
    QVERIFY2(call.noParameters, "parameters must be a null pointer, not an empty string");
    QCOMPARE(call.directory, QByteArray("C:\\"));
    QCOMPARE(call.show, SW_SHOWNORMAL);
#else
    path.reset();
#endif
    QCOMPARE(boxes.shown().size(), 2);
    QCOMPARE(boxes.shown().at(0).field + u' ' + boxes.shown().at(1).field, address + u' ' + page::Home);
    QCOMPARE(boxes.shown().at(0).fieldName, QStringLiteral("Address of the page"));
#ifndef Q_OS_WIN
    QVERIFY(boxes.texts().at(0).contains(QStringLiteral("xdg-utils")) && !boxes.texts().at(1).contains(u"xdg-utils"));
#endif
    // Our handler is back in place afterwards, and heard nothing else.
    QCOMPARE(captured, QStringList{QStringLiteral("after")});
}

void TestShell::openerOutcome_data()
{
    // How the opener (xdg-open on the path; ShellExecuteA on Windows) ends.
    QTest::addColumn<QByteArray>("opener");
    QTest::addColumn<bool>("told");
#ifdef Q_OS_WIN
    QTest::newRow("the shell takes it") << QByteArray("42") << false;
    QTest::newRow("file not found") << QByteArray("2") << true;
#else
    // Each notes the address it got, then ends its own way.
    QTest::newRow("hands it on") << QByteArray("exit 0") << false;
    QTest::newRow("finds no browser (status 3)") << QByteArray("exit 3") << true;
    QTest::newRow("the browser fails (status 4)") << QByteArray("exit 4") << true;
    QTest::newRow("killed") << QByteArray("kill -9 $$") << true;
#endif
}

void TestShell::openerOutcome()
{
    QFETCH(QByteArray, opener);
    QFETCH(bool, told);
    const QString address = page::Help;
    MessageRecorder boxes;
#ifdef Q_OS_WIN
    shellCalls.clear();
    shellAnswer = opener.toInt();
    {
        const platform::testing::ScopedShellExecute shell(&recordShellExecute);
        platform::ShellOpen(address);
    }
    QCOMPARE(shellCalls.size(), 1);
#else
    QTemporaryDir dir;
    QFile script(dir.filePath(QStringLiteral("xdg-open"))), got(script.fileName() + QStringLiteral(".got"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    QVERIFY(script.write("#!/bin/sh\nprintf %s \"$1\" >\"$0.got\"\n" + opener + "\n") > 0);
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    {
        const ScopedEnvironment path("PATH", dir.path().toLocal8Bit() + ":/usr/bin:/bin");
        platform::ShellOpen(address);
    }
    // The call returns while the opener runs; what it says comes later.
    QVERIFY(boxes.shown().isEmpty());
    QTRY_VERIFY(NoChildren());
    QCoreApplication::processEvents();
    // It got the address as its one argument.
    QVERIFY(got.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(got.readAll()), address);
#endif
    QCOMPARE(boxes.shown().size(), told ? 1 : 0);
    if (told) {
        QCOMPARE(boxes.shown().first().field, address);
        QVERIFY(boxes.texts().first().startsWith(QStringLiteral("No web browser could be started")));
    }
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
