#pragma once
// The record layout of the transmission file. Every line is a record of
// RecordWidth characters followed by its line number; header and trailer
// are fixed, the detail records follow the layout rows of TABELAS_DEF and
// CAMPOS_DEF: record type n (FirstRecordType to LastRecordType, step
// RecordTypeStep) holds the rows of one table, each as the type in four
// digits followed by the fields in their order, each exactly its width.

#include <QChar>
#include <QString>
#include <vector>

namespace TransmissionFormat {
// Characters of a record, before the line number.
constexpr int RecordWidth = 845;
constexpr int LineNumberWidth = 5;
constexpr int LineWidth = RecordWidth + LineNumberWidth;
// The record type at the start of every record.
constexpr int RecordTypeWidth = 4;
// What the fields of a detail record may take.
constexpr int FieldsWidth = RecordWidth - RecordTypeWidth;
constexpr int FirstRecordType = 110;
constexpr int LastRecordType = 270;
constexpr int RecordTypeStep = 10;
// The largest line number (and line count) the file can hold.
constexpr int MaxLines = 99999;
// A date field: yyyymmdd followed by six zeros.
constexpr int DateWidth = 14;
// Field types of CAMPOS_DEF.TP_CAMPO.
constexpr QChar TextField = QLatin1Char('S');
constexpr QChar DateField = QLatin1Char('D');
constexpr QChar NumberField = QLatin1Char('I');
// NU_CASAS_DECIMAIS of an amount written in cents.
constexpr int CentsDecimals = 2;
} // namespace TransmissionFormat

// One row of CAMPOS_DEF.
struct LayoutField {
    QString Column;
    QChar Type;
    int Width = 0;
    int Decimals = 0;
};

// The layout of one record type: the table it reads and its fields in order.
struct RecordLayout {
    int RecordType = 0;
    QString Table;
    std::vector<LayoutField> Fields;

    // The sum of the field widths.
    int FieldsWidth() const;
    // Raises ETransmissionError when the writer cannot follow the layout: no
    // fields, a field type other than S, D and I, a width below 1, a date
    // that is not DateWidth wide, or fields wider than the record.
    void Check() const;
};
