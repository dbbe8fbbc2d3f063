#pragma once
// The description of one column a data set holds: name, type, size and
// whether it must have a value. Field definitions are what InternalOpen
// declares; dynamic fields are made from them, persistent fields bind to them
// by name.

#include "platform/db/DBTypes.h"

#include <QString>

class TFieldDef {
public:
    TFieldDef(QString name, TFieldType dataType, int size = 0, bool required = false);

    const QString& Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    TFieldType DataType() const { return m_dataType; }
    void SetDataType(TFieldType dataType) { m_dataType = dataType; }
    // Characters for strings; decimals for BCD; 0 otherwise.
    int Size() const { return m_size; }
    void SetSize(int size) { m_size = size; }
    // Total digits of a BCD column (0: not given).
    int Precision() const { return m_precision; }
    void SetPrecision(int precision) { m_precision = precision; }
    bool Required() const { return m_required; }
    void SetRequired(bool required) { m_required = required; }
    // 1-based position among the definitions; also the value slot + 1.
    int FieldNo() const { return m_fieldNo; }

private:
    friend class TFieldDefs;
    QString m_name;
    TFieldType m_dataType;
    int m_size;
    int m_precision = 0;
    bool m_required;
    int m_fieldNo = 0;
};
