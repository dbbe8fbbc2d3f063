#include "declarations/registers/PersonRegister.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "components/report/TDataSetReport.h"
#include "components/search/TDataSetSearch.h"
#include "core/data/ModuleComponents.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefGeral.h"
#include "core/forms/RefuseAt.h"
#include "core/util/MessageBoxes.h"
#include "declarations/registers/ApostropheGuard.h"
#include "declarations/registers/RegisterLayout.h"
#include "declarations/registers/RegisterSearch.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TFloatField.h"
#include "platform/db/TIBQuery.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TPanel.h"

namespace {
constexpr int kClientWidth = 580;
constexpr int kClientHeight = 200;
constexpr int kMargin = 12;

// A rule of the register failed: its message, the focus on the edit, a silent abort.
[[noreturn]] void RefuseCode(int codigo, TDBEdit* edit) {
    RefuseAt(TDMDefAux::BuscaMensagemErro(codigo), edit, RefusalFocus::Return);
}

bool IsBlank(TDataSet* dataSet, const QString& campo) {
    return dataSet->FieldByName(campo)->AsString().trimmed().isEmpty();
}
} // namespace

PersonRegister::PersonRegister(TComponent* owner, int documentId, TClientDataSet* dataSet, const Shape& shape)
    : TfrmModCadastroMidas(owner, documentId), m_dataSet(dataSet), m_shape(shape) {
    SetName(shape.formName);
    SetCaption(shape.caption);
    SetFormStyle(TFormStyle::fsMDIChild);
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetKeyPreview(true);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    m_source = Make<TDataSource>(this, shape.dataSourceName);
    m_source->SetDataSet(dataSet);
    BuildFields();

    ShowDataSet(dataSet, TNotifyEvent(this, &PersonRegister::fsnCadastroSearch),
                TNotifyEvent(this, &PersonRegister::fsnCadastroPrint));
    fsnCadastro->OnNewRecord = TDataSetNotifyEvent(this, &PersonRegister::fsnCadastroNewRecord);
    fsnCadastro->BeforePost = TDataSetNotifyEvent(this, &PersonRegister::fsnCadastroBeforePost);
    BuildSearch();

    OnCreate = TNotifyEvent(this, &PersonRegister::FormCreate);
    OnClose = TCloseEvent(this, &PersonRegister::FormClose);
    OnKeyPress = TKeyPressEvent(this, &PersonRegister::FormKeyPress);
    ApostropheGuard::Install(pnCadastro);
}

void PersonRegister::BuildFields() {
    pnCadastro = MakePanel(this, this, QStringLiteral("pnCadastro"), TAlign::alClient);
    const auto edit = [this](const Field& field, int left, int top, int width) {
        return LabeledEdit(this, pnCadastro, field.edit, field.caption, m_source, field.column, left, top,
                           width);
    };
    m_name = edit(m_shape.name, kMargin, 12, 550);
    m_areaCode = edit(m_shape.areaCode, kMargin, 60, 40);
    m_telephone = edit(m_shape.telephone, kMargin + 50, 60, 90);
}

void PersonRegister::BuildSearch() {
    ibtPesquisa = SearchTransaction(this);
    ibqPesquisa = SearchQuery(this, QStringLiteral("ibqPesquisa"), ibtPesquisa,
                              {QStringLiteral("select * from ") + m_shape.table});
    MakeField<TFloatField>(ibqPesquisa, m_shape.key)->SetVisible(false);
    MakeTextField(ibqPesquisa, m_shape.name.column, 64, false, QStringLiteral("Nome"));
    MakeTextField(ibqPesquisa, m_shape.areaCode.column, 4, false, QStringLiteral("DDD"));
    MakeTextField(ibqPesquisa, m_shape.telephone.column, 8, false, QStringLiteral("Telefone"));
    m_search = SearchComponent(this, m_shape.searchName, ibqPesquisa, m_shape.name.column);
}

void PersonRegister::FormCreate(TObject* sender) {
    TfrmModCadastroMidas::FormCreate(sender);
    m_dataSet->Open();
}

void PersonRegister::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModCadastroMidas::FormClose(sender, action);
    m_dataSet->Close();
}

void PersonRegister::FormKeyPress(TObject*, QChar& key) {
    ApostropheGuard::Swallow(key);
}

void PersonRegister::fsnCadastroSearch(TObject*) {
    SearchAndLocate(m_search, m_dataSet, m_shape.key);
}

void PersonRegister::fsnCadastroNewRecord(TDataSet* dataSet) {
    dataSet->FieldByName(m_shape.key)->SetAsString(DMDefGeral->ProximoSequencial(m_shape.counter));
}

void PersonRegister::fsnCadastroBeforePost(TDataSet* dataSet) {
    for (const auto& [field, edit] :
         {std::pair{&m_shape.name, m_name}, std::pair{&m_shape.areaCode, m_areaCode},
          std::pair{&m_shape.telephone, m_telephone}})
        if (IsBlank(dataSet, field->column))
            RefuseCode(field->missingMessage, edit);
}

void PersonRegister::fsnCadastroPrint(TObject* sender) {
    if (m_shape.printsTemplateListing)
        TfrmModCadastroMidas::fsnCadastroPrint(sender);
    PreviewListing();
}
