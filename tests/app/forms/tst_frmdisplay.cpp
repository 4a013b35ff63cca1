#include "app/forms/Forms.h"
#include "app/forms/frmDisplay.h"
#include "app/forms/frmMain.h"
#include "astro/ResultNotes.h"
#include "astro/SignReadings.h"
#include "support/ListTexts.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {


// Runs a lookup for the date (15 March 1965 unless told) from a shown main
// window and hands back the result window it brings up.
frmDisplay *lookUp(QDate date = QDate(1965, 3, 15))
{
    frmMain *main = forms::Main();
    main->show();
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("ANNA"));
    Child<QComboBox>(main, "cboDate")->setCurrentIndex(date.day() - 1);
    Child<QComboBox>(main, "cboMonth")->setCurrentIndex(date.month() - 1);
    Child<QComboBox>(main, "cboYear")->setCurrentText(QString::number(date.year()));
    Child<QPushButton>(main, "cmdNext")->click();
    frmDisplay *display = forms::Display();
    if (!QTest::qWaitForWindowExposed(display))
        qFatal("result window not exposed");
    return display;
}

// The answer for a date alone, in UT.
astro::Answer answerFor(QDate date)
{
    astro::Birth birth;
    birth.year = date.year();
    birth.month = date.month();
    birth.day = date.day();
    birth.dateOnly = true;
    return astro::AnswerFor(birth);
}

} // namespace

class TestFrmDisplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void freshWindowShowsItsStoredTexts();
    void layout_data();
    void layout();
    void longestReadingFits();
    void signNameKeepsItsLeftEdge();
    void resultFocusAndKeys();
    void menuBackGoesBack();
    void notesCopyAndOtherSign();
    void pictureSpokenAndSaved();
};

void TestFrmDisplay::cleanup()
{
    forms::ExitApplication();
    QCOMPARE(LeftoverWindows(), QStringList());
}

void TestFrmDisplay::freshWindowShowsItsStoredTexts()
{
    frmDisplay *display = forms::Display();
    QCOMPARE(Child<QLabel>(display, "lblSexualitySign")->text(), QStringLiteral("lblSexualitySign"));
    QCOMPARE(Child<QLabel>(display, "lblSignDesc")->text(), astro::Reading(astro::Sign::Virgo));
    QCOMPARE(Child<QLabel>(display, "Label12")->text(), QStringLiteral("Eros in your Chart is Placed in"));
    QCOMPARE(Child<QLabel>(display, "Label2")->text(), QStringLiteral("Eros is the god of sexual love and desire."));
    QCOMPARE(display->windowTitle(), QStringLiteral(STARKINDLE_CAPTION));
    QVERIFY(!display->isVisible());
    const QString coBrand = Child<QLabel>(display, "lblCobrand")->text();
    QVERIFY(coBrand.startsWith(u"Co-brand this software for your site."));
    QVERIFY(coBrand.endsWith(u"Click Here for more info on co-branding."));
}

void TestFrmDisplay::layout_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry"); // pixels at 96 dpi

    QTest::newRow("fraSexualitySign") << "fraSexualitySign" << QRect(0, 40, 561, 265);
    QTest::newRow("lblSignDesc") << "lblSignDesc" << QRect(12, 96, 537, 161);
    QTest::newRow("cmdBack") << "cmdBack" << QRect(0, 312, 473, 31);
    QTest::newRow("cmdExit") << "cmdExit" << QRect(480, 312, 81, 31);
    // The notes, below all of the original window.
    QTest::newRow("fraNotes") << "fraNotes" << QRect(0, 409, 561, 153);
    QTest::newRow("scrNotes") << "scrNotes" << QRect(12, 24, 409, 121); // 88 above the button
    QTest::newRow("picSky") << "picSky" << QRect(429, 20, 120, 120);
    QTest::newRow("cmdOtherSign") << "cmdOtherSign" << QRect(145, 116, 270, 31);
}

void TestFrmDisplay::layout()
{
    QFETCH(QString, control);
    QFETCH(QRect, geometry);

    frmDisplay *display = forms::Display();
    QCOMPARE(display->centralWidget()->size(), QSize(561, 562));
    QCOMPARE(display->findChild<QWidget *>(control)->geometry(), geometry);
}

void TestFrmDisplay::longestReadingFits()
{
    // The longest reading must show whole in the description label, at the
    // label's own font and width, word-wrapped.
    frmDisplay *display = forms::Display();
    auto *description = Child<QLabel>(display, "lblSignDesc");
    const QString longest = astro::Reading(astro::Sign::Sagittarius);
    QCOMPARE(longest.size(), 855);
    QVERIFY(description->wordWrap());
    QCOMPARE(description->font().pointSizeF(), 8.25);
    QVERIFY(description->font().bold());
    const QRect needed = QFontMetrics(description->font())
                             .boundingRect(QRect(QPoint(0, 0), description->size()),
                                           Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop, longest);
    QVERIFY2(needed.height() <= description->height(),
             qPrintable(QStringLiteral("needs %1 px of %2").arg(needed.height()).arg(description->height())));
    QVERIFY(needed.width() <= description->width());
}

void TestFrmDisplay::signNameKeepsItsLeftEdge()
{
    frmDisplay *display = forms::Display();
    auto *sign = Child<QLabel>(display, "lblSexualitySign");
    const int left = sign->x();
    display->showAnswer(QStringLiteral("ANNA"), answerFor(QDate(1965, 1, 1)));
    QCOMPARE(sign->text(), QStringLiteral("Sagittarius"));
    QCOMPARE(sign->x(), left);
    QVERIFY(sign->width() >= sign->fontMetrics().horizontalAdvance(QStringLiteral("Sagittarius")));
    display->showAnswer(QStringLiteral("ANNA"), answerFor(QDate(1966, 6, 1)));
    QCOMPARE(sign->text(), QStringLiteral("Leo"));
    QCOMPARE(sign->x(), left);
    QVERIFY(sign->width() < sign->fontMetrics().horizontalAdvance(QStringLiteral("Sagittarius")));
}

void TestFrmDisplay::resultFocusAndKeys()
{
    MessageRecorder boxes;
    frmDisplay *display = lookUp();
    auto *exit = Child<QPushButton>(display, "cmdExit");
    auto *back = Child<QPushButton>(display, "cmdBack");
    QCOMPARE(display->focusWidget(), exit);
    QCOMPARE(NextTabStop(exit), back);
    // Then the notes, which scroll by keyboard, and the links: the banner
    // and the promotional label in front.
    QWidget *notes = NextTabStop(back);
    QCOMPARE(notes->objectName(), QStringLiteral("scrNotes"));
    QCOMPARE(NextTabStop(notes)->objectName(), QStringLiteral("Label61"));
    QCOMPARE(NextTabStop(NextTabStop(notes))->objectName(), QStringLiteral("lblCobrand"));
    QCOMPARE(NextTabStop(NextTabStop(NextTabStop(notes))), exit);

    // The result can be selected and copied, and a screen reader finds it in
    // the window's description; neither label is a tab stop.
    for (const char *name : {"lblSexualitySign", "lblSignDesc"}) {
        auto *result = Child<QLabel>(display, name);
        // Selectable once the pointer comes over it, and looking the same.
        const QImage before = result->grab().toImage();
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(result, &enter);
        QVERIFY(result->textInteractionFlags() & Qt::TextSelectableByMouse);
        QCOMPARE(result->grab().toImage(), before);
        result->setSelection(0, 3);
        QCOMPARE(result->selectedText(), result->text().left(3));
        // Copy takes what is selected, when something is.
        QTest::keySequence(display, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), result->text().left(3));
        result->setSelection(0, 0);
        QVERIFY(!(result->focusPolicy() & Qt::TabFocus));
        QVERIFY(QAccessible::queryAccessibleInterface(display)->text(QAccessible::Description).contains(result->text()));
    }

    // Enter on Back goes back; the main window comes up again.
    back->setFocus();
    QTest::keyClick(back, Qt::Key_Return);
    QVERIFY(!IsLoaded("frmDisplay"));
    QVERIFY(forms::Main()->isVisible());

    // Enter right after the result appears takes the Exit button; a key typed
    // ahead to the unloaded window's Back does not bring the main window up.
    display = lookUp();
    QTest::keyClick(display->focusWidget(), Qt::Key_Return);
    QVERIFY(!IsLoaded("frmDisplay"));
    QVERIFY(!forms::Main()->isVisible());
    QTest::keyClick(Child<QPushButton>(display, "cmdBack"), Qt::Key_Space);
    QVERIFY(!forms::Main()->isVisible());
    QVERIFY(boxes.shown().isEmpty());
}

void TestFrmDisplay::menuBackGoesBack()
{
    frmDisplay *display = lookUp();
    QAction *action = Child<QAction>(display, "mnuFileBack");
    QCOMPARE(action->text(), QStringLiteral("&Back"));
    action->trigger();
    QVERIFY(IsLoaded("frmDisplay")); // not before the trigger has returned
    RunQueuedCommands();
    QVERIFY(!IsLoaded("frmDisplay"));
    QVERIFY(forms::Main()->isVisible());
    QCOMPARE(Child<QLineEdit>(forms::Main(), "txtName")->text(), QStringLiteral("ANNA"));
}

void TestFrmDisplay::notesCopyAndOtherSign()
{
    // Taurus into Gemini at 00:02 UT on 1 May 2001, 30 April in UTC-10.
    const QTimeZone zone(-10 * 3600);
    const platform::testing::ScopedTimeZone local(zone);
    frmDisplay *display = lookUp(QDate(2001, 4, 30));
    astro::Birth birth{2001, 4, 30, std::nullopt, astro::Reckoning::Computers(zone), true};
    const astro::ResultNotes notes = astro::NotesFor(QStringLiteral("ANNA"), astro::AnswerFor(birth));
    auto *sign = Child<QLabel>(display, "lblSexualitySign");
    auto *reading = Child<QLabel>(display, "lblSignDesc");

    // Shown whole, heard before the reading, copied with the rest by key
    // and by the right button's menu.
    auto *shown = Child<QLabel>(display, "lblNotes");
    QCOMPARE(shown->text(), (QStringList(notes.answeredFor) + notes.linesWith(0)).join(u'\n'));
    QVERIFY(shown->fontMetrics().boundingRect(shown->rect(), Qt::TextWordWrap, shown->text()).height()
            <= shown->height());
    QVERIFY(shown->parentWidget()->parentWidget()->geometry().bottom()
            < Child<QPushButton>(display, "cmdOtherSign")->y());
    QCOMPARE(QAccessible::queryAccessibleInterface(display)->text(QAccessible::Description),
             QStringLiteral("Eros in your Chart is Placed in Taurus. %1 %2")
                 .arg(QString(shown->text()).replace(u'\n', u' '), reading->text()));
    const QString copied = QStringLiteral("%1\nEros in your Chart is Placed in Taurus\n%2\n\n%3\n")
                               .arg(notes.answeredFor, notes.linesWith(0).join(u'\n'), reading->text());
    QTest::keySequence(display, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QGuiApplication::clipboard()->clear();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), reading->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(reading, &click);
    QTest::keyClick(Child<QMenu>(display, "mnuResult"), Qt::Key_C); // its one item, &Copy
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);

    // The other sign's reading one key away, and back: the headline, the
    // reading and the notes' first line, which says whose it is, go
    // together, in the window and in the copy.
    for (const QString next : {"Gemini", "Taurus"}) {
        QCOMPARE(Child<QPushButton>(display, "cmdOtherSign")->text(), QStringLiteral("&Show the reading for ") + next);
        QTest::keyClick(display, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(sign->text(), next);
        QCOMPARE(reading->text(), listtexts::ReadingFor(next).value());
        const QString whose = shown->text().section(u'\n', 1, 1);
        QVERIFY2(whose.startsWith(QStringLiteral("The reading shown is for ") + next + u':'), qPrintable(whose));
        QTest::keySequence(display, QKeySequence::Copy);
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Placed in ") + next + u'\n' + whose));
    }
}

void TestFrmDisplay::pictureSpokenAndSaved()
{
    frmDisplay *display = lookUp(QDate(1979, 9, 15));
    // The sky's place, retrograde, beside the table's Pisces.
    auto *sky = Child<QWidget>(display, "picSky");
    QVERIFY(sky->isVisible());
    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(sky);
    QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Eros at 13°09′ Aquarius, retrograde"));
    QVERIFY(picture->text(QAccessible::Description).contains(QStringLiteral("the Sun at ")));

    const QTemporaryDir dir;
    QStringList asked;
    MessageRecorder boxes;
    const platform::testing::ScopedSaveFileHandler where([&](const QString &, const QString &suggested, const QString &) {
        asked << suggested;
        return asked.size() == 1 ? dir.filePath(QStringLiteral("sky.png")) : dir.filePath(QStringLiteral("no/such/sky.png"));
    });
    Child<QAction>(display, "mnuSavePicture")->trigger();
    QImage saved(dir.filePath(QStringLiteral("sky.png")));
    QVERIFY(!saved.isNull());
    QCOMPARE(saved.width(), saved.height());
    QVERIFY(boxes.shown().isEmpty());
    // A place it cannot be written says so.
    Child<QAction>(display, "mnuSavePicture")->trigger();
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(boxes.shown().first().icon, platform::MessageIcon::Stop);
}

QTEST_MAIN(TestFrmDisplay)
#include "tst_frmdisplay.moc"
