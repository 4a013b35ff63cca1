#include "app/forms/Forms.h"
#include "app/forms/frmDisplay.h"
#include "app/forms/frmMain.h"
#include "astro/ResultNotes.h"
#include "astro/SignReadings.h"
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
    void notesCopyAndOtherSign_data();
    void notesCopyAndOtherSign();
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
    QTest::newRow("lblNotes") << "lblNotes" << QRect(12, 24, 537, 121); // 88 above the button
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
    display->setSignName(QStringLiteral("Sagittarius"));
    QCOMPARE(sign->x(), left);
    QVERIFY(sign->width() >= sign->fontMetrics().horizontalAdvance(QStringLiteral("Sagittarius")));
    display->setSignName(QStringLiteral("Leo"));
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
    // Then the links: the banner and the promotional label in front.
    QCOMPARE(NextTabStop(back)->objectName(), QStringLiteral("Label61"));
    QCOMPARE(NextTabStop(NextTabStop(back))->objectName(), QStringLiteral("lblCobrand"));
    QCOMPARE(NextTabStop(NextTabStop(NextTabStop(back))), exit);

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

void TestFrmDisplay::notesCopyAndOtherSign_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("utcOffset"); // the computer's zone, in hours
    QTest::addColumn<QString>("otherSign"); // empty: no change that day

    QTest::newRow("a day of the table") << QDate(1965, 3, 15) << 0 << "";
    QTest::newRow("a change day of the table") << QDate(1965, 3, 7) << 0 << "";
    QTest::newRow("the sky disagrees with the table") << QDate(1980, 1, 1) << 0 << "";
    // Cancer into Leo at 15:15 UT; Taurus into Gemini at 00:02 UT on 1 May.
    QTest::newRow("a change day by UT") << QDate(2001, 7, 6) << 14 << "Leo";
    QTest::newRow("a change day in UTC-10 only") << QDate(2001, 4, 30) << -10 << "Gemini";
}

void TestFrmDisplay::notesCopyAndOtherSign()
{
    QFETCH(QDate, date);
    QFETCH(int, utcOffset);
    QFETCH(QString, otherSign);

    const QTimeZone zone(utcOffset * 3600);
    const platform::testing::ScopedTimeZone local(zone);
    frmDisplay *display = lookUp(date);
    const astro::ResultNotes notes = astro::NotesFor(QStringLiteral("ANNA"), date, zone);
    auto *sign = Child<QLabel>(display, "lblSexualitySign");
    auto *reading = Child<QLabel>(display, "lblSignDesc");
    const QString answer = sign->text();
    QCOMPARE(answer, astro::SignName(*notes.sign));

    // The window shows the notes, a screen reader hears them before the
    // reading, and Copy takes them with the rest.
    const QString shown = (QStringList(notes.answeredFor) + notes.lines).join(u'\n');
    QCOMPARE(Child<QLabel>(display, "lblNotes")->text(), shown);
    const QString summary = QAccessible::queryAccessibleInterface(display)->text(QAccessible::Description);
    QCOMPARE(summary, QStringLiteral("Eros in your Chart is Placed in %1. %2 %3")
                          .arg(answer, QString(shown).replace(u'\n', u' '), reading->text()));
    const QString copied = notes.answeredFor + QStringLiteral("\nEros in your Chart is Placed in ") + answer + u'\n'
        + notes.lines.join(u'\n') + QStringLiteral("\n\n") + reading->text() + u'\n';
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(display, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    // The right button's menu anywhere in the result, the labels included.
    QGuiApplication::clipboard()->clear();
    QContextMenuEvent menuKey(QContextMenuEvent::Mouse, QPoint(5, 5), reading->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(reading, &menuKey);
    auto *menu = Child<QMenu>(display, "mnuResult");
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->actions(), QList<QAction *>{Child<QAction>(display, "mnuCopy")});
    menu->actions().constFirst()->trigger();
    menu->hide();
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);

    // The other sign's reading one key away, and back.
    auto *other = Child<QPushButton>(display, "cmdOtherSign");
    QCOMPARE(other->isVisible(), !otherSign.isEmpty());
    // The notes fit whole, above the button when it is there.
    auto *shownNotes = Child<QLabel>(display, "lblNotes");
    QCOMPARE(shownNotes->height(), otherSign.isEmpty() ? 121 : 88);
    QVERIFY(shownNotes->fontMetrics().boundingRect(shownNotes->rect(), Qt::TextWordWrap, shown).height()
            <= shownNotes->height());
    if (otherSign.isEmpty())
        return;
    QVERIFY(shownNotes->geometry().bottom() < other->y());
    QCOMPARE(other->text(), QStringLiteral("&Show the reading for ") + otherSign);
    QTest::keyClick(display, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(sign->text(), otherSign);
    QCOMPARE(reading->text(), astro::Reading(*astro::SignFromName(otherSign)));
    QCOMPARE(other->text(), QStringLiteral("&Show the reading for ") + answer);
    QVERIFY(QAccessible::queryAccessibleInterface(display)->text(QAccessible::Description).endsWith(reading->text()));
    other->click();
    QCOMPARE(sign->text(), answer);
    QCOMPARE(reading->text(), astro::ReadingFor(answer).value());
}

QTEST_MAIN(TestFrmDisplay)
#include "tst_frmdisplay.moc"
