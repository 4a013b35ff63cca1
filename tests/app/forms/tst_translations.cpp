#include "app/forms/Forms.h"
#include "app/forms/frmAbout.h"
#include "app/forms/frmDisplay.h"
#include "app/forms/frmMain.h"
#include "app/forms/frmNagScreen2.h"
#include "astro/SignReadings.h"
#include "astro/modPlanetSign.h"
#include "i18n/Translations.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOption>
#include <QToolButton>
#include <QXmlStreamReader>

namespace {

// Every text of a window and its menus, in the order of its controls.
QStringList textsOf(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QObject *o : window->findChildren<QObject *>()) {
        if (auto *action = qobject_cast<QAction *>(o))
            texts << action->text();
        if (auto *w = qobject_cast<QWidget *>(o))
            texts << w->accessibleName() << w->accessibleDescription();
        if (auto *label = qobject_cast<QLabel *>(o))
            texts << label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(o))
            texts << button->text();
        else if (auto *box = qobject_cast<QGroupBox *>(o))
            texts << box->title();
        else if (auto *line = qobject_cast<QLineEdit *>(o))
            texts << line->text();
        else if (auto *list = qobject_cast<QComboBox *>(o); list && list->objectName() == u"cboMonth")
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
    }
    return texts;
}

// How many pixels each text runs past its control, into another control's
// text or out of its window, by window and control; an access key used twice
// and a menu bar too narrow count too. Only what runs over is listed.
QMap<QString, int> overflows(QWidget *window)
{
    QMap<QString, int> found;
    QStringList mnemonics;
    QHash<QWidget *, std::pair<QRect, QRect>> texts; // the room and what the text needs, in the parent
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        QString text;
        QRect room = w->contentsRect();
        int flags = Qt::TextShowMnemonic;
        QStyleOptionButton option;
        option.initFrom(w);
        if (auto *label = qobject_cast<QLabel *>(w)) {
            text = label->text();
            flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            text = button->text();
            room = w->style()->subElementRect(qobject_cast<QCheckBox *>(w) ? QStyle::SE_CheckBoxContents
                                                                           : QStyle::SE_PushButtonContents, &option, w);
            mnemonics << QKeySequence::mnemonic(text).toString();
        } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
            text = box->title();
        } else if (auto *line = qobject_cast<QLineEdit *>(w)) {
            text = line->text();
            room = w->rect().adjusted(4, 0, -4, 0);
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox box;
            box.initFrom(list);
            room = w->style()->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, w);
            for (int i = 0; i < list->count(); ++i)
                text = w->fontMetrics().horizontalAdvance(list->itemText(i)) > w->fontMetrics().horizontalAdvance(text)
                    ? list->itemText(i) : text;
        } else if (auto *bar = qobject_cast<QMenuBar *>(w)) {
            for (QAction *menu : bar->actions())
                mnemonics << QKeySequence::mnemonic(menu->text()).toString();
            if (auto *more = w->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button")); !more || more->isVisible())
                found[QStringLiteral("menu bar")] = 1;
        }
        if (text.isEmpty())
            continue;
        QRect needed = w->fontMetrics().boundingRect(room, flags, text);
        if (needed.height() <= w->fontMetrics().height()) // one line: its advance, as it is laid out
            needed.setWidth(w->fontMetrics().horizontalAdvance(QString(text).remove(u'&')));
        texts[w] = {room.translated(w->pos()), needed.translated(w->pos())};
    }
    for (auto [w, rects] : texts.asKeyValueRange()) {
        const auto [room, needed] = rects;
        const QRect inside = room & w->parentWidget()->rect();
        int over = std::max({0, needed.right() - inside.right(), needed.bottom() - inside.bottom(),
                             inside.left() - needed.left(), inside.top() - needed.top()});
        for (QWidget *other : w->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QRect taken = texts.contains(other) ? texts[other].second : other->geometry();
            if (other != w && other->isVisibleTo(window) && other->geometry() != w->geometry()) // the promotions share a place
                over = std::max(over, (taken & needed).width());
        }
        if (over > 0)
            found[window->objectName() + u'/' + w->objectName()] = over;
    }
    for (const QString &key : mnemonics)
        if (!key.isEmpty() && mnemonics.count(key) > 1)
            found[QStringLiteral("access key ") + key] = 1;
    return found;
}

// What the user looks up on 15 March 1965 and other dates in the main window.
QString lookUp(int year, int month, int day)
{
    frmMain *main = forms::Main();
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("ANNA"));
    for (auto [list, value] : {std::pair{"cboDate", day}, {"cboMonth", month}, {"cboYear", year}}) {
        auto *box = Child<QComboBox>(main, list);
        box->setCurrentIndex(box->findData(value));
    }
    Child<QPushButton>(main, "cmdNext")->click();
    return Child<QLabel>(forms::Display(), "lblSexualitySign")->text();
}

struct Windows {
    std::unique_ptr<frmAbout> about = std::make_unique<frmAbout>();
    QList<QWidget *> all{forms::Main(), forms::Display(), about.get(), forms::ExitWindow()};
};

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        forms::ExitApplication();
        i18n::Install({});
    }

    void language_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : i18n::Languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void language()
    {
        QFETCH(QString, language);
        QFile ts(QStringLiteral(STARKINDLE_TRANSLATIONS_DIR "/starkindle_") + language + QStringLiteral(".ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString source;
        const QRegularExpression marks(QStringLiteral("%\\d|&(?=[^& ])"));
        const auto sorted = [&](const QString &text) {
            QStringList found;
            for (const auto &match : marks.globalMatch(text))
                found << match.captured();
            found.sort();
            return found;
        };
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"source")
                source = xml.readElementText();
            if (xml.name() == u"translation") {
                QVERIFY2(xml.attributes().value(QStringLiteral("type")).isEmpty(), qPrintable(source));
                QCOMPARE(sorted(xml.readElementText()), sorted(source));
            }
        }
        QVERIFY(!xml.hasError());

        const QList<std::array<int, 3>> dates{{1965, 3, 15}, {1940, 1, 1}, {1952, 2, 29}, {1900, 1, 1},
                                             {2000, 2, 29}, {1975, 9, 21}, {2100, 12, 31}, {1991, 7, 4}};
        QStringList english, englishSigns;
        QMap<QString, int> englishOverflows; // a translation may run over no further than English does
        {
            Windows windows;
            for (QWidget *window : windows.all) {
                english += textsOf(window);
                window->show();
                QVERIFY(QTest::qWaitForWindowExposed(window));
                englishOverflows.insert(overflows(window));
            }
            for (auto [year, month, day] : dates)
                englishSigns << (lookUp(year, month, day), astro::SexualitySign());
        }
        forms::ExitApplication();

        i18n::Install(language);
        QCOMPARE(i18n::Current(), language);
        Windows windows;
        QStringList translated, untranslated, misfit;
        const auto check = [&](QWidget *window) {
            for (auto [control, over] : overflows(window).asKeyValueRange())
                if (over > englishOverflows.value(control))
                    misfit << QStringLiteral("%1 runs over by %2 px").arg(control).arg(over);
        };
        for (QWidget *window : windows.all)
            translated += textsOf(window);
        QCOMPARE(translated.size(), english.size());
        for (qsizetype i = 0; i < english.size(); ++i)
            if (translated[i] == english[i] && english[i].contains(u' ') && english[i] != STARKINDLE_CAPTION)
                untranslated << english[i];
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));

        for (qsizetype i = 0; i < dates.size(); ++i) {
            const auto [year, month, day] = dates[i];
            QCOMPARE(lookUp(year, month, day), astro::SignDisplayName(*astro::SignFromName(englishSigns[i])));
            QCOMPARE(astro::SexualitySign(), englishSigns[i]);
        }
        for (QWidget *window : windows.all) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            check(window);
        }
        for (astro::Sign sign : astro::AllSigns) {
            forms::Display()->setSignName(astro::SignDisplayName(sign));
            forms::Display()->setReading(astro::Reading(sign));
            check(forms::Display());
        }
        for (int text = 0; text < 4; ++text) {
            Child<QLabel>(forms::ExitWindow(), "Label2")->setText(frmNagScreen2::SupportText(text));
            check(forms::ExitWindow());
        }
        misfit.removeDuplicates();
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit.join(u'\n')));
        // Qt's own buttons speak the language too.
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "&Yes") != u"&Yes");
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
