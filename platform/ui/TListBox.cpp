#include "platform/ui/TListBox.h"

#include <QListWidget>

TListBox::TListBox(TComponent* owner, TWinControl* parent) : TWinControl(owner, new QListWidget) {
    WatchWidget(List()->viewport());
    SetBounds(0, 0, 121, 97);
    SetParent(parent);
}

QListWidget* TListBox::List() const {
    return static_cast<QListWidget*>(Widget());
}

QStringList TListBox::Items() const {
    QStringList items;
    for (int i = 0; i < List()->count(); ++i)
        items << List()->item(i)->text();
    return items;
}

void TListBox::SetItems(const QStringList& items) {
    List()->clear();
    List()->addItems(items);
}

int TListBox::Count() const {
    return List()->count();
}
int TListBox::ItemIndex() const {
    return List()->currentRow();
}
void TListBox::SetItemIndex(int index) {
    List()->setCurrentRow(index);
}
bool TListBox::MultiSelect() const {
    return List()->selectionMode() == QAbstractItemView::ExtendedSelection;
}

void TListBox::SetMultiSelect(bool multi) {
    List()->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection
                                   : QAbstractItemView::SingleSelection);
}

bool TListBox::Selected(int index) const {
    const QListWidgetItem* item = List()->item(index);
    if (!item)
        throw EComponentError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return item->isSelected();
}

void TListBox::SetSelected(int index, bool selected) {
    QListWidgetItem* item = List()->item(index);
    if (!item)
        throw EComponentError(QStringLiteral("List index out of bounds (%1)").arg(index));
    item->setSelected(selected);
}

bool TListBox::Sorted() const {
    return List()->isSortingEnabled();
}
void TListBox::SetSorted(bool sorted) {
    List()->setSortingEnabled(sorted);
}
