#pragma once
// The program's own pictures, drawn in code: the main window's background,
// the splash window's picture and the program's icon.

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The main window's background: a deep blue field with a light band of
// ruled sheets, drawn for the given size.
QPixmap MainBackground(const QSize& size);
// The splash picture, 424 x 249.
QPixmap SplashBackground();
// The program's icon, on every window: a ruled declaration sheet on the
// program's blue, at 16, 32 and 48 pixels.
QIcon ProgramIcon();
