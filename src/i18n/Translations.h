#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The user's language. The translations (translations/*.ts) and the part of
// Qt's own that the windows show are compiled into the program; English,
// the texts in the source, needs none.
namespace i18n {

// The languages there are translations for, as their files are named.
QStringList Languages();

// The translation to use for languages in order of preference, as
// QLocale::uiLanguages() gives them ("de-AT", "pt-PT", "en"): the first
// whose language is English or one of Languages()'s, whatever its region
// (pt-PT gets pt_BR; a region we have is preferred when a language has
// several); empty for English, for C or POSIX, and when none is.
QString Choose(const QStringList &preferred);

// The user's languages in order of preference: LANGUAGE, then LC_ALL,
// LC_MESSAGES or LANG, as QLocale::uiLanguages() reads them. As with GNU
// gettext, LANGUAGE counts only when the locale (the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty) is neither C nor POSIX:
// a C or POSIX locale, or none, means English whatever LANGUAGE says
// (LANGUAGE=de LANG=C.UTF-8 is German). Unlike gettext, a locale need not
// be installed: the translations and Qt's locale data are in the program.
QStringList SystemLanguages();

// Puts the translations of language (one of Languages(), or empty for
// English) in place of those installed before, for every text translated
// from then on. Needs the application object.
void Install(const QString &language);



// A text of the program's own translation for the system's language, for
// the command line, before there is an application object.
QString TranslateEarly(const char *context, const char *sourceText);

} // namespace i18n
