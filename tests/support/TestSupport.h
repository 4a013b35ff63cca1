#pragma once

#include "Config.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/Testing.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <chrono>
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

// Whether the window is kept above all others, as the system sees it: the
// top-most extended style on Windows, the stay-on-top flag elsewhere.
bool IsTopMost(const QWidget *window);

// The next widget Tab moves to from w.
QWidget *NextTabStop(QWidget *w);

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

// Top-level widgets still alive once deferred deletes have run, ignoring
// popups Qt keeps for itself. Tests check it is empty after each case.
QStringList LeftoverWindows();

// Whether the application's window of this name (frmMain, frmDisplay,
// frmNagScreen2) is loaded: among the top-level windows and not unloaded.
bool IsLoaded(const char *name);

// Runs act in the application's event loop, as a running application does,
// and tells whether it asked the application to end (QCoreApplication::quit,
// which does nothing outside a running loop).
bool EndsApplication(const std::function<void()> &act);

// The child of window with the given object name; a missing one ends the test
// run, since every later check would be meaningless.
template <class T>
T *Child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

// Shows a window, makes it the active one and waits until it is, so focus and
// access keys behave as for a user. A window that never activates ends the run.
template <class W>
W *ShowActive(W *window)
{
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qFatal("%s did not become active", qPrintable(window->objectName()));
    return window;
}

// Once a modal window of type W is up, hands it to act, which is expected to
// close it. Call before the code that opens the window and blocks. A window
// that is not up within the deadline ends the run with a message naming the
// test, rather than leaving the caller blocked until CTest kills it.
template <class W>
void WhenModalAppears(std::function<void(W *)> act, std::chrono::milliseconds deadline = std::chrono::seconds(10))
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QElapsedTimer waited;
    waited.start();
    QByteArray test = QTest::currentTestFunction();
    if (const char *tag = QTest::currentDataTag())
        test += '(' + QByteArray(tag) + ')';
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, waited, deadline, test] {
        if (auto *window = qobject_cast<W *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(window);
        } else if (waited.elapsed() > deadline.count()) {
            timer->stop();
            const QWidget *other = QApplication::activeModalWidget();
            qFatal("WhenModalAppears in %s: no %s became the active modal window within %lld ms "
                   "(the active modal window: %s)",
                   test.constData(), W::staticMetaObject.className(), static_cast<long long>(deadline.count()),
                   other ? other->metaObject()->className() : "none");
        }
    });
    timer->start();
}
