#pragma once

// What screen readers see of the application's own controls beyond Qt's
// defaults: link labels as links with a press action, panels that leave out
// a link hidden behind another, selectable labels whose text can be read
// piece by piece, and pick-only lists that read out their current item. Qt
// asks for these only while a screen reader or another assistive client is
// listening.
class QLabel;
class QString;
class QWidget;

namespace accessible {

// Registers the interfaces with Qt; later calls do nothing.
void InstallInterfaces();

// Marks a label whose text the user may select. A screen reader sees it as
// selectable text at once; the label itself becomes selectable when a
// screen reader first selects in it, or on the caller's cue.
void MarkSelectable(QLabel *label);

// What a screen reader reads of a window as it opens: the window's
// description. Changed without the change event, which a screen reader
// that speaks a changed description of the window in focus (Orca 48) would
// present only if it came after the window opened; instead, where Qt has
// announcements (6.8 on), each opening is announced once the window is
// active and its focus set. Readers that take the description as the window
// opens (Orca 43) have no announcements.
void SetSummary(QWidget *window, const QString &text);

} // namespace accessible
