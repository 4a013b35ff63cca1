#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

// Watches Qt's messages while QApplication opens the display. When no display
// can be opened, Qt gives up with a fatal message that suggests reinstalling
// and aborts with a core dump; instead the user gets one line saying what is
// wrong and the process ends with status 1. Other messages are held back and
// passed on once the display is open.
class NoDisplayGuard
{
public:
    NoDisplayGuard();
    ~NoDisplayGuard();
    NoDisplayGuard(const NoDisplayGuard &) = delete;
    NoDisplayGuard &operator=(const NoDisplayGuard &) = delete;

    // The display is open: pass on what was held back and stop watching.
    void release();

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message);

    struct Held {
        QtMsgType type;
        QByteArray file, function, category;
        int line;
        QString message;
    };
    std::vector<Held> m_held;
    QtMessageHandler m_previous = nullptr;
    bool m_active = false;
};
