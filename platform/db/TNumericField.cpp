#include "platform/db/TNumericField.h"

TNumericField::TNumericField(TComponent* owner, TFieldType dataType) : TField(owner, dataType) {
    SetAlignment(taRightJustify);
}

QString TNumericField::FormatFor(bool displayText) const {
    if (displayText || m_editFormat.isEmpty())
        return m_displayFormat;
    return m_editFormat;
}
