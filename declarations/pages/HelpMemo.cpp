#include "declarations/pages/HelpMemo.h"

#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TMemo.h"

TMemo* HelpMemo(TComponent* owner, TWinControl* parent, const QStringList& lines, int height) {
    auto* memo = Make<TMemo>(owner, QStringLiteral("Memo1"), parent);
    memo->SetReadOnly(true);
    memo->SetWordWrap(true);
    memo->SetTabStop(false);
    memo->SetBorderStyle(TBorderStyle::bsNone);
    memo->SetScrollBars(TScrollStyle::ssNone);
    memo->SetColor(clBtnFace);
    memo->SetFontColor(clNavy);
    memo->SetLines(lines);
    memo->SetBounds(kHelpMargin, kHelpMargin, kHelpWidth, height);
    return memo;
}
