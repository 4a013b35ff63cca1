// Stands in for a starting copy of the application in tst_singleinstance.
//
//   instance_holder <lockPath> <startAtEpochMs> <holdMs>
//       waits for the shared start instant, tries the lock, prints "won" or
//       "lost", and a winner keeps the lock for holdMs before exiting.
//   instance_holder <lockPath> hold
//       tries the lock, prints "won" or "lost", then sleeps until killed.
//   instance_holder default-path
//       prints DefaultInstanceLockPath(), computed with no QCoreApplication.
//
// There is deliberately no QCoreApplication, as in the application's main().

#include "platform/SingleInstance.h"

#include <QDateTime>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

void Say(const char *text)
{
    std::fputs(text, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void SleepMs(qint64 ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "default-path") == 0) {
        const QByteArray path = QFile::encodeName(platform::InstanceGuard::DefaultInstanceLockPath());
        Say(path.constData());
        return 0;
    }

    if (argc == 3 && qstrcmp(argv[2], "hold") == 0) {
        platform::InstanceGuard guard(QFile::decodeName(argv[1]));
        Say(guard.tryAcquire() ? "won" : "lost");
        for (;;)
            SleepMs(60 * 60 * 1000);
    }

    if (argc != 4)
        return 2;
    bool startOk = false;
    bool holdOk = false;
    const qint64 startAt = QByteArray(argv[2]).toLongLong(&startOk);
    const qint64 holdMs = QByteArray(argv[3]).toLongLong(&holdOk);
    if (!startOk || !holdOk)
        return 2;

    SleepMs(startAt - QDateTime::currentMSecsSinceEpoch());
    platform::InstanceGuard guard(QFile::decodeName(argv[1]));
    const bool won = guard.tryAcquire();
    Say(won ? "won" : "lost");
    if (won)
        SleepMs(holdMs);
    return 0;
}
