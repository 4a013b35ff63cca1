#pragma once

class frmMain;
class frmDisplay;

// The application's windows are created on first use and destroyed when
// unloaded; these accessors create a window when it is not loaded and hand
// back the loaded one otherwise.
namespace forms {

frmMain *Main();
bool IsMainLoaded();

frmDisplay *Display();
bool IsDisplayLoaded();

// The leaving stage. An exit route's unload brings the leaving stage up; Back
// takes it down again straight after its own unload.
void ShowExitWindow();
void HideExitWindow();

// Unloads every window still loaded and ends the event loop.
void ExitApplication();

} // namespace forms
