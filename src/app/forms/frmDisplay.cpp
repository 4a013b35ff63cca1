#include "app/forms/frmDisplay.h"

#include "Config.h"
#include "app/widgets/Accessible.h"
#include "app/widgets/ClickLabel.h"
#include "app/forms/Forms.h"
#include "app/forms/Promotion.h"
#include "app/widgets/Look.h"
#include "app/widgets/Twips.h"
#include "app/widgets/ZodiacWheel.h"
#include "platform/MessageBox.h"
#include "astro/SignReadings.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// The notes take a panel of their own below the original window, which keeps
// every control where it was.
constexpr int NotesTop = 6135;
constexpr int NotesHeight = 2295;
// The notes fill the panel, or leave the bottom to the button that shows the
// other sign's reading; longer notes scroll, so no line is ever hidden.
constexpr QRect NotesText = twips::rect(180, 360, 6135, 1815);
constexpr QRect NotesTextAboveButton = twips::rect(180, 360, 6135, 1320);
// The picture of the sky at the panel's right.
constexpr QRect Sky = twips::rect(6435, 300, 1800, 1800);

} // namespace

frmDisplay::frmDisplay(QWidget *parent)
    : FormWindow(twips::size(8415, NotesTop + NotesHeight), parent)
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
    Label12 = look::label(fraSexualitySign, "Label12", tr("Eros in your Chart is Placed in"),
                          twips::rect(2722, 720, 2970, 210), heading, look::Caption);
    look::fitToText(Label12);
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

    // What the answer is for, and on a day Eros changed sign the way to the
    // other sign's reading.
    fraNotes = look::frame(client(), "fraNotes", tr("About This Answer"), twips::rect(0, NotesTop, 8415, NotesHeight));
    scrNotes = new QScrollArea(fraNotes);
    scrNotes->setObjectName(QStringLiteral("scrNotes"));
    scrNotes->setGeometry(NotesText);
    scrNotes->setFrameShape(QFrame::NoFrame);
    scrNotes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Sized by showView to its wrapped text, at once rather than at the
    // next layout pass, so what is shown and copied agree at every moment.
    scrNotes->setWidgetResizable(false);
    // A tab stop, so the arrow keys scroll notes longer than the panel.
    scrNotes->setFocusPolicy(Qt::TabFocus);
    scrNotes->setAccessibleName(tr("Notes on your sign"));
    scrNotes->viewport()->setAutoFillBackground(false);
    lblNotes = look::selectableLabel(fraNotes, "lblNotes", QString(), NotesText, look::font(8.25, look::Bold),
                                     look::Caption);
    lblNotes->setAutoFillBackground(false);
    scrNotes->setWidget(lblNotes);
    lblNotes->setAccessibleDescription(tr("Notes on your sign"));
    picSky = new ZodiacWheel(fraNotes);
    picSky->setObjectName(QStringLiteral("picSky"));
    picSky->setGeometry(Sky);
    {
        // The panel sets only its background; the wheel's lines and texts
        // take the labels' colour.
        QPalette p = picSky->palette();
        p.setColor(QPalette::WindowText, look::Text);
        picSky->setPalette(p);
    }
    picSky->hide();
    cmdOtherSign = look::button(fraNotes, "cmdOtherSign", QString(), twips::rect(2182, 1740, 4050, 465),
                                look::font(8.25, look::Bold));
    cmdOtherSign->setAccessibleDescription(
        tr("Swaps the sign and reading above for those of the other part of the day"));
    cmdOtherSign->hide();
    setTabOrder(cmdBack, cmdOtherSign);
    setTabOrder(cmdOtherSign, scrNotes);
    setTabOrder(scrNotes, Label61);

    // Copy: Ctrl+C, and the menu of the right button or the menu key
    // anywhere in the window. The result labels leave their own menus to it.
    mnuCopy = new QAction(tr("&Copy"), this);
    mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
    mnuCopy->setShortcut(QKeySequence::Copy);
    mnuCopy->setShortcutContext(Qt::WindowShortcut);
    addAction(mnuCopy);
    mnuResult = new QMenu(this);
    mnuResult->setObjectName(QStringLiteral("mnuResult"));
    mnuResult->addAction(mnuCopy);
    mnuSavePicture = new QAction(tr("Save &Picture..."), this);
    mnuSavePicture->setObjectName(QStringLiteral("mnuSavePicture"));
    mnuSavePicture->setEnabled(false);
    mnuResult->addAction(mnuSavePicture);
    for (QLabel *result : {lblSexualitySign, lblSignDesc, lblNotes})
        result->setContextMenuPolicy(Qt::NoContextMenu);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addMenuItem(file, "mnuFileBack", tr("&Back"), this, &frmDisplay::cmdBack_Click);
    file->addAction(mnuSavePicture);
    addMenuItem(file, "mnuExit", tr("E&xit"), this, &frmDisplay::cmdExit_Click);
    promotion::AddWebMenus(this, tr("&Check for Software Update"), "mnuFileSep1", "mnuFileSep2");

    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(cmdOtherSign, &QPushButton::clicked, this, &frmDisplay::cmdOtherSign_Click);
    connect(mnuCopy, &QAction::triggered, this, &frmDisplay::copyResult);
    connect(mnuSavePicture, &QAction::triggered, this, &frmDisplay::savePicture);

    describeResult();
    cmdExit->setFocus();
}

void frmDisplay::showAnswer(const QString &name, const astro::Answer &answer)
{
    astro::ResultNotes notes = astro::NotesFor(name, answer);
    if (notes.views.empty())
        return;
    m_notes = std::move(notes);
    m_view = 0;
    cmdOtherSign->setVisible(m_notes.views.size() > 1);
    if (answer.position) {
        picSky->setPositions(answer.position->longitude, answer.position->sunLongitude, answer.position->retrograde);
        picSky->setSpokenText(m_notes.pictureName, m_notes.pictureDescription);
    }
    picSky->setVisible(answer.position.has_value());
    mnuSavePicture->setEnabled(answer.position.has_value());
    scrNotes->setGeometry(m_notes.views.size() > 1 ? NotesTextAboveButton : NotesText);
    showView();
}

void frmDisplay::showView()
{
    const astro::ResultNotes::View &view = m_notes.views[m_view];
    lblSexualitySign->setText(view.headline);
    look::fitToText(lblSexualitySign);
    lblSignDesc->setText(astro::Reading(view.sign));
    QStringList notes(m_notes.answeredFor);
    notes << m_notes.linesWith(m_view);
    lblNotes->setText(notes.join(u'\n'));
    const int width = scrNotes->width() - scrNotes->verticalScrollBar()->sizeHint().width();
    lblNotes->resize(width, std::max(scrNotes->height(), lblNotes->heightForWidth(width)));
    scrNotes->verticalScrollBar()->setValue(0);
    if (m_notes.views.size() > 1) {
        const astro::Sign next = m_notes.views[(m_view + 1) % m_notes.views.size()].sign;
        cmdOtherSign->setText(tr("&Show the reading for %1").arg(astro::SignDisplayName(next)));
    }
    describeResult();
}

void frmDisplay::cmdOtherSign_Click()
{
    m_view = (m_view + 1) % m_notes.views.size();
    showView();
}

QString frmDisplay::resultText() const
{
    QStringList lines;
    if (!m_notes.answeredFor.isEmpty())
        lines << m_notes.answeredFor;
    lines << Label12->text() + u' ' + lblSexualitySign->text();
    lines << m_notes.linesWith(m_view);
    return lines.join(u'\n') + QStringLiteral("\n\n") + lblSignDesc->text() + u'\n';
}

void frmDisplay::copyResult()
{
    QString text;
    for (const QLabel *result : {lblSexualitySign, lblSignDesc, lblNotes}) {
        if (result->hasSelectedText())
            text = result->selectedText();
    }
    QGuiApplication::clipboard()->setText(text.isEmpty() ? resultText() : text);
}

void frmDisplay::savePicture()
{
    const QString path = platform::AskFileToSave(tr("Save Picture"), QStringLiteral("eros.png"), tr("PNG image (*.png)"));
    if (path.isEmpty())
        return;
    if (!picSky->savePicture(path))
        platform::ShowMessage(tr("The picture could not be saved in %1.").arg(path), platform::MessageIcon::Stop);
}

void frmDisplay::contextMenuEvent(QContextMenuEvent *event)
{
    mnuResult->popup(event->globalPos());
    event->accept();
}

void frmDisplay::describeResult()
{
    // The focus is on Exit; a screen reader reads the result, the notes
    // before the reading, as the window opens.
    QStringList after;
    if (!m_notes.answeredFor.isEmpty())
        after << m_notes.answeredFor;
    after << m_notes.linesWith(m_view) << lblSignDesc->text();
    accessible::SetSummary(this, tr("Eros in your Chart is Placed in %1. %2").arg(lblSexualitySign->text(),
                                                                                  after.join(u' ')));
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
