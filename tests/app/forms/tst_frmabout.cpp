#include "app/forms/Forms.h"
#include "app/forms/frmAbout.h"
#include "app/forms/frmDisplay.h"
#include "app/forms/frmMain.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace {
QLabel *label(QWidget *w, const char *name)
{
    return w->findChild<QLabel *>(QString::fromLatin1(name));
}

} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void content();
    void closingKeys_data();
    void closingKeys();
    void openedModallyFromBothWindows_data();
    void openedModallyFromBothWindows();
};

void TestFrmAbout::cleanup()
{
    forms::ExitApplication();
    QCOMPARE(LeftoverWindows(), QStringList());
}

void TestFrmAbout::content()
{
    frmAbout about;
    QCOMPARE(about.windowTitle(), QStringLiteral(STARKINDLE_CAPTION));
    QCOMPARE(about.size(), QSize(423, 264));
    QVERIFY(about.minimumSize() == about.maximumSize());
    QCOMPARE(label(&about, "Label2")->text(), QStringLiteral(STARKINDLE_CAPTION));
    QVERIFY(label(&about, "Label1")->text().startsWith(
        QStringLiteral("Starkindle describes the placement of the asteroid Eros in your birth chart. This asteroid is "
                       "also known as the Cupid. This sign helps you understand yourself and know more about your "
                       "sexual urges and passionate feelings. It gives you an insight to your creative feelings.")));
    // The home page address, shown as its host so the line stays on the window.
    QCOMPARE(label(&about, "lblHomePage")->text(),
             QStringLiteral("Click here to visit ") + QUrl(page::Home).host());
    QVERIFY(label(&about, "lblHomePage")->geometry().right() < about.width());
    QCOMPARE(label(&about, "Label5")->text(), QStringLiteral("Click here for more details"));
    QVERIFY(!label(&about, "picIcon")->pixmap().isNull());
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QVERIFY(ok->isDefault());
    // Tab goes from OK through the two links and round again.
    QCOMPARE(NextTabStop(ok), label(&about, "lblHomePage"));
    QCOMPARE(NextTabStop(label(&about, "lblHomePage")), label(&about, "Label5"));
    QCOMPARE(NextTabStop(label(&about, "Label5")), ok);
    QCOMPARE(about.findChild<QWidget *>(QStringLiteral("Line2"))->geometry(), QRect(-4, 224, 429, 1));
}

void TestFrmAbout::closingKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestFrmAbout::closingKeys()
{
    QFETCH(int, key);
    bool hadFocus = false;
    WhenModalAppears<frmAbout>([&](frmAbout *about) {
        hadFocus = about->focusWidget() == about->findChild<QPushButton *>(QStringLiteral("cmdOK"));
        QTest::keyClick(about->focusWidget(), Qt::Key(key));
    });
    frmAbout::ShowModal(); // returns only when the window has closed
    QVERIFY(hadFocus);
}

void TestFrmAbout::openedModallyFromBothWindows_data()
{
    QTest::addColumn<bool>("fromResult");
    QTest::newRow("main window") << false;
    QTest::newRow("result window") << true;
}

void TestFrmAbout::openedModallyFromBothWindows()
{
    QFETCH(bool, fromResult);

    QWidget *opener = forms::Main();
    if (fromResult)
        opener = forms::Display();
    opener->show();
    QVERIFY(QTest::qWaitForWindowExposed(opener));

    Qt::WindowModality modality = Qt::NonModal;
    QWidget *owner = opener;
    WhenModalAppears<frmAbout>([&](frmAbout *about) {
        modality = about->windowModality();
        owner = about->parentWidget();
        QTest::keyClick(about->focusWidget(), Qt::Key_Escape);
    });
    opener->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
    // The menu (or a screen reader) gets its answer first; then the window.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(modality, Qt::NonModal);
    RunQueuedCommands();
    QCOMPARE(modality, Qt::ApplicationModal);
    QCOMPARE(owner, nullptr);
    QVERIFY(opener->isVisible()); // back where it was opened from
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
