#include "app/widgets/Accessible.h"

#include "app/widgets/ClickLabel.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace accessible {

namespace {

// Set on labels whose text the user may select.
const char *const SelectableProperty = "starkindleSelectable";
// A window's description, read when asked for.
const char *const SummaryProperty = "starkindleSummary";

// Read-only plain text for a screen reader: no caret, no attributes, no
// geometry. Each control says only what its text is and what is selected.
class PlainTextInterface : public QAccessibleTextInterface
{
public:
    virtual QString plainText() const = 0;

    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    // An end of -1 means the end of the text.
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = plainText();
        const int start = qBound(0, startOffset, int(all.size()));
        const int end = endOffset < 0 ? int(all.size()) : qBound(start, endOffset, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(plainText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
};

// A label named by its text unless it has a name of its own.
class LabelInterface : public QAccessibleWidget
{
public:
    LabelInterface(QLabel *label, QAccessible::Role role)
        : QAccessibleWidget(label, role)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

protected:
    QLabel *label() const { return static_cast<QLabel *>(widget()); }
};

// A link label: the role link, its caption as its name, and a press action
// that opens the page after the caller has had its answer.
class LinkInterface : public LabelInterface
{
public:
    explicit LinkInterface(ClickLabel *link)
        : LabelInterface(link, QAccessible::Link)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        if (link()->isCovered())
            s.invisible = true;
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        // Queued: the screen reader gets its answer before anything opens.
        if (widget()->isEnabled())
            QMetaObject::invokeMethod(link(), &ClickLabel::clicked, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString &actionName) const override
    {
        if (actionName == pressAction())
            return {QStringLiteral("Return"), QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }

private:
    ClickLabel *link() const { return static_cast<ClickLabel *>(widget()); }
};

// A plain panel: a link covered by another is left out of its children, as
// it is out of sight.
class PanelInterface : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(shown().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QAccessibleInterface *> children = shown();
        return index >= 0 && index < children.size() ? children.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(shown().indexOf(const_cast<QAccessibleInterface *>(child)));
    }

private:
    QList<QAccessibleInterface *> shown() const
    {
        QList<QAccessibleInterface *> children;
        const int all = QAccessibleWidget::childCount();
        for (int i = 0; i < all; ++i) {
            QAccessibleInterface *c = QAccessibleWidget::child(i);
            const auto *link = c ? qobject_cast<const ClickLabel *>(c->object()) : nullptr;
            if (c && !(link && link->isCovered()))
                children.append(c);
        }
        return children;
    }
};

// A label whose text the user may select: besides its name, the text
// interface, so a screen reader can read and select it by word or line.
class SelectableLabelInterface : public LabelInterface, public PlainTextInterface
{
public:
    explicit SelectableLabelInterface(QLabel *label)
        : LabelInterface(label, QAccessible::StaticText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return LabelInterface::interface_cast(t);
    }

    using LabelInterface::text;

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.selectableText = true;
        return s;
    }

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && label()->hasSelectedText()) {
            *startOffset = label()->selectionStart();
            *endOffset = *startOffset + int(label()->selectedText().size());
        }
    }
    int selectionCount() const override { return label()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { label()->setSelection(0, 0); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        const int start = qBound(0, qMin(startOffset, endOffset), characterCount());
        const int end = qBound(0, qMax(startOffset, endOffset), characterCount());
        // Qt asks for this interface whenever the label changes, screen
        // reader or not; the label is made selectable only once one selects.
        label()->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label()->setSelection(start, end - start);
    }
    QString plainText() const override { return label()->text(); }
};

// A pick-only list. Its current item is its value and its read-only text,
// all of it selected while the list has the focus, as the list shows it.
// Qt's own list announces a new item only through a name change and a
// selection in the list's items, which a screen reader may ignore for a
// closed list; each new item is announced here as inserted selected text
// instead, so it is read once. Only insertions: a removal of the selected
// old item would be read as "selection deleted".
class DateListInterface : public QAccessibleWidget, public PlainTextInterface
{
public:
    explicit DateListInterface(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
        QObject::connect(list, &QComboBox::currentTextChanged, list, [list](const QString &text) {
            QAccessibleTextInsertEvent inserted(list, 0, text);
            QAccessible::updateAccessibility(&inserted);
        });
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
#ifdef Q_OS_UNIX
        // As with Qt's own list: the label names the list through the buddy
        // relation, and the name is the item.
        if (t == QAccessible::Name)
            return list()->currentText();
#endif
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(showMenuAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == showMenuAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString &actionName) const override
    {
        if (actionName == showMenuAction())
            return {QStringLiteral("Alt+Down")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = selectionIndex < selectionCount() ? characterCount() : 0;
    }
    // Only while focused, as the list shows it: a screen reader gathers the
    // selected text of neighbouring controls too.
    int selectionCount() const override { return list()->hasFocus() && characterCount() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QString plainText() const override { return list()->currentText(); }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

// A main window whose description is its summary once it has one.
class WindowInterface : public QAccessibleWidget
{
public:
    explicit WindowInterface(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QVariant summary = widget()->property(SummaryProperty);
        if (t == QAccessible::Description && summary.isValid())
            return summary.toString();
        return QAccessibleWidget::text(t);
    }
};

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// Announces a window's summary the first time it is active after each
// showing, after the focus has gone to its control. Before Qt 6.8 there are
// no announcements, and nothing to watch for.
class SummaryAnnouncer : public QObject
{
public:
    explicit SummaryAnnouncer(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            m_pending = true;
        else if (event->type() == QEvent::WindowActivate && m_pending) {
            m_pending = false;
            // Queued: Qt moves the focus into the window after this event,
            // and a reader speaks the focus first.
            QMetaObject::invokeMethod(this, [this] { announce(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void announce()
    {
        const QString summary = m_window->property(SummaryProperty).toString();
        if (summary.isEmpty() || !m_window->isActiveWindow())
            return;
        QAccessibleAnnouncementEvent event(m_window, summary);
        QAccessible::updateAccessibility(&event);
    }

    QWidget *const m_window; // the parent, so it outlives the announcer
    bool m_pending = false;
};
#endif

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("ClickLabel"))
        return new LinkInterface(static_cast<ClickLabel *>(object));
    if (className == QLatin1String("QLabel")) {
        auto *label = static_cast<QLabel *>(object);
        if (!label->property(SelectableProperty).toBool())
            return nullptr;
        return new SelectableLabelInterface(label);
    }
    if (className == QLatin1String("QMainWindow"))
        return new WindowInterface(static_cast<QWidget *>(object));
    // A picture, read by its name and description.
    if (className == QLatin1String("ZodiacWheel"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    if (className == QLatin1String("QComboBox") && !static_cast<QComboBox *>(object)->isEditable())
        return new DateListInterface(static_cast<QComboBox *>(object));
    // Every plain panel, whether or not its links exist yet: for panels
    // without links it behaves as Qt's own.
    if (className == QLatin1String("QWidget"))
        return new PanelInterface(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void MarkSelectable(QLabel *label)
{
    label->setProperty(SelectableProperty, true);
}

void SetSummary(QWidget *window, const QString &text)
{
    InstallInterfaces();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (!window->property(SummaryProperty).isValid())
        new SummaryAnnouncer(window);
#endif
    window->setProperty(SummaryProperty, text);
}

void InstallInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(&factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace accessible
