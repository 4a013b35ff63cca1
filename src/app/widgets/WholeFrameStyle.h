#pragma once

#include <QProxyStyle>

// Draws the frame of a text box or list (a scroll area) as Fusion draws a
// one-line box's: antialiased, half a pixel inside the widget's edge. Fusion
// draws a scroll area's frame with aliased lines on whole logical pixels; at
// a fractional scale (1.25, 1.5, 1.75) those fall on half device pixels, and
// a line lands in a row that the widget's own clip or its viewport, both
// rounded to whole device pixels, takes away: a side of the frame vanishes.
class WholeFrameStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
