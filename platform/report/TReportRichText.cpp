#include "platform/report/TReportRichText.h"

TReportRichText::TReportRichText(TComponent* owner) : TTextPrintable(owner) {
    SetAutoSize(false);
    SetWordWrap(true);
    SetAutoStretch(true);
}
