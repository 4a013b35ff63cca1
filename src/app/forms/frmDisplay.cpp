#include "app/forms/frmDisplay.h"

#include "Config.h"
#include "app/widgets/ClickLabel.h"
#include "app/forms/Forms.h"
#include "app/widgets/Look.h"
#include "app/widgets/Twips.h"
#include "app/forms/frmMain.h"
#include "astro/SignReadings.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

frmDisplay::frmDisplay(QWidget *parent)
    : FormWindow(twips::size(8415, 6135), parent)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral(STARKINDLE_CAPTION));

    QWidget *top = look::panel(client(), twips::rect(0, 0, 8415, 615));
    ClickLabel *banner = look::link(top, "Label61", BannerText(), twips::rect(60, 120, 8280, 465),
                                    look::font(9, look::Bold | look::Underlined), look::Text,
                                    Qt::AlignHCenter | Qt::AlignTop);

    QGroupBox *frame = look::frame(client(), "fraSexualitySign", tr("Sexual Astrology Sign"),
                                   twips::rect(0, 600, 8415, 3975));

    const QFont heading = look::font(9, look::Bold);
    look::fitToText(look::label(frame, "Label2", tr("Eros is the god of sexual love and desire."),
                                twips::rect(2182, 360, 4050, 210), heading, look::Text));
    look::fitToText(look::label(frame, "Label12", tr("Eros in your Chart is Placed in"),
                                twips::rect(2722, 720, 2970, 210), heading, look::Caption));
    // Until a lookup fills them, the labels show what they were made with.
    // Both results can be selected and copied with the mouse; neither is a
    // tab stop, so the focus stays on Exit.
    lblSexualitySign = look::selectableLabel(frame, "lblSexualitySign", QStringLiteral("lblSexualitySign"),
                                             twips::rect(3397, 1080, 1620, 210), heading, look::Text,
                                             Qt::AlignHCenter);
    look::fitToText(lblSexualitySign);
    lblSignDesc = look::selectableLabel(frame, "lblSignDesc", astro::Reading(astro::Sign::Virgo),
                                        twips::rect(180, 1440, 8055, 2415), look::font(8.25, look::Bold),
                                        look::Caption, Qt::AlignHCenter | Qt::AlignTop);
    // What a screen reader says the two results are.
    lblSexualitySign->setAccessibleDescription(tr("Your sexual astrology sign"));
    lblSignDesc->setAccessibleDescription(tr("The reading for your sign"));
    describeResult();

    cmdBack = look::button(client(), "cmdBack", tr("&Back"), twips::rect(0, 4680, 7095, 465),
                           look::font(8.25, look::Bold));
    cmdExit = look::button(client(), "cmdExit", tr("&Exit"), twips::rect(7200, 4680, 1215, 465),
                           look::font(8.25, look::Bold));
    setDefaultAndCancel(cmdExit);
    setTabOrder(cmdExit, cmdBack);

    QWidget *bottom = look::panel(client(), twips::rect(0, 5160, 8415, 975));
    const QFont promo = look::font(8.25, look::Bold | look::Underlined);
    ClickLabel *fullBrand = look::link(bottom, "lblFullBrand", FullBrandText(), twips::rect(120, 240, 8145, 615),
                                       promo, look::Text, Qt::AlignHCenter | Qt::AlignTop, true);
    ClickLabel *coBrand = look::link(bottom, "lblCobrand", CoBrandText(), twips::rect(120, 240, 8145, 615), promo,
                                     look::Text, Qt::AlignLeft | Qt::AlignTop, true);
    connectLinks(banner, fullBrand, coBrand);
    // The links come after the two buttons.
    setTabOrder(cmdBack, banner);
    setTabOrder(banner, fullBrand);
    setTabOrder(fullBrand, coBrand);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addMenuItem(file, "mnuFileBack", tr("&Back"), this, &frmDisplay::cmdBack_Click);
    addMenuItem(file, "mnuExit", tr("E&xit"), this, &frmDisplay::cmdExit_Click);
    addWebMenus(tr("&Check for Software Update"), "mnuFileSep1", "mnuFileSep2");

    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);

    cmdExit->setFocus();
}

void frmDisplay::setSignName(const QString &name)
{
    lblSexualitySign->setText(name);
    look::fitToText(lblSexualitySign);
    describeResult();
}

void frmDisplay::setReading(const QString &reading)
{
    lblSignDesc->setText(reading);
    describeResult();
}

void frmDisplay::describeResult()
{
    // The focus is on Exit; a screen reader finds the result in the window's
    // description.
    setAccessibleDescription(tr("Eros in your Chart is Placed in %1. %2").arg(lblSexualitySign->text(),
                                                                              lblSignDesc->text()));
}

void frmDisplay::cmdBack_Click()
{
    Unload();
    forms::Main()->show();
    forms::HideExitWindow();
}

void frmDisplay::cmdExit_Click()
{
    Unload();
}

void frmDisplay::Form_Unload()
{
    forms::ShowExitWindow();
}
