// The font warm-up: the configuration it reads is the one Qt's font database
// then uses (were it replaced, start-up would read it twice), and a warm-up
// left without wait() still ends cleanly.

#include "platform/FontWarmUp.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

#ifdef STARKINDLE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

class TestFontWarmUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTheConfigurationQtUses()
    {
        platform::FontWarmUp fonts;
#ifdef STARKINDLE_FONTCONFIG
        QVERIFY(fonts.started());
        fonts.wait();
        FcConfig *const read = FcConfigGetCurrent();
        QVERIFY(read);
        QVERIFY(!QFontDatabase::families().isEmpty());
        QCOMPARE(QFontInfo(QFont(QStringLiteral("DejaVu Sans"))).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(FcConfigGetCurrent(), read);
#else
        QVERIFY(!fonts.started());
#endif
    }

    void endsWithoutWait()
    {
        // A joinable thread left at destruction would end the process.
        for (int i = 0; i < 3; ++i)
            platform::FontWarmUp fonts;
    }
};

QTEST_MAIN(TestFontWarmUp)
#include "tst_fontwarmup.moc"
