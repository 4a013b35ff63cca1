#pragma once

#include "app/forms/FormWindow.h"
#include "astro/Answer.h"
#include "web/CoBrand.h"

#include <optional>

class QAction;
class QKeyEvent;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QStringListModel;
class QPushButton;
class ClickLabel;

// The entry window: a name and a birth date, optionally the time and place
// of birth, the find-sign command, the maker's links and the way out.
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
    // When it passes, the birth it describes is in m_birth.
    bool ValidateEntry();
    // Answers the birth ValidateEntry read and leaves its sign in
    // SexualitySign.
    void GetPlanetSign();
    // The birthplace field offers the places that begin with what is typed,
    // from the gazetteer, which is read the first time.
    void offerPlaces(const QString &typed);
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
    QLineEdit *txtBirthTime = nullptr;
    QLineEdit *txtBirthPlace = nullptr;
    QCompleter *placeCompleter = nullptr;
    QStringListModel *placeNames = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdExit = nullptr;
    ClickLabel *Label61 = nullptr;
    ClickLabel *lblFullBrand = nullptr;
    ClickLabel *lblCobrand = nullptr;

    std::optional<astro::Birth> m_birth;
    astro::Answer m_answer;
};
