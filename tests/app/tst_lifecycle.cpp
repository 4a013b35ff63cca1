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
#include <QTest>

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

void TestLifecycle::exitRoutes_data()
{
    QTest::addColumn<bool>("fromResult");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("closeBy");

    for (bool fromResult : {false, true}) {
        const char *window = fromResult ? "result" : "main";
        QTest::addRow("%s: Exit button, then exit window's Exit", window) << fromResult << "cmdExit" << "cmdClose";
        QTest::addRow("%s: File > Exit, then close box", window) << fromResult << "mnuExit" << "close";
        QTest::addRow("%s: close box, then exit window's Exit", window) << fromResult << "close" << "cmdClose";
        QTest::addRow("%s: Esc, then close box", window) << fromResult << "esc" << "close";
        QTest::addRow("%s: Enter on Exit, then Enter", window) << fromResult << "enter" << "enter";
    }
}

void TestLifecycle::exitRoutes()
{
    QFETCH(bool, fromResult);
    QFETCH(QString, route);
    QFETCH(QString, closeBy);

    const Session session;
    startWithName(QStringLiteral("ANNA"));
    FormWindow *window = forms::Main();
    if (fromResult) {
        Child<QPushButton>(forms::Main(), "cmdNext")->click();
        window = forms::Display();
    }
    if (route == QLatin1String("cmdExit"))
        Child<QPushButton>(window, "cmdExit")->click();
    else if (route == QLatin1String("mnuExit"))
        Child<QAction>(window, "mnuExit")->trigger();
    else if (route == QLatin1String("esc"))
        QTest::keyClick(window, Qt::Key_Escape);
    else if (route == QLatin1String("enter"))
        QTest::keyClick(Child<QPushButton>(window, "cmdExit"), Qt::Key_Return);
    else
        window->close();
    RunQueuedCommands(); // File > Exit runs once its trigger has returned

    // Leaving: the exit window is the one window on screen, above all others.
    QVERIFY(IsLoaded("frmNagScreen2"));
    frmNagScreen2 *exitWindow = forms::ExitWindow();
    QVERIFY(exitWindow->isVisible());
    QVERIFY(IsTopMost(exitWindow));
    QCOMPARE(fromResult ? !IsLoaded("frmDisplay") : !IsLoaded("frmMain"), true);
    if (fromResult)
        QVERIFY(IsLoaded("frmMain") && !forms::Main()->isVisible());

    QVERIFY(EndsApplication([&] {
        if (closeBy == QLatin1String("cmdClose"))
            Child<QPushButton>(exitWindow, "cmdClose")->click();
        else if (closeBy == QLatin1String("enter"))
            QTest::keyClick(exitWindow->focusWidget(), Qt::Key_Return); // Exit has the focus
        else
            exitWindow->close();
    }));
    QVERIFY(!IsLoaded("frmMain"));
    QVERIFY(!IsLoaded("frmNagScreen2"));
    QCOMPARE(LeftoverWindows(), QStringList());
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
