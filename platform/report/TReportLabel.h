#pragma once
// A fixed text on a band.

#include "platform/report/TTextPrintable.h"

class TReportLabel : public TTextPrintable {
public:
    using TTextPrintable::TTextPrintable;

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }

    QString PrintText(const TPrintContext&) const override { return m_caption; }

private:
    QString m_caption;
};
