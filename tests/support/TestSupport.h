#pragma once

// What the window and application suites share, on top of the platform
// stand-ins: which windows are loaded or left over, top-most windows and the
// tab order.

#include "support/PlatformSupport.h"
#include "support/WidgetSupport.h"

#include <QStringList>
#include <QWidget>

// Whether the window is kept above all others, as the system sees it: the
// top-most extended style on Windows, the stay-on-top flag elsewhere.
bool IsTopMost(const QWidget *window);

// The next widget Tab moves to from w.
QWidget *NextTabStop(QWidget *w);

// Top-level widgets still alive once deferred deletes have run, ignoring
// popups Qt keeps for itself. Tests check it is empty after each case.
QStringList LeftoverWindows();

// Whether the application's window of this name (frmMain, frmDisplay,
// frmNagScreen2) is loaded: among the top-level windows and not unloaded.
bool IsLoaded(const char *name);
