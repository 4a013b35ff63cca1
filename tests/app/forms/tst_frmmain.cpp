#include "app/widgets/DeferredIconStyle.h"
#include "app/widgets/Look.h"
#include "app/forms/Forms.h"
#include "app/forms/frmDisplay.h"
#include "app/forms/frmMain.h"
#include "app/forms/frmNagScreen2.h"
#include "astro/SignReadings.h"
#include "astro/modPlanetSign.h"
#include "platform/FontWarmUp.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>

#ifdef STARKINDLE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {


QAction *action(QWidget *window, const char *name)
{
    return Child<QAction>(window, name);
}
// A shown main window, as start-up leaves it.
frmMain *showMain()
{
    return ShowActive(forms::Main());
}

// Types text key by key as a keyboard would, including characters no key
// code names.
void type(QWidget *target, const QString &text)
{
    for (QChar c : text) {
        const int key = c.unicode() < 128 ? QChar(c).toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

void enter(frmMain *main, const QString &name, int day, const QString &month, int year)
{
    Child<QLineEdit>(main, "txtName")->setText(name);
    Child<QComboBox>(main, "cboDate")->setCurrentIndex(day - 1);
    auto *months = Child<QComboBox>(main, "cboMonth");
    months->setCurrentIndex(months->findText(month));
    auto *years = Child<QComboBox>(main, "cboYear");
    years->setCurrentIndex(years->findText(QString::number(year)));
}

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void freshWindow();
    void nameFilter_data();
    void nameFilter();
    void pasteAndAltKeysAddNothing();
    void validation_data();
    void validation();
    void birthTimeAndPlace_data();
    void birthTimeAndPlace();
    void emptyNameMovesFocusToName();
    void menuFindRunsTheSameCommand();
    void keysToAHiddenWindowAreDropped_data();
    void keysToAHiddenWindowAreDropped();
    void enterOnFindButtonFindsTheSign();
    void makeMoneyOnlineIsNotOffered();
    void lookupBackAndLookupAgain();
    void menuBarExtensionButtonKeepsItsPicture();
};

void TestFrmMain::initTestCase()
{
    // As the application starts: the font configuration read ahead (the one
    // Qt's font database then uses; another would mean reading it twice), and
    // the pick lists known to its style.
    platform::FontWarmUp fonts;
    fonts.wait();
#ifdef STARKINDLE_FONTCONFIG
    FcConfig *const read = FcConfigGetCurrent();
    QVERIFY(fonts.started() && read);
    QVERIFY(!QFontDatabase::families().isEmpty());
    QCOMPARE(FcConfigGetCurrent(), read);
#endif
    platform::FontWarmUp unwaited; // a thread left joinable would end the process
    QApplication::setStyle(look::ApplicationStyle());
}

void TestFrmMain::cleanup()
{
    forms::ExitApplication();
    QCOMPARE(LeftoverWindows(), QStringList());
}

void TestFrmMain::freshWindow()
{
    frmMain *main = showMain();
    QCOMPARE(main->windowTitle(), QStringLiteral(STARKINDLE_CAPTION));
    // The original 484 x 336, and the time and place of birth below them.
    QCOMPARE(main->centralWidget()->size(), QSize(484, 400));
    QVERIFY(main->minimumSize() == main->maximumSize());
    QVERIFY(!(main->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    auto *name = Child<QLineEdit>(main, "txtName");
    auto *days = Child<QComboBox>(main, "cboDate");
    auto *months = Child<QComboBox>(main, "cboMonth");
    auto *years = Child<QComboBox>(main, "cboYear");
    QCOMPARE(name->text(), QString());
    QCOMPARE(days->currentText(), QStringLiteral("1"));
    QCOMPARE(months->currentText(), QStringLiteral("January"));
    QCOMPARE(years->currentText(), QString::number(astro::FirstYear));
    QCOMPARE(main->focusWidget(), name);
    // Verdana where it is installed, else DejaVu Sans: the face Qt finds from
    // both names, without being asked for a missing one.
    QFont both = name->font();
    both.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    QCOMPARE(QFontInfo(name->font()).family(), QFontInfo(both).family());

    QCOMPARE(days->count(), 31);
    QCOMPARE(days->itemText(30), QStringLiteral("31"));
    QCOMPARE(months->count(), 12);
    QCOMPARE(months->itemText(1), QStringLiteral("February"));
    QCOMPARE(months->itemText(11), QStringLiteral("December"));
    QCOMPARE(years->count(), astro::LatestYear - astro::EarliestYear + 1);
    QCOMPARE(years->itemText(0), QString::number(astro::EarliestYear));
    QCOMPARE(years->itemText(years->count() - 1), QString::number(astro::LatestYear));
    for (QComboBox *list : {days, months, years})
        QVERIFY(!list->isEditable());

    // The open year list keeps to about fifteen rows and scrolls, instead of
    // covering the screen.
    years->showPopup();
    QAbstractItemView *open = years->view();
    QTRY_VERIFY(open->isVisible());
    const int rows = open->viewport()->height() / open->sizeHintForRow(0);
    QVERIFY2(rows >= 10 && rows <= 16, qPrintable(QString::number(rows)));
    QVERIFY(open->verticalScrollBar()->isVisible());
    QVERIFY(open->verticalScrollBar()->maximum() > 0);
    QCOMPARE(open->font(), years->font());
    QCOMPARE(years->font().bold(), true);
    years->hidePopup();

    // Focus order: name, day, month, year, find, exit, then the banner and
    // the promotional label in front (the one behind is no stop), round again.
    const QStringList order = {QStringLiteral("cboDate"), QStringLiteral("cboMonth"), QStringLiteral("cboYear"),
                               QStringLiteral("txtBirthTime"), QStringLiteral("txtBirthPlace"), QStringLiteral("cmdNext"), QStringLiteral("cmdExit"), QStringLiteral("Label61"),
                               QStringLiteral("lblCobrand"), QStringLiteral("txtName")};
    QWidget *w = name;
    for (const QString &next : order) {
        w = NextTabStop(w);
        QCOMPARE(w->objectName(), next);
    }
    QCOMPARE(name->accessibleName(), QStringLiteral("Name"));
    QCOMPARE(years->accessibleName(), QStringLiteral("Year"));

    // A screen reader reads a list's item as its text, selected while the
    // list has the focus (the words it hears as each new item comes).
    for (QComboBox *list : {days, months, years}) {
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(list)->textInterface();
        QVERIFY(text);
        QCOMPARE(text->selectionCount(), 0);
        list->setFocus();
        const int was = list->currentIndex();
        QTest::keyClick(list, Qt::Key_Down);
        int start = -1, end = -1;
        text->selection(0, &start, &end);
        QCOMPARE(QPair(start, end), QPair(0, text->characterCount()));
        QCOMPARE(text->text(start, end), list->itemText(was + 1));
        list->setCurrentIndex(was);
    }
    // Typing picks an item; the list keeps the focus (a screen reader keeps
    // reading it); a key repeated steps through the items it begins.
    years->setFocus();
    QTest::keyClicks(years, QStringLiteral("1975"));
    QCOMPARE(years->currentText(), QStringLiteral("1975"));
    QCOMPARE(QApplication::focusWidget(), years);
    QTest::keyClick(years, Qt::Key_Down);
    QCOMPARE(years->currentText(), QStringLiteral("1976"));
    months->setFocus();
    QTest::keyClicks(months, QStringLiteral("jj"));
    QCOMPARE(months->currentText(), QStringLiteral("July"));
    years->setCurrentIndex(40);
    months->setCurrentIndex(0);
    QCOMPARE(Child<QPushButton>(main, "cmdNext")->text(), QStringLiteral("Find My &Sexual Astrology Sign"));
    const QString coBrand = Child<QLabel>(main, "lblCobrand")->text();
    QVERIFY(coBrand.startsWith(u"Co-brand this software for your site."));
    QVERIFY(coBrand.endsWith(u"Click Here for more info on co-branding."));
}

void TestFrmMain::nameFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("composed"); // committed at once, as a dead key or Compose gives it

    QTest::newRow("letters come out in capitals, a digit is refused") << "ab1 c" << "AB C" << 1 << false;
    QTest::newRow("capitals stay") << "XyZ" << "XYZ" << 0 << false;
    QTest::newRow("spaces pass") << "   " << "   " << 0 << false;
    QTest::newRow("punctuation between Z and a") << "[\\]^_`" << "" << 6 << false;
    QTest::newRow("brace after z") << "a{" << "A" << 1 << false;
    QTest::newRow("accented letter") << QStringLiteral("Ren\u00e9e") << "RENE" << 1 << false;
    QTest::newRow("hyphen and apostrophe") << "o'neil-x" << "ONEILX" << 2 << false;
    QTest::newRow("letter outside Latin") << QStringLiteral("a\u0416b") << "AB" << 1 << false;
    QTest::newRow("emoji, two code units, one refusal each")
        << QStringLiteral("a\U0001F600") << "A" << 2 << false;
    QTest::newRow("composed accented letter") << QStringLiteral("\u00e9") << "" << 1 << true;
    QTest::newRow("composed fraction") << QStringLiteral("\u00bd") << "" << 1 << true;
    QTest::newRow("composed plain letter") << "a" << "A" << 0 << true;
    QTest::newRow("several characters in one commit") << "ab1" << "AB" << 1 << true;
}

void TestFrmMain::nameFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(int, messages);
    QFETCH(bool, composed);

    MessageRecorder boxes;
    frmMain *main = showMain();
    auto *name = Child<QLineEdit>(main, "txtName");
    if (composed) {
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QApplication::sendEvent(name, &commit);
    } else {
        type(name, typed);
    }
    QCOMPARE(name->text(), text);
    QCOMPARE(boxes.shown().size(), messages);
    for (const platform::MessageRequest &box : boxes.shown()) {
        QCOMPARE(box.text, QStringLiteral("Please Enter only Letters"));
        QCOMPARE(box.icon, platform::MessageIcon::Information);
        QCOMPARE(box.caption, QStringLiteral("Starkindle"));
        QCOMPARE(box.buttons, platform::MessageButtons::Ok);
    }

    // Backspace is no letter, yet passes without a word.
    boxes.clear();
    const qsizetype before = name->text().size();
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(name->text().size(), qMax<qsizetype>(0, before - 1));
    QVERIFY(boxes.shown().isEmpty());
}

void TestFrmMain::pasteAndAltKeysAddNothing()
{
    MessageRecorder boxes;
    frmMain *main = showMain();
    auto *name = Child<QLineEdit>(main, "txtName");
    QTest::keyClicks(name, "ann");
    QGuiApplication::clipboard()->setText(QStringLiteral("1234"));
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Insert, Qt::ShiftModifier);
    // An Alt combination that is no access key types nothing, silently.
    QTest::keyClick(name, Qt::Key_Q, Qt::AltModifier);
    // So does the middle button, which pastes the X selection.
    QGuiApplication::clipboard()->setText(QStringLiteral("x\ny"), QClipboard::Selection);
    QTest::mouseClick(name, Qt::MiddleButton);
    QCOMPARE(name->text(), QStringLiteral("ANN"));
    QCOMPARE(boxes.texts(), QStringList(3, QStringLiteral("Please Enter only Letters")));
    QCOMPARE(name->contextMenuPolicy(), Qt::NoContextMenu);
}

void TestFrmMain::validation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // empty: the lookup goes ahead

    const QString noName = QStringLiteral("Please Enter Your Name");
    const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
    QTest::newRow("empty name") << "" << 15 << "March" << 1965 << noName;
    QTest::newRow("empty name comes before a bad date") << "" << 31 << "February" << 1941 << noName;
    QTest::newRow("a name of spaces passes") << "   " << 1 << "January" << 1940 << "";
    QTest::newRow("29 February in a leap year") << "A" << 29 << "February" << 1940 << "";
    QTest::newRow("29 February otherwise") << "A" << 29 << "February" << 1941 << february;
    QTest::newRow("30 February in a leap year") << "A" << 30 << "February" << 1940 << february;
    QTest::newRow("31 February") << "A" << 31 << "February" << 1990 << february;
    QTest::newRow("28 February") << "A" << 28 << "February" << 1941 << "";
    QTest::newRow("31 April") << "A" << 31 << "April" << 1965 << thirty;
    QTest::newRow("31 June") << "A" << 31 << "June" << 1965 << thirty;
    QTest::newRow("31 September") << "A" << 31 << "September" << 1943 << thirty;
    QTest::newRow("31 November") << "A" << 31 << "November" << 1965 << thirty;
    QTest::newRow("30 April") << "A" << 30 << "April" << 1965 << "";
    QTest::newRow("31 May") << "A" << 31 << "May" << 1965 << "";
    QTest::newRow("31 December 1990") << "A" << 31 << "December" << 1990 << "";
    QTest::newRow("29 February 1900, a century") << "A" << 29 << "February" << 1900 << february;
    QTest::newRow("29 February 2000, every 400 years") << "A" << 29 << "February" << 2000 << "";
    QTest::newRow("29 February 2100, a century") << "A" << 29 << "February" << 2100 << february;
    QTest::newRow("31 December 2100") << "A" << 31 << "December" << 2100 << "";
    QTest::newRow("30 January 2012, the ephemeris") << "A" << 30 << "January" << 2012 << "";
    QTest::newRow("1 January 1900, the ephemeris") << "A" << 1 << "January" << 1900 << "";
}

void TestFrmMain::validation()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(QString, message);

    MessageRecorder boxes;
    frmMain *main = showMain();
    enter(main, name, day, month, year);
    auto *find = Child<QPushButton>(main, "cmdNext");
    find->setFocus();
    QTest::mouseClick(find, Qt::LeftButton);

    if (message.isEmpty()) {
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(IsLoaded("frmDisplay"));
        QVERIFY(forms::Display()->isVisible());
        // The table's years and the ephemeris's alike reach the result.
        const std::optional<astro::Sign> sign = astro::LookupSign(year, Child<QComboBox>(main, "cboMonth")->findText(month) + 1, day);
        QVERIFY(sign);
        QCOMPARE(Child<QLabel>(forms::Display(), "lblSexualitySign")->text(), astro::SignName(*sign));
        QVERIFY(!main->isVisible());
    } else {
        QCOMPARE(boxes.texts(), QStringList{message});
        QCOMPARE(boxes.shown().first().icon, platform::MessageIcon::Information);
        QCOMPARE(boxes.shown().first().owner, main->windowHandle());
        QVERIFY(!IsLoaded("frmDisplay"));
        QVERIFY(main->isVisible());
        if (message != QLatin1String("Please Enter Your Name"))
            QCOMPARE(main->focusWidget(), find); // the date messages leave the focus alone
    }
    // The entry itself is never touched by the check.
    QCOMPARE(Child<QLineEdit>(main, "txtName")->text(), name);
    QCOMPARE(Child<QComboBox>(main, "cboDate")->currentText(), QString::number(day));
}

void TestFrmMain::birthTimeAndPlace_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("message"); // the box's first words; empty: the result comes
    QTest::addColumn<QString>("focus"); // after a box
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QString>("note"); // a line of the notes

    QTest::newRow("a time without a place: the computer's zone stands in")
        << "2035-02-23" << "11:30" << "" << "" << "" << "Scorpio"
        << "No birthplace was given: this computer's time zone stands in for it.";
    QTest::newRow("double summer time in London")
        << "1944-06-06" << "10:00" << "london" << "" << "" << "Aries"
        << "You were born at 10:00 on 6 June 1944 local time (Europe/London, BDST, UTC+02:00), which was 08:00 UT "
           "on 6 June 1944.";
    QTest::newRow("a time not written as hours and minutes")
        << "2035-02-23" << "7:5" << "" << "Please enter the time of birth" << "txtBirthTime" << "" << "";
    QTest::newRow("a place no one knows")
        << "2035-02-23" << "" << "Xyzzy" << "No place called \"Xyzzy\" is known." << "txtBirthPlace" << "" << "";
    QTest::newRow("an hour the clocks skipped")
        << "2021-03-28" << "01:30" << "London" << "The clocks there skipped 01:30" << "cmdNext" << "" << "";
}

void TestFrmMain::birthTimeAndPlace()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, place);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, headline);
    QFETCH(QString, note);

    MessageRecorder boxes;
    const platform::testing::ScopedTimeZone utc(QTimeZone::utc());
    frmMain *main = showMain();
    const QDate d = QDate::fromString(date, Qt::ISODate);
    enter(main, QStringLiteral("ANNA"), d.day(), QLocale::c().monthName(d.month()), d.year());
    Child<QLineEdit>(main, "txtBirthTime")->setText(time);
    Child<QLineEdit>(main, "txtBirthPlace")->setText(place);
    auto *find = Child<QPushButton>(main, "cmdNext");
    find->setFocus();
    find->click();
    if (!message.isEmpty()) {
        QCOMPARE(boxes.texts().size(), 1);
        QVERIFY2(boxes.texts().first().startsWith(message), qPrintable(boxes.texts().first()));
        QVERIFY(!IsLoaded("frmDisplay"));
        QCOMPARE(main->focusWidget()->objectName(), focus);
        return;
    }
    QVERIFY(boxes.shown().isEmpty());
    QCOMPARE(Child<QLabel>(forms::Display(), "lblSexualitySign")->text(), headline);
    QVERIFY2(Child<QLabel>(forms::Display(), "lblNotes")->text().split(u'\n').contains(note),
             qPrintable(Child<QLabel>(forms::Display(), "lblNotes")->text()));
}

void TestFrmMain::emptyNameMovesFocusToName()
{
    MessageRecorder boxes;
    frmMain *main = showMain();
    Child<QComboBox>(main, "cboYear")->setFocus();
    // The access key clicks at once, before the next key can arrive.
    QTest::keyClick(main, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Please Enter Your Name")});
    QCOMPARE(main->focusWidget(), Child<QLineEdit>(main, "txtName"));
}

void TestFrmMain::menuFindRunsTheSameCommand()
{
    MessageRecorder boxes;
    frmMain *main = showMain();
    QAction *find = action(main, "mnuFindSexualitySign");
    QCOMPARE(find->text(), QStringLiteral("Find My &Sexual Astrology Sign"));
    QVERIFY(find->shortcut().isEmpty());
    find->trigger();
    QVERIFY(boxes.shown().isEmpty()); // the box waits until the trigger has returned
    RunQueuedCommands();
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Please Enter Your Name")});

    enter(main, QStringLiteral("ANNA"), 15, QStringLiteral("March"), 1965);
    find->trigger();
    RunQueuedCommands();
    QCOMPARE(boxes.shown().size(), 1);
    QVERIFY(IsLoaded("frmDisplay"));
    QCOMPARE(Child<QLabel>(forms::Display(), "lblSexualitySign")->text(), QStringLiteral("Aquarius"));
}

// Keys typed ahead that still reach the window once it is hidden. (Enter and
// Esc on a shown window: the exit routes of tst_lifecycle.)
void TestFrmMain::keysToAHiddenWindowAreDropped_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");

    QTest::newRow("Enter in txtName") << "txtName" << int(Qt::Key_Return);
    QTest::newRow("Esc in cboYear") << "cboYear" << int(Qt::Key_Escape);
    QTest::newRow("Space on cmdExit") << "cmdExit" << int(Qt::Key_Space);
}

void TestFrmMain::keysToAHiddenWindowAreDropped()
{
    QFETCH(QString, focus);
    QFETCH(int, key);

    MessageRecorder boxes;
    frmMain *main = showMain();
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("ANNA"));
    QWidget *target = main->findChild<QWidget *>(focus);
    target->setFocus();
    main->hide();
    QTest::keyClick(target, Qt::Key(key));
    // A hidden window's default and cancel button stay untouched: no
    // unload, no exit window, no lookup, no message.
    QVERIFY(IsLoaded("frmMain"));
    QVERIFY(!IsLoaded("frmNagScreen2"));
    QVERIFY(!IsLoaded("frmDisplay"));
    QVERIFY(boxes.shown().isEmpty());
}

void TestFrmMain::enterOnFindButtonFindsTheSign()
{
    MessageRecorder boxes;
    frmMain *main = showMain();
    enter(main, QStringLiteral("ANNA"), 21, QStringLiteral("January"), 1941);
    auto *find = Child<QPushButton>(main, "cmdNext");
    find->setFocus();
    QTest::keyClick(find, Qt::Key_Return);
    QVERIFY(IsLoaded("frmMain"));
    QVERIFY(IsLoaded("frmDisplay"));
    QCOMPARE(Child<QLabel>(forms::Display(), "lblSexualitySign")->text(), QStringLiteral("Pisces"));
}

void TestFrmMain::makeMoneyOnlineIsNotOffered()
{
    frmMain *main = showMain();
    QAction *makeMoney = action(main, "mnuMakeMoneyOnline");
    QCOMPARE(makeMoney->text(), QStringLiteral("Make Money &Online"));
    QVERIFY(!makeMoney->isVisible());
    // Nor does a screen reader count it among the menu bar's commands.
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(main->menuBar());
    QStringList commands;
    for (int i = 0; i < bar->childCount(); ++i)
        commands.append(bar->child(i)->text(QAccessible::Name));
    QCOMPARE(commands, (QStringList{QStringLiteral("File"), QStringLiteral("Help"), QStringLiteral("Donate")}));
    // Where its handler still leads: tst_links.
}

void TestFrmMain::lookupBackAndLookupAgain()
{
    MessageRecorder boxes;
    frmMain *main = showMain();
    enter(main, QStringLiteral("ANNA"), 15, QStringLiteral("March"), 1965);
    QTest::mouseClick(Child<QPushButton>(main, "cmdNext"), Qt::LeftButton);

    QPointer<frmDisplay> first = forms::Display();
    QVERIFY(first->isVisible());
    QVERIFY(!main->isVisible());
    QCOMPARE(Child<QLabel>(first, "lblSexualitySign")->text(), QStringLiteral("Aquarius"));
    QCOMPARE(Child<QLabel>(first, "lblSignDesc")->text(), astro::Reading(astro::Sign::Aquarius));
    QCOMPARE(first->focusWidget(), Child<QPushButton>(first, "cmdExit"));

    QTest::mouseClick(Child<QPushButton>(first, "cmdBack"), Qt::LeftButton);
    QVERIFY(main->isVisible());
    QVERIFY(!IsLoaded("frmDisplay"));
    QCOMPARE(Child<QLineEdit>(main, "txtName")->text(), QStringLiteral("ANNA"));
    QCOMPARE(Child<QComboBox>(main, "cboDate")->currentText(), QStringLiteral("15"));
    QCOMPARE(Child<QComboBox>(main, "cboMonth")->currentText(), QStringLiteral("March"));
    QCOMPARE(Child<QComboBox>(main, "cboYear")->currentText(), QStringLiteral("1965"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QTest::qWait(20); // the application keeps running after Back
    QVERIFY(IsLoaded("frmMain"));

    enter(main, QStringLiteral("ANNA"), 1, QStringLiteral("January"), 1940);
    QTest::mouseClick(Child<QPushButton>(main, "cmdNext"), Qt::LeftButton);
    frmDisplay *second = forms::Display();
    QVERIFY(second->isVisible());
    QCOMPARE(Child<QLabel>(second, "lblSexualitySign")->text(), QStringLiteral("Scorpio"));
    QCOMPARE(Child<QLabel>(second, "lblSignDesc")->text(), astro::Reading(astro::Sign::Scorpio));
    QVERIFY(boxes.shown().isEmpty());
}

// The extension button of a menu bar too narrow for its menus, drawn with the
// application style given; with `withIcon` false, drawn without its icon.
static QImage extensionButton(QStyle *applicationStyle, bool withIcon = true)
{
    QApplication::setStyle(applicationStyle);
    QMainWindow window;
    for (const char *title : {"&File", "&Help", "&Donate", "&More", "&Other"})
        window.menuBar()->addMenu(QString::fromLatin1(title));
    auto *button = window.menuBar()->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
    if (!button)
        return {};
    if (!withIcon)
        button->setIcon(QIcon());
    window.setFixedWidth(80);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || !button->isVisible())
        return {};
    return button->grab().toImage();
}

// Its icon is loaded only when the button is first drawn, with the picture
// it would have had from the start.
void TestFrmMain::menuBarExtensionButtonKeepsItsPicture()
{
    const QString original = QString::fromLatin1(look::StyleName);
    const QImage deferred = extensionButton(new DeferredIconStyle(QStyleFactory::create(original)));
    const QImage plain = extensionButton(QStyleFactory::create(original));
    const QImage empty = extensionButton(QStyleFactory::create(original), false);
    QVERIFY(!plain.isNull());
    QVERIFY(plain != empty);
    QCOMPARE(deferred, plain);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
