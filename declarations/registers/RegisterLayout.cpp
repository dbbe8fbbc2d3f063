#include "declarations/registers/RegisterLayout.h"

#include "platform/ui/GridColumn.h"
#include "platform/ui/Make.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TWinControl.h"

TLabel* CaptionOver(TComponent* owner, TWinControl* parent, const QString& editName, const QString& caption,
                    int left, int top) {
    auto* label = Make<TLabel>(owner, QStringLiteral("lbl") + editName.mid(3), parent);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

TDBEdit* LabeledEdit(TComponent* owner, TWinControl* parent, const QString& name, const QString& caption,
                     TDataSource* source, const QString& field, int left, int top, int width) {
    CaptionOver(owner, parent, name, caption, left, top);
    auto* edit = Make<TDBEdit>(owner, name, parent);
    edit->SetBounds(left, top + kCaptionHeight, width, kEditHeight);
    edit->SetDataSource(source);
    edit->SetDataField(field);
    return edit;
}

TDBMemo* LabeledMemo(TComponent* owner, TWinControl* parent, const QString& name, const QString& caption,
                     TDataSource* source, const QString& field, int left, int top, int width, int height) {
    CaptionOver(owner, parent, name, caption, left, top);
    auto* memo = Make<TDBMemo>(owner, name, parent);
    memo->SetBounds(left, top + kCaptionHeight, width, height);
    memo->SetDataSource(source);
    memo->SetDataField(field);
    return memo;
}

TDBGrid* ReadOnlyGrid(TComponent* owner, TWinControl* parent, const QString& name, TDataSource* source,
                      std::initializer_list<GridColumn> columns) {
    auto* grid = Make<TDBGrid>(owner, name, parent);
    grid->SetReadOnly(true);
    grid->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgTabs |
                     dgRowSelect | dgAlwaysShowSelection);
    grid->SetDataSource(source);
    AddColumns(grid, columns);
    return grid;
}

void KeepAtRight(TWinControl* panel, TControl* control, int margin) {
    const TNotifyEvent previous = panel->OnResize;
    panel->OnResize = TNotifyEvent::fromFunction([panel, control, margin, previous](TObject* sender) {
        control->SetLeft(panel->Width() - margin - control->Width());
        previous(sender);
    });
}
