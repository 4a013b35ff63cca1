#include "app/widgets/Look.h"

#include "app/widgets/Accessible.h"
#include "app/widgets/ClickLabel.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace look {

QFont font(qreal pointSize, int style)
{
    QFont f;
    // DejaVu Sans shares Verdana's wide proportions, so the layout holds where
    // Verdana is missing.
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
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
    l->setAccessibleDescription(QObject::tr("Opens a web page in your browser"));
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

} // namespace look
