#pragma once
// A picture of a top-level window with its title bar, as the style draws
// one (offscreen there is no window manager to draw it): for screenshots of
// boxes whose caption matters.

#include <QImage>

class QWidget;

QImage TitledPicture(QWidget* window);
