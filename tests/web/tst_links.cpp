#include "platform/Shell.h"
#include "support/TestSupport.h"
#include "web/modHelp.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <functional>

#ifdef Q_OS_WIN
#include "platform/Shell_win.h"
#endif

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
    for (const QString &base : {modHelp::WebSite(), modHelp::HelpSite()}) {
        const QUrl url(base);
        QVERIFY2(url.isValid(), qPrintable(base));
        QCOMPARE(url.scheme(), QStringLiteral("http"));
        QVERIFY(!url.host().isEmpty());
        QVERIFY(url.path().isEmpty()); // no trailing slash, no path
        QCOMPARE(base, QStringLiteral("http://") + url.host());
    }
    QVERIFY(modHelp::WebSite() != modHelp::HelpSite());
}

void TestLinks::eachOperationOpensItsPage_data()
{
    QTest::addColumn<LinkOperation>("operation");
    QTest::addColumn<QString>("address");

    const QString web = modHelp::WebSite();
    const QString help = modHelp::HelpSite();
    QTest::newRow("donate") << &modHelp::OpenDonateInfoPage << help + QStringLiteral("/donate.html");
    QTest::newRow("help") << &modHelp::OpenHelpPage << web + QStringLiteral("/starkindle/starkindle-help.html");
    QTest::newRow("full brand") << &modHelp::OpenFullBrandPage << help + QStringLiteral("/fully-branded.html");
    QTest::newRow("co-brand") << &modHelp::OpenCoBrandPage << help + QStringLiteral("/co-brand.html");
    QTest::newRow("home, the bare base address") << &modHelp::OpenHomePage << web;
    QTest::newRow("download") << &modHelp::OpenDownloadPage
                              << web + QStringLiteral("/starkindle/download-starkindle.html");
    QTest::newRow("softwares, no trailing slash") << &modHelp::OpenSoftwaresPage
                                                  << web + QStringLiteral("/corvanesoftwares");
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
    QCOMPARE(shell.opened(), QStringList({modHelp::WebSite(), modHelp::WebSite()}));
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
    // user typed) is not printed. Windows says nothing; elsewhere each link's
    // box holds its address, and the first names the opener to install.
    const QString address = modHelp::WebSite() + QStringLiteral("/?taf1=private");
#ifdef Q_OS_WIN
    // The shell itself answers "no association"; every argument is checked.
    shellCalls.clear();
    platform::detail::SetShellExecute(&recordShellExecute);
#else
    // No browser and no opener on the path.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    qunsetenv("BROWSER");
#endif
    captured.clear();
    MessageRecorder boxes;
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    platform::ShellOpen(address);
#ifndef Q_OS_WIN
    platform::ShellOpen(modHelp::WebSite());
#endif
    qWarning("after");
    qInstallMessageHandler(previous);
#ifdef Q_OS_WIN
    platform::detail::SetShellExecute(nullptr);
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
    qputenv("PATH", path);
    QCOMPARE(boxes.shown().size(), 2);
    QCOMPARE(boxes.shown().at(0).field + u' ' + boxes.shown().at(1).field, address + u' ' + modHelp::WebSite());
    QVERIFY(boxes.texts().at(0).contains(QStringLiteral("xdg-utils")) && !boxes.texts().at(1).contains(u"xdg-utils"));
    // An xdg-open on the path gets the address as its one argument.
    QTemporaryDir dir;
    QFile opener(dir.filePath(QStringLiteral("xdg-open"))), got(opener.fileName() + QStringLiteral(".got"));
    QVERIFY(opener.open(QIODevice::WriteOnly) && opener.write("#!/bin/sh\nprintf %s \"$1\" >\"$0.got\"\n") > 0);
    opener.close();
    QVERIFY(opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    qputenv("PATH", dir.path().toLocal8Bit() + ":/usr/bin:/bin");
    platform::ShellOpen(address);
    qputenv("PATH", path);
    QTRY_VERIFY(got.size() > 0);
    QVERIFY(got.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(got.readAll()), address);
#endif
    // Our handler is back in place afterwards, and heard nothing else.
    QCOMPARE(captured, QStringList{QStringLiteral("after")});
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
