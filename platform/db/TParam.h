#pragma once
// One named parameter of a query or client data set. Values are held as in
// fields (money as Currency, dates as QDate/QDateTime); null until assigned.

#include "platform/base/Currency.h"
#include "platform/db/DBTypes.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

class TParam {
public:
    TParam(QString name, TFieldType dataType = ftUnknown);

    const QString& Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    TFieldType DataType() const { return m_dataType; }
    void SetDataType(TFieldType dataType) { m_dataType = dataType; }

    const QVariant& Value() const { return m_value; }
    // Takes the type from the value while DataType is ftUnknown.
    void SetValue(const QVariant& value);
    bool IsNull() const;
    void Clear() { m_value = QVariant(); }

    // Null reads as empty / 0.
    QString AsString() const;
    void SetAsString(const QString& value);
    int AsInteger() const;
    void SetAsInteger(int value);
    qint64 AsLargeInt() const;
    void SetAsLargeInt(qint64 value);
    double AsFloat() const;
    void SetAsFloat(double value);
    Currency AsCurrency() const;
    void SetAsCurrency(Currency value);
    QDate AsDate() const;
    void SetAsDate(const QDate& value);
    QDateTime AsDateTime() const;
    void SetAsDateTime(const QDateTime& value);

private:
    QString m_name;
    TFieldType m_dataType;
    QVariant m_value;
};
