#pragma once

#include <QString>

// The maker's pages. Each operation hands one fixed address to the shell and
// returns at once; nothing is reported, whatever the shell makes of it.
namespace modHelp {

QString WebSite();  // base address of the maker's web site, no trailing slash
QString HelpSite(); // base address of the maker's help site, no trailing slash

void OpenWebPage(const QString &address);

void OpenDonateInfoPage();
void OpenHelpPage();
void OpenFullBrandPage();
void OpenCoBrandPage();
void OpenHomePage();
void OpenDownloadPage();
void OpenSoftwaresPage();

} // namespace modHelp
