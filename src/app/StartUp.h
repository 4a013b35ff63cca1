#pragma once

// Start-up: the instance test's verdict, the random seed, the update
// reminder, the main window and the co-brand draw, in that order.
namespace startup {

// Runs once at process start, before any window exists. When another
// instance runs, says so and ends; otherwise the main window is up when it
// returns. True when the application should go on running.
bool StartApplication(bool anotherInstanceRunning);

// Brings one of the main window's two promotional labels to the front, at
// random, once per run.
void CoBrand_Randomize();

} // namespace startup
