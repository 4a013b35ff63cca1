#include "platform/widgets/QtMessageBox.h"
#include "support/PlatformSupport.h"
#include "support/WidgetSupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>

class TestMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void realInformationBox();
    void realStopBox();
    void realQuestionBox_data();
    void realQuestionBox();
    void recorderAnswersAndRecords();
};

void TestMessageBox::realInformationBox()
{
    const platform::testing::ScopedMessageHandler realBoxes(&platform::ShowQtMessageBox);
    QString text, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWindow *owner = nullptr;
    WhenModalAppears<QMessageBox>([&](QMessageBox *box) {
        owner = box->windowHandle()->transientParent();
        text = box->text();
        caption = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    QCOMPARE(platform::ShowMessage(QStringLiteral("Please Enter Your Name")), platform::Answer::Ok);
    QCOMPARE(text, QStringLiteral("Please Enter Your Name"));
    QCOMPARE(caption, QStringLiteral("Starkindle"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, QMessageBox::Ok);
    QCOMPARE(owner, nullptr); // no window up: centred on the screen
}

void TestMessageBox::realStopBox()
{
    const platform::testing::ScopedMessageHandler realBoxes(&platform::ShowQtMessageBox);
    // Raised from a window that stays on top of others: the box belongs to
    // it, is centred on it and stays on top too.
    QWidget raiser(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    raiser.setGeometry(40, 60, 600, 400);
    ShowActive(&raiser);
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWindow *owner = nullptr;
    bool onTop = false;
    QPoint centre;
    WhenModalAppears<QMessageBox>([&](QMessageBox *box) {
        icon = box->icon();
        owner = box->windowHandle()->transientParent();
        onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        centre = box->geometry().center();
        QTest::keyClick(box, Qt::Key_Escape); // closing without a choice still means OK
    });
    QCOMPARE(platform::ShowMessage(QStringLiteral("Please Enter Proper Email Address"), platform::MessageIcon::Stop),
             platform::Answer::Ok);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(owner, raiser.windowHandle());
    QVERIFY(onTop);
    QVERIFY((centre - raiser.geometry().center()).manhattanLength() < 40);
}

void TestMessageBox::realQuestionBox_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<platform::Answer>("answer");
    QTest::newRow("Enter takes the default, Yes") << int(Qt::Key_Return) << platform::Answer::Yes;
    QTest::newRow("Esc means No") << int(Qt::Key_Escape) << platform::Answer::No;
}

void TestMessageBox::realQuestionBox()
{
    const platform::testing::ScopedMessageHandler realBoxes(&platform::ShowQtMessageBox);
    QFETCH(int, key);
    QFETCH(platform::Answer, answer);

    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::StandardButtons buttons;
    QString caption;
    WhenModalAppears<QMessageBox>([&](QMessageBox *box) {
        defaultButton = box->standardButton(box->defaultButton());
        buttons = box->standardButtons();
        caption = box->windowTitle();
        QTest::keyClick(box, Qt::Key(key));
    });
    QCOMPARE(platform::ShowMessage(QStringLiteral("Go on?"), platform::MessageIcon::Information,
                                   platform::MessageButtons::YesNo, QStringLiteral("Own caption")),
             answer);
    QCOMPARE(defaultButton, QMessageBox::Yes);
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(caption, QStringLiteral("Own caption"));
}

void TestMessageBox::recorderAnswersAndRecords()
{
    const platform::testing::ScopedMessageHandler realBoxes(&platform::ShowQtMessageBox);
    MessageRecorder recorder;
    recorder.answerNext(platform::Answer::No);
    using platform::MessageButtons, platform::MessageIcon;
    QCOMPARE(platform::ShowMessage(QStringLiteral("first"), MessageIcon::Stop, MessageButtons::YesNo),
             platform::Answer::No);
    QCOMPARE(platform::ShowMessage(QStringLiteral("second"), MessageIcon::Stop, MessageButtons::YesNo),
             platform::Answer::Yes);
    QCOMPARE(recorder.texts(), QStringList({QStringLiteral("first"), QStringLiteral("second")}));
    QCOMPARE(recorder.shown().first().caption, QStringLiteral("Starkindle"));
    QCOMPARE(recorder.shown().first().icon, MessageIcon::Stop);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
