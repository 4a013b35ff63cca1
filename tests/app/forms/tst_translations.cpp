#include "app/forms/Forms.h"
#include "app/forms/frmAbout.h"
#include "app/forms/frmDisplay.h"
#include "app/forms/frmMain.h"
#include "app/forms/frmNagScreen2.h"
#include "astro/Answer.h"
#include "astro/Calendar.h"
#include "astro/ResultNotes.h"
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
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOption>
#include <QToolButton>
#include <QXmlStreamReader>

namespace {

// Births whose notes are the longest the result window shows: a table's
// change day with the sky's own hour and a disagreeing sky, a day with a
// change read at the far side of the world, a place's day with both signs.
QList<astro::Birth> longNotes()
{
    const auto at = [](int y, int m, int d, std::optional<int> minute, astro::Reckoning r, bool dateOnly) {
        return astro::Birth{y, m, d, minute, std::move(r), dateOnly};
    };
    const astro::Reckoning kiritimati = astro::Reckoning::InZone(*places::Zone::Find(u"Pacific/Kiritimati"),
                                                                 QStringLiteral("Kiritimati, KI"));
    return {at(1965, 5, 4, std::nullopt, astro::Reckoning::FixedOffset(14 * 3600), true),
            at(2001, 4, 30, std::nullopt, astro::Reckoning::FixedOffset(-10 * 3600), true),
            at(2035, 2, 24, std::nullopt, kiritimati, false),
            at(2035, 2, 24, 100, kiritimati, false)};
}

// Whether the whole of the notes can be read: the label as tall as its
// wrapped text needs, and the panel scrolling to its end.
QString notesHidden(QWidget *display)
{
    auto *notes = Child<QLabel>(display, "lblNotes");
    auto *panel = Child<QScrollArea>(display, "scrNotes");
    const int needed = notes->heightForWidth(notes->width());
    if (notes->height() < needed || notes->width() > panel->viewport()->width())
        return QStringLiteral("the notes need %1 px, have %2").arg(needed).arg(notes->height());
    if (panel->verticalScrollBar()->maximum() < notes->height() - panel->viewport()->height())
        return QStringLiteral("the notes scroll %1 px of %2").arg(panel->verticalScrollBar()->maximum())
            .arg(notes->height() - panel->viewport()->height());
    return {};
}

// Every text of a window, its controls and menus, in the controls' order.
QStringList textsOf(QWidget *window)
{
    QStringList texts;
    QObjectList all = window->findChildren<QObject *>();
    for (QObject *o : all << window)
        for (const char *name : {"text", "plainText", "title", "windowTitle", "accessibleName", "accessibleDescription"})
            texts << o->property(name).toString();
    return texts;
}

// By window and control, how many pixels a text runs out of its control or
// into another's text; an access key used twice or a menu bar too narrow
// count too.
QMap<QString, int> overflows(QWidget *window)
{
    QMap<QString, int> found;
    QStringList keys;
    QHash<QWidget *, std::pair<QRect, QRect>> texts; // room and need, in the parent
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QString text = w->property(qobject_cast<QGroupBox *>(w) ? "title" : "text").toString();
        QRect room = w->contentsRect();
        int flags = Qt::TextShowMnemonic;
        QStyleOptionButton button;
        QStyleOptionComboBox box;
        button.initFrom(w);
        box.initFrom(w);
        if (auto *label = qobject_cast<QLabel *>(w))
            flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
        if (qobject_cast<QAbstractButton *>(w)) {
            room = w->style()->subElementRect(qobject_cast<QCheckBox *>(w) ? QStyle::SE_CheckBoxContents
                                                                           : QStyle::SE_PushButtonContents, &button, w);
            keys << QKeySequence::mnemonic(text).toString();
        }
        if (auto *edit = qobject_cast<QLineEdit *>(w); edit && text.isEmpty()) {
            // An empty box shows its placeholder, inside its frame and Qt's
            // margin of 2 px.
            QStyleOptionFrame frame;
            frame.initFrom(w);
            frame.lineWidth = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, w);
            room = w->style()->subElementRect(QStyle::SE_LineEditContents, &frame, w).adjusted(2, 0, -2, 0);
            text = edit->placeholderText();
        }
        if (auto *list = qobject_cast<QComboBox *>(w)) {
            room = w->style()->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, w);
            for (int i = 0; i < list->count(); ++i)
                if (w->fontMetrics().horizontalAdvance(list->itemText(i)) > w->fontMetrics().horizontalAdvance(text))
                    text = list->itemText(i);
        }
        if (auto *bar = qobject_cast<QMenuBar *>(w)) {
            for (QAction *menu : bar->actions())
                keys << QKeySequence::mnemonic(menu->text()).toString();
            found[QStringLiteral("menu bar")] = w->findChild<QToolButton *>()->isVisible();
        }
        if (text.isEmpty() || !w->isVisibleTo(window))
            continue;
        QRect need = w->fontMetrics().boundingRect(room, flags, text);
        if (need.height() <= w->fontMetrics().height()) // one line: its advance, as it is laid out
            need.setWidth(w->fontMetrics().horizontalAdvance(QString(text).remove(u'&')));
        // What scrolls is judged by notesHidden instead: it may be taller
        // than what shows it.
        const bool scrolls = qobject_cast<QAbstractScrollArea *>(w->parentWidget()->parentWidget());
        texts[w] = {room.translated(w->pos()) & (scrolls ? QRect(room.translated(w->pos())) : w->parentWidget()->rect()),
                    need.translated(w->pos())};
    }
    for (auto [w, rects] : texts.asKeyValueRange()) {
        const auto [room, need] = rects;
        int over = std::max({0, need.right() - room.right(), need.bottom() - room.bottom(), room.left() - need.left()});
        for (QWidget *other : w->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (other != w && other->isVisibleTo(window) && other->geometry() != w->geometry()) // the promotions share one
                over = std::max(over, (texts.value(other, {{}, other->geometry()}).second & need).width());
        found[window->objectName() + u'/' + w->objectName()] = over;
    }
    for (const QString &key : keys)
        found[QStringLiteral("access key ") + key] += !key.isEmpty() && keys.count(key) > 1;
    return found;
}

// A .ts file's entries: context, source and translation.
struct Entry {
    QString context, source, text;
};

QList<Entry> entriesOf(const QString &language)
{
    QList<Entry> entries;
    QFile ts(QStringLiteral(STARKINDLE_TRANSLATIONS_DIR "/starkindle_%1.ts").arg(language));
    if (!ts.open(QIODevice::ReadOnly))
        return entries;
    QString context, source;
    for (QXmlStreamReader xml(&ts); !xml.atEnd(); xml.readNext()) {
        if (xml.isStartElement() && xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == u"translation")
            entries.append({context, source, xml.readElementText()});
    }
    return entries;
}

// The "key: value" lines of the checks block that ends
// translations/glossary_<language>.md.
QHash<QString, QString> glossaryChecks(const QString &language)
{
    QHash<QString, QString> checks;
    QFile file(QStringLiteral(STARKINDLE_TRANSLATIONS_DIR "/glossary_%1.md").arg(language));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return checks;
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype start = text.indexOf(QLatin1String("```checks\n"));
    if (start < 0)
        return checks;
    const QString block = text.mid(start + 10, text.indexOf(QLatin1String("```"), start + 10) - start - 10);
    for (const QString &line : block.split(u'\n', Qt::SkipEmptyParts))
        checks.insert(line.section(QLatin1String(": "), 0, 0), line.section(QLatin1String(": "), 1));
    return checks;
}

// Looks a date up in the main window, as the user would; answers the sign shown.
QString lookUp(std::array<int, 3> date)
{
    Child<QLineEdit>(forms::Main(), "txtName")->setText(QStringLiteral("ANNA"));
    for (int i = 0; i < 3; ++i) {
        auto *list = Child<QComboBox>(forms::Main(), std::array{"cboYear", "cboMonth", "cboDate"}[i]);
        list->setCurrentIndex(list->findData(date[i]));
    }
    Child<QPushButton>(forms::Main(), "cmdNext")->click();
    return Child<QLabel>(forms::Display(), "lblSexualitySign")->text();
}

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

    // Each language against English: its .ts file finished, with the
    // source's placeholders and access keys; every text of every window
    // translated (but names, addresses and the words a language shares with
    // English) and shown whole; the same signs for the same dates.
    void language()
    {
        QFETCH(QString, language);
        QFile ts(QStringLiteral(STARKINDLE_TRANSLATIONS_DIR "/starkindle_%1.ts").arg(language));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QString source;
        for (QXmlStreamReader xml(&ts); !xml.atEnd(); xml.readNext()) {
            if (xml.isStartElement() && xml.name() == u"source")
                source = xml.readElementText();
            if (!xml.isStartElement() || xml.name() != u"translation")
                continue;
            QVERIFY2(xml.attributes().value(QStringLiteral("type")).isEmpty(), qPrintable(source));
            const QString text = xml.readElementText();
            for (const char *mark : {"%1", "%2", "&"}) // placeholders and the access key
                QVERIFY2(text.count(QLatin1String(mark)) == source.count(QLatin1String(mark)), qPrintable(text));
        }

        const QList<std::array<int, 3>> dates{{1965, 3, 15}, {1940, 1, 1}, {1952, 2, 29}, {1900, 1, 1},
                                             {2000, 2, 29}, {1975, 9, 21}, {2100, 12, 31}, {1991, 7, 4}};
        QStringList texts[2], signs;
        QMap<QString, int> englishOverflows; // none may run over further than English does
        QStringList misfits;
        const auto check = [&](QWidget *window) {
            for (auto [control, over] : overflows(window).asKeyValueRange())
                if (over > englishOverflows.value(control))
                    misfits << QStringLiteral("%1 runs over by %2 px").arg(control).arg(over);
        };
        for (const QString &installed : {QString(), language}) {
            forms::ExitApplication();
            i18n::Install(installed);
            frmAbout about;
            for (QWidget *window : QWidgetList{forms::Main(), forms::Display(), &about, forms::ExitWindow()}) {
                texts[!installed.isEmpty()] += textsOf(window);
                window->show();
                QVERIFY(QTest::qWaitForWindowExposed(window));
                installed.isEmpty() ? englishOverflows.insert(overflows(window)) : check(window);
            }
            for (const auto &date : dates) {
                const QString shown = lookUp(date);
                if (installed.isEmpty()) {
                    signs << astro::SexualitySign();
                    continue;
                }
                QCOMPARE(astro::SexualitySign(), signs.front()); // kept in English
                QCOMPARE(shown, astro::SignDisplayName(*astro::SignFromName(signs.takeFirst())));
            }
        }
        QCOMPARE(texts[1].size(), texts[0].size());
        for (qsizetype i = 0; i < texts[0].size(); ++i)
            if (texts[1][i] == texts[0][i] && texts[0][i].contains(u' ') && texts[0][i] != STARKINDLE_CAPTION)
                misfits << QStringLiteral("not translated: ") + texts[0][i];
        // Each sign's name and reading in the result, from the first day of
        // 2001 on that has it.
        QList<astro::Sign> left(astro::AllSigns.begin(), astro::AllSigns.end());
        for (qint64 day = astro::DaysFromCivil(2001, 1, 1); !left.isEmpty(); ++day) {
            const astro::CivilDate d = astro::CivilFromDays(day);
            const astro::Answer answer = astro::AnswerFor({d.year, d.month, d.day, std::nullopt, {}, true});
            if (left.removeOne(*answer.sign)) {
                forms::Display()->showAnswer(QStringLiteral("ANNA"), answer);
                check(forms::Display());
            }
        }
        for (const astro::Birth &birth : longNotes()) {
            forms::Display()->showAnswer(QStringLiteral("MAXIMILIANA"), astro::AnswerFor(birth));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            const QString hidden = notesHidden(forms::Display());
            if (!hidden.isEmpty())
                misfits << hidden;
        }
        for (int text = 0; text < 4; ++text) {
            Child<QLabel>(forms::ExitWindow(), "Label2")->setText(frmNagScreen2::SupportText(text));
            check(forms::ExitWindow());
        }
        misfits.removeDuplicates();
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u'\n')));
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "&Yes") != u"&Yes"); // Qt's own buttons too
        // The month as a date writes it is the one the language's own locale
        // writes (Polish and Russian in the genitive).
        QVERIFY(QLocale(language).toString(QDate(1965, 3, 15), QLocale::LongFormat).contains(astro::MonthInDateName(3), Qt::CaseInsensitive));
    }

    void glossary_data() { language_data(); }

    // Each .ts file against the checks of its glossary
    // (translations/glossary_<language>.md): months in a sentence, the
    // date's pattern, words the language does not use here, spaces before
    // punctuation, opening marks, quotes and apostrophes, key names.
    void glossary()
    {
        QFETCH(QString, language);
        const QHash<QString, QString> rules = glossaryChecks(language);
        const QList<Entry> entries = entriesOf(language);
        QVERIFY2(rules.contains(QStringLiteral("date")), "the glossary needs its checks block");
        QVERIFY(!entries.isEmpty());
        i18n::Install(language);
        QStringList wrong;
        const bool lower = rules.value(QStringLiteral("months in sentences")) == u"lower";
        QVERIFY(lower || rules.value(QStringLiteral("months in sentences")) == u"capitalised");
        for (int month = 1; month <= 12; ++month) {
            const QString name = astro::MonthInDateName(month);
            if (name.isEmpty() || name.front().isLower() != lower)
                wrong << name;
        }
        const QString date = QCoreApplication::translate("ResultNotes", "%1 %2 %3", "a date: day, month name, year")
                                 .arg(QStringLiteral("15"), astro::MonthInDateName(3), QStringLiteral("1965"));
        if (date != rules.value(QStringLiteral("date")))
            wrong << date;
        for (const QString &word : rules.value(QStringLiteral("never")).split(QLatin1String(", "), Qt::SkipEmptyParts)) {
            const QRegularExpression whole(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(word)),
                                           QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
            for (const Entry &e : entries)
                if (e.text.contains(whole))
                    wrong << word + QLatin1String(" in: ") + e.text.left(80);
        }
        // A no-break space before these in the windows, an ordinary one in
        // the terminal; inside a token (12:00, HH:MM, an address) they are
        // no punctuation.
        for (const QChar mark : rules.value(QStringLiteral("no-break space before"))) {
            for (const Entry &e : entries) {
                const bool terminal = e.context == u"commandline" || e.context == u"nodisplay";
                for (qsizetype i = e.text.indexOf(mark); i >= 0; i = e.text.indexOf(mark, i + 1)) {
                    const QChar before = i > 0 ? e.text[i - 1] : QChar();
                    if ((i + 1 == e.text.size() || e.text[i + 1].isSpace())
                        && (terminal ? before != u' ' : before != QChar(0xa0) && before != QChar(0x202f)))
                        wrong << QStringLiteral("space before %1: %2").arg(mark).arg(e.text.mid(std::max<qsizetype>(0, i - 40), 41));
                }
            }
        }
        const QString opening = rules.value(QStringLiteral("opening marks")); // ¿¡
        const QStringList quotes = rules.value(QStringLiteral("quotes")).split(u' ');
        QCOMPARE(quotes.size(), 2);
        for (const Entry &e : entries) {
            if (opening.size() == 2 && ((e.text.contains(u'?') && !e.text.contains(opening[0]))
                                        || (e.text.contains(u'!') && !e.text.contains(opening[1]))))
                wrong << QLatin1String("opening mark: ") + e.text;
            if (e.text.contains(u'"') || (e.source.contains(QLatin1String("'%1'")) && !(e.text.contains(quotes[0]) && e.text.contains(quotes[1]))))
                wrong << QLatin1String("quotes: ") + e.text;
            if (rules.contains(QStringLiteral("apostrophe")) && e.text.contains(u'\''))
                wrong << QLatin1String("apostrophe: ") + e.text;
        }
        wrong.removeDuplicates();
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
        // Key names in menus, from Qt's own translation (its QShortcut context).
        QCOMPARE(QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText), rules.value(QStringLiteral("shortcut Copy")));
        // The date as the result window writes it, and the first of a month.
        for (const auto &[day, rule] : {std::pair{15, "date"}, std::pair{1, "first of a month"}}) {
            QVERIFY2(rules.contains(QLatin1String(rule)), rule);
            const QString answer =
                astro::NotesFor(QStringLiteral("ANNA"), astro::AnswerFor({1965, 3, day, std::nullopt, {}, true})).answeredFor;
            QVERIFY2(answer.contains(rules.value(QLatin1String(rule))), qPrintable(answer));
        }
    }

    void help_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QStringLiteral("en");
        for (const QString &language : i18n::Languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    // --help as each language prints it: at most 79 columns, the program's
    // name at one column in the usage lines, and each option's description
    // and its continuation lines at one column (an option too long for the
    // column has its description on the next line).
    void help()
    {
#ifdef Q_OS_WIN
        QSKIP("LANGUAGE does not choose the language there");
#else
        QFETCH(QString, language);
        QProcess app;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("LANGUAGE"), language);
        app.setProcessEnvironment(environment);
        app.start(QStringLiteral(STARKINDLE_APP), {QStringLiteral("--help")});
        QVERIFY(app.waitForFinished(60000));
        QCOMPARE(app.exitCode(), 0);
        const QStringList lines = QString::fromUtf8(app.readAllStandardOutput()).split(u'\n');
        QVERIFY(lines.size() > 10);
        QCOMPARE(lines[0].startsWith(QLatin1String("Usage:")), language == u"en"); // in the language asked for
        QStringList wide;
        for (const QString &line : lines)
            if (line.toUcs4().size() > 79)
                wide << line;
        QVERIFY2(wide.isEmpty(), qPrintable(wide.join(u'\n')));
        QCOMPARE(lines[1].indexOf(QLatin1String("starkindle")), lines[0].indexOf(QLatin1String("starkindle")));
        // "  -h, --help   text": the option, then two spaces or more.
        static const QRegularExpression option(QStringLiteral("^ {2,6}-(?:\\S| (?! ))*( {2,}|$)"));
        QStringList misaligned;
        qsizetype column = -1;
        for (qsizetype i = lines.indexOf(QRegularExpression(QStringLiteral(" {2,6}-.*"))); i >= 0 && !lines[i].isEmpty(); ++i) {
            const QRegularExpressionMatch m = option.match(lines[i]);
            if (m.hasMatch() && m.capturedLength(1) == 0)
                continue; // the description follows on the next line
            const qsizetype at = m.hasMatch() ? m.capturedEnd(1) : lines[i].indexOf(QRegularExpression(QStringLiteral("\\S")));
            if (column < 0)
                column = at;
            if (at != column)
                misaligned << lines[i];
        }
        QVERIFY(column > 0);
        QVERIFY2(misaligned.isEmpty(), qPrintable(misaligned.join(u'\n')));
#endif
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
