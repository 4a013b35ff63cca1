#include "app/frmNagScreen2.h"

#include "app/Forms.h"
#include "app/Twips.h"
#include "platform/TopMost.h"

frmNagScreen2::frmNagScreen2(QWidget *parent)
    : FormWindow(twips::size(7000, 6000), parent)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    setWindowTitle(tr("Starkindle v1.15"));
}

void frmNagScreen2::ShowTopMost()
{
    platform::ShowTopMost(this);
}

QString frmNagScreen2::SupportText(int)
{
    return {};
}

void frmNagScreen2::cmdSubmit_Click() {}

void frmNagScreen2::cmdClose_Click()
{
    forms::ExitApplication();
}

void frmNagScreen2::Form_Unload()
{
    forms::ExitApplication();
}

bool frmNagScreen2::eventFilter(QObject *watched, QEvent *event)
{
    return FormWindow::eventFilter(watched, event);
}

void frmNagScreen2::Form_Load() {}

void frmNagScreen2::Check1_Click(bool) {}
