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

// What a screen reader reads of a window as it opens (the result, the exit
// window's support text). It is the window's description, but set without a
// change event: Orca 48 speaks such a change only when it reaches it after
// the window has opened, so it was heard only sometimes. Readers that read
// the description as a window opens (Orca 43) hear it that way; with Qt 6.8
// on, it is also announced once the window is active after each showing,
// which is how Orca 48 hears it.
void SetSummary(QWidget *window, const QString &text);

} // namespace accessible
