#pragma once

#include "app/forms/FormWindow.h"
#include "astro/ResultNotes.h"

class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class ClickLabel;
class ZodiacWheel;

// The result window: the sign of the birth and its reading, and below them
// what the answer is for and where it comes from (astro::NotesFor). It shows
// one astro::Answer and works out nothing itself.
class frmDisplay : public FormWindow
{
    Q_OBJECT
public:
    explicit frmDisplay(QWidget *parent = nullptr);

    // The answer for a birth, with the name as typed. An answer with no
    // sign changes nothing: the window keeps what it showed.
    void showAnswer(const QString &name, const astro::Answer &answer);

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
    // Shows the current view's headline, reading and notes, and the button
    // to the next view.
    void showView();
    void cmdOtherSign_Click();
    // Copies the text selected in the result, or the whole result.
    void copyResult();
    // Saves the picture of the sky where the user chooses.
    void savePicture();

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
    QScrollArea *scrNotes = nullptr;
    QLabel *lblNotes = nullptr;
    QPushButton *cmdOtherSign = nullptr;
    ZodiacWheel *picSky = nullptr;
    QAction *mnuCopy = nullptr;
    QAction *mnuSavePicture = nullptr;
    QMenu *mnuResult = nullptr;

    astro::ResultNotes m_notes;
    std::size_t m_view = 0;
};
