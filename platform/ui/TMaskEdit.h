#pragma once
// A text box that takes input through an edit mask: typed characters go to
// the mask's positions, literals are stepped over, and leaving the box with
// an incomplete text raises the mask's error and keeps the focus there.
// Typing, pasting and deleting over a selection replace it from its start,
// from the keys and from the box's own menu alike;
// the caret never stands past the entered text; a character that finds no
// place beeps.
// Text is the value (literals only when the mask saves them); EditText is
// what the box shows.

#include "platform/db/TEditMask.h"
#include "platform/ui/TEdit.h"

class TMaskEdit : public TEdit {
    Q_OBJECT
public:
    TMaskEdit(TComponent* owner, TWinControl* parent = nullptr);

    QString EditMask() const { return m_mask.EditMask(); }
    void SetEditMask(const QString& mask);
    bool IsMasked() const { return m_mask.IsMasked(); }

    QString Text() const override;
    void SetText(const QString& text) override;
    QString EditText() const { return TEdit::Text(); }
    // Raises EDBEditError when the masked text is incomplete.
    void ValidateEdit() const;

protected:
    bool DoKeyDown(int& key, TShiftState shift) override;
    bool DoKeyPress(QChar& key) override;
    void DoExit() override;

private:
    // Types the characters at the caret, over the selection.
    void TypeText(const QString& typed);
    void Show(const QString& editText, int cursor);
    // Blanks the selected positions of the mask.
    void ClearSelection();
    // The box's menu, its Cut, Paste and Delete going through the mask.
    void ShowMenu(const QPoint& at);

    TEditMask m_mask{QString()};
};
