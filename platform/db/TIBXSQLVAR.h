#pragma once
// One column of a statement's result or one of its parameters, with its
// description and its current value.
//
// Columns: Name is the result name (the alias, or the column name); a name
// that repeats in one result is renamed with a suffix "1", "2", ...
// (NU_INSCRICAO, NU_INSCRICAO1); count(*) reads as COUNT. RelationName and
// SqlName tell the table and column it comes from, when it comes from one.
//
// Values convert as the getters ask: NUMERIC and DECIMAL read exactly through
// AsCurrency and AsString (never through floating point) when their scale is
// at most four decimals; CHAR values come without their trailing blanks; text
// blobs read and write as strings. A null reads as 0, "" or an invalid date.
//
// Parameters: the setters store the value with its own type and the engine
// converts it to the parameter's type when the statement runs, so
// SetCurrency on a NUMERIC(18,4) parameter is exact and SetString on a text
// blob parameter writes the text.

#include "platform/base/Currency.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>
#include <cstdint>
#include <optional>

class TIBSQL;

enum class TIBSqlType {
    Unknown,
    Char,     // CHAR(n)
    VarChar,  // VARCHAR(n)
    SmallInt, // SMALLINT, or NUMERIC/DECIMAL up to 4 digits when Scale < 0
    Integer,  // INTEGER, or NUMERIC/DECIMAL up to 9 digits when Scale < 0
    BigInt,   // BIGINT, or NUMERIC/DECIMAL up to 18 digits when Scale < 0
    Float,
    Double,
    Date,
    Time,
    TimeStamp,
    TextBlob, // BLOB SUB_TYPE TEXT
    Blob,     // any other blob
    Boolean,
};

class TIBXSQLVAR {
public:
    TIBXSQLVAR() = default;
    // The engine writes into a value's buffer on every fetch: values are not copied.
    TIBXSQLVAR(const TIBXSQLVAR&) = delete;
    TIBXSQLVAR& operator=(const TIBXSQLVAR&) = delete;

    // ---- description
    const QString& Name() const { return m_name; }
    const QString& RelationName() const { return m_relationName; }
    const QString& SqlName() const { return m_sqlName; }
    TIBSqlType SqlType() const { return m_describedType; }
    // Decimal scale: 0, or negative for NUMERIC/DECIMAL (-4 for NUMERIC(18,4)).
    int Scale() const { return m_describedScale; }
    // Characters for CHAR and VARCHAR, bytes for the other kinds.
    int Size() const { return m_size; }
    // Position in the result, or in the statement's parameter list.
    int Index() const { return m_index; }

    // ---- value
    bool IsNull() const { return m_indicator < 0; }
    QString AsString() const;
    // The bytes of a text column in UTF-8 where the engine put them (valid
    // until the next fetch); nothing for a null value, another type or
    // another character set (read AsString then).
    std::optional<QByteArrayView> Utf8Text() const;
    // A text whose trailing blanks are padding (CHAR): AsString leaves them out.
    bool PaddedText() const;
    // An integer of up to four decimals: AsVariant gives it as exact Currency.
    bool ExactMoney() const;
    int AsInteger() const;
    std::int64_t AsInt64() const;
    double AsDouble() const;
    Currency AsCurrency() const;
    QDate AsDate() const;
    QTime AsTime() const;
    QDateTime AsDateTime() const;
    bool AsBoolean() const;
    // The bytes of a blob or a text value.
    QByteArray AsBytes() const;
    // Null: an invalid QVariant. NUMERIC/DECIMAL up to four decimals: Currency.
    QVariant AsVariant() const;

    void SetNull();
    void SetString(const QString& value);
    void SetInteger(int value);
    void SetInt64(std::int64_t value);
    void SetDouble(double value);
    void SetCurrency(Currency value);
    void SetDate(const QDate& value);
    void SetTime(const QTime& value);
    void SetDateTime(const QDateTime& value);
    void SetBoolean(bool value);
    void SetBytes(const QByteArray& value);
    // By the variant's type; an invalid or null variant sets null.
    void SetVariant(const QVariant& value);

private:
    friend class TIBSQL;

    // Raw engine type (without the nullable bit), scale, subtype and length
    // of the value held in m_data.
    struct Storage {
        short type = 0;
        short scale = 0;
        short subType = 0;
        int length = 0;
    };

    // Takes the description of an engine XSQLVAR; keepValue leaves the
    // current value (a parameter set before its statement was prepared).
    void Describe(const void* sqlvar, int index, bool keepValue);
    void Store(short type, short scale, short subType, const void* bytes, int length);
    void Reserve(const Storage& storage);
    // The text's bytes where the engine put them (valid until the next fetch).
    QByteArrayView TextView() const;
    QByteArray TextBytes() const;
    std::int64_t ScaledValue() const;
    [[noreturn]] void ConversionError(const char* target) const;

    QString m_name;
    QString m_relationName;
    QString m_sqlName;
    TIBSqlType m_describedType = TIBSqlType::Unknown;
    int m_describedScale = 0;
    int m_size = 0;
    bool m_nullable = true;
    int m_index = 0;

    Storage m_storage;
    QByteArray m_data;
    short m_indicator = -1;
    // The statement whose connection reads blob contents for this column.
    TIBSQL* m_statement = nullptr;
};
