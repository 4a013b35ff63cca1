#pragma once

// What every in-process test shares that needs no window: stand-ins for the
// platform seams (boxes, the shell, the settings store), the environment and
// locale for a test's lifetime, and the table of the maker's pages. Linked
// by the astro, web and platform suites, which link nothing of the windows.

#include "Config.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/Testing.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

Q_DECLARE_METATYPE(platform::Answer)

// Every page the application opens, on the two sites the build names
// (Config.h). Tests expect addresses from here, never written out.
namespace page {
inline const QString Home = QStringLiteral(STARKINDLE_WEB_SITE);
inline const QString Help = QStringLiteral(STARKINDLE_WEB_SITE "/starkindle/starkindle-help.html");
inline const QString Download = QStringLiteral(STARKINDLE_WEB_SITE "/starkindle/download-starkindle.html");
inline const QString Softwares = QStringLiteral(STARKINDLE_WEB_SITE "/corvanesoftwares");
inline const QString Donate = QStringLiteral(STARKINDLE_HELP_SITE "/donate.html");
inline const QString FullBrand = QStringLiteral(STARKINDLE_HELP_SITE "/fully-branded.html");
inline const QString CoBrand = QStringLiteral(STARKINDLE_HELP_SITE "/co-brand.html");
} // namespace page

// Answers message boxes in place of the user and keeps what they showed.
// Installed for its lifetime; whoever answered before comes back when it goes.
class MessageRecorder
{
public:
    MessageRecorder();

    // The answer for the next box; without one, a box is answered with its
    // default button (Yes on a Yes/No box).
    void answerNext(platform::Answer answer) { m_answers.push_back(answer); }

    const QList<platform::MessageRequest> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

private:
    platform::Answer answer(const platform::MessageRequest &request);

    QList<platform::MessageRequest> m_shown;
    std::deque<platform::Answer> m_answers;
    const platform::testing::ScopedMessageHandler m_handler; // last: goes first
};

// Keeps the addresses handed to the shell instead of opening a browser, for
// its lifetime.
class ShellRecorder
{
public:
    ShellRecorder();

    const QStringList &opened() const { return m_opened; }
    void clear() { m_opened.clear(); }

private:
    QStringList m_opened;
    const platform::testing::ScopedShellOpen m_shell; // last: goes first
};

// Runs what menu commands and screen-reader actions have queued; they start
// only after their trigger has returned.
inline void RunQueuedCommands()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

// A settings store in memory that counts its use and can be made to fail.
class MemorySettings : public platform::SettingsStore
{
public:
    enum Fault { None, Unreadable, Unwritable, Throws };

    platform::SettingRead read(const QString &section, const QString &key) override;
    bool write(const QString &section, const QString &key, const QString &value) override;

    QString value(const QString &section, const QString &key) const { return m_values.value(section + u'/' + key); }
    void setValue(const QString &section, const QString &key, const QString &v) { m_values[section + u'/' + key] = v; }

    Fault fault = None;
    int reads = 0;
    int writes = 0; // successful ones

private:
    QHash<QString, QString> m_values;
};

// A fresh MemorySettings as the settings store, for its lifetime.
class ScopedMemorySettings
{
public:
    ScopedMemorySettings();
    MemorySettings *operator->() const { return m_store; }

private:
    MemorySettings *m_store; // owned by the platform layer's slot while m_scope lives
    const platform::testing::ScopedSettingsStore m_scope;
};

// An environment variable set (or, with no value, removed) for its lifetime.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, std::optional<QByteArray> value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *m_name;
    std::optional<QByteArray> m_previous;
};

// QLocale's default locale, for its lifetime.
class ScopedDefaultLocale
{
public:
    explicit ScopedDefaultLocale(const QLocale &locale)
    {
        QLocale::setDefault(locale);
    }
    ~ScopedDefaultLocale() { QLocale::setDefault(m_previous); }
    ScopedDefaultLocale(const ScopedDefaultLocale &) = delete;
    ScopedDefaultLocale &operator=(const ScopedDefaultLocale &) = delete;

private:
    const QLocale m_previous;
};

// Runs act in the application's event loop, as a running application does,
// and tells whether it asked the application to end (QCoreApplication::quit,
// which does nothing outside a running loop).
bool EndsApplication(const std::function<void()> &act);
