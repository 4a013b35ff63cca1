#pragma once

#include "app/forms/FormWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;
class ClickLabel;

// The result window: the sign of the chosen date and its reading.
class frmDisplay : public FormWindow
{
    Q_OBJECT
public:
    explicit frmDisplay(QWidget *parent = nullptr);

    void setSignName(const QString &name);
    void setReading(const QString &reading);

protected:
    void Form_Unload() override;

private:
    void cmdBack_Click();
    void cmdExit_Click();
    // Puts the sign and the reading into the window's accessible description.
    void describeResult();

    ClickLabel *Label61 = nullptr;
    QGroupBox *fraSexualitySign = nullptr;
    QLabel *lblSexualitySign = nullptr;
    QLabel *lblSignDesc = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdExit = nullptr;
    ClickLabel *lblFullBrand = nullptr;
    ClickLabel *lblCobrand = nullptr;
};
