#pragma once

#include <QLabel>

// A label that acts as a link: underlined, a hand pointer, and a click
// signal on a left-button release inside it. For the keyboard it is a tab
// stop with a focus mark that Enter or Space clicks; screen readers see a
// link with a press action. A link covered by a sibling stacked in front of
// it is neither a tab stop nor shown to screen readers.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);

    // True while a sibling stacked in front of this label hides all of it.
    bool isCovered() const;

    // Hides QLabel::setText: see there.
    void setText(const QString &text);

Q_SIGNALS:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Brings the tab stop and the screen-reader view of this label and of
    // its sibling links in line with their stacking.
    void restack();
    void setCovered(bool covered);

    bool m_pressed = false;
    bool m_covered = false;
};
