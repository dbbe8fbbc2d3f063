#pragma once
// The program's own pictures, drawn in code: the main window's background
// and the splash window's picture.

#include <QPixmap>
#include <QSize>

// The main window's background: a deep blue field with a light band of
// ruled sheets, drawn for the given size.
QPixmap FundoPrincipal(const QSize& size);
// The splash picture, 424 x 249.
QPixmap FundoSplash();
