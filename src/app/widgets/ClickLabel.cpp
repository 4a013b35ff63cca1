#include "app/widgets/ClickLabel.h"

#include "app/widgets/Accessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ClickLabel::ClickLabel(QWidget *parent)
    : QLabel(parent)
{
    accessible::InstallInterfaces();
    setCursor(Qt::PointingHandCursor);
    // Tab, not a click, moves the focus here: the mouse works as before.
    setFocusPolicy(Qt::TabFocus);
}

namespace {

// QLabel lays out and draws the text of a focusable label through a
// rich-text document: more memory at start-up and another layout than a
// plain label. Where QLabel decides on it, the link shows itself as not
// focusable for the moment, so it keeps the plain drawing.
class NotFocusableMeanwhile
{
public:
    explicit NotFocusableMeanwhile(QWidget *widget)
        : m_widget(widget)
        , m_policy(widget->focusPolicy())
    {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    ~NotFocusableMeanwhile() { m_widget->setFocusPolicy(m_policy); }
    NotFocusableMeanwhile(const NotFocusableMeanwhile &) = delete;
    NotFocusableMeanwhile &operator=(const NotFocusableMeanwhile &) = delete;

private:
    QWidget *m_widget;
    Qt::FocusPolicy m_policy;
};

} // namespace

void ClickLabel::setText(const QString &text)
{
    NotFocusableMeanwhile plain(this);
    QLabel::setText(text);
}

void ClickLabel::focusInEvent(QFocusEvent *event)
{
    // Past QLabel, which would make the document now; the focus mark is
    // drawn here.
    QWidget::focusInEvent(event);
}

bool ClickLabel::isCovered() const
{
    const QWidget *parent = parentWidget();
    if (!parent)
        return false;
    // Children are kept in stacking order, the front-most last.
    const QObjectList &siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<ClickLabel *>(this)) + 1; i > 0 && i < siblings.size(); ++i) {
        const auto *sibling = qobject_cast<const QWidget *>(siblings.at(i));
        if (sibling && !sibling->isWindow() && sibling->isVisibleTo(parent)
            && sibling->geometry().contains(geometry()))
            return true;
    }
    return false;
}

bool ClickLabel::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ZOrderChange:
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        restack();
        break;
    case QEvent::Polish: {
        NotFocusableMeanwhile plain(this);
        return QLabel::event(event);
    }
    default:
        break;
    }
    return QLabel::event(event);
}

void ClickLabel::restack()
{
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    for (ClickLabel *link : parent->findChildren<ClickLabel *>(QString(), Qt::FindDirectChildrenOnly))
        link->setCovered(link->isCovered());
}

void ClickLabel::setCovered(bool covered)
{
    if (covered == m_covered)
        return;
    m_covered = covered;
    const bool hadFocus = hasFocus();
    setFocusPolicy(covered ? Qt::NoFocus : Qt::TabFocus);
    // The focus goes to whatever now lies in front, where the user looks.
    if (hadFocus && covered) {
        if (QWidget *front = parentWidget()->childAt(geometry().center()); front && front->focusPolicy() != Qt::NoFocus)
            front->setFocus(Qt::OtherFocusReason);
        else
            clearFocus();
    }
    if (QAccessible::isActive()) {
        QAccessibleEvent shownOrHidden(this, covered ? QAccessible::ObjectHide : QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shownOrHidden);
    }
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    const int key = event->key();
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        // Holding the key down opens the page once.
        event->accept();
        if (!event->isAutoRepeat())
            Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A dotted frame in the text colour: it shows on the dark panels where
    // the style's own focus frame would not.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
