// Stands in for a starting copy of the application in tst_singleinstance.
//
//   instance_holder <lockPath> race
//       prints "ready", waits for a line on its input (the starting gun all
//       copies get at once), tries the lock, prints "won" or "lost"; a
//       loser exits, a winner keeps the lock until killed.
//   instance_holder <lockPath> hold
//       tries the lock, prints "won" or "lost", then sleeps until killed.
//   instance_holder default-path
//       prints DefaultInstanceLockPath(), computed with no QCoreApplication.
//
// There is deliberately no QCoreApplication, as in the application's main().

#include "platform/SingleInstance.h"

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

    if (argc != 3 || qstrcmp(argv[2], "race") != 0)
        return 2;
    Say("ready");
    if (std::fgetc(stdin) == EOF)
        return 2;
    platform::InstanceGuard guard(QFile::decodeName(argv[1]));
    const bool won = guard.tryAcquire();
    Say(won ? "won" : "lost");
    if (won) {
        for (;;)
            SleepMs(60 * 60 * 1000);
    }
    return 0;
}
