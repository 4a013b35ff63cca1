#include "app/forms/Promotion.h"

#include "app/forms/FormWindow.h"
#include "app/forms/frmAbout.h"
#include "app/widgets/ClickLabel.h"
#include "app/widgets/Look.h"
#include "web/modHelp.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QUrl>

namespace promotion {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("promotion", text);
}

// The two promotional labels: bold and underlined, on an opaque panel so the
// one in front hides the other.
ClickLabel *promotionalLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                             Qt::Alignment alignment)
{
    return look::link(parent, name, text, geometry, look::font(8.25, look::Bold | look::Underlined), look::Text,
                      alignment, true);
}

} // namespace

ClickLabel *Banner(QWidget *parent, const QRect &geometry)
{
    ClickLabel *label = look::link(parent, "Label61",
                                   tr("Talk it over in the Corvane forum at %1").arg(QUrl(modHelp::WebSite()).host()),
                                   geometry, look::font(9, look::Bold | look::Underlined), look::Text,
                                   Qt::AlignHCenter | Qt::AlignTop);
    QObject::connect(label, &ClickLabel::clicked, label, &modHelp::OpenHomePage);
    return label;
}

ClickLabel *FullBrandLabel(QWidget *parent, const QRect &geometry, Qt::Alignment alignment)
{
    ClickLabel *label = promotionalLabel(
        parent, "lblFullBrand",
        tr("Home Business Opportunity. Start your own Internet business and make money online. Get this software "
           "fully branded for your website. Click here for more details."),
        geometry, alignment);
    QObject::connect(label, &ClickLabel::clicked, label, &modHelp::OpenFullBrandPage);
    return label;
}

ClickLabel *CoBrandLabel(QWidget *parent, const QRect &geometry)
{
    ClickLabel *label = promotionalLabel(
        parent, "lblCobrand",
        tr("Co-brand this software for your site. Your name and links go on every copy your visitors take home; "
           "see the Help for details. Click Here for more info on co-branding."),
        geometry, Qt::AlignLeft | Qt::AlignTop);
    QObject::connect(label, &ClickLabel::clicked, label, &modHelp::OpenCoBrandPage);
    return label;
}

void AddWebMenus(FormWindow *window, const QString &updateCaption, const char *firstSeparator,
                 const char *secondSeparator)
{
    QMenuBar *bar = window->menuBar();
    QMenu *help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    window->addMenuItem(help, "mnuOnline", tr("&Online Help"), window, &modHelp::OpenHelpPage);
    window->addMenuItem(help, "mnuVisit", tr("&Visit Us Online"), window, &modHelp::OpenHomePage);
    help->addSeparator()->setObjectName(QString::fromLatin1(firstSeparator));
    window->addMenuItem(help, "mnuUpdate", updateCaption, window, &modHelp::OpenDownloadPage);
    help->addSeparator()->setObjectName(QString::fromLatin1(secondSeparator));
    window->addMenuItem(help, "mnuAbout", tr("&About Software"), window, &frmAbout::ShowModal);

    window->addMenuItem(bar, "mnuDonate", tr("&Donate"), window, &modHelp::OpenDonateInfoPage);
    // Out of the bar as well as hidden: a screen reader counts every command
    // in the bar.
    QAction *makeMoney = window->addMenuItem(bar, "mnuMakeMoneyOnline", tr("Make Money &Online"), window,
                                             &modHelp::OpenFullBrandPage);
    makeMoney->setVisible(false);
    bar->removeAction(makeMoney);
}

} // namespace promotion
