#include "platform/ui/ControlLayout.h"

#include "platform/ui/ControlFont.h"
#include "platform/ui/Make.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

TLabel* MakeLabel(TComponent* owner, TWinControl* parent, const QString& name, const QString& caption,
                  int left, int top, bool bold) {
    auto* label = Make<TLabel>(owner, name, parent);
    // The face first: the label takes the size of its caption in it.
    if (bold)
        SetBold(label);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

TLabel* MakeWrappedLabel(TComponent* owner, TWinControl* parent, const QString& name, const QString& caption,
                         const QRect& bounds) {
    auto* label = Make<TLabel>(owner, name, parent);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetCaption(caption);
    label->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    return label;
}

TPanel* MakePanel(TComponent* owner, TWinControl* parent, const QString& name, TAlign align) {
    auto* panel = Make<TPanel>(owner, name, parent);
    panel->SetCaption(QString());
    panel->SetAlign(align);
    panel->SetBevelOuter(TBevelCut::bvNone);
    return panel;
}

TButton* MakeButton(TComponent* owner, TWinControl* parent, const QString& name, const QString& caption,
                    const QRect& bounds) {
    auto* button = Make<TButton>(owner, name, parent);
    button->SetCaption(caption);
    button->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    return button;
}
