#pragma once

// What screen readers see of the application's own controls beyond Qt's
// defaults: link labels as links with a press action, panels that leave out
// a link hidden behind another, selectable labels whose text can be read
// piece by piece, and pick-only lists that read out their current item. Qt
// asks for these only while a screen reader or another assistive client is
// listening.
class QLabel;

namespace accessible {

// Registers the interfaces with Qt; later calls do nothing.
void InstallInterfaces();

// Marks a label whose text the user may select. A screen reader sees it as
// selectable text at once; the label itself becomes selectable when a
// screen reader first selects in it, or on the caller's cue.
void MarkSelectable(QLabel *label);

} // namespace accessible
