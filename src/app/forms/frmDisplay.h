#pragma once

#include "app/forms/FormWindow.h"

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

    void cmdBack_Click();
    void cmdExit_Click();

protected:
    void Form_Unload() override;

private:
    // Puts the sign and the reading into the window's accessible description.
    void describeResult();

    QLabel *lblSexualitySign = nullptr;
    QLabel *lblSignDesc = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdExit = nullptr;
};
