// The platform's own settings store: what it writes, what it refuses to read
// or write, and what it leaves of a write killed halfway. The reminder's use
// of it (which date, when) is checked in tests/web/tst_reminder.

#include "platform/Settings.h"
#include "support/PlatformSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <sys/stat.h>
#endif

namespace {
const QString Section = QStringLiteral("Settings");
const QString Key = QStringLiteral("UpdateReminderDate");

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

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
#ifdef Q_OS_WIN
    void cleanup();
#endif

    void writesAndReadsBack();
    void leavesADamagedStoreAlone();
    void trustsOnlyTheUsersFolder_data();
    void trustsOnlyTheUsersFolder();

private:
    QTemporaryDir m_config;
};

void TestSettings::initTestCase()
{
    // The real store must never be the user's own.
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

#ifdef Q_OS_WIN
void TestSettings::cleanup()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, RegistryPath().c_str());
    QVERIFY2(!RegistryAppExists(), "the test's registry key must not be left behind");
}
#endif

void TestSettings::writesAndReadsBack()
{
#ifdef Q_OS_WIN
    const QString app = RegistryApp;
#else
    const QString app = QStringLiteral("store-roundtrip");
    // What writes killed halfway left goes; a name the user may have chosen stays.
    const QDir dir(m_config.filePath(app));
    QVERIFY(dir.mkpath(QStringLiteral(".")));
    for (const char *name : {"store-roundtrip.ini.a1B2c3", "store-roundtrip.ini.aBcDeF.lock", "store-roundtrip.ini.backup"})
        QVERIFY(QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly));
#endif
    QCOMPARE(platform::NativeSettingsStore(app)->read(Section, Key).value, QString()); // absent reads as empty
    QVERIFY(platform::NativeSettingsStore(app)->write(Section, Key, QStringLiteral("2026-12-07")));

#ifdef Q_OS_WIN
    // A string value under the application's name, section "Settings".
    QCOMPARE(RegistryValue(Key), QStringLiteral("2026-12-07"));
#else
    QFile file(dir.filePath(QStringLiteral("store-roundtrip.ini")));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray content = file.readAll();
    QVERIFY(content.contains("[Settings]"));
    QVERIFY(content.contains(Key.toLatin1() + "=2026-12-07"));
    QCOMPARE(dir.entryList(QDir::Files), QStringList({"store-roundtrip.ini", "store-roundtrip.ini.backup"}));
#endif
    // A later start reads the same text back.
    const platform::SettingRead read = platform::NativeSettingsStore(app)->read(Section, Key);
    QVERIFY(read.readable);
    QCOMPARE(read.value, QStringLiteral("2026-12-07"));
}

void TestSettings::leavesADamagedStoreAlone()
{
#ifdef Q_OS_WIN
    // The registry's counterpart of a damaged file: binary data where the
    // date should be.
    HKEY key = nullptr;
    QCOMPARE(RegCreateKeyExW(HKEY_CURRENT_USER, RegistryPath(QStringLiteral("\\Settings")).c_str(), 0, nullptr, 0,
                             KEY_WRITE, nullptr, &key, nullptr),
             LSTATUS(ERROR_SUCCESS));
    const BYTE garbage[] = {0x01, 0xff, 0x00, 0x7f, 0x80, 0x00, 0x00, 0x0a};
    const std::wstring name = Key.toStdWString();
    QCOMPARE(RegSetValueExW(key, name.c_str(), 0, REG_BINARY, garbage, sizeof garbage), LSTATUS(ERROR_SUCCESS));
    RegCloseKey(key);

    // Never taken for a first run's empty value, which would be written over.
    const platform::SettingRead read = platform::NativeSettingsStore(RegistryApp)->read(Section, Key);
    QVERIFY(!read.readable || !read.value.isEmpty());
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
    const QString dir = m_config.filePath(QStringLiteral("store-damaged"));
    QVERIFY(QDir().mkpath(dir));
    QFile file(dir + QStringLiteral("/store-damaged.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 131 + 7) % 256));
    file.write(garbage);
    file.close();

    // A store that cannot be parsed is neither taken for empty nor rewritten;
    // nor is one over 1 MiB, however well formed.
    const QByteArray big = "[Settings]\n" + Key.toLatin1() + "=2026-01-01\n;" + QByteArray(1 << 20, 'x');
    for (const QByteArray &contents : {garbage, big}) {
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        file.close();
        const std::unique_ptr<platform::SettingsStore> store =
            platform::NativeSettingsStore(QStringLiteral("store-damaged"));
        const platform::SettingRead read = store->read(Section, Key);
        QVERIFY(!read.readable || read.value.isEmpty());
        QVERIFY(!store->write(Section, Key, QStringLiteral("2026-12-07")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), contents);
        file.close();
    }
#endif
}

void TestSettings::trustsOnlyTheUsersFolder_data()
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
void TestSettings::trustsOnlyTheUsersFolder()
{
#ifdef Q_OS_WIN
    QSKIP("the registry store has no folder");
#else
    QFETCH(QString, folder);
    QFETCH(bool, trusted);

    static int stores = 0;
    const QString app = QStringLiteral("store-trust-%1").arg(++stores);
    const QString dir = m_config.filePath(app);
    QFile file(dir + u'/' + app + QStringLiteral(".ini"));
    if (folder == u"made") {
        // A first run makes the folder; a umask of 002 must not leave it
        // group-writable, or no date would ever be kept.
        const mode_t umask = ::umask(002);
        const bool written = platform::NativeSettingsStore(app)->write(Section, Key, QStringLiteral("2026-12-07"));
        ::umask(umask);
        QVERIFY(written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("2026-12-07"));
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
    const QByteArray before = "[Settings]\n" + Key.toLatin1() + "=2026-11-07\n";
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();

    const std::unique_ptr<platform::SettingsStore> store = platform::NativeSettingsStore(app);
    QCOMPARE(store->read(Section, Key).value, trusted ? QStringLiteral("2026-11-07") : QString());
    QCOMPARE(store->write(Section, Key, QStringLiteral("2026-12-07")), trusted);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll() == before, !trusted);
#endif
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
