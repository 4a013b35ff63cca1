#include "app/StartUp.h"

#include "app/forms/Forms.h"
#include "app/forms/frmMain.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "web/CoBrand.h"
#include "web/modHelp.h"

#include <QCoreApplication>

namespace startup {

namespace {
// Start-up goes on past a step that fails; nothing is reported.
template <class Step>
void carryOn(Step step)
{
    try {
        step();
    } catch (...) {
    }
}
} // namespace

bool StartApplication(bool anotherInstanceRunning)
{
    if (anotherInstanceRunning) {
        platform::ShowMessage(QCoreApplication::translate("startup", "Application is already running"));
        forms::ExitApplication();
        return false;
    }
    carryOn(platform::Randomize);
    carryOn(modHelp::CheckUpdateReminder);
    carryOn([] { forms::Main()->show(); });
    carryOn(CoBrand_Randomize);
    return true;
}

QString UnguardedStartText()
{
    return QCoreApplication::translate("startup",
                                       "Starkindle cannot start: it found no private folder for the lock that keeps a "
                                       "second copy from running. The system has no home folder on record for your "
                                       "user, and HOME is not a folder that only you can write to. Set HOME to such a "
                                       "folder and start Starkindle again.");
}

void RefuseUnguardedStart()
{
    platform::ShowMessage(UnguardedStartText(), platform::MessageIcon::Stop);
}

void CoBrand_Randomize()
{
    forms::Main()->bringPromotionToFront(cobrand::ActionFor(cobrand::Number(platform::Rnd())));
}

} // namespace startup
