#include "declarations/pages/FigurePanels.h"

#include "core/util/GeneralRoutines.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

QString Figure(Currency value) {
    return FormatFloat(MoneyFormat, value);
}

QString Proportion(Currency value) {
    return FormatFloat(ProportionFormat, value);
}

TPanel* FigurePanel(TComponent* owner, TWinControl* parent, const QString& name, int left, int top,
                    int width) {
    auto* panel = Make<TPanel>(owner, name, parent);
    panel->SetCaption(Figure(Currency()));
    panel->SetAlignment(TAlignment::taRightJustify);
    panel->SetBevelOuter(TBevelCut::bvLowered);
    panel->SetColor(clWindow);
    panel->SetBounds(left, top, width, kFigureHeight);
    return panel;
}

TLabel* FigureCaption(TComponent* owner, TWinControl* parent, const QString& caption, int left, int top,
                      bool bold) {
    auto* label = new TLabel(owner, parent);
    if (bold) {
        QFont font = label->Font();
        font.setBold(true);
        label->SetFont(font);
    }
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top + 2);
    return label;
}
