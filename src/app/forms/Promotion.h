#pragma once

#include <Qt>

class ClickLabel;
class FormWindow;
class QRect;
class QString;
class QWidget;

// What the main and result windows both show of the maker: the banner, the
// two promotional labels that share one place, and the web menus. Every
// label and command opens its page of the maker's sites (modHelp).
namespace promotion {

// The banner across the top (Label61), which opens the home page.
ClickLabel *Banner(QWidget *parent, const QRect &geometry);

// The fully-branded label (lblFullBrand) and the co-brand label (lblCobrand),
// which lie in one place. Make the co-brand label second: the one made last
// starts in front.
ClickLabel *FullBrandLabel(QWidget *parent, const QRect &geometry, Qt::Alignment alignment);
ClickLabel *CoBrandLabel(QWidget *parent, const QRect &geometry);

// Help (Online Help, Visit Us Online, the update check under the window's
// own caption, About) with the window's own names for its two separators,
// Donate on the menu bar, and Make Money Online, which is kept for branded
// builds but never offered.
void AddWebMenus(FormWindow *window, const QString &updateCaption, const char *firstSeparator,
                 const char *secondSeparator);

} // namespace promotion
