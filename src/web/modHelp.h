#pragma once

#include <QString>

// The maker's pages, on the two sites Config.h names. Each operation hands
// one fixed address to the shell (platform::ShellOpen) and returns at once.
// Nothing is reported on Windows; elsewhere the first address no browser
// could be started for is shown in a box (see platform/Shell.h).
namespace modHelp {

QString WebSite(); // base address of the maker's web site, no trailing slash

void OpenWebPage(const QString &address);

void OpenDonateInfoPage();
void OpenHelpPage();
void OpenFullBrandPage();
void OpenCoBrandPage();
void OpenHomePage();
void OpenDownloadPage();
void OpenSoftwaresPage();

// The update reminder, once per run before the main window appears. The
// first run stores today's date silently; a start 15 or more days away from
// the stored date (either way) asks whether to look for an update, stores
// today's date whatever the answer, and on Yes opens the download page.
void CheckUpdateReminder();

// Where the reminder keeps its date in the settings store.
QString ReminderSection();
QString ReminderKey();

} // namespace modHelp
