#include "platform/db/TParams.h"

#include "platform/base/Exceptions.h"

TParam& TParams::CreateParam(TFieldType dataType, const QString& name) {
    m_items.push_back(std::make_unique<TParam>(name, dataType));
    return *m_items.back();
}

TParam* TParams::FindParam(const QString& name) const {
    for (const auto& param : m_items) {
        if (param->Name().compare(name, Qt::CaseInsensitive) == 0)
            return param.get();
    }
    return nullptr;
}

TParam* TParams::ParamByName(const QString& name) const {
    TParam* param = FindParam(name);
    if (!param)
        throw EDatabaseError(QStringLiteral("Parameter '%1' not found").arg(name));
    return param;
}

void TParams::Assign(const TParams& source) {
    if (&source == this)
        return;
    m_items.clear();
    for (const auto& param : source.m_items) {
        TParam& copy = CreateParam(param->DataType(), param->Name());
        copy.SetValue(param->Value());
    }
}

void TParams::AssignValues(const TParams& source) {
    for (const auto& param : m_items) {
        if (const TParam* other = source.FindParam(param->Name()))
            param->SetValue(other->Value());
    }
}
