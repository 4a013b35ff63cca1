#include "i18n/Translations.h"

#include "Embedded.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace i18n {

// The .qm files, compiled in by src/i18n/CMakeLists.txt.
std::span<const embed::File> EmbeddedFiles();

namespace {

struct Translation {
    QString language;
    std::unique_ptr<QTranslator> own; // translations/starkindle_<language>.ts
    std::unique_ptr<QTranslator> qt;  // the part of Qt's qtbase_<language>.qm the windows show
};

Translation &installed()
{
    static Translation translation;
    return translation;
}

// The compiled-in <name>.qm, read in place; none if missing. English never
// gets here, so its start-up does not page in any of them.
std::unique_ptr<QTranslator> load(const QString &name)
{
    const QByteArray file = (name + QStringLiteral(".qm")).toUtf8();
    for (const embed::File &qm : EmbeddedFiles()) {
        if (qm.name != std::string_view(file.constData(), static_cast<size_t>(file.size())))
            continue;
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(qm.begin, static_cast<int>(qm.size())))
            return nullptr;
        return translator;
    }
    return nullptr;
}

} // namespace

QStringList Languages()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("pt_BR"),
            QStringLiteral("it"), QStringLiteral("nl"), QStringLiteral("pl"), QStringLiteral("ru")};
}

QString Choose(const QStringList &preferred)
{
    for (const QString &tag : preferred) {
        // language[-Script][-TERRITORY], or a locale name (pt_BR.UTF-8@euro).
        // Split by hand: a regular expression here would load and compile
        // PCRE2 at every start, for nothing (about 440 KiB of its pages).
        QString name = tag.section(u'.', 0, 0).section(u'@', 0, 0);
        name.replace(u'_', u'-');
        const QStringList parts = name.split(u'-');
        const QString language = parts.front().toLower();
        // C or POSIX in the list ends it, as with gettext; English is ours.
        if (language == u"c" || language == u"posix" || language == u"en")
            return {};
        // The user's region if we have it, else any region's (pt_PT gets
        // pt_BR): the language is what the user reads.
        QString found;
        for (const QString &ours : Languages()) {
            const QString oursLanguage = ours.section(u'_', 0, 0);
            if (oursLanguage != language)
                continue;
            if (found.isEmpty() || (ours.contains(u'_') && parts.contains(ours.section(u'_', 1), Qt::CaseInsensitive)))
                found = ours;
        }
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QStringList SystemLanguages()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty())
        messages = qgetenv("LC_MESSAGES");
    if (messages.isEmpty())
        messages = qgetenv("LANG");
    if (messages.isEmpty() || messages == "C" || messages == "POSIX")
        return {};
#endif
    return QLocale::system().uiLanguages();
}

void Install(const QString &language)
{
    Translation &translation = installed();
    for (QTranslator *translator : {translation.own.get(), translation.qt.get()}) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
    }
    translation = {};
    if (!Languages().contains(language))
        return;
    translation.language = language;
    translation.qt = load(QStringLiteral("qtbase_") + language);
    translation.own = load(QStringLiteral("starkindle_") + language);
    // The one installed last is asked first.
    for (QTranslator *translator : {translation.qt.get(), translation.own.get()}) {
        if (translator)
            QCoreApplication::installTranslator(translator);
    }
}

QString TranslateEarly(const char *context, const char *sourceText)
{
    static const std::unique_ptr<QTranslator> translator = [] {
        const QString language = Choose(SystemLanguages());
        return language.isEmpty() ? nullptr : load(QStringLiteral("starkindle_") + language);
    }();
    const QString text = translator ? translator->translate(context, sourceText) : QString();
    return text.isEmpty() ? QString::fromUtf8(sourceText) : text;
}

} // namespace i18n
