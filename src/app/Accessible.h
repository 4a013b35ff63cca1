#pragma once

// What screen readers see of the application's own controls beyond Qt's
// defaults: link labels as links with a press action, panels that leave out
// a link hidden behind another, and selectable labels whose text can be
// read piece by piece. Qt asks for these only while a screen reader or
// another assistive client is listening.
namespace accessible {

// Registers the interfaces with Qt; later calls do nothing.
void InstallInterfaces();

} // namespace accessible
