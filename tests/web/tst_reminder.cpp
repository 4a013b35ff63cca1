#include "platform/Settings.h"
#include "support/TestSupport.h"
#include "web/modHelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <sys/stat.h>
#endif

namespace {
const QDate Today(2026, 12, 7);
const QString Question = QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

QString iso(const QDate &d)
{
    return d.toString(Qt::ISODate);
}

// What every check here runs with: a fixed today, and a locale whose short
// date form is day/month/four-digit year, as on many Windows systems.
struct Fixture {
    platform::testing::ScopedToday today{Today};
    ScopedDefaultLocale locale{QLocale(QLocale::English, QLocale::UnitedKingdom)};
};

#ifdef Q_OS_WIN
// The registry store, read and cleared without the code under test. The
// application name is the test's own, so the user's settings stay untouched.
const QString RegistryApp = QStringLiteral("starkindle-test-%1").arg(QCoreApplication::applicationPid());

std::wstring RegistryPath(const QString &below = {})
{
    return (QStringLiteral("Software\\VB and VBA Program Settings\\") + RegistryApp + below).toStdWString();
}

// The value as stored, "(absent)" when there is none.
QString RegistryValue(const QString &key)
{
    wchar_t data[256] = {};
    DWORD size = sizeof data;
    const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, RegistryPath(QStringLiteral("\\Settings")).c_str(),
                                        key.toStdWString().c_str(), RRF_RT_REG_SZ, nullptr, data, &size);
    return status == ERROR_SUCCESS ? QString::fromWCharArray(data) : QStringLiteral("(absent)");
}

bool RegistryAppExists()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RegistryPath().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}
#endif
} // namespace

class TestReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
#ifdef Q_OS_WIN
    void cleanup();
#endif

    void reminder_data();
    void reminder();
    void dateIsStoredBeforeThePageOpens();
    void notADateStaysQuietOnEveryStart();
    void storeThatCannotBeWritten();
    void nativeStoreKeepsALocaleFreeDate();
    void nativeStoreLeavesADamagedFileAlone();
    void nativeStoreTrustsOnlyTheUsersFolder_data();
    void nativeStoreTrustsOnlyTheUsersFolder();

private:
    QTemporaryDir m_config;
};

void TestReminder::initTestCase()
{
    // The real store must never be the user's own.
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

#ifdef Q_OS_WIN
void TestReminder::cleanup()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, RegistryPath().c_str());
    QVERIFY2(!RegistryAppExists(), "the test's registry key must not be left behind");
}
#endif

void TestReminder::reminder_data()
{
    QTest::addColumn<QString>("stored"); // what the store holds beforehand
    QTest::addColumn<platform::Answer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<bool>("downloadOpened");

    using platform::Answer;
    const QString today = iso(Today);
    QTest::newRow("first run: stored silently") << "" << Answer::Yes << false << today << false;
    auto daysAway = [](int days) { return iso(Today.addDays(days)); };
    QTest::newRow("14 days ago: quiet") << daysAway(-14) << Answer::Yes << false << daysAway(-14) << false;
    QTest::newRow("14 days ahead: quiet") << daysAway(14) << Answer::Yes << false << daysAway(14) << false;
    QTest::newRow("15 days ago, Yes") << daysAway(-15) << Answer::Yes << true << today << true;
    QTest::newRow("15 days ago, No") << daysAway(-15) << Answer::No << true << today << false;
    QTest::newRow("15 days ahead (clock set back), No") << daysAway(15) << Answer::No << true << today << false;
    QTest::newRow("a year ago, Yes") << daysAway(-365) << Answer::Yes << true << today << true;
    QTest::newRow("today: quiet") << today << Answer::Yes << false << today << false;
    QTest::newRow("not a date") << "soon" << Answer::Yes << false << "soon" << false;
    QTest::newRow("a date in another form") << "Dec 7 2026" << Answer::Yes << false << "Dec 7 2026" << false;
    // Written by earlier versions in the short date form: read, and replaced
    // by our own form only when the reminder comes.
    QTest::newRow("short form, 3 days ago: quiet") << "04/12/2026" << Answer::Yes << false << "04/12/2026" << false;
    QTest::newRow("short form, 20 days ago, No") << "17/11/2026" << Answer::No << true << today << false;
    QTest::newRow("short form, a month ahead, Yes") << "07/01/2027" << Answer::Yes << true << today << true;
    QTest::newRow("short form, impossible") << "31/11/2026" << Answer::Yes << false << "31/11/2026" << false;
    QTest::newRow("an impossible date") << "2026-02-30" << Answer::Yes << false << "2026-02-30" << false;
}

void TestReminder::reminder()
{
    QFETCH(QString, stored);
    QFETCH(platform::Answer, answer);
    QFETCH(bool, asked);
    QFETCH(QString, storedAfter);
    QFETCH(bool, downloadOpened);

    const Fixture fixture;
    const ScopedMemorySettings settings;
    if (!stored.isEmpty())
        settings->setValue(modHelp::ReminderSection(), modHelp::ReminderKey(), stored);
    MessageRecorder boxes;
    boxes.answerNext(answer);
    ShellRecorder shell;

    modHelp::CheckUpdateReminder();

    QCOMPARE(settings->value(QStringLiteral("Settings"), modHelp::ReminderKey()), storedAfter);
    QCOMPARE(settings->writes, storedAfter == stored ? 0 : 1);
    QCOMPARE(boxes.shown().size(), asked ? 1 : 0);
    if (asked) {
        const platform::MessageRequest &box = boxes.shown().first();
        QCOMPARE(box.text, Question);
        QCOMPARE(box.caption, QStringLiteral("Starkindle"));
        QCOMPARE(box.icon, platform::MessageIcon::Information);
        QCOMPARE(box.buttons, platform::MessageButtons::YesNo);
    }
    const QStringList expectedOpened = downloadOpened ? QStringList{page::Download} : QStringList{};
    QCOMPARE(shell.opened(), expectedOpened);
}

void TestReminder::dateIsStoredBeforeThePageOpens()
{
    const Fixture fixture;
    const ScopedMemorySettings settings;
    settings->setValue(modHelp::ReminderSection(), modHelp::ReminderKey(), iso(Today.addDays(-30)));
    MessageRecorder boxes;
    QString storedWhenOpened;
    const platform::testing::ScopedShellOpen browser([&](const QString &) {
        storedWhenOpened = settings->value(modHelp::ReminderSection(), modHelp::ReminderKey());
    });
    modHelp::CheckUpdateReminder();
    QCOMPARE(storedWhenOpened, iso(Today));
}

void TestReminder::notADateStaysQuietOnEveryStart()
{
    const Fixture fixture;
    const ScopedMemorySettings settings;
    settings->setValue(modHelp::ReminderSection(), modHelp::ReminderKey(), QStringLiteral("not a date"));
    MessageRecorder boxes;
    for (int start = 0; start < 3; ++start) {
        const platform::testing::ScopedToday later(Today.addDays(start * 40));
        modHelp::CheckUpdateReminder();
    }
    QVERIFY(boxes.shown().isEmpty());
    QCOMPARE(settings->writes, 0);
    QCOMPARE(settings->value(modHelp::ReminderSection(), modHelp::ReminderKey()), QStringLiteral("not a date"));
}

void TestReminder::storeThatCannotBeWritten()
{
    const Fixture fixture;
    const ScopedMemorySettings settings;
    settings->setValue(modHelp::ReminderSection(), modHelp::ReminderKey(), iso(Today.addDays(-20)));
    settings->fault = MemorySettings::Unwritable;
    MessageRecorder boxes;
    ShellRecorder shell;
    modHelp::CheckUpdateReminder();
    // Asked all the same, and the answer is honoured; the old date stays.
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(shell.opened().size(), 1);
    QCOMPARE(settings->value(modHelp::ReminderSection(), modHelp::ReminderKey()), iso(Today.addDays(-20)));

    settings->fault = MemorySettings::Unreadable;
    boxes.clear();
    modHelp::CheckUpdateReminder();
    QVERIFY(boxes.shown().isEmpty());
}

void TestReminder::nativeStoreKeepsALocaleFreeDate()
{
    const Fixture fixture;
#ifdef Q_OS_WIN
    const QString app = RegistryApp;
#else
    const QString app = QStringLiteral("reminder-roundtrip");
    // What writes killed halfway left goes; a name the user may have chosen stays.
    const QDir dir(m_config.filePath(app));
    QVERIFY(dir.mkpath(QStringLiteral(".")));
    for (const char *name : {"reminder-roundtrip.ini.a1B2c3", "reminder-roundtrip.ini.aBcDeF.lock", "reminder-roundtrip.ini.backup"})
        QVERIFY(QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly));
#endif
    MessageRecorder boxes;
    ShellRecorder shell; // the Yes below opens the download page
    {
        const platform::testing::ScopedSettingsStore store(platform::NativeSettingsStore(app));
        modHelp::CheckUpdateReminder();
    }
    QVERIFY(boxes.shown().isEmpty());

#ifdef Q_OS_WIN
    // A string value under the application's name, section "Settings".
    QCOMPARE(RegistryValue(modHelp::ReminderKey()), QStringLiteral("2026-12-07"));
#else
    QFile file(m_config.filePath(QStringLiteral("reminder-roundtrip/reminder-roundtrip.ini")));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray content = file.readAll();
    QVERIFY(content.contains("[Settings]"));
    QVERIFY(content.contains(modHelp::ReminderKey().toLatin1() + "=2026-12-07"));
    QCOMPARE(dir.entryList(QDir::Files), QStringList({"reminder-roundtrip.ini", "reminder-roundtrip.ini.backup"}));
#endif

    // Read back on a later start as the same calendar date.
    const platform::testing::ScopedSettingsStore store(platform::NativeSettingsStore(app));
    const platform::testing::ScopedToday later(Today.addDays(15));
    modHelp::CheckUpdateReminder();
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(shell.opened().size(), 1);
}

void TestReminder::nativeStoreLeavesADamagedFileAlone()
{
    const Fixture fixture;
#ifdef Q_OS_WIN
    // The registry's counterpart of a damaged file: binary data where the
    // date should be.
    HKEY key = nullptr;
    QCOMPARE(RegCreateKeyExW(HKEY_CURRENT_USER, RegistryPath(QStringLiteral("\\Settings")).c_str(), 0, nullptr, 0,
                             KEY_WRITE, nullptr, &key, nullptr),
             LSTATUS(ERROR_SUCCESS));
    const BYTE garbage[] = {0x01, 0xff, 0x00, 0x7f, 0x80, 0x00, 0x00, 0x0a};
    const std::wstring name = modHelp::ReminderKey().toStdWString();
    QCOMPARE(RegSetValueExW(key, name.c_str(), 0, REG_BINARY, garbage, sizeof garbage), LSTATUS(ERROR_SUCCESS));
    RegCloseKey(key);

    const platform::testing::ScopedSettingsStore store(platform::NativeSettingsStore(RegistryApp));
    MessageRecorder boxes;
    modHelp::CheckUpdateReminder(); // must simply return
    QVERIFY(boxes.shown().isEmpty());
    BYTE after[64] = {};
    DWORD type = 0;
    DWORD size = sizeof after;
    QCOMPARE(RegGetValueW(HKEY_CURRENT_USER, RegistryPath(QStringLiteral("\\Settings")).c_str(), name.c_str(),
                          RRF_RT_ANY, &type, after, &size),
             LSTATUS(ERROR_SUCCESS));
    QCOMPARE(type, DWORD(REG_BINARY));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(after), size),
             QByteArray(reinterpret_cast<const char *>(garbage), sizeof garbage));
#else
    const QString dir = m_config.filePath(QStringLiteral("reminder-damaged"));
    QVERIFY(QDir().mkpath(dir));
    QFile file(dir + QStringLiteral("/reminder-damaged.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 131 + 7) % 256));
    file.write(garbage);
    file.close();

    const platform::testing::ScopedSettingsStore store(
        platform::NativeSettingsStore(QStringLiteral("reminder-damaged")));
    MessageRecorder boxes;
    modHelp::CheckUpdateReminder(); // must simply return
    QVERIFY(boxes.shown().isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), garbage);
    file.close();

    // Nor one over 1 MiB, however due its date.
    const QByteArray big = "[Settings]\n" + modHelp::ReminderKey().toLatin1() + "=2026-01-01\n;" + QByteArray(1 << 20, 'x');
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(big) == big.size());
    file.close();
    modHelp::CheckUpdateReminder();
    QVERIFY(boxes.shown().isEmpty() && file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), big);
#endif
}

void TestReminder::nativeStoreTrustsOnlyTheUsersFolder_data()
{
    QTest::addColumn<QString>("folder"); // its mode, or "link" for a link to a folder of the user's
    QTest::addColumn<bool>("trusted");
    QTest::newRow("the user's own") << "0700" << true;
    QTest::newRow("the user's, others may read") << "0755" << true;
    QTest::newRow("group-writable") << "0770" << false;
    QTest::newRow("writable by all") << "0777" << false;
    QTest::newRow("a link to a folder of the user's") << "link" << false;
    QTest::newRow("none yet, made under umask 002") << "made" << true;
}

// The store's folder follows the one rule of platform/Trust.h: a store that
// someone else could change is neither read nor written.
void TestReminder::nativeStoreTrustsOnlyTheUsersFolder()
{
#ifdef Q_OS_WIN
    QSKIP("the registry store has no folder");
#else
    QFETCH(QString, folder);
    QFETCH(bool, trusted);

    const Fixture fixture;
    static int stores = 0;
    const QString app = QStringLiteral("reminder-trust-%1").arg(++stores);
    const QString dir = m_config.filePath(app);
    if (folder == u"made") {
        // A first run makes the folder; a umask of 002 must not leave it
        // group-writable, or no date would ever be kept.
        const mode_t umask = ::umask(002);
        {
            const platform::testing::ScopedSettingsStore store(platform::NativeSettingsStore(app));
            modHelp::CheckUpdateReminder();
        }
        ::umask(umask);
        QFile stored(dir + u'/' + app + QStringLiteral(".ini"));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY(stored.readAll().contains(iso(Today).toLatin1()));
        QCOMPARE(QFileInfo(dir).permissions() & (QFile::WriteGroup | QFile::WriteOther), QFile::Permissions());
        return;
    }
    if (folder == u"link") {
        QVERIFY(QDir().mkpath(dir + QStringLiteral("-real")));
        QVERIFY(QFile::link(dir + QStringLiteral("-real"), dir));
    } else {
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(::chmod(QFile::encodeName(dir).constData(), mode_t(folder.toUInt(nullptr, 8))) == 0);
    }
    QFile file(dir + u'/' + app + QStringLiteral(".ini"));
    const QByteArray before = "[Settings]\nUpdateReminderDate=" + iso(Today.addDays(-30)).toLatin1() + "\n";
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();

    const platform::testing::ScopedSettingsStore store(platform::NativeSettingsStore(app));
    MessageRecorder boxes;
    boxes.answerNext(platform::Answer::No);
    modHelp::CheckUpdateReminder();

    QCOMPARE(boxes.shown().size(), trusted ? 1 : 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    QCOMPARE(after == before, !trusted);
#endif
}

QTEST_MAIN(TestReminder)
#include "tst_reminder.moc"
