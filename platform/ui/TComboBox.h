#pragma once
// A drop-down list: csDropDown lets the user type, csDropDownList only
// chooses. OnChange runs when the text or the chosen item changes.

#include "platform/ui/TWinControl.h"

#include <QStringList>

class QComboBox;

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
    Q_OBJECT
public:
    TComboBox(TComponent* owner, TWinControl* parent = nullptr);

    TComboBoxStyle Style() const { return m_style; }
    virtual void SetStyle(TComboBoxStyle style);
    QStringList Items() const;
    void SetItems(const QStringList& items);
    int ItemIndex() const;
    void SetItemIndex(int index);
    QString Text() const;
    void SetText(const QString& text);
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);
    int DropDownCount() const;
    void SetDropDownCount(int count);
    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase charCase) { m_charCase = charCase; }
    bool DroppedDown() const;
    void Clear();

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;

protected:
    QComboBox* Combo() const;
    bool DoKeyPress(QChar& key) override;
    virtual void Change();
    virtual void Select();

private:
    TComboBoxStyle m_style = TComboBoxStyle::csDropDown;
    bool m_sorted = false;
    TEditCharCase m_charCase = TEditCharCase::ecNormal;
    bool m_settingText = false;
};
