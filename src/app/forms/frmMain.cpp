#include "app/forms/frmMain.h"

#include "Config.h"
#include "app/widgets/Accessible.h"
#include "app/widgets/ClickLabel.h"
#include "app/forms/Forms.h"
#include "app/forms/Promotion.h"
#include "app/widgets/Look.h"
#include "app/widgets/Twips.h"
#include "app/forms/frmDisplay.h"
#include "astro/Calendar.h"
#include "astro/SignReadings.h"
#include "astro/modPlanetSign.h"
#include "places/Places.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QCompleter>
#include <QStringListModel>
#include <QValidator>
#include <QDate>
#include <QLabel>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <optional>

namespace {

// The character code a key press types, or none for keys that only move,
// select or leave (Tab, Esc, arrows, Delete, ...). Clipboard and other Ctrl
// combinations count as the control character they stand for, so the name
// filter can refuse them like any other non-letter.
std::optional<char16_t> typedCharacter(const QKeyEvent &event)
{
    if (event.matches(QKeySequence::Paste))
        return char16_t(22);
    if (event.matches(QKeySequence::Copy))
        return char16_t(3);
    if (event.matches(QKeySequence::Cut))
        return char16_t(24);
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return std::nullopt;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return char16_t(13);
    case Qt::Key_Backspace:
        return char16_t(8);
    default:
        break;
    }
    if ((event.modifiers() & Qt::ControlModifier) && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return char16_t(event.key() - Qt::Key_A + 1);
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    return text.at(0).unicode();
}

QComboBox *dateList(QWidget *parent, const char *name, const QString &accessibleName, const QRect &geometry)
{
    // Before the list exists: a screen reader is to read its value.
    accessible::InstallInterfaces();
    auto *box = new QComboBox(parent);
    // Marked a pick list first: a screen reader asking about the list (its
    // name is set next) makes Qt build the open list, in the kind the style
    // then says.
    look::setUpPickList(box, 15);
    look::styleInput(box, name, accessibleName, geometry, look::font(8.25, look::Bold), look::Caption);
    return box;
}

// A run of numbers for a date list, each shown as its number or its name and
// carrying the number as its data. Nothing is stored per item: 244 items of
// Qt's own list model cost start-up more than the three lists themselves.
class NumberList : public QAbstractListModel
{
public:
    NumberList(int first, int last, QStringList names, QObject *parent)
        : QAbstractListModel(parent), m_first(first), m_count(last - first + 1), m_names(std::move(names))
    {
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_count; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_count)
            return {};
        const int value = m_first + index.row();
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return index.row() < m_names.size() ? m_names.at(index.row()) : QString::number(value);
        case Qt::UserRole:
            return value;
        default:
            return {};
        }
    }

private:
    int m_first;
    int m_count;
    QStringList m_names;
};

// The time and place of birth take a panel of their own below the original
// window, which keeps every control where it was.
constexpr int BirthTop = 5040;
constexpr int BirthHeight = 960;

// "14:30" or "9:05": hours 0..23 and minutes, as minutes of the day. Read by
// hand: a regular expression would bring its engine into every start.
std::optional<int> minuteOfDay(const QString &text)
{
    const QString t = text.trimmed();
    const qsizetype colon = t.indexOf(u':');
    if (colon < 1 || colon > 2 || t.size() != colon + 3)
        return std::nullopt;
    int hours = 0, minutes = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (i == colon)
            continue;
        if (!t[i].isDigit() || t[i].unicode() > u'9')
            return std::nullopt;
        (i < colon ? hours : minutes) = (i < colon ? hours : minutes) * 10 + (t[i].unicode() - u'0');
    }
    if (hours > 23 || minutes > 59)
        return std::nullopt;
    return hours * 60 + minutes;
}

// What the time field takes as it is typed: up to two digits, a colon, up
// to two digits.
class TimeValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        const qsizetype colon = input.indexOf(u':');
        const QStringView hours = QStringView(input).left(colon < 0 ? input.size() : colon);
        const QStringView minutes = colon < 0 ? QStringView() : QStringView(input).mid(colon + 1);
        const auto digits = [](QStringView part) {
            return part.size() <= 2 && std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        };
        return digits(hours) && digits(minutes) ? Intermediate : Invalid;
    }
};

} // namespace

frmMain::frmMain(QWidget *parent)
    : FormWindow(twips::size(7260, BirthTop + BirthHeight), parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral(STARKINDLE_CAPTION));

    // Banner.
    QWidget *top = look::panel(client(), twips::rect(0, 0, 7260, 615));
    Label61 = promotion::Banner(top, twips::rect(120, 120, 7080, 435));

    // Description, entry and the find-sign button.
    QWidget *middle = look::panel(client(), twips::rect(0, 600, 7260, 3615));
    look::label(middle, "Label3",
                tr("Starkindle describes the placement of the asteroid Eros in your birth chart. This helps you know "
                   "more about the sexual, passion, love and erotic side of your nature"),
                twips::rect(480, 240, 6135, 615), look::font(8.25, look::Bold), look::White,
                Qt::AlignHCenter | Qt::AlignTop);

    QWidget *entry = look::panel(middle, twips::rect(600, 1080, 6015, 1575));
    entry->setObjectName(QStringLiteral("Picture1"));
    // The font of the name box and the date lists, which they take from here.
    entry->setFont(look::font(8.25, look::Bold));
    const QFont captionBold = look::font(8.25, look::Bold | look::Underlined);
    const QFont caption = look::font(8.25, look::Underlined);
    QLabel *Label1 = look::label(entry, "Label1", tr("Name"), twips::rect(240, 330, 555, 195), captionBold, look::Caption);
    look::fitToText(Label1);

    txtName = new QLineEdit(entry);
    look::styleInput(txtName, "txtName", tr("Name"), twips::rect(1680, 240, 3735, 375), look::font(8.25, look::Bold),
                     look::Caption);
    // Only typed characters reach the box, through the name filter.
    txtName->setContextMenuPolicy(Qt::NoContextMenu);
    txtName->setAcceptDrops(false);
    txtName->setAttribute(Qt::WA_InputMethodEnabled, false);
    txtName->installEventFilter(this);

    look::label(entry, "Label2", tr("Date Of Birth"), twips::rect(240, 1020, 1245, 195), captionBold, look::Caption);
    QLabel *Label5 = look::label(entry, "Label5", tr("Date"), twips::rect(1920, 720, 405, 195), caption, look::Caption);
    QLabel *Label7 = look::label(entry, "Label7", tr("Month"), twips::rect(3240, 720, 510, 195), caption, look::Caption);
    // Wider than the English word needs (it is left-aligned): "Année".
    QLabel *Label6 = look::label(entry, "Label6", tr("Year"), twips::rect(4680, 720, 600, 195), caption, look::Caption);
    cboDate = dateList(entry, "cboDate", tr("Date"), twips::rect(1680, 960, 900, 315));
    cboMonth = dateList(entry, "cboMonth", tr("Month"), twips::rect(2760, 960, 1500, 315));
    cboYear = dateList(entry, "cboYear", tr("Year"), twips::rect(4440, 960, 1020, 315));
    // Screen readers on Linux name a list by the label that is its buddy.
    Label1->setBuddy(txtName);
    Label5->setBuddy(cboDate);
    Label7->setBuddy(cboMonth);
    Label6->setBuddy(cboYear);

    cmdNext = look::button(middle, "cmdNext", tr("Find My &Sexual Astrology Sign"), twips::rect(600, 2760, 6015, 615),
                           look::font(9, look::Bold));

    // Promotional labels and the way out. The co-brand label is made last, so
    // it starts in front of the fully-branded one.
    QWidget *bottom = look::panel(client(), twips::rect(0, 4200, 7260, 855));
    lblFullBrand = promotion::FullBrandLabel(bottom, twips::rect(120, 120, 5985, 615), Qt::AlignLeft | Qt::AlignTop);
    lblCobrand = promotion::CoBrandLabel(bottom, twips::rect(120, 120, 5985, 615));

    cmdExit = look::button(bottom, "cmdExit", tr("&Exit"), twips::rect(6240, 240, 900, 465),
                           look::font(8.25, look::Bold));
    setDefaultAndCancel(cmdExit);

    // Both optional: without them the answer is the date's, as it always was.
    QWidget *birth = look::panel(client(), twips::rect(0, BirthTop, 7260, BirthHeight));
    birth->setObjectName(QStringLiteral("fraBirth"));
    QLabel *lblBirthTime = look::label(birth, "lblBirthTime", tr("&Time of Birth"), twips::rect(840, 150, 1440, 195),
                                       caption, look::Caption);
    txtBirthTime = new QLineEdit(birth);
    look::styleInput(txtBirthTime, "txtBirthTime", tr("Time of birth"), twips::rect(2280, 90, 1260, 315),
                     look::font(8.25, look::Bold), look::Caption);
    txtBirthTime->setPlaceholderText(tr("unknown", "the time of birth, when none is given"));
    txtBirthTime->setAccessibleDescription(tr("Hours and minutes, such as 14:30; leave it empty if unknown"));
    txtBirthTime->setValidator(new TimeValidator(txtBirthTime));
    look::label(birth, "lblOptional", tr("(optional)"), twips::rect(3660, 150, 2355, 195), look::font(8.25),
                look::Caption);
    QLabel *lblBirthPlace = look::label(birth, "lblBirthPlace", tr("&Place of Birth"), twips::rect(840, 555, 1440, 195),
                                        caption, look::Caption);
    txtBirthPlace = new QLineEdit(birth);
    look::styleInput(txtBirthPlace, "txtBirthPlace", tr("Place of birth"), twips::rect(2280, 495, 3735, 315),
                     look::font(8.25, look::Bold), look::Caption);
    txtBirthPlace->setPlaceholderText(tr("unknown", "the place of birth, when none is given"));
    txtBirthPlace->setAccessibleDescription(tr("A town or city, such as London; leave it empty if unknown"));
    lblBirthTime->setBuddy(txtBirthTime);
    lblBirthPlace->setBuddy(txtBirthPlace);
    // An empty box first reached by Tab would otherwise report its caret
    // moving (from nowhere to 0) just before its focus, and Orca, taking the
    // caret for the focus, would never speak the box's name.
    for (QLineEdit *optional : {txtBirthTime, txtBirthPlace})
        optional->setCursorPosition(0);
    connect(txtBirthPlace, &QLineEdit::textEdited, this, &frmMain::offerPlaces);

    setTabOrder(txtName, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setTabOrder(cboYear, txtBirthTime);
    setTabOrder(txtBirthTime, txtBirthPlace);
    setTabOrder(txtBirthPlace, cmdNext);
    setTabOrder(cmdNext, cmdExit);
    // The links come after the entry and its buttons.
    setTabOrder(cmdExit, Label61);
    setTabOrder(Label61, lblFullBrand);
    setTabOrder(lblFullBrand, lblCobrand);

    buildMenus();

    connect(cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);

    Form_Load();
    txtName->setFocus();
}

void frmMain::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addMenuItem(file, "mnuFindSexualitySign", tr("Find My &Sexual Astrology Sign"), this, &frmMain::cmdNext_Click);
    addMenuItem(file, "mnuExit", tr("E&xit"), this, &frmMain::mnuExit_Click);
    promotion::AddWebMenus(this, tr("Check for Software &Update"), "mnuHelp1", "mnuHelp2");
}

void frmMain::Form_Load()
{
    // Each item carries its number, which is what the lookup reads: the
    // month names are in the user's language.
    cboDate->setModel(new NumberList(1, 31, {}, cboDate));
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months.append(astro::MonthDisplayName(month));
    cboMonth->setModel(new NumberList(1, 12, months, cboMonth));
    cboYear->setModel(new NumberList(astro::EarliestYear, astro::LatestYear, {}, cboYear));
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    // Opens on the table's first year, as it always has.
    cboYear->setCurrentIndex(astro::FirstYear - astro::EarliestYear);
}

void frmMain::txtName_KeyPress(char16_t &keyAscii)
{
    const bool letter = (keyAscii >= 65 && keyAscii <= 90) || (keyAscii >= 97 && keyAscii <= 122);
    if (!letter) {
        if (keyAscii == 32 || keyAscii == 13 || keyAscii == 8)
            return;
        platform::ShowMessage(tr("Please Enter only Letters"));
        keyAscii = 0;
    }
    if (keyAscii >= 97 && keyAscii <= 122)
        keyAscii = char16_t(keyAscii - 32);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != txtName)
        return FormWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKey(static_cast<const QKeyEvent &>(*event));
    case QEvent::InputMethod:
        // Dead keys and Compose sequences arrive as a committed text.
        filterCommitted(static_cast<const QInputMethodEvent &>(*event).commitString());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        // The middle button pastes the X selection: refused like the paste keys.
        const auto &mouse = static_cast<const QMouseEvent &>(*event);
        if (mouse.button() != Qt::MiddleButton)
            return false;
        if (event->type() == QEvent::MouseButtonRelease) {
            char16_t paste = 22;
            txtName_KeyPress(paste);
        }
        return true;
    }
    default:
        return false;
    }
}

bool frmMain::filterKey(const QKeyEvent &key)
{
    // Access keys and menus have had their turn before the key press; what
    // is left of an Alt combination types nothing.
    if (key.modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        return !key.text().isEmpty();
    const std::optional<char16_t> typed = typedCharacter(key);
    if (!typed)
        return false;
    char16_t code = *typed;
    txtName_KeyPress(code);
    if (code == 0)
        return true;
    if (code == *typed)
        return false;
    txtName->insert(QString(QChar(code)));
    return true;
}

void frmMain::filterCommitted(const QString &text)
{
    const QPointer<frmMain> self(this);
    for (const QChar c : text) {
        // Half of a pair of surrogates is no letter either.
        char16_t code = c.unicode();
        txtName_KeyPress(code);
        if (!self || isUnloaded())
            return;
        if (code != 0 && code != 13)
            txtName->insert(QString(QChar(code)));
    }
}

bool frmMain::ValidateEntry()
{
    m_birth.reset();
    if (txtName->text().isEmpty()) {
        // The box runs an event loop of its own: whatever ends this window
        // meanwhile, it is not touched afterwards.
        const QPointer<frmMain> self(this);
        platform::ShowMessage(tr("Please Enter Your Name"));
        if (self && !isUnloaded())
            txtName->setFocus();
        return false;
    }
    // A day the month lacks, by the Gregorian calendar (1900 and 2100 have
    // no 29 February; 2000 has). February has a message of its own.
    astro::Birth birth;
    birth.year = cboYear->currentData().toInt();
    birth.month = cboMonth->currentData().toInt();
    birth.day = cboDate->currentData().toInt();
    if (!astro::IsRealDate(birth.year, birth.month, birth.day)) {
        platform::ShowMessage(birth.month == 2 ? tr("Please Enter Correct Date Or Month!")
                                               : tr("Please Enter Correct Date Or Month !"));
        return false;
    }
    const QPointer<frmMain> self(this);
    // The time and place, when given.
    if (!txtBirthTime->text().trimmed().isEmpty()) {
        birth.minuteOfDay = minuteOfDay(txtBirthTime->text());
        if (!birth.minuteOfDay) {
            platform::ShowMessage(tr("Please enter the time of birth as hours and minutes, such as 14:30, or leave "
                                     "it empty."));
            if (self && !isUnloaded())
                txtBirthTime->setFocus();
            return false;
        }
    }
    const QString placeName = txtBirthPlace->text().trimmed();
    if (!placeName.isEmpty()) {
        const std::optional<places::Place> place = places::FindPlace(placeName);
        if (!place) {
            platform::ShowMessage(tr("No place called \"%1\" is known. Please type a town or city, such as London, "
                                     "or leave it empty.")
                                      .arg(placeName));
            if (self && !isUnloaded())
                txtBirthPlace->setFocus();
            return false;
        }
        birth.reckoning = astro::Reckoning::InZone(place->zone, place->label());
    } else {
        birth.reckoning = astro::Reckoning::Computers(platform::LocalTimeZone());
        birth.dateOnly = !birth.minuteOfDay;
    }
    m_birth = birth;
    return true;
}

void frmMain::GetPlanetSign()
{
    m_answer = astro::AnswerFor(*m_birth);
    astro::GetPlanetSign(m_answer);
}

void frmMain::offerPlaces(const QString &typed)
{
    QStringList names;
    if (typed.trimmed().size() >= 2) {
        for (const places::Place &place : places::PlacesStartingWith(typed.trimmed(), 12))
            names << place.label();
    }
    // Made the first time, like the gazetteer it offers. The gazetteer has
    // already matched without regard to case or accents ("sao" offers São
    // Paulo), so the list is offered as it is.
    const bool first = !placeCompleter;
    if (first) {
        placeNames = new QStringListModel(this);
        placeCompleter = new QCompleter(placeNames, this);
        placeCompleter->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        placeCompleter->setModelSorting(QCompleter::UnsortedModel);
        txtBirthPlace->setCompleter(placeCompleter);
    }
    placeNames->setStringList(names);
    if (!names.isEmpty())
        placeCompleter->complete();
}

void frmMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    GetPlanetSign();
    switch (m_answer.refusal) {
    case astro::Refusal::SkippedTime:
        platform::ShowMessage(tr("The clocks there skipped %1 on that day, so no one was born at that time. Please "
                                 "check the time of birth.")
                                  .arg(txtBirthTime->text().trimmed()));
        return;
    case astro::Refusal::SkippedDay:
        platform::ShowMessage(tr("That day was skipped there: the calendar went from the day before to the day "
                                 "after. Please check the date and place."));
        return;
    case astro::Refusal::OutOfRange:
        platform::ShowMessage(tr("That moment falls outside %1 to %2 in UT, the years the program answers for.")
                                  .arg(astro::EarliestYear)
                                  .arg(astro::LatestYear));
        return;
    case astro::Refusal::NotADate:
    case astro::Refusal::None:
        break;
    }
    frmDisplay *display = forms::Display();
    display->showAnswer(txtName->text(), m_answer);
    hide();
    display->show();
    // The exit window is loaded hidden now too, but only once the result is
    // on screen: building it takes about a fifth of the time to the result.
    // Whatever loaded it meanwhile (Back, Exit) has already placed it.
    QMetaObject::invokeMethod(
        display,
        [] {
            if (!forms::IsExitWindowLoaded())
                forms::HideExitWindow();
        },
        Qt::QueuedConnection);
}

void frmMain::cmdExit_Click()
{
    Unload();
}

void frmMain::mnuExit_Click()
{
    Unload();
}

void frmMain::Form_Unload()
{
    forms::ShowExitWindow();
}

void frmMain::bringPromotionToFront(cobrand::Action action)
{
    switch (action) {
    case cobrand::Action::CoBrandToFront:
        lblCobrand->raise();
        break;
    case cobrand::Action::FullBrandToFront:
        lblFullBrand->raise();
        break;
    case cobrand::Action::Nothing:
        break;
    }
}
