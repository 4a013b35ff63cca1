#pragma once

#include "app/forms/FormWindow.h"
#include "web/CoBrand.h"

class QAction;
class QKeyEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ClickLabel;

// The entry window: a name and a birth date, the find-sign command, the
// maker's links and the way out.
class frmMain : public FormWindow
{
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);

    // Brings one of the two promotional labels that share one place at the
    // bottom to the front, as the start-up's co-brand draw decided.
    void bringPromotionToFront(cobrand::Action action);

protected:
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    // The find-sign command.
    void cmdNext_Click();
    // Checks the entry; when it answers false the user has been told why.
    bool ValidateEntry();
    // Looks up the chosen date and leaves its sign in SexualitySign.
    void GetPlanetSign();
    // The name filter for one typed character: 0 discards it, and a lower-case
    // letter comes back in capitals.
    void txtName_KeyPress(char16_t &keyAscii);
    // The name box's input, each character through the name filter.
    bool filterKey(const QKeyEvent &key);
    void filterCommitted(const QString &text);
    void buildMenus();
    void cmdExit_Click();
    void mnuExit_Click();

    QLineEdit *txtName = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboYear = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdExit = nullptr;
    ClickLabel *Label61 = nullptr;
    ClickLabel *lblFullBrand = nullptr;
    ClickLabel *lblCobrand = nullptr;
};
