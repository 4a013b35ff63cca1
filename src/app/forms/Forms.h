#pragma once

class frmMain;
class frmDisplay;
class frmNagScreen2;

// The application's windows are created on first use and destroyed when
// unloaded; these accessors create a window when it is not loaded and hand
// back the loaded one otherwise.
namespace forms {

frmMain *Main();

// Shows the main window, loading it first if need be.
void ShowMain();

frmDisplay *Display();

frmNagScreen2 *ExitWindow();
bool IsExitWindowLoaded();

// Shows the exit window above all others, loading it first if need be. Does
// nothing once the application is ending.
void ShowExitWindow();

// Hides the exit window; loading it to hide it never shows it.
void HideExitWindow();

// Unloads every window still loaded, each through its own unload handler,
// and ends the event loop. Whatever the handlers show or unload meanwhile
// does not stop the pass, and a call from inside the pass does nothing.
void ExitApplication();

} // namespace forms
