#include "app/forms/frmNagScreen2.h"

#include "Config.h"
#include "app/widgets/Accessible.h"
#include "app/widgets/AppIcon.h"
#include "app/widgets/ClickLabel.h"
#include "app/forms/Forms.h"
#include "app/widgets/Look.h"
#include "app/widgets/Twips.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/widgets/TopMost.h"
#include "web/modHelp.h"
#include "web/modTellAFriend.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

namespace {

QString textOf(const QWidget *box)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    return qobject_cast<const QPlainTextEdit *>(box)->toPlainText();
}

void setTextOf(QWidget *box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else
        qobject_cast<QPlainTextEdit *>(box)->setPlainText(text);
}

// The boxes keep the dark look; typed text is light so it reads on it.
template <class Box>
Box *inputBox(QWidget *parent, const char *name, const QString &accessibleName, const QRect &geometry)
{
    auto *box = new Box(parent);
    look::styleInput(box, name, accessibleName, geometry, look::font(8.25), look::Text);
    return box;
}

} // namespace

frmNagScreen2::frmNagScreen2(QWidget *parent)
    : FormWindow(twips::size(7380, 6720), parent)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    setWindowTitle(QStringLiteral(STARKINDLE_CAPTION));

    // Title, icon and the support text.
    auto *Picture1 = new QLabel(client());
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(tr("Starkindle icon"));
    Picture1->setGeometry(twips::rect(120, 120, 720, 720));
    Picture1->setPixmap(AppIcon().pixmap(Picture1->size()));

    look::fitToText(look::label(client(), "Label1", QStringLiteral(STARKINDLE_CAPTION),
                                twips::rect(1020, 120, 2400, 240), look::font(9.75, look::Bold), look::Text));
    Label2 = look::label(client(), "Label2", QString(), twips::rect(1020, 420, 6240, 900), look::font(8.25),
                         look::Caption);

    // The maker's other programs.
    QGroupBox *Frame6 = look::frame(client(), "Frame6", tr("Download Corvane Softwares"), twips::rect(120, 1380, 7140, 2040));
    look::label(Frame6, "Label3",
                tr("Starkindle is one of a whole family of small programs from Corvane Softwares: astrology and "
                   "numerology readings, personal organisers, learning aids and handy everyday tools. Most of them "
                   "are free to download and try, and every one is made with the same care as this one. Spend a few "
                   "minutes browsing the collection; you may find just the tool you have been looking for, or a "
                   "pleasant surprise to share with a friend."),
                twips::rect(120, 300, 6900, 1320), look::font(8.25), look::Caption);
    lblGoToHome = look::link(Frame6, "lblGoToHome", tr("Click Here To Visit Corvane Softwares"),
                             twips::rect(120, 1680, 4500, 210), look::font(8.25, look::Bold | look::Underlined),
                             look::Text);
    look::fitToText(lblGoToHome);

    // Refer a friend: two rows of name and address, the message, and send.
    QGroupBox *Frame2 = look::frame(client(), "Frame2", tr("Refer A Friend"), twips::rect(120, 3540, 7140, 2460));
    const modTellAFriend::ReferralFields placeholders = modTellAFriend::Placeholders();
    txtName = inputBox<QLineEdit>(Frame2, "txtName", tr("Your name"), twips::rect(120, 360, 3375, 285));
    txtEmail = inputBox<QLineEdit>(Frame2, "txtEmail", tr("Your email address"), twips::rect(3600, 360, 3375, 285));
    txtFriendName = inputBox<QLineEdit>(Frame2, "txtFriendName", tr("Friend's name"), twips::rect(120, 735, 3375, 285));
    txtFriendEmail = inputBox<QLineEdit>(Frame2, "txtFriendEmail", tr("Friend's email address"),
                                         twips::rect(3600, 735, 3375, 285));
    txtMessage = inputBox<QPlainTextEdit>(Frame2, "txtMessage", tr("Message"), twips::rect(120, 1110, 6855, 780));
    // Tab moves on; a message needs no tab characters.
    txtMessage->setTabChangesFocus(true);
    txtName->setText(placeholders.ReferrerName);
    txtEmail->setText(placeholders.ReferrerEmail);
    txtFriendName->setText(placeholders.FriendName);
    txtFriendEmail->setText(placeholders.FriendEmail);
    txtMessage->setPlainText(placeholders.ReferralMessage);
    for (QWidget *box : boxes())
        box->installEventFilter(this);

    cmdSubmit = look::button(Frame2, "cmdSubmit", tr("Refer A Friend &Now"), twips::rect(2280, 1995, 2580, 375),
                             look::font(8.25, look::Bold));

    // The invitation and the way out.
    Check1 = new QCheckBox(tr("Visit %1 now").arg(QUrl(modHelp::WebSite()).host()), client());
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(twips::rect(120, 6210, 4800, 285));
    Check1->setFont(look::font(8.25, look::Bold));
    QPalette checkPalette = Check1->palette();
    checkPalette.setColor(QPalette::WindowText, look::Text);
    Check1->setPalette(checkPalette);

    cmdClose = look::button(client(), "cmdClose", tr("E&xit"), twips::rect(6000, 6135, 1260, 435),
                            look::font(8.25, look::Bold));

    setTabOrder(txtName, txtEmail);
    setTabOrder(txtEmail, txtFriendName);
    setTabOrder(txtFriendName, txtFriendEmail);
    setTabOrder(txtFriendEmail, txtMessage);
    setTabOrder(txtMessage, cmdSubmit);
    setTabOrder(cmdSubmit, Check1);
    setTabOrder(Check1, cmdClose);
    setTabOrder(cmdClose, lblGoToHome); // the link comes last
    // Enter in a one-line box and Esc anywhere leave through Exit; the
    // message box keeps Enter for its new lines.
    setDefaultAndCancel(cmdClose);

    connect(cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    // toggled, not clicked: a screen reader's toggle action ticks the box
    // without a click.
    connect(Check1, &QCheckBox::toggled, this, &frmNagScreen2::Check1_Click);
    connect(lblGoToHome, &ClickLabel::clicked, this, &modHelp::OpenSoftwaresPage);

    Form_Load();
    // The window opens on the way out, not in a box: every placeholder stays
    // readable until the user picks a box.
    cmdClose->setFocus();
}

QList<QWidget *> frmNagScreen2::boxes() const
{
    return {txtName, txtEmail, txtFriendName, txtFriendEmail, txtMessage};
}

QString frmNagScreen2::placeholderOf(const QObject *box) const
{
    const modTellAFriend::ReferralFields p = modTellAFriend::Placeholders();
    if (box == txtName)
        return p.ReferrerName;
    if (box == txtEmail)
        return p.ReferrerEmail;
    if (box == txtFriendName)
        return p.FriendName;
    if (box == txtFriendEmail)
        return p.FriendEmail;
    if (box == txtMessage)
        return p.ReferralMessage;
    return {};
}

void frmNagScreen2::ShowTopMost()
{
    platform::ShowTopMost(this);
}

QString frmNagScreen2::SupportText(int number)
{
    switch (number) {
    case 0:
        return tr("Corvane Softwares can only make and maintain programs like this one with your support, and the "
                  "best support you can give is to visit the Corvane discussion forum regularly and take part in it.");
    case 1:
        return tr("Please visit the Corvane discussion forum regularly and join in its discussions. Without you we "
                  "cannot keep our programs maintained.");
    case 2:
        return tr("The Corvane discussion forum is a free online discussion forum. Please visit it regularly and "
                  "help us maintain this program.");
    case 3:
        return tr("The Corvane discussion forum needs your help. Please visit it regularly, so that we can develop "
                  "more programs for you.");
    default:
        return {};
    }
}

void frmNagScreen2::Form_Load()
{
    platform::Randomize();
    const float r = platform::Rnd();
    // r is below 1, so this is 0..3; the clamp only guards a stray value.
    Label2->setText(SupportText(qBound(0, int(r * 4), 3)));
    // A screen reader reads the support text as the window opens.
    accessible::SetSummary(this, Label2->text());
}

void frmNagScreen2::clearPlaceholder()
{
    QWidget *box = m_placeholderToClear;
    m_placeholderToClear = nullptr;
    if (box && box->hasFocus() && modTellAFriend::TrimSpaces(textOf(box)) == placeholderOf(box))
        setTextOf(box, QString());
}

void frmNagScreen2::cmdSubmit_Click()
{
    using modTellAFriend::TrimSpaces;
    modTellAFriend::ReferralFields &fields = modTellAFriend::Fields();
    fields.ReferrerName = TrimSpaces(txtName->text());
    fields.ReferrerEmail = TrimSpaces(txtEmail->text());
    fields.ReferralMessage = TrimSpaces(txtMessage->toPlainText());
    fields.FriendName = TrimSpaces(txtFriendName->text());
    fields.FriendEmail = TrimSpaces(txtFriendEmail->text());

    const QString &mine = fields.ReferrerEmail;
    const QString &friends = fields.FriendEmail;
    if (mine == friends) {
        platform::ShowMessage(tr("Please Enter Distinct Email Addresses"), platform::MessageIcon::Stop);
        return;
    }
    const auto proper = [](const QString &address) {
        return address.contains(u'@') && address.contains(u'.');
    };
    if (!proper(mine) || !proper(friends)) {
        platform::ShowMessage(tr("Please Enter Proper Email Address"), platform::MessageIcon::Stop);
        return;
    }
    modTellAFriend::SendReferral();
}

void frmNagScreen2::cmdClose_Click()
{
    forms::ExitApplication();
}

void frmNagScreen2::Form_Unload()
{
    forms::ExitApplication();
}

void frmNagScreen2::Check1_Click(bool checked)
{
    if (!checked)
        return;
    // The box is a one-shot button: it never stays ticked.
    Check1->setChecked(false);
    modHelp::OpenHomePage();
}

bool frmNagScreen2::eventFilter(QObject *watched, QEvent *event)
{
    const QString placeholder = placeholderOf(watched);
    if (placeholder.isEmpty())
        return FormWindow::eventFilter(watched, event);
    auto *box = static_cast<QWidget *>(watched);

    switch (event->type()) {
    case QEvent::FocusIn:
        // Emptied once Qt has announced the focus: emptying it now would tell
        // a screen reader of a changed text before the box has the focus,
        // and the focus would go unspoken.
        if (modTellAFriend::TrimSpaces(textOf(box)) == placeholder) {
            m_placeholderToClear = box;
            QMetaObject::invokeMethod(this, &frmNagScreen2::clearPlaceholder, Qt::QueuedConnection);
        }
        break;
    case QEvent::FocusOut:
        m_placeholderToClear = nullptr;
        if (modTellAFriend::TrimSpaces(textOf(box)).isEmpty())
            setTextOf(box, placeholder);
        break;
    case QEvent::KeyPress:
    case QEvent::InputMethod:
        // A key typed right after the focus came goes into the emptied box.
        if (m_placeholderToClear == box)
            clearPlaceholder();
        if (event->type() == QEvent::KeyPress && (box == txtEmail || box == txtFriendEmail)
            && static_cast<QKeyEvent *>(event)->text() == u" ") {
            const QPointer<QWidget> typedIn(box);
            platform::ShowMessage(tr("Email Address Cannot Contain Space"), platform::MessageIcon::Stop);
            if (typedIn && !isUnloaded())
                typedIn->setFocus();
            return true;
        }
        break;
    default:
        break;
    }
    return FormWindow::eventFilter(watched, event);
}
