#pragma once
// The read-only help text at the top of a page that edits nothing: no
// border, no tab stop, the page's own colour, wrapped to its width.

#include <QStringList>

class TComponent;
class TMemo;
class TWinControl;

// Left, top and width of the help text on such a page.
inline constexpr int kHelpMargin = 16;
inline constexpr int kHelpWidth = 560;

// Memo1 of `owner`, placed on `parent` at (kHelpMargin, kHelpMargin) and
// `height` pixels high.
TMemo* HelpMemo(TComponent* owner, TWinControl* parent, const QStringList& lines, int height);
