#pragma once

#include <QProxyStyle>

// The application's style with one change: the icon of a menu bar's
// extension button (shown only when the menu bar is too narrow for its
// menus) is loaded when it is first drawn, not when the menu bar is built.
// Loading it reads a PNG, and finding the reader loads every image format
// plugin, which every window with a menu bar would pay for at start-up.
class DeferredIconStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
