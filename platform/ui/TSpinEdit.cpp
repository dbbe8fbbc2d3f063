#include "platform/ui/TSpinEdit.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>
#include <climits>

namespace {
// A spin box whose text takes any integer while its arrows keep to the
// control's limits.
class LimitedSpinBox : public QSpinBox {
public:
    explicit LimitedSpinBox(TSpinEdit* owner) : m_owner(owner) {
        setRange(INT_MIN, INT_MAX);
        setValue(0);
    }
    void stepBy(int steps) override {
        const long long next =
            static_cast<long long>(m_owner->Value()) + static_cast<long long>(steps) * m_owner->Increment();
        const long long clamped = std::clamp<long long>(next, INT_MIN, INT_MAX);
        m_owner->SetValue(static_cast<int>(clamped));
    }
    QLineEdit* Line() const { return lineEdit(); }

protected:
    StepEnabled stepEnabled() const override {
        if (m_owner->MinValue() == m_owner->MaxValue())
            return StepUpEnabled | StepDownEnabled;
        StepEnabled enabled = StepNone;
        if (m_owner->Value() < m_owner->MaxValue())
            enabled |= StepUpEnabled;
        if (m_owner->Value() > m_owner->MinValue())
            enabled |= StepDownEnabled;
        return enabled;
    }

private:
    TSpinEdit* m_owner;
};
} // namespace

TSpinEdit::TSpinEdit(TComponent* owner, TWinControl* parent) : TWinControl(owner, new LimitedSpinBox(this)) {
    Spin()->setKeyboardTracking(true);
    connect(static_cast<LimitedSpinBox*>(Spin())->Line(), &QLineEdit::textChanged, this,
            [this] { Safe([this] { OnChange(this); }); });
    SetBounds(0, 0, 57, 22);
    SetParent(parent);
}

QSpinBox* TSpinEdit::Spin() const {
    return static_cast<QSpinBox*>(Widget());
}

void TSpinEdit::SetMinValue(int value) {
    m_minValue = value;
}

void TSpinEdit::SetMaxValue(int value) {
    m_maxValue = value;
}

void TSpinEdit::SetIncrement(int increment) {
    m_increment = increment;
    if (Spin())
        Spin()->setSingleStep(increment);
}

void TSpinEdit::SetEditorEnabled(bool enabled) {
    m_editorEnabled = enabled;
    if (Spin())
        static_cast<LimitedSpinBox*>(Spin())->Line()->setReadOnly(!enabled);
}

int TSpinEdit::Value() const {
    bool ok = false;
    const int value = Text().trimmed().toInt(&ok);
    return ok ? value : m_minValue;
}

void TSpinEdit::SetValue(int value) {
    if (Limited())
        value = std::clamp(value, std::min(m_minValue, m_maxValue), std::max(m_minValue, m_maxValue));
    SetText(QString::number(value));
}

QString TSpinEdit::Text() const {
    return Spin() ? static_cast<LimitedSpinBox*>(Spin())->Line()->text() : QString();
}

void TSpinEdit::SetText(const QString& text) {
    if (!Spin() || Text() == text)
        return;
    QLineEdit* line = static_cast<LimitedSpinBox*>(Spin())->Line();
    {
        // The box keeps its number in step, so that showing it again keeps the text.
        const QSignalBlocker quiet(line);
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        if (ok)
            Spin()->setValue(value);
        line->setText(text);
    }
    OnChange(this);
}
