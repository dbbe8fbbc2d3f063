#pragma once
// The lines of a transmission file, from layout rows and data rows: the
// header, one detail line per data row, the trailer. The encoder numbers the
// lines and keeps the control total; it touches no file and no database.
//
//     TransmissionEncoder encoder;
//     file.WriteLine(encoder.Header(now, "0.3.3.4"));
//     for each declaration, for each record type:
//         for each row: file.WriteLine(encoder.Detail(layout, row));
//     encoder.EndDeclaration();
//     file.WriteLine(encoder.Trailer());
//
// Every line is exactly TransmissionFormat::LineWidth characters. Field
// encodings (width w):
//   S  the text with a CR LF pair as one blank and every other control
//      character (below U+0020, and U+007F: CR, LF, tab, the end-of-file
//      mark...) as one blank each, a character outside the Basic
//      Multilingual Plane (or a lone surrogate) as one "?", cut to w, blanks
//      on the right;
//   D  "yyyymmdd000000"; an absent date is w blanks;
//   I  with 2 decimals: the amount in cents (cut toward zero); otherwise the
//      whole number; both zero-padded on the left to w, a sign first;
//      an absent value is 0; a text value is zero-padded as it stands.
// Every field whose decimals are not 0 adds its amount in cents to the
// control total. A number that does not fit its width, a value that is no
// number or date where one is due, more lines than the line number holds or
// a control total beyond 64 bits raise ETransmissionError: no digit is ever
// dropped.

#include "declarations/transmission/TransmissionLayout.h"

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <cstdint>

class TransmissionEncoder {
public:
    QString Header(const QDateTime& moment, const QString& version);
    // The line of one row (its values in the order of the layout's fields).
    QString Detail(const RecordLayout& layout, const QVariantList& row);
    // The same into `line`, whose memory is kept from call to call.
    void Detail(const RecordLayout& layout, const QVariantList& row, QString& line);
    // Counts a declaration for the trailer.
    void EndDeclaration() { ++m_declarations; }
    QString Trailer();

    std::int64_t ControlTotal() const { return m_controlTotal; }
    int LineCount() const { return m_lines; }

    // One field, exactly field.Width characters.
    static QString EncodeField(const LayoutField& field, const QVariant& value);
    // The amount of a value in cents, cut toward zero (0 for an absent value).
    static std::int64_t Cents(const QVariant& value, const QString& column);

private:
    // Raises when the file holds as many lines as the line number can count.
    void CheckRoom() const;
    void AddToControlTotal(std::int64_t cents);

    int m_lines = 0;
    int m_declarations = 0;
    std::int64_t m_controlTotal = 0;
};
