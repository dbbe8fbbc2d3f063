#include "declarations/reports/MirrorSummaryReport.h"

#include "core/util/GeneralRoutines.h"
#include "declarations/reports/MirrorLayout.h"
#include "declarations/reports/SummaryColumn.h"
#include "platform/base/SysUtils.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/report/TReportBand.h"
#include "platform/report/TReportChildBand.h"
#include "platform/report/TReportLabel.h"
#include "platform/ui/Make.h"

namespace {
constexpr double kTitleHeight = 34;
constexpr double kTitlePoints = 12;
} // namespace

MirrorSummaryReport::MirrorSummaryReport(TComponent* owner, const QString& name, const QString& titulo)
    : MirrorSectionReport(owner, name, QStringLiteral("ibtDeclaracao")) {
    qrbDeclaracao->SetHeight(kTitleHeight);
    TReportLabel* label = MirrorLabel(this, qrbDeclaracao, titulo, 0, 10, qrbDeclaracao->Width(), taCenter,
                                      MirrorFont(kTitlePoints, TFontStyle::fsBold));
    label->SetName(QStringLiteral("qrlTitulo"));
    qrbDeclaracao->Frame().DrawBottom = true;
    qrbValores = Make<TReportChildBand>(this, QStringLiteral("qrbValores"));
    qrbValores->SetParentBand(qrbDeclaracao);
    qrbValores->SetHeight(0);
    ibqDeclaracao->AfterOpen = TDataSetNotifyEvent(this, &MirrorSummaryReport::ibqDeclaracaoAfterOpen);
}

void MirrorSummaryReport::ibqDeclaracaoAfterOpen(TDataSet* dataSet) {
    if (!dataSet->IsEmpty())
        ComputeValues();
}

QString MirrorSummaryReport::MoneyText(Currency value) {
    return FormatFloat(MoneyFormat, value);
}

DeclarationKey MirrorSummaryReport::Key() const {
    return DeclarationKey::Of(*ibqDeclaracao->FieldByName(QStringLiteral("SQ_DECLARACAO")));
}

Currency MirrorSummaryReport::DeclarationField(const char* campo) const {
    return ibqDeclaracao->FieldByName(QString::fromLatin1(campo))->AsCurrency();
}

void MirrorSummaryReport::Show(TReportLabel* label, Currency value) {
    if (label)
        label->SetCaption(MoneyText(value));
}

SummaryColumn MirrorSummaryReport::Column(double left, double top, double captionWidth, double valueWidth) {
    return SummaryColumn(this, qrbValores, left, top, captionWidth, valueWidth);
}
