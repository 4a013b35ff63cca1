#pragma once

// The platform layer's test hooks. Tests include this header; product code
// never does (the test no_test_hooks_in_product checks). Each object below
// puts a stand-in in place of one seam for as long as it lives, then puts
// back whatever was there before: they nest, and no test depends on another
// having cleaned up after itself.

#include "platform/MessageBox.h"
#include "platform/Settings.h"

#include <QDate>
#include <QString>
#include <QTimeZone>

#include <functional>
#include <memory>
#include <utility>

#ifdef Q_OS_WIN
#include "platform/Shell_win.h"
#endif

namespace platform {

namespace detail {

// The slots the seams read, each defined beside its seam. Empty means the
// real thing.
std::function<QDate()> &TodaySlot();                   // Clock.cpp: Today()
std::function<QTimeZone()> &TimeZoneSlot();            // Clock.cpp: LocalTimeZone()
std::function<float()> &RandomSlot();                  // Clock.cpp: Rnd()
std::function<void(const QString &)> &ShellOpenSlot(); // Shell.cpp: ShellOpen()
std::unique_ptr<SettingsStore> &SettingsSlot();        // Settings.cpp: Settings()
MessageHandler &MessageHandlerSlot();                  // MessageBox.cpp: ShowMessage()
SaveFileHandler &SaveFileSlot();                       // MessageBox.cpp: AskFileToSave()
#ifdef Q_OS_WIN
ShellExecuteFunction &ShellExecuteSlot(); // Shell_win.cpp: the real shell's ShellExecuteA
#endif

// Holds value in slot for its lifetime, and the slot's previous value after.
template <class T>
class ScopedSlot
{
public:
    ScopedSlot(T &slot, T value)
        : m_slot(slot)
        , m_previous(std::exchange(slot, std::move(value)))
    {
    }
    ~ScopedSlot() { m_slot = std::move(m_previous); }
    ScopedSlot(const ScopedSlot &) = delete;
    ScopedSlot &operator=(const ScopedSlot &) = delete;

private:
    T &m_slot;
    T m_previous;
};

} // namespace detail

namespace testing {

// Today() is this date.
class ScopedToday : detail::ScopedSlot<std::function<QDate()>>
{
public:
    explicit ScopedToday(QDate today)
        : ScopedSlot(detail::TodaySlot(), [today] { return today; })
    {
    }
};

// LocalTimeZone() is this zone.
class ScopedTimeZone : detail::ScopedSlot<std::function<QTimeZone()>>
{
public:
    explicit ScopedTimeZone(QTimeZone zone)
        : ScopedSlot(detail::TimeZoneSlot(), [zone] { return zone; })
    {
    }
};

// Rnd() draws r, every time.
class ScopedRandom : detail::ScopedSlot<std::function<float()>>
{
public:
    explicit ScopedRandom(float r)
        : ScopedSlot(detail::RandomSlot(), [r] { return r; })
    {
    }
};

// ShellOpen() hands its addresses to open instead of the desktop.
class ScopedShellOpen : detail::ScopedSlot<std::function<void(const QString &)>>
{
public:
    explicit ScopedShellOpen(std::function<void(const QString &address)> open)
        : ScopedSlot(detail::ShellOpenSlot(), std::move(open))
    {
    }
};

// Settings() is this store, which the object owns while it lives.
class ScopedSettingsStore : detail::ScopedSlot<std::unique_ptr<SettingsStore>>
{
public:
    explicit ScopedSettingsStore(std::unique_ptr<SettingsStore> store)
        : ScopedSlot(detail::SettingsSlot(), std::move(store))
    {
    }
};

// ShowMessage() asks handler instead of whoever answered before.
class ScopedMessageHandler : detail::ScopedSlot<MessageHandler>
{
public:
    explicit ScopedMessageHandler(MessageHandler handler)
        : ScopedSlot(detail::MessageHandlerSlot(), std::move(handler))
    {
    }
};

// AskFileToSave() asks handler instead.
class ScopedSaveFileHandler : detail::ScopedSlot<SaveFileHandler>
{
public:
    explicit ScopedSaveFileHandler(SaveFileHandler handler)
        : ScopedSlot(detail::SaveFileSlot(), std::move(handler))
    {
    }
};

#ifdef Q_OS_WIN
// The real shell calls function, with ShellExecuteA's six arguments, in
// place of ShellExecuteA.
class ScopedShellExecute : detail::ScopedSlot<detail::ShellExecuteFunction>
{
public:
    explicit ScopedShellExecute(detail::ShellExecuteFunction function)
        : ScopedSlot(detail::ShellExecuteSlot(), function)
    {
    }
};
#endif

} // namespace testing

} // namespace platform
