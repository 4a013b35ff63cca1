// Every way to one of the maker's pages, in one table: the link operations
// themselves, and each menu command, link and check box of the four windows
// that leads to one. The windows' own tests check the rest of what these
// controls do.

#include "app/forms/Forms.h"
#include "app/forms/frmAbout.h"
#include "app/forms/frmDisplay.h"
#include "app/forms/frmMain.h"
#include "app/forms/frmNagScreen2.h"
#include "support/TestSupport.h"
#include "web/modHelp.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <functional>

using LinkOperation = void (*)();
Q_DECLARE_METATYPE(LinkOperation)

namespace {

// The window of the given name, shown and active as a user finds it: the
// result window after a lookup from the main one.
QWidget *showWindow(const QString &name)
{
    if (name == u"frmMain")
        return ShowActive(forms::Main());
    if (name == u"frmNagScreen2")
        return ShowActive(forms::ExitWindow());
    frmMain *main = ShowActive(forms::Main());
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("ANNA"));
    Child<QPushButton>(main, "cmdNext")->click();
    return ShowActive(forms::Display());
}

// Uses the control as the row says and checks how it answers on the way;
// address is the page it is to open, each time it is used.
void use(QWidget *window, const QString &control, const QString &how, const QString &caption,
         const QString &address, const ShellRecorder &shell)
{
    if (how == u"menu" || how == u"hidden menu") {
        // A command runs once its trigger has returned.
        QAction *item = Child<QAction>(window, control.toLatin1().constData());
        QCOMPARE(item->text(), caption);
        QVERIFY(item->shortcut().isEmpty());
        QCOMPARE(item->isVisible(), how == u"menu");
        item->trigger();
        QVERIFY(shell.opened().isEmpty());
        RunQueuedCommands();
    } else if (auto *box = qobject_cast<QCheckBox *>(window->findChild<QWidget *>(control))) {
        // However it gets ticked, the box opens the page once and unticks;
        // so a second go opens it again.
        for (qsizetype round = 1; round <= 2; ++round) {
            if (how == u"mouse") {
                QTest::mouseClick(box, Qt::LeftButton);
            } else if (how == u"Space") {
                box->setFocus();
                QTest::keyClick(box, Qt::Key_Space);
            } else {
                QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(box);
                QVERIFY(reader && reader->actionInterface());
                reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            }
            QVERIFY(!box->isChecked());
            QCOMPARE(shell.opened(), QStringList(round, address));
        }
    } else {
        auto *label = Child<QLabel>(window, control.toLatin1().constData());
        label->raise(); // the two promotional labels share one place
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(label->font().underline());
        if (how == u"mouse") {
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
        } else {
            // A key on the focused link; holding it down opens the page once.
            QCOMPARE(label->focusPolicy(), Qt::TabFocus);
            const QImage unfocused = label->grab().toImage();
            label->setFocus();
            QVERIFY(label->grab().toImage() != unfocused); // the focus shows
            const auto key = how == u"Space" ? Qt::Key_Space : Qt::Key_Return;
            QTest::keyClick(label, key);
            QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(label, &repeat);
        }
    }
}

} // namespace

class TestLinks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void baseAddressesArePlainHttpHosts();
    void eachWayOpensItsPage_data();
    void eachWayOpensItsPage();
    void repeatedClicksAreIndependent();
};

void TestLinks::cleanup()
{
    forms::ExitApplication();
    QCOMPARE(LeftoverWindows(), QStringList());
}

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

void TestLinks::eachWayOpensItsPage_data()
{
    QTest::addColumn<QString>("window");  // none: the operation is called directly
    QTest::addColumn<QString>("control"); // its object name
    QTest::addColumn<QString>("how");     // menu, hidden menu, mouse, Return, Space, toggle (a screen reader's)
    QTest::addColumn<QString>("caption"); // a menu command's
    QTest::addColumn<LinkOperation>("operation");
    QTest::addColumn<QString>("address");

    const auto call = [](const char *name, LinkOperation operation, const QString &address) {
        QTest::addRow("%s", name) << QString() << QString() << QStringLiteral("call") << QString() << operation
                                  << address;
    };
    call("donate", &modHelp::OpenDonateInfoPage, page::Donate);
    call("help", &modHelp::OpenHelpPage, page::Help);
    call("full brand", &modHelp::OpenFullBrandPage, page::FullBrand);
    call("co-brand", &modHelp::OpenCoBrandPage, page::CoBrand);
    call("home, the bare base address", &modHelp::OpenHomePage, page::Home);
    call("download", &modHelp::OpenDownloadPage, page::Download);
    call("softwares, no trailing slash", &modHelp::OpenSoftwaresPage, page::Softwares);

    const auto way = [](const char *window, const char *control, const char *how, const QString &address,
                        const char *caption = "") {
        QTest::addRow("%s %s by %s", window, control, how)
            << QString::fromLatin1(window) << QString::fromLatin1(control) << QString::fromLatin1(how)
            << QString::fromLatin1(caption) << LinkOperation() << address;
    };
    // The main and result windows: the same menus but for the update
    // command's caption, and the same banner and promotional labels.
    for (const char *window : {"frmMain", "frmDisplay"}) {
        const bool main = qstrcmp(window, "frmMain") == 0;
        way(window, "mnuOnline", "menu", page::Help, "&Online Help");
        way(window, "mnuVisit", "menu", page::Home, "&Visit Us Online");
        way(window, "mnuUpdate", "menu", page::Download,
            main ? "Check for Software &Update" : "&Check for Software Update");
        way(window, "mnuDonate", "menu", page::Donate, "&Donate");
        // Never offered; its handler still leads where it always did.
        way(window, "mnuMakeMoneyOnline", "hidden menu", page::FullBrand, "Make Money &Online");
        way(window, "Label61", "mouse", page::Home);
        way(window, "lblFullBrand", "mouse", page::FullBrand);
        way(window, "lblCobrand", "mouse", page::CoBrand);
    }
    way("frmMain", "Label61", "Return", page::Home);
    way("frmMain", "lblCobrand", "Space", page::CoBrand);
    // The About window, open over the main one.
    way("frmAbout", "lblHomePage", "mouse", page::Home);
    way("frmAbout", "Label5", "mouse", page::FullBrand);
    // The exit window: the invitation to visit, and the catalogue.
    way("frmNagScreen2", "Check1", "mouse", page::Home);
    way("frmNagScreen2", "Check1", "Space", page::Home);
    way("frmNagScreen2", "Check1", "toggle", page::Home);
    way("frmNagScreen2", "lblGoToHome", "mouse", page::Softwares);
}

void TestLinks::eachWayOpensItsPage()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, how);
    QFETCH(QString, caption);
    QFETCH(LinkOperation, operation);
    QFETCH(QString, address);

    ShellRecorder shell;
    if (operation) {
        operation();
    } else if (window == u"frmAbout") {
        // The window stays open, and modal, after its links.
        bool stillOpen = false;
        WhenModalAppears<frmAbout>([&](frmAbout *about) {
            use(about, control, how, caption, address, shell);
            stillOpen = about->isVisible() && QApplication::activeModalWidget() == about;
            Child<QPushButton>(about, "cmdOK")->click();
        });
        frmAbout::ShowModal();
        QVERIFY(stillOpen);
    } else {
        QWidget *shown = showWindow(window);
        use(shown, control, how, caption, address, shell);
        if (QTest::currentTestFailed())
            return;
        // The window stays, whatever key reached it.
        QVERIFY(shown->isVisible());
        QVERIFY(IsLoaded(window.toLatin1().constData()));
    }
    // Once; the check box is used twice.
    QCOMPARE(shell.opened(), QStringList(control == u"Check1" ? 2 : 1, address));
}

void TestLinks::repeatedClicksAreIndependent()
{
    ShellRecorder shell;
    modHelp::OpenHomePage();
    modHelp::OpenHomePage();
    QCOMPARE(shell.opened(), QStringList({page::Home, page::Home}));
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
