#pragma once
// A list of texts; one chosen item (ItemIndex) or, with MultiSelect, several.

#include "platform/ui/TWinControl.h"

#include <QStringList>

class QListWidget;

class TListBox : public TWinControl {
    Q_OBJECT
public:
    TListBox(TComponent* owner, TWinControl* parent = nullptr);

    QStringList Items() const;
    void SetItems(const QStringList& items);
    int Count() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool MultiSelect() const;
    void SetMultiSelect(bool multi);
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    bool Sorted() const;
    void SetSorted(bool sorted);
    void Clear() { SetItems({}); }

private:
    QListWidget* List() const;
};
