#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

// Watches Qt's messages while QApplication opens the display. When no display
// can be opened, Qt gives up with a fatal message that suggests reinstalling
// and aborts with a core dump; instead the user gets one line saying what is
// wrong and the process ends with status 1. Other messages are held back and
// passed on once the display is open.
//
// A local X server that is running but drops the connection (as it does
// while it resets, whenever its last client has gone) is tried again: the
// program starts itself anew, with the same arguments, a few times over
// two seconds before it gives up.
class NoDisplayGuard
{
public:
    // argv as main() got it, before QApplication takes its own options out.
    explicit NoDisplayGuard(char **argv);
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
    std::vector<char *> m_argv;
    int m_tries = 0; // earlier starts of this one that lost the display
    QtMessageHandler m_previous = nullptr;
    bool m_active = false;
};
