#include "platform/db/TFieldDef.h"

TFieldDef::TFieldDef(QString name, TFieldType dataType, int size, bool required)
    : m_name(std::move(name)), m_dataType(dataType), m_size(size), m_required(required) {}
