#include "app/forms/Forms.h"
#include "app/forms/frmMain.h"
#include "app/forms/frmNagScreen2.h"
#include "app/widgets/WholeFrameStyle.h"
#include "platform/Clock.h"
#include "support/TestSupport.h"
#include "web/modTellAFriend.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrl>

namespace {

// Each referral box and the text it starts with.
const struct {
    const char *box;
    const char *placeholder;
} Boxes[] = {
    {"txtName", "Your Name"},
    {"txtEmail", "Your Email Address"},
    {"txtFriendName", "Friend's Name"},
    {"txtFriendEmail", "Friend's Email Address"},
    {"txtMessage", "Your Message"},
};

// The text property of a line box or of the message box.
const char *textProperty(QWidget *box)
{
    return qobject_cast<QLineEdit *>(box) ? "text" : "plainText";
}

QString textOf(QWidget *box)
{
    return box->property(textProperty(box)).toString();
}

void setTextOf(QWidget *box, const QString &text)
{
    box->setProperty(textProperty(box), text);
}

frmNagScreen2 *showExit()
{
    return ShowActive(forms::ExitWindow());
}

} // namespace

class TestFrmNagScreen2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void loadingDoesNotShow();
    void supportTextFollowsTheDraw_data();
    void supportTextFollowsTheDraw();
    void submission_data();
    void submission();
    void fieldsLoseSpacesOnly();
    void spaceInAddress_data();
    void spaceInAddress();
    void placeholders_data();
    void placeholders();
    void enterStaysWhereUsersExpectIt();
    void boxBordersWholeWhenScaled();
};

void TestFrmNagScreen2::cleanup()
{
    forms::ExitApplication();
    QCOMPARE(LeftoverWindows(), QStringList());
}

void TestFrmNagScreen2::loadingDoesNotShow()
{
    frmNagScreen2 *w = forms::ExitWindow();
    QVERIFY(!w->isVisible());
    QVERIFY(!IsTopMost(w));
    QCOMPARE(w->windowTitle(), QStringLiteral(STARKINDLE_CAPTION));
    // The placeholders are real text: the submission compares against them.
    for (const auto &b : Boxes)
        QCOMPARE(textOf(Child<QWidget>(w, b.box)), QString::fromLatin1(b.placeholder));
    QVERIFY(Child<QLineEdit>(w, "txtFriendEmail")->placeholderText().isEmpty());
    QVERIFY(Child<QCheckBox>(w, "Check1")->text().contains(QUrl(page::Home).host()));

    // Reading order through the form, then send, the invitation, the way out
    // and the catalogue link.
    QWidget *stop = Child<QWidget>(w, "txtName");
    for (const char *next : {"txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage", "cmdSubmit", "Check1",
                             "cmdClose", "lblGoToHome", "txtName"}) {
        stop = NextTabStop(stop);
        QCOMPARE(stop->objectName(), QString::fromLatin1(next));
    }

    w->ShowTopMost();
    QVERIFY(w->isVisible());
    QVERIFY(IsTopMost(w));
}

void TestFrmNagScreen2::supportTextFollowsTheDraw_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("number");
    QTest::newRow("0") << 0.0f << 0;
    QTest::newRow("0.2499") << 0.2499f << 0;
    QTest::newRow("0.25") << 0.25f << 1;
    QTest::newRow("0.5") << 0.5f << 2;
    QTest::newRow("0.75") << 0.75f << 3;
    QTest::newRow("0.9999") << 0.9999f << 3;
}

void TestFrmNagScreen2::supportTextFollowsTheDraw()
{
    QFETCH(float, r);
    QFETCH(int, number);

    const platform::testing::ScopedRandom draw(r);
    frmNagScreen2 *w = forms::ExitWindow();
    const QString text = Child<QLabel>(w, "Label2")->text();
    QCOMPARE(text, frmNagScreen2::SupportText(number));
    // What a screen reader reads as the window opens.
    QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description), text);
    QVERIFY(text.contains(QStringLiteral("Corvane discussion forum")));
    for (int other = 0; other < 4; ++other)
        QVERIFY(other == number || frmNagScreen2::SupportText(other) != text);
}

void TestFrmNagScreen2::submission_data()
{
    QTest::addColumn<QStringList>("texts"); // name, email, friend's name, friend's email, message
    QTest::addColumn<QString>("message");    // empty: the referral goes out

    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    const auto row = [](const char *name, const char *email, const char *friendName, const char *friendEmail,
                        const char *text = "Have a look") {
        return QStringList{QString::fromUtf8(name), QString::fromUtf8(email), QString::fromUtf8(friendName),
                           QString::fromUtf8(friendEmail), QString::fromUtf8(text)};
    };
    QTest::newRow("filled in") << row("Ann", "a@b.c", "Bob", "d@e.f") << "";
    QTest::newRow("addresses differ only in case") << row("Ann", "a@b.c", "Bob", "A@b.c") << "";
    QTest::newRow("untouched placeholders")
        << row("Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address", "Your Message") << proper;
    QTest::newRow("both addresses empty") << row("Ann", "", "Bob", "") << distinct;
    QTest::newRow("same address") << row("Ann", "a@b.c", "Bob", "a@b.c") << distinct;
    QTest::newRow("same once spaces go") << row("Ann", "  a@b.c ", "Bob", "a@b.c") << distinct;
    QTest::newRow("same address outranks an empty name") << row("", "a@b.c", "Bob", "a@b.c") << distinct;
    QTest::newRow("mine without @") << row("Ann", "ab.c", "Bob", "d@e.f") << proper;
    QTest::newRow("friend's without @") << row("Ann", "a@b.c", "Bob", "de.f") << proper;
    QTest::newRow("mine without dot") << row("Ann", "a@bc", "Bob", "d@e.f") << proper;
    QTest::newRow("friend's without dot") << row("Ann", "a@b.c", "Bob", "d@ef") << proper;
    QTest::newRow("name of spaces") << row("   ", "a@b.c", "Bob", "d@e.f") << "Please Enter Your Name";
    QTest::newRow("friend's name untouched") << row("Ann", "a@b.c", "Friend's Name", "d@e.f")
                                             << "Please Enter Your Friend's Name";
    QTest::newRow("message untouched") << row("Ann", "a@b.c", "Bob", "d@e.f", "Your Message")
                                       << "Please Enter Your Message";
}

void TestFrmNagScreen2::submission()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, message);

    MessageRecorder boxes;
    ShellRecorder shell;
    frmNagScreen2 *w = forms::ExitWindow();
    w->ShowTopMost();
    for (int i = 0; i < 5; ++i)
        setTextOf(Child<QWidget>(w, Boxes[i].box), texts.at(i));
    QTest::mouseClick(Child<QPushButton>(w, "cmdSubmit"), Qt::LeftButton);

    if (message.isEmpty()) {
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(shell.opened(), QStringList{modTellAFriend::ReferralUrl()});
    } else {
        QCOMPARE(boxes.texts(), QStringList{message});
        QCOMPARE(boxes.shown().first().icon, platform::MessageIcon::Stop);
        QVERIFY(shell.opened().isEmpty());
    }
    QVERIFY(w->isVisible());
    for (int i = 0; i < 5; ++i)
        QCOMPARE(textOf(Child<QWidget>(w, Boxes[i].box)), texts.at(i));
}

void TestFrmNagScreen2::fieldsLoseSpacesOnly()
{
    ShellRecorder shell;
    frmNagScreen2 *w = forms::ExitWindow();
    const QStringList typed = {QStringLiteral("  \tAnn Lee  "), QStringLiteral(" ann@example.com"),
                               QStringLiteral("Bob "), QStringLiteral("bob@example.com"),
                               QStringLiteral("  Hi\nthere\n  ")};
    for (int i = 0; i < 5; ++i)
        setTextOf(Child<QWidget>(w, Boxes[i].box), typed.at(i));
    auto *submit = Child<QPushButton>(w, "cmdSubmit");
    submit->click();
    submit->click(); // sends again, the same request

    const modTellAFriend::ReferralFields &f = modTellAFriend::Fields();
    QCOMPARE(f.ReferrerName, QStringLiteral("\tAnn Lee"));
    QCOMPARE(f.ReferrerEmail, QStringLiteral("ann@example.com"));
    QCOMPARE(f.FriendName, QStringLiteral("Bob"));
    QCOMPARE(f.ReferralMessage, QStringLiteral("Hi\nthere\n"));
    QCOMPARE(shell.opened(), QStringList(2, modTellAFriend::BuildReferralUrl(f)));
}

void TestFrmNagScreen2::spaceInAddress_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("refused");
    QTest::newRow("own address") << "txtEmail" << true;
    QTest::newRow("friend's address") << "txtFriendEmail" << true;
    QTest::newRow("a name takes spaces") << "txtFriendName" << false;
}

void TestFrmNagScreen2::spaceInAddress()
{
    QFETCH(QString, box);
    QFETCH(bool, refused);

    frmNagScreen2 *w = showExit();
    auto *edit = w->findChild<QLineEdit *>(box);
    auto *away = Child<QPushButton>(w, "cmdClose");
    // A real message box takes the focus while it is up.
    QStringList shown;
    {
        const platform::testing::ScopedMessageHandler realBox([&](const platform::MessageRequest &request) {
            shown.append(request.text
                         + (request.icon == platform::MessageIcon::Stop ? QStringLiteral(" (stop)") : QString()));
            if (request.owner != w->windowHandle())
                shown.append(QStringLiteral("(not owned by the exit window)"));
            away->setFocus();
            return platform::Answer::Ok;
        });
        edit->setFocus();
        QTest::keyClicks(edit, "a@b");
        QTest::keyClick(edit, Qt::Key_Space);
        QTest::keyClicks(edit, "c");
    }

    QCOMPARE(edit->text(), refused ? QStringLiteral("a@bc") : QStringLiteral("a@b c"));
    QCOMPARE(shown, refused ? QStringList{QStringLiteral("Email Address Cannot Contain Space (stop)")} : QStringList());
    QCOMPARE(w->focusWidget(), edit);
}

void TestFrmNagScreen2::placeholders_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("left");

    for (const auto &b : Boxes) {
        const char *name = b.box;
        const QString placeholder = QString::fromLatin1(b.placeholder);
        QTest::addRow("%s untouched", name) << name << placeholder << "" << placeholder;
        QTest::addRow("%s all spaces", name) << name << "   " << "   " << placeholder;
        QTest::addRow("%s placeholder between spaces", name) << name << " " + placeholder + "  " << "" << placeholder;
        QTest::addRow("%s placeholder in capitals", name) << name << placeholder.toUpper() << placeholder.toUpper()
                                                          << placeholder.toUpper();
        QTest::addRow("%s typed text", name) << name << "Ann" << "Ann" << "Ann";
    }
    QTest::newRow("tab is not a space") << "txtName" << "\tYour Name" << "\tYour Name" << "\tYour Name";
    QTest::newRow("line break is not a space") << "txtMessage" << "\n" << "\n" << "\n";
}

void TestFrmNagScreen2::placeholders()
{
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(QString, focused);
    QFETCH(QString, left);

    frmNagScreen2 *w = showExit();
    auto *edit = w->findChild<QWidget *>(box);
    auto *away = Child<QPushButton>(w, "cmdClose");
    QCOMPARE(w->focusWidget(), away); // the window opens with every placeholder showing
    setTextOf(edit, before);
    edit->setFocus();
    QTRY_COMPARE(textOf(edit), focused);
    away->setFocus();
    QCOMPARE(textOf(edit), left);

    // A key typed at once, before the box would be emptied, lands in the
    // emptied box.
    if (focused.isEmpty()) {
        setTextOf(edit, before);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_X);
        QCOMPARE(textOf(edit), QStringLiteral("x"));
    }
}

void TestFrmNagScreen2::enterStaysWhereUsersExpectIt()
{
    MessageRecorder boxes;
    ShellRecorder shell;
    frmNagScreen2 *w = showExit();
    auto *message = Child<QPlainTextEdit>(w, "txtMessage");
    auto *submit = Child<QPushButton>(w, "cmdSubmit");
    QVERIFY(!EndsApplication([&] {
        // In the message Enter starts a new line.
        message->setFocus();
        QTest::keyClicks(message, QStringLiteral("Hi"));
        QTest::keyClick(message, Qt::Key_Return);
        QTest::keyClicks(message, QStringLiteral("there"));
        // On the submit button Enter submits (here refused: both addresses
        // are still placeholders).
        submit->setFocus();
        QTest::keyClick(submit, Qt::Key_Return);
    }));
    QCOMPARE(message->toPlainText(), QStringLiteral("Hi\nthere"));
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Please Enter Proper Email Address")});
    QVERIFY(w->isVisible());
    QVERIFY(shell.opened().isEmpty());
}

// At each scale, each side of each box is darker than the box in one of its two outer pixels.
void TestFrmNagScreen2::boxBordersWholeWhenScaled()
{
    QApplication::setStyle(new WholeFrameStyle(QStringLiteral("Fusion")));
    frmNagScreen2 *w = showExit();
    for (const qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        QImage picture((QSizeF(w->size()) * scale).toSize(), QImage::Format_RGB32);
        picture.setDevicePixelRatio(scale);
        w->render(&picture);
        for (const auto &b : Boxes) {
            auto *box = Child<QWidget>(w, b.box);
            const QRectF r(box->mapTo(w, QPoint()), box->size());
            const QRect d = QRectF(r.topLeft() * scale, r.size() * scale).toAlignedRect();
            const int x = d.center().x(), y = d.center().y(), line = qGray(box->palette().base().color().rgb()) - 8;
            for (const QLine side : {QLine(x, d.top(), x, d.top() + 1), QLine(x, d.bottom() - 1, x, d.bottom()),
                                     QLine(d.left(), y, d.left() + 1, y), QLine(d.right() - 1, y, d.right(), y)})
                QVERIFY2(qGray(picture.pixel(side.p1())) < line || qGray(picture.pixel(side.p2())) < line, b.box);
        }
    }
}

QTEST_MAIN(TestFrmNagScreen2)
#include "tst_frmnagscreen2.moc"
