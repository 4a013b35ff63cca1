#pragma once

#include <QColor>
#include <QFont>

class QComboBox;
class QWidget;
class QLabel;
class QAbstractButton;
class QPushButton;
class ClickLabel;
class QGroupBox;
class QStyle;

// The shared look of the windows: dark grey panels, light texts, light grey
// button faces, Verdana throughout.
namespace look {

// The style every window is drawn in, whatever the platform's own.
inline constexpr char StyleName[] = "Fusion";

inline const QColor Panel{64, 64, 64};
inline const QColor Caption{192, 192, 192}; // field captions, light grey
inline const QColor Text{224, 224, 224};
inline const QColor White{255, 255, 255};
inline const QColor ButtonFace{224, 224, 224};

enum FontStyle { Plain = 0, Bold = 1, Underlined = 2 };

// Verdana at the given point size (8.25, 9, 9.75, ...); where Verdana is not
// installed the closest metric match stands in.
QFont font(qreal pointSize, int style = Plain);

// A plain dark-grey panel.
QWidget *panel(QWidget *parent, const QRect &geometry);

// A label with the given text colour; transparent unless opaque is set.
QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &geometry, const QFont &font,
              const QColor &colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool opaque = false);

// The same for text the user may select and copy with the mouse (no tab
// stop).
QLabel *selectableLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                        const QFont &font, const QColor &colour,
                        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// The same for a click target: underlined by its font, with a hand pointer.
ClickLabel *link(QWidget *parent, const char *name, const QString &text, const QRect &geometry, const QFont &font,
                 const QColor &colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool opaque = false);

// Shrinks or grows a label to its text, keeping its top-left corner.
void fitToText(QLabel *label);

// Gives a push button the light-grey face and dark text.
void styleButton(QAbstractButton *button, const QFont &font);

// A push button named as its control, at its place, with that face and text
// in the given font.
QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                    const QFont &font);

// A dark-grey framed panel with a light-grey caption in bold.
QGroupBox *frame(QWidget *parent, const char *name, const QString &title, const QRect &geometry);

// An input (text box or list) named as its control: light text on dark grey.
void styleInput(QWidget *input, const char *name, const QString &accessibleName, const QRect &geometry,
                const QFont &font, const QColor &textColour);

// Dark-grey background for a window or panel.
void paintPanel(QWidget *widget);

// A pick-only list whose open list shows at most `rows` items and scrolls,
// below the list, instead of covering the screen with a long list (in the
// application's style); typing picks the first item that begins with what
// was typed.
void setUpPickList(QComboBox *list, int rows);

// The application's style: StyleName, with the pick lists, whole frames at
// fractional scales and the menu bar's icon loaded when first drawn.
QStyle *ApplicationStyle();

} // namespace look
