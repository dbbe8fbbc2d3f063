#include "declarations/pages/OccurrencePage.h"

#include "components/data/TDBComboValues.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/forms/RefuseAt.h"
#include "core/util/MessageBoxes.h"
#include "declarations/pages/LegalGroundChoices.h"
#include "declarations/pages/TypedTextRule.h"
#include "declarations/registers/ApostropheGuard.h"
#include "declarations/registers/RegisterLayout.h"
#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"

namespace {

// The least amount a row takes: 0,01.
constexpr Currency MinimumValue = Currency::fromRaw(100);
constexpr int InvalidOccurrenceMessage = 291;
constexpr int MinimumValueMessage = 224;

// Placing of the fields: the ground with its descriptions, the amount, the
// complementary data side by side with their meanings under them, and the
// free description.
constexpr int PageMargin = 8;
constexpr int FieldsWidth = 680;
constexpr int DescriptionsLeft = 110;
constexpr int ValueTop = 48;
constexpr int ComplementsTop = 92;
constexpr int DataTop = 108;
constexpr int DescriptionTop = 166;
constexpr int DescriptionHeight = 40;

GridPage::Shape GridShape(const OccurrencePage::Shape& shape) {
    return GridPage::ShapeOf(shape);
}

// A read-only information memo on a description of the ground.
TDBMemo* InformationMemo(TComponent* owner, TWinControl* parent, const QString& name, TDataSource* source,
                         const QString& field, int top, int height) {
    auto* memo = Make<TDBMemo>(owner, name, parent);
    memo->SetDataSource(source);
    memo->SetDataField(field);
    memo->SetReadOnly(true);
    memo->SetTabStop(false);
    memo->SetColor(clInfoBk);
    memo->SetBounds(DescriptionsLeft, top, FieldsWidth + PageMargin - DescriptionsLeft, height);
    return memo;
}

const QString GroundKey = QStringLiteral("SQ_OCORRENCIA_DEF");

QString DatumField(int numero) {
    return QStringLiteral("VL_COMPLEMENTO_%1").arg(numero);
}

} // namespace

OccurrencePage::OccurrencePage(TComponent* owner, TClientDataSet* rows, const Shape& shape)
    : GridPage(owner, rows, GridShape(shape)), m_shape(shape) {
    OnClose = TCloseEvent(this, &OccurrencePage::FormClose);
    Memo1->SetFontColor(clNavy);
    dbgDetalhes->SetName(shape.gridName);

    dsFundamentos = Make<TDataSource>(this, QStringLiteral("dsFundamentos"));
    dsFundamentos->SetAutoEdit(false);
    dsFundamentos->SetDataSet(LegalGrounds());

    BuildFields();
    BuildColumns();
    fraMidasNavigator1->BeforeInsert =
        TDataSetNotifyEvent(this, &OccurrencePage::fraNUBNavigator1BeforeInsert);
    fraMidasNavigator1->OnNewRecord = TDataSetNotifyEvent(this, &OccurrencePage::fraNUBNavigator1NewRecord);
    fraMidasNavigator1->BeforePost = TDataSetNotifyEvent(this, &OccurrencePage::fraMidasNavigator1BeforePost);
    dsDetalhe->OnStateChange = TNotifyEvent(this, &OccurrencePage::dsStateChange);
    dsDetalhe->OnDataChange = TDataChangeEvent(this, &OccurrencePage::dsDataChange);

    GuardApostrophes();
    // Codes are upper case however they arrive.
    TypedTextRule::Install(dbcvCFOPs, [](QChar c) { return c.toUpper(); });
    dsStateChange(dsDetalhe);
}

void OccurrencePage::BuildFields() {
    CaptionOver(this, pnlCampos, QStringLiteral("dbcvCFOPs"), QStringLiteral("Ocorrência"), PageMargin, 4);
    dbcvCFOPs = Make<TDBComboValues>(this, QStringLiteral("dbcvCFOPs"), pnlCampos);
    dbcvCFOPs->SetCharCase(TEditCharCase::ecUpperCase);
    dbcvCFOPs->SetDataSource(dsDetalhe);
    dbcvCFOPs->SetDataField(QStringLiteral("SQ_OCORRENCIA_DEF"));
    dbcvCFOPs->SetBounds(PageMargin, 4 + kCaptionHeight, 90, kEditHeight);
    dbmDescFundamento = InformationMemo(this, pnlCampos, QStringLiteral("dbmDescFundamento"), dsDetalhe,
                                        m_shape.description, 4, 40);
    dbmDescComplemento = InformationMemo(this, pnlCampos, QStringLiteral("dbmDescComplemento"), dsDetalhe,
                                         m_shape.description + QStringLiteral("Comp"), 48, 36);

    dbeVlContabil = FieldEdit(QStringLiteral("dbeVlContabil"), QStringLiteral("Valor"), m_shape.valueField,
                              PageMargin, ValueTop, 90);

    MakeLabel(this, pnlCampos, QStringLiteral("lblComplementos"), QStringLiteral("Complementos"), PageMargin,
              ComplementsTop, true);
    const int coluna = (FieldsWidth + PageMargin) / m_shape.data;
    TDBEdit* dados[3] = {};
    TDBText* significados[3] = {};
    for (int n = 1; n <= m_shape.data && n <= 3; ++n) {
        const int esquerda = PageMargin + (n - 1) * coluna;
        TDBEdit* dado = FieldEdit(QStringLiteral("dbeDadoComp%1").arg(n), QStringLiteral("Dado %1").arg(n),
                                  DatumField(n), esquerda, DataTop, std::min(coluna - 20, 200));
        dado->SetTag(n);
        dado->OnEnter = TNotifyEvent(this, &OccurrencePage::dbeDadoComp1Enter);
        dado->OnExit = TNotifyEvent(this, &OccurrencePage::dbeDadoComp1Enter);
        dado->OnKeyPress = TKeyPressEvent(this, &OccurrencePage::dbmDescComplementarKeyPress);
        auto* significado = Make<TDBText>(this, QStringLiteral("dbtComplemento%1").arg(n), pnlCampos);
        significado->SetDataSource(dsDetalhe);
        significado->SetDataField(QStringLiteral("DescTpDadoComp%1").arg(n));
        significado->SetFontColor(clNavy);
        significado->SetBounds(esquerda, DataTop + kCaptionHeight + kEditHeight + 2, coluna - 12, 15);
        dados[n - 1] = dado;
        significados[n - 1] = significado;
    }
    dbeDadoComp1 = dados[0];
    dbeDadoComp2 = dados[1];
    dbeDadoComp3 = dados[2];
    dbtComplemento1 = significados[0];
    dbtComplemento2 = significados[1];
    dbtComplemento3 = significados[2];

    dbmDescComplementar = FieldMemo(
        QStringLiteral("dbmDescComplementar"), QStringLiteral("Descrição Complementar"),
        QStringLiteral("DS_COMPLEMENTAR"), PageMargin, DescriptionTop, FieldsWidth, DescriptionHeight);
    dbmDescComplementar->OnKeyPress = TKeyPressEvent(this, &OccurrencePage::dbmDescComplementarKeyPress);
}

void OccurrencePage::BuildColumns() {
    const auto adiciona = [this](const QString& field, const QString& caption, int width) {
        TColumn* column = dbgDetalhes->Columns().Add();
        column->SetFieldName(field);
        column->SetTitleCaption(caption);
        column->SetWidth(width);
    };
    adiciona(QStringLiteral("Codigo"), QStringLiteral("Ocorrência"), 70);
    adiciona(m_shape.valueField, QStringLiteral("Valor"), 100);
    for (int n = 1; n <= m_shape.data; ++n)
        adiciona(DatumField(n), QStringLiteral("Dado %1").arg(n), m_shape.data > 2 ? 90 : 110);
    adiciona(QStringLiteral("DS_COMPLEMENTAR"), QStringLiteral("Descrição Complementar"), 260);
    dbgDetalhes->SetOptions(dbgDetalhes->Options() | dgConfirmDelete);
}

TClientDataSet* OccurrencePage::LegalGrounds() const {
    return DMDefBasica->cdsConFundamento;
}

TDBEdit* OccurrencePage::DatumEdit(int numero) const {
    switch (numero) {
    case 1:
        return dbeDadoComp1;
    case 2:
        return dbeDadoComp2;
    case 3:
        return dbeDadoComp3;
    default:
        return nullptr;
    }
}

void OccurrencePage::PreparaQuadro() {
    GridPage::PreparaQuadro();
    TClientDataSet* linhas = DataSet();
    dbmDescComplementar->SetMaxLength(linhas->FieldByName(QStringLiteral("DS_COMPLEMENTAR"))->Size());
    DMDefAux->AbreTabelaDeclaracao(linhas);
    DMDefBasica->AbrePorPeriodo(LegalGrounds());
    QString filtro = QStringLiteral("TP_OCORRENCIA = %1").arg(m_shape.occurrence);
    if (!m_shape.computation.isEmpty())
        filtro += QStringLiteral(" AND TP_APURACAO = '%1'").arg(m_shape.computation);
    DMDefBasica->AplicaFiltro(LegalGrounds(), filtro);
    fraNUBNavigator1BeforeInsert(linhas);
    // The rows were read before the grounds: read again, they show theirs.
    if (linhas->Active() && !linhas->IsEmpty()) {
        linhas->Close();
        linhas->Open();
    }
}

void OccurrencePage::FormClose(TObject* sender, TCloseAction& action) {
    GridPage::FormClose(sender, action);
    DataSet()->Close();
    LegalGrounds()->Close();
}

void OccurrencePage::fraNUBNavigator1BeforeInsert(TDataSet*) {
    LegalGroundChoices::Fill(dbcvCFOPs, LegalGrounds());
}

void OccurrencePage::fraNUBNavigator1NewRecord(TDataSet* dataSet) {
    if (!m_shape.computation.isEmpty())
        dataSet->FieldByName(QStringLiteral("TP_APURACAO"))->SetAsString(m_shape.computation);
    if (dbcvCFOPs->CanFocus())
        dbcvCFOPs->SetFocus();
}

void OccurrencePage::dsStateChange(TObject*) {
    ShowEditable(dbcvCFOPs, DataSet()->State() == TDataSetState::dsInsert);
}

void OccurrencePage::dsDataChange(TObject* sender, TField* field) {
    FocusedFieldChanged(sender);
    // A ground chosen: what is looked up from it (its code, legislation,
    // description, the meanings of its data) shows at once, not on posting.
    if (field && field->FieldName() == GroundKey)
        for (TField* derivado : DataSet()->Fields())
            if (derivado->Lookup() && derivado->KeyFields() == GroundKey)
                dsDetalhe->DataEvent(deFieldChange, derivado);
}

void OccurrencePage::dbeDadoComp1Enter(TObject*) {
    MostraDescricaoCampo(dsDetalhe);
}

void OccurrencePage::dbmDescComplementarKeyPress(TObject*, QChar& key) {
    ApostropheGuard::Swallow(key);
}

void OccurrencePage::Refuse(const QString& texto, TWinControl* foco) {
    RefuseAt(texto, foco);
}

void OccurrencePage::RequireOfferedOccurrence() {
    if (!dbcvCFOPs->Items().contains(dbcvCFOPs->ComboText()))
        Refuse(TDMDefAux::BuscaMensagemErro(InvalidOccurrenceMessage), dbcvCFOPs);
}

void OccurrencePage::RequireMinimumValue(TDataSet* dataSet) {
    if (dataSet->FieldByName(m_shape.valueField)->AsCurrency() < MinimumValue)
        Refuse(TDMDefAux::BuscaMensagemErro(MinimumValueMessage), dbeVlContabil);
}

void OccurrencePage::LocateLegalGround(TDataSet* dataSet) {
    LegalGrounds()->FindKey({dataSet->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->AsInteger()});
}

void OccurrencePage::RequireValidDatum(TDataSet* dataSet, int numero) {
    const QString n = QString::number(numero);
    TDBEdit* dado = DatumEdit(numero);
    const auto focaDado = [dado] {
        if (dado && dado->CanFocus())
            dado->SetFocus();
    };
    bool valido = false;
    try {
        valido = DMDefAux->ValidaDadoComplementar(dataSet, QStringLiteral("TP_DADO_COMPLEMENTAR_") + n,
                                                  DatumField(numero), n);
    } catch (const EAbort&) {
        // Some checks refuse by aborting once they have said why.
        focaDado();
        throw;
    }
    if (valido)
        return;
    focaDado();
    Abort();
}

void OccurrencePage::fraMidasNavigator1BeforePost(TDataSet* dataSet) {
    RequireOfferedOccurrence();
    RequireMinimumValue(dataSet);
    LocateLegalGround(dataSet);
    for (int numero = 1; numero <= m_shape.data; ++numero)
        RequireValidDatum(dataSet, numero);
}
