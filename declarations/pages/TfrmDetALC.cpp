#include "declarations/pages/TfrmDetALC.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/forms/RefuseAt.h"
#include "core/util/CheckDigits.h"
#include "core/util/MessageBoxes.h"
#include "declarations/registers/RegisterLayout.h"
#include "platform/base/SysUtils.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/Make.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBLookupComboBox.h"
#include "platform/ui/TPanel.h"

namespace {

// Engine codes of a refused duplicate: a primary or unique key, a unique index.
constexpr int DuplicateKey = 335544665;
constexpr int DuplicateIndex = 335544349;

const QString DuplicateInvoiceText = QStringLiteral("Não podem existir dois ítens com a mesma Nota Fiscal");

// The datum number under which the invoice date is checked.
const QString IssueDateDatum = QStringLiteral("10");

constexpr int InvoiceNumberDigits = 6;
constexpr int SuframaDigits = 9;
constexpr int CnpjDigits = 14;

GridPage::Shape PageShape() {
    GridPage::Shape shape;
    shape.formName = QStringLiteral("frmDetALC");
    shape.caption = QStringLiteral("Área de Livre Comércio (ALC) e Zona Franca de Manaus (ZFM)");
    shape.dataSourceName = QStringLiteral("dsALC");
    shape.helpText = {QStringLiteral("Subficha utilizada para informar as saídas isentas realizadas para "
                                     "municípios abrangidos pela Zona Franca de Manaus e Áreas de Livre "
                                     "Comércio. ")};
    shape.features = GridPage::RowFeatures();
    return shape;
}

void FocusIfPossible(TWinControl* control) {
    if (control->CanFocus())
        control->SetFocus();
}

[[noreturn]] void RefuseCode(int codigo, TWinControl* control) {
    RefuseAt(TDMDefAux::BuscaMensagemErro(codigo), control);
}

bool BelowOneCent(TField* field) {
    return field->AsCurrency() < Currency::fromRaw(100);
}

} // namespace

TfrmDetALC::TfrmDetALC(TComponent* owner) : GridPage(owner, DMDef->cdsALC, PageShape()) {
    OnCreate = TNotifyEvent(this, &TfrmDetALC::FormCreate);
    OnClose = TCloseEvent(this, &TfrmDetALC::FormClose);
    dsMunicipios = Make<TDataSource>(this, QStringLiteral("dsMunicipios"));
    dsMunicipios->SetDataSet(DMDefBasica->cdsMun);

    BuildFields();
    SetGridColumns({{"NomeLocalidade", "Município", 100},
                    {"NU_SERIE_NOTA_FISCAL", "Série", 42},
                    {"NU_SUBSERIE_NOTA_FISCAL", "Subsérie", 60},
                    {"NU_NOTA_FISCAL", "NF", 52},
                    {"DT_EMISSAO_NF", "Emissão", 75},
                    {"VL_NOTA_FISCAL", "Valor NF", 78},
                    {"VL_ISENTAS", "ICMS abatido", 90},
                    {"NU_INSCR_SUFRAMA", "Suframa", 80},
                    {"NU_CNPJ_DESTINO", "CNPJ", 108}});

    ConnectNavigator();
    m_issueDate = DataSet()->FieldByName(QStringLiteral("DT_EMISSAO_NF"));
    m_issueDate->OnSetText = TFieldSetTextEvent(this, &TfrmDetALC::DT_EMISSAO_NFSetText);
    GuardApostrophes();
    dsALCStateChange(dsDetalhe);
}

TfrmDetALC::~TfrmDetALC() {
    if (m_issueDate->OnSetText == TFieldSetTextEvent(this, &TfrmDetALC::DT_EMISSAO_NFSetText))
        m_issueDate->OnSetText = nullptr;
}

void TfrmDetALC::BuildFields() {
    CaptionOver(this, pnlCampos, QStringLiteral("dblcMunicipios"), QStringLiteral("Município"), 8, 6);
    dblcMunicipios = Make<TDBLookupComboBox>(this, QStringLiteral("dblcMunicipios"), pnlCampos);
    dblcMunicipios->SetDataSource(dsDetalhe);
    dblcMunicipios->SetDataField(QStringLiteral("CO_LOCALIDADE"));
    dblcMunicipios->SetListSource(dsMunicipios);
    dblcMunicipios->SetKeyField(QStringLiteral("CO_LOCALIDADE"));
    dblcMunicipios->SetListField(QStringLiteral("NO_LOCALIDADE;SG_UF"));
    dblcMunicipios->SetBounds(8, 6 + kCaptionHeight, 332, kEditHeight);
    dbeUF = FieldEdit(QStringLiteral("dbeUF"), QStringLiteral("UF"), QStringLiteral("Sigla_UF"), 352, 6, 40);
    dbeUF->SetReadOnly(true);
    dbeUF->SetTabStop(false);
    ShowEditable(dbeUF, false);
    dbeUF->SetEnabled(true);

    dbeSerieNF = FieldEdit(QStringLiteral("dbeSerieNF"), QStringLiteral("Série da Nota Fiscal"),
                           QStringLiteral("NU_SERIE_NOTA_FISCAL"), 8, 50, 160);
    dbeSubSerieNF = FieldEdit(QStringLiteral("dbeSubSerieNF"), QStringLiteral("Subsérie da Nota Fiscal"),
                              QStringLiteral("NU_SUBSERIE_NOTA_FISCAL"), 180, 50, 160);
    for (TDBEdit* serie : {dbeSerieNF, dbeSubSerieNF})
        serie->SetCharCase(TEditCharCase::ecUpperCase);
    dbeNumeroNF = FieldEdit(QStringLiteral("dbeNumeroNF"), QStringLiteral("Número da Nota Fiscal"),
                            QStringLiteral("NU_NOTA_FISCAL"), 352, 50, 160);
    dbeNumeroNF->SetMaxLength(InvoiceNumberDigits);
    dbeDataEmissao = FieldEdit(QStringLiteral("dbeDataEmissao"), QStringLiteral("Data da Emissão"),
                               QStringLiteral("DT_EMISSAO_NF"), 524, 50, 160);

    dbeVlNotaFiscal = FieldEdit(QStringLiteral("dbeVlNotaFiscal"), QStringLiteral("Valor Nota Fiscal"),
                                QStringLiteral("VL_NOTA_FISCAL"), 8, 94, 160);
    dbedtVlIsentas = FieldEdit(QStringLiteral("dbedtVlIsentas"), QStringLiteral("Valor do ICMS abatido"),
                               QStringLiteral("VL_ISENTAS"), 180, 94, 160);
    dbedtNSuframa =
        FieldEdit(QStringLiteral("dbedtNSuframa"), QStringLiteral("Nº Insc. Suframa Destinatário"),
                  QStringLiteral("NU_INSCR_SUFRAMA"), 352, 94, 160);
    dbedtNSuframa->SetMaxLength(SuframaDigits);
    dbeVlBCalcNCNTB = FieldEdit(QStringLiteral("dbeVlBCalcNCNTB"), QStringLiteral("CNPJ do Destinatário"),
                                QStringLiteral("NU_CNPJ_DESTINO"), 524, 94, 160);
    dbeVlBCalcNCNTB->SetMaxLength(CnpjDigits);
}

void TfrmDetALC::ConnectNavigator() {
    // The navigator answers the refused rows itself, through rdCadastro.
    rdCadastro = ReconcileDialog1;
    rdCadastro->SetName(QStringLiteral("rdCadastro"));
    rdCadastro->SetDataSet(nullptr);
    fraMidasNavigator1->OnReconcileError =
        TReconcileErrorEvent(this, &TfrmDetALC::fraMidasNavigator1ReconcileError);
    fraMidasNavigator1->BeforeInsert = TDataSetNotifyEvent(this, &TfrmDetALC::fraMidasNavigator1BeforeInsert);
    fraMidasNavigator1->OnNewRecord = TDataSetNotifyEvent(this, &TfrmDetALC::fraMidasNavigator1NewRecord);
    fraMidasNavigator1->BeforePost = TDataSetNotifyEvent(this, &TfrmDetALC::fraMidasNavigator1BeforePost);
    dsDetalhe->OnStateChange = TNotifyEvent(this, &TfrmDetALC::dsALCStateChange);
}

void TfrmDetALC::FormCreate(TObject*) {
    TDMDefBasica* basica = DMDefBasica;
    // The names of the rows' municipalities and the states of those offered.
    for (TClientDataSet* referencia : {basica->cdsUFs, basica->cdsMunicipios})
        if (!referencia->Active())
            referencia->Open();
    DMDefAux->AbreTabelaDeclaracao(DataSet());
    basica->AbrePorPeriodo(basica->cdsMun);
}

void TfrmDetALC::FormClose(TObject* sender, TCloseAction& action) {
    GridPage::FormClose(sender, action);
    DataSet()->Close();
    DMDefBasica->cdsMun->Close();
}

void TfrmDetALC::fraMidasNavigator1BeforeInsert(TDataSet*) {
    DMDefBasica->cdsMun->First();
}

void TfrmDetALC::fraMidasNavigator1NewRecord(TDataSet*) {
    FocusIfPossible(dblcMunicipios);
}

void TfrmDetALC::dsALCStateChange(TObject*) {
    ShowEditable(dblcMunicipios, DataSet()->State() == TDataSetState::dsInsert);
}

void TfrmDetALC::fraMidasNavigator1BeforePost(TDataSet* dataSet) {
    if (BelowOneCent(dataSet->FieldByName(QStringLiteral("NU_NOTA_FISCAL"))))
        RefuseCode(266, dbeNumeroNF);
    if (!DMDefAux->ValidaDataComplemento(IssueDateDatum,
                                         dataSet->FieldByName(QStringLiteral("DT_EMISSAO_NF"))->AsString())) {
        FocusIfPossible(dbeDataEmissao);
        Abort();
    }
    if (BelowOneCent(dataSet->FieldByName(QStringLiteral("VL_NOTA_FISCAL"))))
        RefuseCode(234, dbeVlNotaFiscal);
    if (BelowOneCent(dataSet->FieldByName(QStringLiteral("VL_ISENTAS"))))
        RefuseCode(38, dbedtVlIsentas);
    if (dataSet->FieldByName(QStringLiteral("NU_INSCR_SUFRAMA"))->IsNull())
        RefuseCode(276, dbedtNSuframa);
    // An empty CNPJ reads as 0, which no check digit makes valid.
    if (!ValidaCNPJ(QString::number(dataSet->FieldByName(QStringLiteral("NU_CNPJ_DESTINO"))->AsLargeInt())))
        RefuseCode(231, dbeVlBCalcNCNTB);
    for (const char* serie : {"NU_SUBSERIE_NOTA_FISCAL", "NU_SERIE_NOTA_FISCAL"}) {
        TField* field = dataSet->FieldByName(QString::fromLatin1(serie));
        if (field->IsNull())
            field->SetAsString(QStringLiteral(" "));
    }
}

void TfrmDetALC::fraMidasNavigator1ReconcileError(TClientDataSet* dataSet, EReconcileError& error,
                                                  TUpdateKind shape, TReconcileAction& action) {
    const bool duplicada = error.ErrorCode() == DuplicateKey || error.ErrorCode() == DuplicateIndex;
    rdCadastro->ReconcileError(dataSet, error, shape, action, duplicada ? DuplicateInvoiceText : QString());
}

void TfrmDetALC::DT_EMISSAO_NFSetText(TField* sender, const QString& text) {
    const QString data = text.trimmed();
    QDate lida;
    if (data.isEmpty()) {
        sender->Clear();
        return;
    }
    if (!TryStrToDate(data, lida)) {
        DMDefAux->ValidaDataComplemento(IssueDateDatum, data);
        Abort();
    }
    sender->SetValue(lida);
}
