#include "web/modHelp.h"

#include "Config.h"
#include "platform/Shell.h"

namespace modHelp {

QString WebSite()
{
    return QStringLiteral(STARKINDLE_WEB_SITE);
}

void OpenWebPage(const QString &address)
{
    platform::ShellOpen(address);
}

void OpenDonateInfoPage()
{
    OpenWebPage(QStringLiteral(STARKINDLE_HELP_SITE "/donate.html"));
}

void OpenHelpPage()
{
    OpenWebPage(QStringLiteral(STARKINDLE_WEB_SITE "/starkindle/starkindle-help.html"));
}

void OpenFullBrandPage()
{
    OpenWebPage(QStringLiteral(STARKINDLE_HELP_SITE "/fully-branded.html"));
}

void OpenCoBrandPage()
{
    OpenWebPage(QStringLiteral(STARKINDLE_HELP_SITE "/co-brand.html"));
}

void OpenHomePage()
{
    OpenWebPage(QStringLiteral(STARKINDLE_WEB_SITE));
}

void OpenDownloadPage()
{
    OpenWebPage(QStringLiteral(STARKINDLE_WEB_SITE "/starkindle/download-starkindle.html"));
}

void OpenSoftwaresPage()
{
    OpenWebPage(QStringLiteral(STARKINDLE_WEB_SITE "/corvanesoftwares"));
}

} // namespace modHelp
