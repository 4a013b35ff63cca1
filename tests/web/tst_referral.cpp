#include "support/PlatformSupport.h"
#include "web/modHelp.h"
#include "web/modTellAFriend.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using modTellAFriend::ReferralFields;

Q_DECLARE_METATYPE(ReferralFields)

namespace {

ReferralFields valid()
{
    return {QStringLiteral("Ann"), QStringLiteral("ann@example.com"), QStringLiteral("Try this"),
            QStringLiteral("Bob"), QStringLiteral("bob@example.com")};
}

} // namespace

class TestReferral : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checks_data();
    void checks();
    void valuesSurviveTheAddress_data();
    void valuesSurviveTheAddress();
    void twoSubmissionsOpenTheSameAddressTwice();
};

void TestReferral::checks_data()
{
    QTest::addColumn<ReferralFields>("fields");
    QTest::addColumn<QString>("message"); // empty: the referral goes out

    const ReferralFields placeholders = modTellAFriend::Placeholders();
    QTest::newRow("all filled") << valid() << "";
    QTest::newRow("placeholder in other case is a value")
        << ReferralFields{QStringLiteral("your name"), QStringLiteral("your email address"),
                          QStringLiteral("YOUR MESSAGE"), QStringLiteral("friend's name"),
                          QStringLiteral("Friend's email address")}
        << "";

    const struct {
        const char *name;
        QString ReferralFields::*field;
        const char *message;
    } fields[] = {
        {"name", &ReferralFields::ReferrerName, "Please Enter Your Name"},
        {"email", &ReferralFields::ReferrerEmail, "Please Enter Your Email"},
        {"message", &ReferralFields::ReferralMessage, "Please Enter Your Message"},
        {"friend's name", &ReferralFields::FriendName, "Please Enter Your Friend's Name"},
        {"friend's email", &ReferralFields::FriendEmail, "Please Enter Your Friend's Email"},
    };
    for (const auto &f : fields) {
        ReferralFields empty = valid();
        empty.*f.field = QString();
        QTest::addRow("%s empty", f.name) << empty << QString::fromLatin1(f.message);
        ReferralFields untouched = valid();
        untouched.*f.field = placeholders.*f.field;
        QTest::addRow("%s placeholder", f.name) << untouched << QString::fromLatin1(f.message);
    }
    QTest::newRow("all placeholders: name first") << placeholders << "Please Enter Your Name";
    QTest::newRow("all empty: name first") << ReferralFields{} << "Please Enter Your Name";
    ReferralFields lastTwo = valid();
    lastTwo.FriendName.clear();
    lastTwo.FriendEmail.clear();
    QTest::newRow("friend's name before friend's email") << lastTwo << "Please Enter Your Friend's Name";

    // Past what the browser can be handed: refused, the form keeps the text.
    ReferralFields longest = valid();
    longest.ReferralMessage.clear();
    longest.ReferralMessage.fill(u'a', modTellAFriend::MaxReferralUrlLength - modTellAFriend::BuildReferralUrl(longest).size());
    QTest::newRow("longest address") << longest << "";
    longest.ReferralMessage.append(u'a');
    QTest::newRow("one more") << longest << "Your referral is too long to be sent. Please shorten your message.";
}

void TestReferral::checks()
{
    QFETCH(ReferralFields, fields);
    QFETCH(QString, message);

    MessageRecorder boxes;
    ShellRecorder shell;
    modTellAFriend::Fields() = fields;
    const QString before = modTellAFriend::ReferralUrl();
    modTellAFriend::SendReferral();

    if (message.isEmpty()) {
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(modTellAFriend::ReferralUrl(), modTellAFriend::BuildReferralUrl(fields));
        QCOMPARE(shell.opened(), QStringList{modTellAFriend::ReferralUrl()});
    } else {
        QCOMPARE(boxes.texts(), QStringList{message});
        QCOMPARE(boxes.shown().first().icon, platform::MessageIcon::Stop);
        QCOMPARE(boxes.shown().first().buttons, platform::MessageButtons::Ok);
        QCOMPARE(boxes.shown().first().caption, QStringLiteral("Starkindle"));
        QVERIFY(shell.opened().isEmpty());
        QCOMPARE(modTellAFriend::ReferralUrl(), before);
    }
}

void TestReferral::valuesSurviveTheAddress_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("escaped");

    QTest::newRow("ampersand and spaces") << "Ann & Bob" << "Ann%20%26%20Bob";
    QTest::newRow("equals, hash, plus") << "a=b#c+d" << "a%3Db%23c%2Bd";
    QTest::newRow("percent") << "100% sure" << "100%25%20sure";
    QTest::newRow("accented letter") << QStringLiteral("Ren\u00e9e") << "Ren%C3%A9e";
    QTest::newRow("CR LF line break") << "Hi\r\nthere" << "Hi%0D%0Athere";
    QTest::newRow("lone LF") << "Hi\nthere" << "Hi%0Athere";
    QTest::newRow("emoji") << QStringLiteral("Yay \U0001F600") << "Yay%20%F0%9F%98%80";
}

void TestReferral::valuesSurviveTheAddress()
{
    QFETCH(QString, value);
    QFETCH(QString, escaped);

    const ReferralFields fields{value, value + QStringLiteral("@x.y"), value, value, QStringLiteral("f@x.y")};
    const QString address = modTellAFriend::BuildReferralUrl(fields);

    for (QChar c : address)
        QVERIFY2(c.unicode() > 32 && c.unicode() < 127, qPrintable(address));
    const QString site = page::Home;
    QVERIFY(address.startsWith(site + QStringLiteral("/cvcs-refer-a-friend.php?taf1=") + escaped + u'&'));
    // The product page goes in unescaped.
    QVERIFY(address.endsWith(QStringLiteral("&taf6=") + site + QStringLiteral("/starkindle/")));

    const QUrl url(address, QUrl::StrictMode);
    QVERIFY(url.isValid());
    QCOMPARE(url.path(), QStringLiteral("/cvcs-refer-a-friend.php"));
    QCOMPARE(url.adjusted(QUrl::RemovePath | QUrl::RemoveQuery).toString(), site);
    const QList<QPair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    const QList<QPair<QString, QString>> expected = {
        {QStringLiteral("taf1"), value},
        {QStringLiteral("taf2"), value + QStringLiteral("@x.y")},
        {QStringLiteral("taf3"), value},
        {QStringLiteral("taf4"), value},
        {QStringLiteral("taf5"), QStringLiteral("f@x.y")},
        {QStringLiteral("taf6"), site + QStringLiteral("/starkindle/")},
    };
    QCOMPARE(items, expected);
}

void TestReferral::twoSubmissionsOpenTheSameAddressTwice()
{
    MessageRecorder boxes;
    ShellRecorder shell;
    modTellAFriend::Fields() = valid();
    modTellAFriend::SendReferral();
    modTellAFriend::SendReferral();
    QVERIFY(boxes.shown().isEmpty());
    QCOMPARE(shell.opened(), QStringList(2, modTellAFriend::BuildReferralUrl(valid())));
}

QTEST_GUILESS_MAIN(TestReferral)
#include "tst_referral.moc"
