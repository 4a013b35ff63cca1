// The configuration the warm-up reads is the one Qt's font database then
// uses, and a warm-up never waited for ends cleanly.

#include "platform/FontWarmUp.h"

#include <QFontDatabase>
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
        fonts.wait();
#ifdef STARKINDLE_FONTCONFIG
        FcConfig *const read = FcConfigGetCurrent();
        QVERIFY(fonts.started() && read);
        QVERIFY(!QFontDatabase::families().isEmpty());
        QCOMPARE(FcConfigGetCurrent(), read);
#else
        QVERIFY(!fonts.started());
#endif
        platform::FontWarmUp unwaited; // a thread left joinable would end the process
    }
};

QTEST_MAIN(TestFontWarmUp)
#include "tst_fontwarmup.moc"
