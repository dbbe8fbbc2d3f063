#pragma once
// The read-only figures of the summary sheets and of the totals beside the
// interstate grids: a caption and a sunken panel that shows an amount,
// right-aligned, "0,00" until the page computes it.

#include "platform/base/Currency.h"

#include <QString>

class TComponent;
class TLabel;
class TPanel;
class TWinControl;

inline constexpr int kFigureHeight = 19;

// An amount as the sheets and the mirror show it ("#,##0.00").
QString Figure(Currency value);
// A proportion as the sheets and the mirror show it ("#,##0.0000").
QString Proportion(Currency value);

TPanel* FigurePanel(TComponent* owner, TWinControl* parent, const QString& name, int left, int top,
                    int width);
TLabel* FigureCaption(TComponent* owner, TWinControl* parent, const QString& caption, int left, int top,
                      bool bold = false);
