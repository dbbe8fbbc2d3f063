#include "declarations/pages/TypedTextRule.h"

#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"

namespace {

constexpr char16_t FirstPrintable = 32;

// The key handler: the rule first, then the handler that was bound.
void BindKeyRule(TControl* control, const TypedTextRule::Rule& rule) {
    const TKeyPressEvent previous = control->OnKeyPress;
    control->OnKeyPress = TKeyPressEvent::fromFunction([rule, previous](TObject* sender, QChar& key) {
        if (key.unicode() >= FirstPrintable)
            key = rule(key);
        if (!key.isNull())
            previous(sender, key);
    });
}

} // namespace

QString TypedTextRule::Apply(const QString& text, const Rule& rule) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const QChar kept = c.unicode() >= FirstPrintable ? rule(c) : c;
        if (!kept.isNull())
            result.append(kept);
    }
    return result;
}

void TypedTextRule::Install(TEdit* edit, Rule rule) {
    BindKeyRule(edit, rule);
    const TNotifyEvent previous = edit->OnChange;
    edit->OnChange = TNotifyEvent::fromFunction([edit, rule, previous](TObject* sender) {
        const QString text = edit->Text();
        const QString kept = Apply(text, rule);
        if (kept != text) {
            // Setting the text runs this handler again, which passes it on.
            edit->SetText(kept);
            return;
        }
        previous(sender);
    });
}

void TypedTextRule::Install(TComboBox* combo, Rule rule) {
    BindKeyRule(combo, rule);
    const TNotifyEvent previous = combo->OnChange;
    combo->OnChange = TNotifyEvent::fromFunction([combo, rule, previous](TObject* sender) {
        const QString text = combo->Text();
        const QString kept = Apply(text, rule);
        // A combo box reports no change of text set by code.
        if (kept != text)
            combo->SetText(kept);
        previous(sender);
    });
}
