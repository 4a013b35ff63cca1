#include "platform/Shell.h"
#include "support/TestSupport.h"
#include "web/modHelp.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <functional>

using LinkOperation = void (*)();
Q_DECLARE_METATYPE(LinkOperation)

class TestLinks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void baseAddressesArePlainHttpHosts();
    void eachOperationOpensItsPage_data();
    void eachOperationOpensItsPage();
    void repeatedClicksAreIndependent();
    void realShellWithoutBrowser();
};

void TestLinks::baseAddressesArePlainHttpHosts()
{
    const QString web = QStringLiteral(STARKINDLE_WEB_SITE);
    const QString help = QStringLiteral(STARKINDLE_HELP_SITE);
    QCOMPARE(modHelp::WebSite(), web);
    for (const QString &base : {web, help}) {
        const QUrl url(base);
        QVERIFY2(url.isValid(), qPrintable(base));
        QCOMPARE(url.scheme(), QStringLiteral("http"));
        QVERIFY(!url.host().isEmpty());
        QVERIFY(url.path().isEmpty()); // no trailing slash, no path
        QCOMPARE(base, QStringLiteral("http://") + url.host());
    }
    QVERIFY(web != help);
}

void TestLinks::eachOperationOpensItsPage_data()
{
    QTest::addColumn<LinkOperation>("operation");
    QTest::addColumn<QString>("address");

    QTest::newRow("donate") << &modHelp::OpenDonateInfoPage << page::Donate;
    QTest::newRow("help") << &modHelp::OpenHelpPage << page::Help;
    QTest::newRow("full brand") << &modHelp::OpenFullBrandPage << page::FullBrand;
    QTest::newRow("co-brand") << &modHelp::OpenCoBrandPage << page::CoBrand;
    QTest::newRow("home, the bare base address") << &modHelp::OpenHomePage << page::Home;
    QTest::newRow("download") << &modHelp::OpenDownloadPage << page::Download;
    QTest::newRow("softwares, no trailing slash") << &modHelp::OpenSoftwaresPage << page::Softwares;
}

void TestLinks::eachOperationOpensItsPage()
{
    QFETCH(LinkOperation, operation);
    QFETCH(QString, address);

    ShellRecorder shell;
    operation();
    QCOMPARE(shell.opened(), QStringList{address});
}

void TestLinks::repeatedClicksAreIndependent()
{
    ShellRecorder shell;
    modHelp::OpenHomePage();
    modHelp::OpenHomePage();
    QCOMPARE(shell.opened(), QStringList({page::Home, page::Home}));
}

namespace {
QStringList captured;
void capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    captured.append(message);
}
} // namespace

#ifdef Q_OS_WIN
namespace {
// What the real shell passed to ShellExecuteA, in order.
struct ShellCall {
    HWND owner;
    QByteArray verb, file;
    bool noParameters;
    QByteArray directory;
    INT show;
};
QList<ShellCall> shellCalls;
HINSTANCE WINAPI recordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show)
{
    shellCalls.append({owner, verb, file, parameters == nullptr, directory, show});
    return reinterpret_cast<HINSTANCE>(SE_ERR_NOASSOC); // as with no browser registered
}
} // namespace
#endif

void TestLinks::realShellWithoutBrowser()
{
    // No browser: the call returns, and the address (which may carry what the
    // user typed) is not printed. Windows says nothing; elsewhere one box
    // names the first page that could not be opened, and only that one.
    const QString address = page::Home + QStringLiteral("/?taf1=private");
#ifdef Q_OS_WIN
    // The shell itself answers "no association"; every argument is checked.
    shellCalls.clear();
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
#ifndef Q_OS_WIN
    platform::ShellOpen(page::Home); // brings no second box
#endif
    qWarning("after");
    qInstallMessageHandler(previous);
#ifdef Q_OS_WIN
    shell.reset();
    QCOMPARE(shellCalls.size(), 1);
    const ShellCall &call = shellCalls.first();
    QVERIFY(call.owner == nullptr);
    QCOMPARE(call.verb, QByteArray("Open"));
    QCOMPARE(call.file, address.toLocal8Bit());
    QVERIFY2(call.noParameters, "parameters must be a null pointer, not an empty string");
    QCOMPARE(call.directory, QByteArray("C:\\"));
    QCOMPARE(call.show, SW_SHOWNORMAL);
    QVERIFY(boxes.shown().isEmpty());
#else
    path.reset();
    QCOMPARE(boxes.shown().size(), 1);
    QVERIFY2(boxes.texts().first().contains(u'\n' + address + u'\n'), qPrintable(boxes.texts().first()));
    QVERIFY(boxes.texts().first().contains(QStringLiteral("xdg-utils")));
    // An xdg-open on the path gets the address as its one argument.
    QTemporaryDir dir;
    QFile opener(dir.filePath(QStringLiteral("xdg-open"))), got(opener.fileName() + QStringLiteral(".got"));
    QVERIFY(opener.open(QIODevice::WriteOnly) && opener.write("#!/bin/sh\nprintf %s \"$1\" >\"$0.got\"\n") > 0);
    opener.close();
    QVERIFY(opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    path.emplace("PATH", dir.path().toLocal8Bit() + ":/usr/bin:/bin");
    platform::ShellOpen(address);
    path.reset();
    QTRY_VERIFY(got.size() > 0);
    QVERIFY(got.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(got.readAll()), address);
#endif
    // Our handler is back in place afterwards, and heard nothing else.
    QCOMPARE(captured, QStringList{QStringLiteral("after")});
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
