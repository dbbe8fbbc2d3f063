#pragma once
// A multi-line text: its lines print one under the other, wrapped at the
// control's width, and the control grows to show them all.

#include "platform/report/TTextPrintable.h"

#include <QStringList>

class TReportRichText : public TTextPrintable {
public:
    explicit TReportRichText(TComponent* owner = nullptr);

    QStringList& Lines() { return m_lines; }
    const QStringList& Lines() const { return m_lines; }

    QString PrintText(const TPrintContext&) const override { return m_lines.join(QLatin1Char('\n')); }

private:
    QStringList m_lines;
};
