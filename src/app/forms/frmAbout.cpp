#include "app/forms/frmAbout.h"

#include "Config.h"
#include "app/widgets/AppIcon.h"
#include "app/widgets/ClickLabel.h"
#include "app/forms/FormWindow.h"
#include "app/widgets/Look.h"
#include "app/widgets/Twips.h"
#include "platform/MessageBox.h"
#include "platform/widgets/TopLevel.h"
#include "web/modHelp.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent, FixedWindowFlags() | Qt::Dialog)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral(STARKINDLE_CAPTION));
    setFixedSize(twips::size(6345, 3960));
    setFont(look::font(8.25));
    look::paintPanel(this);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setAccessibleName(tr("Starkindle icon"));
    picIcon->setGeometry(twips::rect(150, 150, 510, 510));
    picIcon->setPixmap(AppIcon().pixmap(picIcon->size()));

    look::fitToText(look::label(this, "Label2", QStringLiteral(STARKINDLE_CAPTION),
                                twips::rect(960, 285, 2910, 240), look::font(9.75, look::Bold), look::Text));
    look::label(this, "Label1",
                tr("Starkindle describes the placement of the asteroid Eros in your birth chart. This asteroid is also "
                   "known as the Cupid. This sign helps you understand yourself and know more about your sexual urges "
                   "and passionate feelings. It gives you an insight to your creative feelings. All rights to this "
                   "software are reserved by Corvane Softwares."),
                twips::rect(210, 840, 5865, 1095), look::font(8.25), look::Caption);
    const QFont linkFont = look::font(8.25, look::Bold | look::Underlined);
    ClickLabel *lblHomePage = look::link(this, "lblHomePage", tr("Click here to visit %1").arg(QUrl(modHelp::WebSite()).host()),
                                         twips::rect(1560, 1920, 4650, 195), linkFont, look::Text);
    look::fitToText(lblHomePage);
    look::label(this, "Label6",
                tr("Home Business Opportunity. Start your own Internet business and make money online. Get this "
                   "software fully branded for your website."),
                twips::rect(240, 2400, 5775, 675), look::font(8.25, look::Bold), look::Caption);
    ClickLabel *Label5 = look::link(this, "Label5", tr("Click here for more details"),
                                    twips::rect(3600, 3120, 2610, 195), linkFont, look::Text);
    look::fitToText(Label5);

    auto *Line2 = new QWidget(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setGeometry(QRect(QPoint(twips::px(-60), twips::px(3360)), QPoint(twips::px(6360), twips::px(3360))));
    QPalette linePalette = Line2->palette();
    linePalette.setColor(QPalette::Window, look::Caption);
    Line2->setPalette(linePalette);
    Line2->setAutoFillBackground(true);

    cmdOK = look::button(this, "cmdOK", tr("&OK"), twips::rect(4950, 3480, 1260, 345), look::font(8.25, look::Bold));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    // The links come after OK.
    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, Label5);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(lblHomePage, &ClickLabel::clicked, this, &modHelp::OpenHomePage);
    connect(Label5, &ClickLabel::clicked, this, &modHelp::OpenFullBrandPage);
}

void frmAbout::ShowModal()
{
    frmAbout about;
    CentreOnScreen(&about);
    // Belongs to the window it was opened from, like a message box, so it
    // stays above it; still centred on the screen.
    platform::PrepareTopLevel(&about, platform::ActiveWindow());
    about.exec();
}
