#include "platform/ui/TRadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

TRadioGroup::TRadioGroup(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, new QGroupBox), m_layout(new QGridLayout(Widget())),
      m_group(new QButtonGroup(this)) {
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == m_itemIndex)
            return;
        m_itemIndex = id;
        Safe([this] { Click(); });
    });
    SetBounds(0, 0, 185, 105);
    SetParent(parent);
}

QString TRadioGroup::Caption() const {
    return static_cast<QGroupBox*>(Widget())->title();
}

void TRadioGroup::SetCaption(const QString& caption) {
    static_cast<QGroupBox*>(Widget())->setTitle(caption);
}

void TRadioGroup::SetItems(const QStringList& items) {
    m_items = items;
    if (m_itemIndex >= m_items.size())
        m_itemIndex = -1;
    Rebuild();
}

void TRadioGroup::SetColumns(int columns) {
    m_columns = std::max(1, columns);
    Rebuild();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= m_items.size())
        throw EComponentError(QStringLiteral("List index out of bounds (%1)").arg(index));
    if (index == m_itemIndex)
        return;
    m_itemIndex = index;
    m_group->setExclusive(false);
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setChecked(static_cast<int>(i) == index);
    m_group->setExclusive(true);
    Click();
}

void TRadioGroup::Rebuild() {
    for (QRadioButton* button : m_buttons)
        delete button;
    m_buttons.clear();
    const int rows = (static_cast<int>(m_items.size()) + m_columns - 1) / m_columns;
    for (int i = 0; i < m_items.size(); ++i) {
        auto* button = new QRadioButton(m_items[i], Widget());
        m_group->addButton(button, i);
        m_layout->addWidget(button, rows ? i % rows : 0, rows ? i / rows : 0);
        button->setChecked(i == m_itemIndex);
        m_buttons.push_back(button);
    }
}
