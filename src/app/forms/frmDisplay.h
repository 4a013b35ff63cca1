#pragma once

#include "app/forms/FormWindow.h"
#include "astro/ResultNotes.h"

class QDate;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class ClickLabel;

// The result window: the sign of the chosen date and its reading, and below
// them what the answer is for and where it comes from (astro::NotesFor).
class frmDisplay : public FormWindow
{
    Q_OBJECT
public:
    explicit frmDisplay(QWidget *parent = nullptr);

    void setSignName(const QString &name);
    void setReading(const QString &reading);
    // The name and date the answer is for: fills the notes, in the
    // computer's time zone.
    void setAnsweredFor(const QString &name, QDate date);

    // Name, date, sign, notes and reading, as Copy puts them on the
    // clipboard.
    QString resultText() const;

protected:
    void Form_Unload() override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void cmdBack_Click();
    void cmdExit_Click();
    // Puts the sign and the reading into the window's accessible description.
    void describeResult();
    // Shows the answer's sign and reading, or the other sign's on a day
    // Eros changed sign, with the button that swaps them.
    void showSign();
    void cmdOtherSign_Click();
    // Copies the text selected in the result, or the whole result.
    void copyResult();

    ClickLabel *Label61 = nullptr;
    QGroupBox *fraSexualitySign = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *lblSexualitySign = nullptr;
    QLabel *lblSignDesc = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdExit = nullptr;
    ClickLabel *lblFullBrand = nullptr;
    ClickLabel *lblCobrand = nullptr;
    QGroupBox *fraNotes = nullptr;
    QLabel *lblNotes = nullptr;
    QPushButton *cmdOtherSign = nullptr;
    QAction *mnuCopy = nullptr;
    QMenu *mnuResult = nullptr;

    QString m_signName; // as the find-sign command set them
    QString m_reading;
    astro::ResultNotes m_notes;
    bool m_showingOtherSign = false;
};
