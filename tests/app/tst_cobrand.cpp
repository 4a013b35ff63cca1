#include "app/widgets/ClickLabel.h"
#include "app/forms/Forms.h"
#include "app/StartUp.h"
#include "app/forms/frmDisplay.h"
#include "app/forms/frmMain.h"
#include "support/TestSupport.h"
#include "web/CoBrand.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <array>

Q_DECLARE_METATYPE(cobrand::Action)

namespace {
// The label a user sees (and clicks) where the two promotional labels lie.
QWidget *visiblePromotion(frmMain *main)
{
    const ClickLabel *fullBrand = Child<ClickLabel>(main, "lblFullBrand");
    return fullBrand->parentWidget()->childAt(fullBrand->geometry().center());
}
} // namespace

class TestCoBrand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void number_data();
    void number();
    void actions();
    void eachLabelInFrontHalfTheTime();
    void drawnLabelStaysInFront_data();
    void drawnLabelStaysInFront();
};

void TestCoBrand::cleanup()
{
    forms::ExitApplication();
    QCOMPARE(LeftoverWindows(), QStringList());
}

void TestCoBrand::number_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("number");

    QTest::newRow("zero") << 0.0f << 1;
    QTest::newRow("just below 1/12") << 0.0833f << 1;
    QTest::newRow("1/12: 1.5 goes to 2") << 1.0f / 12.0f << 2;
    QTest::newRow("0.25: 2.5 goes to 2") << 0.25f << 2;
    QTest::newRow("just above 0.25") << 0.2501f << 3;
    QTest::newRow("5/12: 3.5 goes to 4") << 5.0f / 12.0f << 4;
    QTest::newRow("0.5: 4") << 0.5f << 4;
    QTest::newRow("7/12: 4.5 goes to 4") << 7.0f / 12.0f << 4;
    QTest::newRow("0.75: 5.5 goes to 6") << 0.75f << 6;
    QTest::newRow("just below 0.75") << 0.7499f << 5;
    QTest::newRow("just above 11/12") << 0.9167f << 7;
    QTest::newRow("largest r") << 0.99999994f << 7;
}

void TestCoBrand::number()
{
    QFETCH(float, r);
    QFETCH(int, number);
    QCOMPARE(cobrand::Number(r), number);
}

void TestCoBrand::actions()
{
    using cobrand::Action;
    const std::array<Action, 7> expected = {Action::CoBrandToFront,   Action::FullBrandToFront,
                                            Action::CoBrandToFront,   Action::FullBrandToFront,
                                            Action::CoBrandToFront,   Action::FullBrandToFront,
                                            Action::Nothing};
    for (int n = 1; n <= 7; ++n)
        QCOMPARE(cobrand::ActionFor(n), expected[std::size_t(n - 1)]);
}

void TestCoBrand::eachLabelInFrontHalfTheTime()
{
    // Every value the generator can give, once each: 1 and 7 come a twelfth
    // of the time, 2..6 a sixth, and the full-brand label wins half.
    constexpr int steps = 1 << 24;
    std::array<int, 8> counts{};
    for (int i = 0; i < steps; ++i)
        ++counts[std::size_t(cobrand::Number(float(i) / float(steps)))];
    QCOMPARE(counts[0], 0);
    for (int n = 1; n <= 7; ++n) {
        const double share = double(counts[std::size_t(n)]) / steps;
        const double expected = (n == 1 || n == 7) ? 1.0 / 12 : 1.0 / 6;
        QVERIFY2(qAbs(share - expected) < 1e-6, qPrintable(QStringLiteral("%1: %2").arg(n).arg(share)));
    }
    const int fullBrand = counts[2] + counts[4] + counts[6];
    QVERIFY(qAbs(double(fullBrand) / steps - 0.5) < 1e-6);
}

void TestCoBrand::drawnLabelStaysInFront_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("page");

    QTest::newRow("1: co-brand") << 0.0f << "lblCobrand" << page::CoBrand;
    QTest::newRow("2: full brand") << 0.25f << "lblFullBrand" << page::FullBrand;
    QTest::newRow("5: co-brand") << 0.7f << "lblCobrand" << page::CoBrand;
    QTest::newRow("6: full brand") << 0.8f << "lblFullBrand" << page::FullBrand;
    QTest::newRow("7: as made, co-brand") << 0.99f << "lblCobrand" << page::CoBrand;
}

void TestCoBrand::drawnLabelStaysInFront()
{
    QFETCH(float, r);
    QFETCH(QString, front);
    QFETCH(QString, page);

    const ScopedMemorySettings settings;
    MessageRecorder boxes;
    ShellRecorder shell;
    std::optional<platform::testing::ScopedRandom> draw(std::in_place, r);
    QVERIFY(startup::StartApplication(false));
    frmMain *main = forms::Main();
    QCOMPARE(visiblePromotion(main)->objectName(), front);

    // Several trips to the result window and back change nothing.
    draw.emplace(0.5f);
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("ANNA"));
    for (int trip = 0; trip < 3; ++trip) {
        Child<QPushButton>(main, "cmdNext")->click();
        Child<QPushButton>(forms::Display(), "cmdBack")->click();
    }
    QVERIFY(main->isVisible());
    QCOMPARE(visiblePromotion(main)->objectName(), front);

    // A click where the labels lie opens the page of the one in front.
    QWidget *target = visiblePromotion(main);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(shell.opened(), QStringList{page});
    QVERIFY(boxes.shown().isEmpty());

    // Only the one in front is a tab stop and shown to a screen reader, whose
    // press action opens its page once the action has returned.
    for (ClickLabel *label : {Child<ClickLabel>(main, "lblFullBrand"), Child<ClickLabel>(main, "lblCobrand")})
        QCOMPARE(label->focusPolicy() == Qt::TabFocus, label == target);
    QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(target->parentWidget());
    QList<QAccessibleInterface *> links;
    for (int i = 0; i < panel->childCount(); ++i) {
        if (panel->child(i)->role() == QAccessible::Link)
            links.append(panel->child(i));
    }
    QCOMPARE(links.size(), 1);
    QCOMPARE(links.at(0)->object(), target);
    QCOMPARE(links.at(0)->text(QAccessible::Name), static_cast<QLabel *>(target)->text());
    links.at(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(shell.opened().size(), 1);
    RunQueuedCommands();
    QCOMPARE(shell.opened(), QStringList({page, page}));
}

QTEST_MAIN(TestCoBrand)
#include "tst_cobrand.moc"
