#include "app/forms/Forms.h"
#include "app/StartUp.h"
#include "app/forms/frmDisplay.h"
#include "app/forms/frmMain.h"
#include "app/forms/frmNagScreen2.h"
#include "support/TestSupport.h"
#include "web/modHelp.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QPointer>
#include <QTest>

#include <iterator>

namespace {

// Counts every time a window of the given class is shown.
class ShowCounter : public QObject
{
public:
    explicit ShowCounter(const char *className)
        : m_className(className)
    {
        qApp->installEventFilter(this);
    }
    ~ShowCounter() override { qApp->removeEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && watched->inherits(m_className))
            ++shows;
        return false;
    }

private:
    const char *m_className;
};

// What every start here runs with: settings in memory and a fixed today.
struct Session {
    ScopedMemorySettings settings;
    platform::testing::ScopedToday today{QDate(2026, 12, 7)};
};

void startWithName(const QString &name)
{
    QVERIFY(startup::StartApplication(false));
    Child<QLineEdit>(forms::Main(), "txtName")->setText(name);
}

} // namespace

class TestLifecycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void secondInstanceIsRefused();
    void reminderComesBeforeTheMainWindow();
    void failingReminderStillShowsTheMainWindow();
    void findingLoadsTheExitWindowHidden();
    void leavingBeforeTheLateLoadKeepsTheExitWindow();
    void backLeavesNoExitWindow();
    void exitRoutes_data();
    void exitRoutes();
};

void TestLifecycle::cleanup()
{
    forms::ExitApplication();
    QCOMPARE(LeftoverWindows(), QStringList());
}

void TestLifecycle::secondInstanceIsRefused()
{
    const Session session;
    MessageRecorder boxes;
    bool started = true;
    QVERIFY(EndsApplication([&] { started = startup::StartApplication(true); }));
    QVERIFY(!started);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Application is already running")});
    QCOMPARE(boxes.shown().first().icon, platform::MessageIcon::Information);
    QCOMPARE(boxes.shown().first().buttons, platform::MessageButtons::Ok);
    QCOMPARE(boxes.shown().first().caption, QStringLiteral("Starkindle"));
    QCOMPARE(boxes.shown().first().owner, nullptr); // centred on the screen
    // No window was made, and the settings were neither read nor written.
    QVERIFY(!IsLoaded("frmMain"));
    QVERIFY(!IsLoaded("frmNagScreen2"));
    QCOMPARE(LeftoverWindows(), QStringList());
    QCOMPARE(session.settings->reads, 0);
    QCOMPARE(session.settings->writes, 0);
}

void TestLifecycle::reminderComesBeforeTheMainWindow()
{
    const Session session;
    session.settings->setValue(modHelp::ReminderSection(), modHelp::ReminderKey(), QStringLiteral("2026-01-01"));
    bool mainExistedWhenAsked = true;
    {
        const platform::testing::ScopedMessageHandler user([&](const platform::MessageRequest &) {
            mainExistedWhenAsked = IsLoaded("frmMain");
            return platform::Answer::No;
        });
        QVERIFY(startup::StartApplication(false));
    }
    QVERIFY(!mainExistedWhenAsked);
    QVERIFY(forms::Main()->isVisible());
    QCOMPARE(session.settings->value(modHelp::ReminderSection(), modHelp::ReminderKey()),
             QStringLiteral("2026-12-07"));
}

void TestLifecycle::failingReminderStillShowsTheMainWindow()
{
    const Session session;
    session.settings->fault = MemorySettings::Throws;
    MessageRecorder boxes;
    QVERIFY(startup::StartApplication(false));
    QVERIFY(forms::Main()->isVisible());
    QVERIFY(boxes.shown().isEmpty());
}

void TestLifecycle::findingLoadsTheExitWindowHidden()
{
    const Session session;
    ShowCounter exitShows("frmNagScreen2");
    startWithName(QStringLiteral("ANNA"));
    Child<QPushButton>(forms::Main(), "cmdNext")->click();
    QVERIFY(forms::Display()->isVisible());
    QTRY_VERIFY(IsLoaded("frmNagScreen2")); // right after the result is up
    QVERIFY(!forms::ExitWindow()->isVisible());
    QCOMPARE(exitShows.shows, 0); // no flash of the exit window

}

void TestLifecycle::leavingBeforeTheLateLoadKeepsTheExitWindow()
{
    const Session session;
    startWithName(QStringLiteral("ANNA"));
    Child<QPushButton>(forms::Main(), "cmdNext")->click();
    QVERIFY(!IsLoaded("frmNagScreen2")); // else this tests nothing
    Child<QPushButton>(forms::Display(), "cmdExit")->click();
    QTest::qWait(20);
    QVERIFY(forms::ExitWindow()->isVisible());
}

void TestLifecycle::backLeavesNoExitWindow()
{
    const Session session;
    startWithName(QStringLiteral("ANNA"));
    Child<QPushButton>(forms::Main(), "cmdNext")->click();
    Child<QPushButton>(forms::Display(), "cmdBack")->click();
    QVERIFY(forms::Main()->isVisible());
    QVERIFY(!IsLoaded("frmDisplay"));
    QVERIFY(IsLoaded("frmNagScreen2"));
    QVERIFY(!forms::ExitWindow()->isVisible());
    const QStringList visible = [] {
        QStringList names;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                names.append(w->objectName());
        return names;
    }();
    QCOMPARE(visible, QStringList{QStringLiteral("frmMain")});
}

// Every way out, in one table: each way to leave the main or the result
// window, each paired with one of the ways to close the exit window it
// brings, so that each of those is taken at least twice.
void TestLifecycle::exitRoutes_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("leave"); // how the window is left (see take)
    QTest::addColumn<QString>("end");   // how the exit window is closed

    const auto row = [](const char *window, const char *leave, const char *end) {
        QTest::addRow("%s: %s, then %s", window, leave, end)
            << QString::fromLatin1(window) << QString::fromLatin1(leave) << QString::fromLatin1(end);
    };
    // The exit window opens with the focus on its Exit, and Enter in a line
    // box and Esc anywhere leave through it; the message box keeps Enter.
    const char *ends[] = {"click cmdClose", "close",          "Escape txtName",        "Escape txtMessage",
                          "Escape Check1",  "Return cmdClose", "Return txtFriendEmail"};
    std::size_t next = 0;
    const auto endNext = [&] { return ends[next++ % std::size(ends)]; };
    // Enter and Esc reach the window's Exit from wherever the focus is.
    for (const char *leave : {"click cmdExit", "menu mnuExit", "close", "Escape", "Return cmdExit", "Escape cmdExit",
                              "Return txtName", "Escape txtName", "Enter txtName", "Return cboDate", "Escape cboDate",
                              "Return cboMonth", "Escape cboMonth", "Return cboYear", "Escape cboYear",
                              "Escape cmdNext"})
        row("frmMain", leave, endNext());
    for (const char *leave : {"click cmdExit", "menu mnuExit", "close", "Escape", "Return cmdExit", "Escape cmdBack"})
        row("frmDisplay", leave, endNext());
}

// Takes a route out of window: "click <button>", "menu <item>" (run once its
// trigger has returned), "close" (the close box), or a key (Return, Enter
// on the keypad, Escape) pressed in the control named, or on the window.
static void take(QWidget *window, const QString &route)
{
    const QStringList words = route.split(u' ');
    const QByteArray control = words.value(1).toLatin1();
    if (words.first() == u"menu") {
        QAction *item = Child<QAction>(window, control.constData());
        QCOMPARE(item->text(), QStringLiteral("E&xit"));
        item->trigger();
        QVERIFY(window->isVisible()); // not before the trigger has returned
        RunQueuedCommands();
    } else if (words.first() == u"close") {
        window->close();
    } else if (words.first() == u"click") {
        QTest::mouseClick(Child<QWidget>(window, control.constData()), Qt::LeftButton);
    } else {
        const Qt::Key key = words.first() == u"Return" ? Qt::Key_Return
            : words.first() == u"Enter"                ? Qt::Key_Enter
                                                       : Qt::Key_Escape;
        QWidget *target = window;
        if (!control.isEmpty()) {
            target = Child<QWidget>(window, control.constData());
            target->setFocus();
        }
        QTest::keyClick(target, key);
    }
}

void TestLifecycle::exitRoutes()
{
    QFETCH(QString, window);
    QFETCH(QString, leave);
    QFETCH(QString, end);

    const Session session;
    MessageRecorder boxes;
    startWithName(QStringLiteral("ANNA"));
    const bool fromResult = window == u"frmDisplay";
    if (fromResult)
        Child<QPushButton>(forms::Main(), "cmdNext")->click();
    FormWindow *left = fromResult ? static_cast<FormWindow *>(forms::Display()) : forms::Main();
    take(ShowActive(left), leave);

    // Leaving: the exit window is the one window on screen, above all
    // others, with the focus on its Exit; no lookup, no box on the way.
    QVERIFY(!IsLoaded(window.toLatin1().constData()));
    QVERIFY(IsLoaded("frmNagScreen2"));
    QPointer<frmNagScreen2> exitWindow = forms::ExitWindow();
    QVERIFY(exitWindow->isVisible());
    QVERIFY(IsTopMost(exitWindow));
    QCOMPARE(exitWindow->focusWidget(), Child<QWidget>(exitWindow, "cmdClose"));
    if (fromResult) {
        QVERIFY(IsLoaded("frmMain") && !forms::Main()->isVisible());
        QCOMPARE(Child<QLineEdit>(forms::Main(), "txtName")->text(), QStringLiteral("ANNA"));
    } else {
        QVERIFY(!IsLoaded("frmDisplay"));
    }

    // Closing it ends the application, with no referral tried on the way.
    QVERIFY(EndsApplication([&] { take(ShowActive(exitWindow.data()), end); }));
    QVERIFY(boxes.shown().isEmpty());
    QVERIFY(!IsLoaded("frmMain"));
    QVERIFY(!IsLoaded("frmNagScreen2"));
    QCOMPARE(LeftoverWindows(), QStringList());
    QVERIFY(exitWindow.isNull());
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
