#pragma once

#include <QIcon>

// The application icon: a flame kindled under a four-pointed star on a night
// sky. Drawn at whatever size is asked for, so nothing is rendered up front.
QIcon AppIcon();
