#pragma once

#include <QDialog>

class QPushButton;

// Product name, version, what it does, and two links. Static throughout.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    // Shows the window modally over the active window and returns once it is
    // closed.
    static void ShowModal();

private:
    QPushButton *cmdOK = nullptr;
};
