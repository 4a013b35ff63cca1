#include "app/forms/frmDisplay.h"

#include "Config.h"
#include "app/widgets/Accessible.h"
#include "app/widgets/ClickLabel.h"
#include "app/forms/Forms.h"
#include "app/forms/Promotion.h"
#include "app/widgets/Look.h"
#include "app/widgets/Twips.h"
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
    Label61 = promotion::Banner(top, twips::rect(60, 120, 8280, 465));

    fraSexualitySign = look::frame(client(), "fraSexualitySign", tr("Sexual Astrology Sign"),
                                   twips::rect(0, 600, 8415, 3975));

    const QFont heading = look::font(9, look::Bold);
    look::fitToText(look::label(fraSexualitySign, "Label2", tr("Eros is the god of sexual love and desire."),
                                twips::rect(2182, 360, 4050, 210), heading, look::Text));
    look::fitToText(look::label(fraSexualitySign, "Label12", tr("Eros in your Chart is Placed in"),
                                twips::rect(2722, 720, 2970, 210), heading, look::Caption));
    // Until a lookup fills them, the labels show what they were made with.
    // Both results can be selected and copied with the mouse; neither is a
    // tab stop, so the focus stays on Exit.
    lblSexualitySign = look::selectableLabel(fraSexualitySign, "lblSexualitySign", QStringLiteral("lblSexualitySign"),
                                             twips::rect(3397, 1080, 1620, 210), heading, look::Text,
                                             Qt::AlignHCenter);
    look::fitToText(lblSexualitySign);
    lblSignDesc = look::selectableLabel(fraSexualitySign, "lblSignDesc", astro::Reading(astro::Sign::Virgo),
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
    lblFullBrand = promotion::FullBrandLabel(bottom, twips::rect(120, 240, 8145, 615), Qt::AlignHCenter | Qt::AlignTop);
    lblCobrand = promotion::CoBrandLabel(bottom, twips::rect(120, 240, 8145, 615));
    // The links come after the two buttons.
    setTabOrder(cmdBack, Label61);
    setTabOrder(Label61, lblFullBrand);
    setTabOrder(lblFullBrand, lblCobrand);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addMenuItem(file, "mnuFileBack", tr("&Back"), this, &frmDisplay::cmdBack_Click);
    addMenuItem(file, "mnuExit", tr("E&xit"), this, &frmDisplay::cmdExit_Click);
    promotion::AddWebMenus(this, tr("&Check for Software Update"), "mnuFileSep1", "mnuFileSep2");

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
    // The focus is on Exit; a screen reader reads the result as the window
    // opens.
    accessible::SetSummary(this, tr("Eros in your Chart is Placed in %1. %2").arg(lblSexualitySign->text(),
                                                                                  lblSignDesc->text()));
}

void frmDisplay::cmdBack_Click()
{
    Unload();
    forms::ShowMain();
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
