#include "declarations/registers/RegisterLayout.h"

#include "platform/ui/TColumn.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TWinControl.h"

TLabel* CaptionOver(TComponent* owner, TWinControl* parent, const QString& editName, const QString& caption,
                    int left, int top) {
    auto* label = new TLabel(owner, parent);
    label->SetName(QStringLiteral("lbl") + editName.mid(3));
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

TDBEdit* LabeledEdit(TComponent* owner, TWinControl* parent, const QString& name, const QString& caption,
                     TDataSource* source, const QString& field, int left, int top, int width) {
    CaptionOver(owner, parent, name, caption, left, top);
    auto* edit = new TDBEdit(owner, parent);
    edit->SetName(name);
    edit->SetBounds(left, top + kCaptionHeight, width, kEditHeight);
    edit->SetDataSource(source);
    edit->SetDataField(field);
    return edit;
}

TDBMemo* LabeledMemo(TComponent* owner, TWinControl* parent, const QString& name, const QString& caption,
                     TDataSource* source, const QString& field, int left, int top, int width, int height) {
    CaptionOver(owner, parent, name, caption, left, top);
    auto* memo = new TDBMemo(owner, parent);
    memo->SetName(name);
    memo->SetBounds(left, top + kCaptionHeight, width, height);
    memo->SetDataSource(source);
    memo->SetDataField(field);
    return memo;
}

TDBGrid* ReadOnlyGrid(TComponent* owner, TWinControl* parent, const QString& name, TDataSource* source,
                      std::initializer_list<GridColumn> columns) {
    auto* grid = new TDBGrid(owner, parent);
    grid->SetName(name);
    grid->SetReadOnly(true);
    grid->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgTabs |
                     dgRowSelect | dgAlwaysShowSelection);
    grid->SetDataSource(source);
    for (const GridColumn& spec : columns) {
        TColumn* column = grid->Columns().Add();
        column->SetFieldName(QString::fromLatin1(spec.field));
        column->SetTitleCaption(QString::fromUtf8(spec.caption));
        column->SetWidth(spec.width);
    }
    return grid;
}

void KeepAtRight(TWinControl* panel, TControl* control, int margin) {
    const TNotifyEvent previous = panel->OnResize;
    panel->OnResize = TNotifyEvent::fromFunction([panel, control, margin, previous](TObject* sender) {
        control->SetLeft(panel->Width() - margin - control->Width());
        previous(sender);
    });
}
