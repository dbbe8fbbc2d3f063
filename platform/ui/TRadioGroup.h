#pragma once
// A group box of radio buttons, one per item, in Columns columns.
// ItemIndex is the chosen one (-1: none); OnClick runs when it changes.

#include "platform/ui/TWinControl.h"

#include <QStringList>
#include <vector>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

class TRadioGroup : public TWinControl {
    Q_OBJECT
public:
    TRadioGroup(TComponent* owner, TWinControl* parent = nullptr);

    QString Caption() const;
    void SetCaption(const QString& caption);
    const QStringList& Items() const { return m_items; }
    void SetItems(const QStringList& items);
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    int Columns() const { return m_columns; }
    void SetColumns(int columns);

private:
    void Rebuild();

    QStringList m_items;
    int m_itemIndex = -1;
    int m_columns = 1;
    QGridLayout* m_layout;
    QButtonGroup* m_group;
    std::vector<QRadioButton*> m_buttons;
};
