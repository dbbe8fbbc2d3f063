#pragma once
// Base of the printable controls that print a text: labels, data texts,
// system data, expressions and multi-line text. AutoSize fits the width to
// the text; WordWrap breaks lines at the width; AutoStretch lets the control
// (and its band) grow downwards to show all lines.

#include "platform/report/TPrintable.h"

#include <QString>

class TTextPrintable : public TPrintable {
public:
    using TPrintable::TPrintable;

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value) { m_autoSize = value; }
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value) { m_wordWrap = value; }
    void SetAutoStretch(bool value) { m_autoStretch = value; }

    // The text the control prints now.
    virtual QString PrintText(const TPrintContext& context) const = 0;
    // The width the control takes for `text`: the text's width when AutoSize
    // and not wrapping, else Width.
    double PrintWidth(const QString& text) const;

    double Print(const TPrintContext& context, std::vector<TDrawItem>& items) override;

private:
    bool m_autoSize = true;
    bool m_wordWrap = false;
    bool m_autoStretch = false;
};
