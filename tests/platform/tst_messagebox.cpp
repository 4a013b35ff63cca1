#include "platform/MessageBox.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

class TestMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void realInformationBox();
    void realQuestionBoxEscapeMeansNo();
    void recorderAnswersAndRecords();
};

void TestMessageBox::realInformationBox()
{
    QString text, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton *> buttons;
    WhenModalAppears<QMessageBox>([&](QMessageBox *box) {
        text = box->text();
        caption = box->windowTitle();
        icon = box->icon();
        buttons = box->buttons();
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    const QMessageBox::StandardButton answer = platform::ShowMessage(QStringLiteral("Please Enter Your Name"));
    QCOMPARE(answer, QMessageBox::Ok);
    QCOMPARE(text, QStringLiteral("Please Enter Your Name"));
    QCOMPARE(caption, QStringLiteral("Starkindle"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons.size(), 1);
}

void TestMessageBox::realQuestionBoxEscapeMeansNo()
{
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QString caption;
    WhenModalAppears<QMessageBox>([&](QMessageBox *box) {
        defaultButton = box->standardButton(box->defaultButton());
        caption = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    const QMessageBox::StandardButton answer =
        platform::ShowMessage(QStringLiteral("Go on?"), QMessageBox::Information, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes, QStringLiteral("Own caption"));
    QCOMPARE(answer, QMessageBox::No);
    QCOMPARE(defaultButton, QMessageBox::Yes);
    QCOMPARE(caption, QStringLiteral("Own caption"));
}

void TestMessageBox::recorderAnswersAndRecords()
{
    MessageRecorder recorder;
    recorder.answerNext(QMessageBox::No);
    QCOMPARE(platform::ShowMessage(QStringLiteral("first"), QMessageBox::Critical,
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
             QMessageBox::No);
    QCOMPARE(platform::ShowMessage(QStringLiteral("second"), QMessageBox::Critical,
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
             QMessageBox::Yes);
    QCOMPARE(recorder.texts(), QStringList({QStringLiteral("first"), QStringLiteral("second")}));
    QCOMPARE(recorder.shown().first().caption, QStringLiteral("Starkindle"));
    QCOMPARE(recorder.shown().first().icon, QMessageBox::Critical);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
