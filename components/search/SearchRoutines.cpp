#include "components/search/SearchRoutines.h"

#include "components/search/SQLClauses.h"
#include "components/search/SQLProperty.h"
#include "platform/base/SysUtils.h"
#include "platform/db/SqlLiteral.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"

namespace {
enum class SearchKind { None, String, Integer, Real, Date };

SearchKind KindOf(const TField* field) {
    switch (field->DataType()) {
    case ftString:
    case ftWideString:
        return SearchKind::String;
    case ftSmallint:
    case ftInteger:
    case ftWord:
        return SearchKind::Integer;
    case ftFloat:
    case ftCurrency:
    case ftBCD:
        return SearchKind::Real;
    case ftDate:
    case ftDateTime:
        return SearchKind::Date;
    default:
        return SearchKind::None;
    }
}

// The literal of a value that passed ValidateSearchValue.
QString Literal(SearchKind kind, const QString& value) {
    switch (kind) {
    case SearchKind::Integer:
        return SqlLiteral(static_cast<qlonglong>(StrToInt64(value)));
    case SearchKind::Real:
        return SqlLiteral(StrToFloat(value));
    case SearchKind::Date:
        return SqlLiteral(StrToDate(value));
    default:
        return SqlQuoted(value.toUpper());
    }
}

// The clause's conditions in parentheses, without the keyword; a line
// comment at its end must not swallow the closing parenthesis.
QString Parenthesised(const QString& whereClause) {
    const QString body = whereClause.trimmed().mid(QStringLiteral("WHERE").size()).trimmed();
    return QLatin1Char('(') + body +
           (body.contains(QStringLiteral("--")) ? QStringLiteral("\r\n)") : QStringLiteral(")"));
}

QString WithLineBreak(const QString& clause) {
    return clause.isEmpty() ? clause : clause + QStringLiteral("\r\n");
}
} // namespace

QString ValidateSearchValue(const TField* field, const QString& value) {
    if (!field || value.isEmpty())
        return QString();
    const QString quoted = QLatin1Char('"') + value + QLatin1Char('"');
    switch (KindOf(field)) {
    case SearchKind::Integer: {
        try {
            StrToInt64(value);
            return QString();
        } catch (const EConvertError&) {
            return quoted + QStringLiteral(" não é um número inteiro válido");
        }
    }
    case SearchKind::Real: {
        double number = 0;
        return TryStrToFloat(value, number) ? QString() : quoted + QStringLiteral(" não é um número válido");
    }
    case SearchKind::Date: {
        QDate date;
        return TryStrToDate(value, date) ? QString() : quoted + QStringLiteral(" não é uma data válida");
    }
    default:
        return QString();
    }
}

void CheckSearchValue(const TField* field, const QString& value) {
    const QString error = ValidateSearchValue(field, value);
    if (!error.isEmpty())
        throw Exception(error);
}

void CheckSearchField(const TDataSet* dataSet, const QString& fieldName) {
    if (!dataSet)
        throw Exception(QStringLiteral("DataSet não foi definido"));
    if (fieldName.isEmpty())
        throw Exception(QStringLiteral("SearchField não foi definido"));
    if (!dataSet->FindField(fieldName))
        throw Exception(QStringLiteral("Field '%1' not found").arg(fieldName));
}

QString BuildSearchCondition(const TField* field, const QString& value, bool exact) {
    if (!field || value.isEmpty())
        return QString();
    const SearchKind kind = KindOf(field);
    if (kind == SearchKind::None)
        return QString();
    CheckSearchValue(field, value);
    const QString name = field->FieldName();
    if (kind == SearchKind::String) {
        if (exact)
            return QStringLiteral("(UPPER(%1) = %2)").arg(name, Literal(kind, value));
        return QStringLiteral("(UPPER(%1) LIKE %2)").arg(name, Literal(kind, value + QLatin1Char('%')));
    }
    return QStringLiteral("(%1 %2 %3)")
        .arg(name, exact ? QStringLiteral("=") : QStringLiteral(">="), Literal(kind, value));
}

int ApplySearch(TDataSet* dataSet, const QString& fieldName, const QString& value, const QString& sqlText,
                bool exact) {
    if (!dataSet)
        return -1;
    const TField* field = dataSet->FindField(fieldName);
    if (!field)
        return -1;
    const QString searched = sqlText.isEmpty() ? GetDataSetSQL(dataSet) : sqlText;

    QString where = ExtractWhere(searched);
    const QString condition = BuildSearchCondition(field, value, exact);
    if (!condition.isEmpty())
        where = where.isEmpty() ? QStringLiteral("WHERE ") + condition
                                : QStringLiteral("WHERE %1 AND %2").arg(Parenthesised(where), condition);
    const QString sql = WithLineBreak(ExtractSelect(searched)) + WithLineBreak(ExtractFrom(searched)) +
                        WithLineBreak(where) + WithLineBreak(ExtractGroupBy(searched)) +
                        WithLineBreak(ExtractHaving(searched)) + QStringLiteral("ORDER BY ") + fieldName;

    const bool wasActive = dataSet->Active();
    dataSet->Close();
    try {
        SetDataSetSQL(dataSet, sql);
        dataSet->Open();
    } catch (...) {
        try {
            SetDataSetSQL(dataSet, searched);
            if (wasActive)
                dataSet->Open();
        } catch (const Exception&) {
            // The searched SQL ran before; the first error is the one to report.
        }
        throw;
    }
    return dataSet->RecordCount();
}
