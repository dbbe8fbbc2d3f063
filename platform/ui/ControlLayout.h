#pragma once
// Making and placing the furniture every window repeats: a label at a point,
// a framed text, a bare aligned panel, a button in a rectangle.

#include "platform/ui/UiTypes.h"

#include <QRect>
#include <QString>

class TButton;
class TComponent;
class TLabel;
class TPanel;
class TWinControl;

// A label that takes the size of its caption, its top left corner at (left, top).
TLabel* MakeLabel(TComponent* owner, TWinControl* parent, const QString& name, const QString& caption,
                  int left, int top, bool bold = false);
// A label of a fixed size that wraps its caption.
TLabel* MakeWrappedLabel(TComponent* owner, TWinControl* parent, const QString& name, const QString& caption,
                         const QRect& bounds);
// A panel without caption or outer bevel, aligned in its parent.
TPanel* MakePanel(TComponent* owner, TWinControl* parent, const QString& name, TAlign align);
TButton* MakeButton(TComponent* owner, TWinControl* parent, const QString& name, const QString& caption,
                    const QRect& bounds);
