#include "core/data/DeclarationKey.h"

#include "core/data/RuleMessages.h"
#include "platform/base/Exceptions.h"
#include "platform/base/SysUtils.h"
#include "platform/db/TField.h"

DeclarationKey DeclarationKey::Of(const TField& field) {
    return DeclarationKey(field.AsLargeInt());
}

DeclarationKey DeclarationKey::FromText(const QString& text) {
    try {
        return DeclarationKey(StrToInt64(text));
    } catch (const EConvertError&) {
        RuleMessages::Refuse(RuleMessages::QueryFailed);
    }
}
