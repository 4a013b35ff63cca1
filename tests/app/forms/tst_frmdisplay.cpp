#include "app/forms/Forms.h"
#include "app/forms/frmDisplay.h"
#include "app/forms/frmMain.h"
#include "astro/SignReadings.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {


// Runs a lookup for 15 March 1965 from a shown main window and hands back the
// result window it brings up.
frmDisplay *lookUp()
{
    frmMain *main = forms::Main();
    main->show();
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("ANNA"));
    Child<QComboBox>(main, "cboDate")->setCurrentIndex(14);
    Child<QComboBox>(main, "cboMonth")->setCurrentIndex(2);
    Child<QComboBox>(main, "cboYear")->setCurrentText(QStringLiteral("1965"));
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
}

void TestFrmDisplay::layout()
{
    QFETCH(QString, control);
    QFETCH(QRect, geometry);

    frmDisplay *display = forms::Display();
    QCOMPARE(display->centralWidget()->size(), QSize(561, 409));
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

QTEST_MAIN(TestFrmDisplay)
#include "tst_frmdisplay.moc"
