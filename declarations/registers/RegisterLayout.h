#pragma once
// Placing the fields of register and lookup windows: a caption with a
// data-aware edit (or memo) under it, bound to one field.

#include "platform/ui/GridColumn.h"

#include <QString>
#include <initializer_list>

class TComponent;
class TControl;
class TDataSource;
class TDBEdit;
class TDBGrid;
class TDBMemo;
class TLabel;
class TWinControl;

// Room a caption takes above its edit.
inline constexpr int kCaptionHeight = 16;
// Height of a one-line edit.
inline constexpr int kEditHeight = 21;

// The caption "lbl" + the edit's name without its "dbe" prefix.
TLabel* CaptionOver(TComponent* owner, TWinControl* parent, const QString& editName, const QString& caption,
                    int left, int top);
// A caption at (left, top) and the edit under it.
TDBEdit* LabeledEdit(TComponent* owner, TWinControl* parent, const QString& name, const QString& caption,
                     TDataSource* source, const QString& field, int left, int top, int width);
TDBMemo* LabeledMemo(TComponent* owner, TWinControl* parent, const QString& name, const QString& caption,
                     TDataSource* source, const QString& field, int left, int top, int width, int height);

// Keeps `control` `margin` pixels from the right edge of `panel` whenever the
// panel is sized (the panel's own OnResize still runs).
void KeepAtRight(TWinControl* panel, TControl* control, int margin);

// A read-only grid of whole rows showing the columns given.
TDBGrid* ReadOnlyGrid(TComponent* owner, TWinControl* parent, const QString& name, TDataSource* source,
                      std::initializer_list<GridColumn> columns);
