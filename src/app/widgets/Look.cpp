#include "app/widgets/Look.h"

#include "app/widgets/Accessible.h"
#include "app/widgets/ClickLabel.h"
#include "app/widgets/DeferredIconStyle.h"
#include "app/widgets/WholeFrameStyle.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

namespace {

// Fusion opens a pick-only list as a menu over the list, sized to every item
// up to the screen's height, and so ignores the row limit; the pick lists
// keep the drop-down kind of open list, which respects it. The application's
// style knows them by a mark: a list given a style of its own would build its
// open list (and its view) at once, where otherwise it waits to be opened.
constexpr char PickListMark[] = "starkindlePickList";

class PickListStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup && widget && widget->property(PickListMark).toBool())
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Type-ahead on a closed pick-only list, kept on the list itself. Qt's own
// search goes through the list's hidden item view and gives that view's item
// the focus, after which a screen reader takes the list's later changes for
// another object's and no longer reads them.
class TypeAhead : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *list = static_cast<QComboBox *>(watched);
        const auto *key = static_cast<const QKeyEvent *>(event);
        const QString text = key->text();
        if (text.isEmpty() || !text.front().isPrint() || text.front().isSpace()
            || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) || list->count() == 0)
            return false;
        // As item views do: keys typed close together extend the search, and
        // a new search starts after the current item, so one key repeated
        // steps through the items it begins.
        if (!m_typed.isValid() || m_typed.hasExpired(QApplication::keyboardInputInterval()))
            m_search.clear();
        m_typed.start();
        m_search += text;
        int row = find(list, m_search, list->currentIndex() + (m_search.size() == 1 ? 1 : 0));
        if (row < 0 && m_search.size() > 1) {
            m_search = text;
            row = find(list, m_search, list->currentIndex() + 1);
        }
        if (row >= 0)
            list->setCurrentIndex(row);
        return true;
    }

private:
    static int find(const QComboBox *list, const QString &prefix, int from)
    {
        for (int i = 0; i < list->count(); ++i) {
            const int row = (from + i) % list->count();
            if (list->itemText(row).startsWith(prefix, Qt::CaseInsensitive))
                return row;
        }
        return -1;
    }

    QString m_search;
    QElapsedTimer m_typed;
};

} // namespace

namespace look {

QFont font(qreal pointSize, int style)
{
    // DejaVu Sans shares Verdana's wide proportions, so the layout holds where
    // Verdana is missing. A missing family is left out, not left for Qt to
    // find: Qt would ask the system for a stand-in for every size and weight
    // (a tenth of start-up), and then take DejaVu Sans all the same.
    static const QStringList families = [] {
        const QString verdana = QStringLiteral("Verdana");
        const QStringList installed = QFontDatabase::families();
        // "Verdana [foundry]" where two foundries have one.
        const bool hasVerdana = std::any_of(installed.cbegin(), installed.cend(), [&verdana](const QString &family) {
            return family.compare(verdana, Qt::CaseInsensitive) == 0
                || family.startsWith(verdana + QStringLiteral(" ["), Qt::CaseInsensitive);
        });
        return hasVerdana ? QStringList{verdana, QStringLiteral("DejaVu Sans")} : QStringList{QStringLiteral("DejaVu Sans")};
    }();
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(pointSize);
    f.setBold(style & Bold);
    f.setUnderline(style & Underlined);
    return f;
}

void paintPanel(QWidget *widget)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, Panel);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QWidget *panel(QWidget *parent, const QRect &geometry)
{
    auto *w = new QWidget(parent);
    w->setGeometry(geometry);
    paintPanel(w);
    return w;
}

namespace {
template <class L>
L *setUp(L *l, const char *name, const QString &text, const QRect &geometry, const QFont &font,
         const QColor &colour, Qt::Alignment alignment, bool opaque)
{
    l->setObjectName(QString::fromLatin1(name));
    l->setText(text);
    l->setGeometry(geometry);
    l->setFont(font);
    l->setAlignment(alignment);
    l->setWordWrap(true);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Window, Panel);
    l->setPalette(p);
    l->setAutoFillBackground(opaque);
    return l;
}

// Makes its label selectable by mouse when the pointer first enters it or
// presses on it, before the label handles that event.
class SelectableOnDemand : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseButtonPress) {
            static_cast<QLabel *>(watched)->setTextInteractionFlags(Qt::TextSelectableByMouse);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &geometry, const QFont &font,
              const QColor &colour, Qt::Alignment alignment, bool opaque)
{
    return setUp(new QLabel(parent), name, text, geometry, font, colour, alignment, opaque);
}

QLabel *selectableLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                        const QFont &font, const QColor &colour, Qt::Alignment alignment)
{
    auto *l = new QLabel(parent);
    // Before the text: setting the text may already ask for the screen
    // reader's view of the label.
    accessible::InstallInterfaces();
    accessible::MarkSelectable(l);
    // Laying the text out for selection costs about a tenth of the time the
    // result window takes to appear, so it waits until the pointer comes
    // over the label (or a screen reader selects, see MarkSelectable). The
    // text looks the same either way.
    l->installEventFilter(new SelectableOnDemand(l));
    return setUp(l, name, text, geometry, font, colour, alignment, false);
}

ClickLabel *link(QWidget *parent, const char *name, const QString &text, const QRect &geometry, const QFont &font,
                 const QColor &colour, Qt::Alignment alignment, bool opaque)
{
    ClickLabel *l = setUp(new ClickLabel(parent), name, text, geometry, font, colour, alignment, opaque);
    l->setAccessibleDescription(QCoreApplication::translate("look", "Opens a web page in your browser"));
    return l;
}

void fitToText(QLabel *label)
{
    const QPoint topLeft = label->pos();
    label->setWordWrap(false);
    label->adjustSize();
    label->move(topLeft);
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &title, const QRect &geometry)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setFont(font(9, Bold));
    paintPanel(box);
    QPalette p = box->palette();
    p.setColor(QPalette::WindowText, Caption);
    box->setPalette(p);
    return box;
}

void styleInput(QWidget *input, const char *name, const QString &accessibleName, const QRect &geometry,
                const QFont &font, const QColor &textColour)
{
    input->setObjectName(QString::fromLatin1(name));
    input->setAccessibleName(accessibleName);
    input->setGeometry(geometry);
    // Not set again where the panel already gives it: a list given a font of
    // its own builds its open list at once, to pass the font on.
    if (input->font() != font)
        input->setFont(font);
    QPalette p = input->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        p.setColor(role, Panel);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        p.setColor(role, textColour);
    input->setPalette(p);
}

void styleButton(QAbstractButton *button, const QFont &font)
{
    button->setFont(font);
    QPalette p = button->palette();
    p.setColor(QPalette::Button, ButtonFace);
    p.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(p);
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                    const QFont &font)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    styleButton(b, font);
    return b;
}

void setUpPickList(QComboBox *list, int rows)
{
    list->installEventFilter(new TypeAhead(list));
    list->setProperty(PickListMark, true);
    list->setMaxVisibleItems(rows);
}

QStyle *ApplicationStyle()
{
    return new PickListStyle(new DeferredIconStyle(new WholeFrameStyle(QLatin1String(StyleName))));
}

} // namespace look
