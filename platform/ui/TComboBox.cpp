#include "platform/ui/TComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

TComboBox::TComboBox(TComponent* owner, TWinControl* parent) : TWinControl(owner, new QComboBox) {
    Combo()->setEditable(true);
    Combo()->setInsertPolicy(QComboBox::NoInsert);
    connect(Combo(), &QComboBox::currentTextChanged, this, [this] {
        if (!m_settingText)
            Safe([this] { Change(); });
    });
    connect(Combo(), &QComboBox::activated, this, [this] { Safe([this] { Select(); }); });
    SetBounds(0, 0, 145, 21);
    SetParent(parent);
}

QComboBox* TComboBox::Combo() const {
    return static_cast<QComboBox*>(Widget());
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    m_style = style;
    const QString text = Text();
    Combo()->setEditable(style != TComboBoxStyle::csDropDownList);
    if (Combo()->lineEdit())
        Combo()->lineEdit()->setText(text);
}

QStringList TComboBox::Items() const {
    QStringList items;
    for (int i = 0; i < Combo()->count(); ++i)
        items << Combo()->itemText(i);
    return items;
}

void TComboBox::SetItems(const QStringList& items) {
    const QString text = Text();
    m_settingText = true;
    Combo()->clear();
    QStringList sorted = items;
    if (m_sorted)
        sorted.sort(Qt::CaseInsensitive);
    Combo()->addItems(sorted);
    Combo()->setCurrentIndex(-1);
    if (Combo()->lineEdit())
        Combo()->lineEdit()->setText(m_style == TComboBoxStyle::csDropDownList ? QString() : text);
    m_settingText = false;
}

int TComboBox::ItemIndex() const {
    if (m_style == TComboBoxStyle::csDropDownList)
        return Combo()->currentIndex();
    const int index = Combo()->currentIndex();
    return index >= 0 && Combo()->itemText(index) == Text() ? index
                                                            : Combo()->findText(Text(), Qt::MatchExactly);
}

void TComboBox::SetItemIndex(int index) {
    m_settingText = true;
    Combo()->setCurrentIndex(index < Combo()->count() ? index : -1);
    if (index < 0 && Combo()->lineEdit())
        Combo()->lineEdit()->clear();
    m_settingText = false;
}

QString TComboBox::Text() const {
    return Combo()->currentText();
}

void TComboBox::SetText(const QString& text) {
    m_settingText = true;
    if (m_style == TComboBoxStyle::csDropDownList) {
        Combo()->setCurrentIndex(Combo()->findText(text, Qt::MatchExactly));
    } else {
        const int index = Combo()->findText(text, Qt::MatchExactly);
        Combo()->setCurrentIndex(index);
        Combo()->lineEdit()->setText(text);
    }
    m_settingText = false;
}

void TComboBox::SetSorted(bool sorted) {
    m_sorted = sorted;
    if (sorted)
        SetItems(Items());
}

int TComboBox::DropDownCount() const {
    return Combo()->maxVisibleItems();
}
void TComboBox::SetDropDownCount(int count) {
    Combo()->setMaxVisibleItems(count);
}
bool TComboBox::DroppedDown() const {
    return Combo()->view() && Combo()->view()->isVisible();
}

void TComboBox::Clear() {
    SetItems({});
    SetText(QString());
}

bool TComboBox::DoKeyPress(QChar& key) {
    if (!TWinControl::DoKeyPress(key))
        return false;
    if (m_charCase == TEditCharCase::ecUpperCase)
        key = key.toUpper();
    else if (m_charCase == TEditCharCase::ecLowerCase)
        key = key.toLower();
    return true;
}

void TComboBox::Change() {
    OnChange(this);
}

void TComboBox::Select() {
    OnSelect(this);
    Click();
}
