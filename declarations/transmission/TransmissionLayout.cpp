#include "declarations/transmission/TransmissionLayout.h"

#include "declarations/transmission/ETransmissionError.h"

using namespace TransmissionFormat;

int RecordLayout::FieldsWidth() const {
    int width = 0;
    for (const LayoutField& field : Fields)
        width += field.Width;
    return width;
}

void RecordLayout::Check() const {
    const QString record = QStringLiteral("Record %1 (%2)").arg(RecordType).arg(Table);
    if (Fields.empty())
        throw ETransmissionError(record + QStringLiteral(" has no fields"));
    long long width = 0;
    for (const LayoutField& field : Fields) {
        if (field.Type != TextField && field.Type != DateField && field.Type != NumberField)
            throw ETransmissionError(QStringLiteral("%1: field %2 has the unknown type \"%3\"")
                                         .arg(record, field.Column, field.Type));
        if (field.Width < 1)
            throw ETransmissionError(
                QStringLiteral("%1: field %2 is %3 wide").arg(record, field.Column).arg(field.Width));
        if (field.Type == DateField && field.Width != DateWidth)
            throw ETransmissionError(QStringLiteral("%1: the date field %2 is %3 wide, dates take %4")
                                         .arg(record, field.Column)
                                         .arg(field.Width)
                                         .arg(DateWidth));
        width += field.Width;
    }
    if (width > TransmissionFormat::FieldsWidth)
        throw ETransmissionError(QStringLiteral("%1: the fields take %2 characters, the record holds %3")
                                     .arg(record)
                                     .arg(width)
                                     .arg(TransmissionFormat::FieldsWidth));
}
