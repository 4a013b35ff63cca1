#pragma once

#include <QString>

// Start-up: the instance test's verdict, the random seed, the update
// reminder, the main window and the co-brand draw, in that order.
namespace startup {

// Runs once at process start, before any window exists. When another
// instance runs, says so and ends; otherwise the main window is up when it
// returns. True when the application should go on running.
bool StartApplication(bool anotherInstanceRunning);

// Why a start without the single-instance claim is refused where the claim
// may not be missing (see platform::InstanceGuard::UnguardedStartAllowed);
// printed on standard error before the display is opened.
QString UnguardedStartText();
// Says the same in a box, once the display is open.
void RefuseUnguardedStart();

// Brings one of the main window's two promotional labels to the front, at
// random, once per run.
void CoBrand_Randomize();

} // namespace startup
