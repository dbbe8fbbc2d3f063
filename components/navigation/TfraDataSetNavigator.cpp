#include "components/navigation/TfraDataSetNavigator.h"

#include "components/navigation/TVCLTbButton.h"
#include "components/navigation/TVCLToolbar.h"
#include "platform/base/TPrompter.h"
#include "platform/graphics/PrinterPicture.h"
#include "platform/ui/Make.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TImageList.h"

#include <QApplication>
#include <QStyle>

namespace {
struct ActionSpec {
    const char* name;
    const char* caption;
    const char* hint;
    int imageIndex;
};
// In action-list order; this is also the order of Hints.
const ActionSpec kActions[13] = {
    {"acInsert", "&Incluir", "Incluir um registro", 0},
    {"acEdit", "&Alterar", "Alterar o registro corrente", 1},
    {"acDelete", "&Excluir", "Excluir o registro corrente", 2},
    {"acPost", "&Confirmar", "Confirmar alterações", 3},
    {"acCancel", "Ca&ncelar", "Cancelar alterações", 4},
    {"acSearch", "&Pesquisar", "Pesquisar por registros", 5},
    {"acPrint", "I&mprimir", "Imprimir os registros", 6},
    {"acFirst", "", "Posiciona no primeiro registro", 7},
    {"acPrior", "", "Posiciona no registro anterior", 8},
    {"acNext", "", "Posiciona no próximo registro", 9},
    {"acLast", "", "Posiciona no último registro", 10},
    {"acHelp", "&Ajuda", "Ajuda", 12},
    {"acClose", "&Sair", "Sair do formulário", 11},
};
constexpr int kGroupGap = 4;

// The 13 glyphs: insert, edit, delete, confirm, cancel, search, print, first,
// prior, next, last, close, help.
QList<QPixmap> NavigatorGlyphs() {
    const QStyle::StandardPixmap pictures[13] = {
        QStyle::SP_FileIcon,          QStyle::SP_FileDialogDetailedView, QStyle::SP_TrashIcon,
        QStyle::SP_DialogApplyButton, QStyle::SP_DialogCancelButton,     QStyle::SP_FileDialogContentsView,
        QStyle::SP_CustomBase,        QStyle::SP_MediaSkipBackward,      QStyle::SP_MediaSeekBackward,
        QStyle::SP_MediaSeekForward,  QStyle::SP_MediaSkipForward,       QStyle::SP_DialogCloseButton,
        QStyle::SP_DialogHelpButton,
    };
    QList<QPixmap> glyphs;
    for (const auto picture : pictures)
        glyphs << (picture == QStyle::SP_CustomBase // print: a printer, drawn here
                       ? PrinterPicture(16)
                       : QApplication::style()->standardIcon(picture).pixmap(16, 16));
    return glyphs;
}

void AddButton(TVCLToolbar* toolbar, TAction* action, int offSet = 0) {
    TVCLTbButton* item = toolbar->TbButtons().Add();
    item->SetAction(action);
    item->SetOffSet(offSet);
}

QStringList DefaultHints() {
    QStringList hints;
    for (const ActionSpec& spec : kActions)
        hints << QString::fromUtf8(spec.hint);
    return hints;
}
} // namespace

TfraDataSetNavigator::TfraDataSetNavigator(TComponent* owner, TWinControl* parent)
    : TFrame(owner, nullptr), m_hints(DefaultHints()) {
    CreateComponents();
    ApplyHints();
    ApplyShowCaptions();
    ApplyVisibleFeatures();
    ApplyEnabledFeatures();
    SetParent(parent);
}

TfraDataSetNavigator::~TfraDataSetNavigator() {
    UnhookDataSet();
    RemoveFormCloseHook();
}

void TfraDataSetNavigator::CreateComponents() {
    m_imlNav = Make<TImageList>(this, QStringLiteral("imlNav"));
    for (const QPixmap& glyph : NavigatorGlyphs())
        m_imlNav->Add(glyph);

    m_alNav = Make<TActionList>(this, QStringLiteral("alNav"));
    m_alNav->SetImages(m_imlNav);
    m_alNav->OnUpdate = TActionEvent(this, &TfraDataSetNavigator::alNavUpdate);
    for (int i = 0; i < 13; ++i) {
        auto* action = Make<TAction>(this, QString::fromLatin1(kActions[i].name));
        action->SetCaption(QString::fromUtf8(kActions[i].caption));
        action->SetImageIndex(kActions[i].imageIndex);
        action->SetActionList(m_alNav);
        m_actions[static_cast<std::size_t>(i)] = action;
    }
    acInsert()->OnExecute = TNotifyEvent(this, &TfraDataSetNavigator::acInsertExecute);
    acEdit()->OnExecute = TNotifyEvent(this, &TfraDataSetNavigator::acEditExecute);
    acDelete()->OnExecute = TNotifyEvent(this, &TfraDataSetNavigator::acDeleteExecute);
    acPost()->OnExecute = TNotifyEvent(this, &TfraDataSetNavigator::acPostExecute);
    acCancel()->OnExecute = TNotifyEvent(this, &TfraDataSetNavigator::acCancelExecute);
    acSearch()->OnExecute = TNotifyEvent(this, &TfraDataSetNavigator::acSearchExecute);
    acPrint()->OnExecute = TNotifyEvent(this, &TfraDataSetNavigator::acPrintExecute);
    acFirst()->OnExecute = TNotifyEvent(this, &TfraDataSetNavigator::acFirstExecute);
    acPrior()->OnExecute = TNotifyEvent(this, &TfraDataSetNavigator::acPriorExecute);
    acNext()->OnExecute = TNotifyEvent(this, &TfraDataSetNavigator::acNextExecute);
    acLast()->OnExecute = TNotifyEvent(this, &TfraDataSetNavigator::acLastExecute);
    acHelp()->OnExecute = TNotifyEvent(this, &TfraDataSetNavigator::acHelpExecute);
    acClose()->OnExecute = TNotifyEvent(this, &TfraDataSetNavigator::acCloseExecute);
    // Without handlers there is nothing to search, print or show.
    acSearch()->SetEnabled(false);
    acPrint()->SetEnabled(false);
    acHelp()->SetEnabled(false);

    auto makeToolbar = [this](const char* name, bool captions, int buttonHeight, int buttonWidth) {
        auto* toolbar = Make<TVCLToolbar>(this, QString::fromLatin1(name), this);
        toolbar->SetEdgeBorders(0);
        toolbar->SetImages(m_imlNav);
        toolbar->SetButtonWidth(buttonWidth);
        toolbar->SetButtonHeight(buttonHeight);
        toolbar->SetShowCaptions(captions);
        toolbar->SetButtonHeight(buttonHeight);
        toolbar->SetButtonWidth(buttonWidth);
        return toolbar;
    };
    m_tbNav = makeToolbar("tbNav", true, 39, 52);
    AddButton(m_tbNav, acInsert());
    AddButton(m_tbNav, acEdit());
    AddButton(m_tbNav, acDelete());
    AddButton(m_tbNav, acPost(), 8);
    AddButton(m_tbNav, acCancel());
    AddButton(m_tbNav, acSearch(), 8);
    AddButton(m_tbNav, acPrint());
    m_tbNavegacao = makeToolbar("tbNavegacao", false, 22, 23);
    AddButton(m_tbNavegacao, acFirst());
    AddButton(m_tbNavegacao, acPrior());
    AddButton(m_tbNavegacao, acNext());
    AddButton(m_tbNavegacao, acLast());
    m_tbSair = makeToolbar("tbSair", true, 39, 52);
    AddButton(m_tbSair, acHelp());
    AddButton(m_tbSair, acClose());

    m_dsNav = Make<TDataSource>(this, QStringLiteral("dsNav"));
    m_dsNav->SetAutoEdit(false);
    m_dsNav->OnStateChange = TNotifyEvent(this, &TfraDataSetNavigator::dsNavStateChange);
    m_dsNav->OnDataChange = TDataChangeEvent(this, &TfraDataSetNavigator::dsNavDataChange);
}

// ---- properties -------------------------------------------------------------------

void TfraDataSetNavigator::SetDataSet(TDataSet* dataSet) {
    if (dataSet == m_dataSet)
        return;
    UnhookDataSet();
    if (m_dataSet)
        m_dataSet->RemoveFreeNotification(this);
    m_dataSet = dataSet;
    if (dataSet)
        dataSet->FreeNotification(this);
    m_dsNav->SetDataSet(dataSet);
    if (dataSet && !IsLoading())
        HookDataSet();
}

void TfraDataSetNavigator::SetVisibleFeatures(TDsNavFeatureSet features) {
    m_visibleFeatures = features;
    if (!IsLoading())
        ApplyVisibleFeatures();
}

void TfraDataSetNavigator::SetEnabledFeatures(TDsNavFeatureSet features) {
    m_enabledFeatures = features;
    if (!IsLoading())
        ApplyEnabledFeatures();
}

void TfraDataSetNavigator::SetHints(const QStringList& hints) {
    m_hints = hints;
    if (!IsLoading())
        ApplyHints();
}

void TfraDataSetNavigator::SetShowHints(bool show) {
    m_showHints = show;
    if (IsLoading())
        return;
    m_tbNav->SetShowHints(show);
    m_tbNavegacao->SetShowHints(show);
    m_tbSair->SetShowHints(show);
}

void TfraDataSetNavigator::SetShowCaptions(bool show) {
    m_showCaptions = show;
    if (!IsLoading())
        ApplyShowCaptions();
}

void TfraDataSetNavigator::SetColor(const QColor& color) {
    TFrame::SetColor(color);
    if (IsLoading())
        return;
    m_tbNav->SetColor(color);
    m_tbNavegacao->SetColor(color);
    m_tbSair->SetColor(color);
}

void TfraDataSetNavigator::SetHookFormClose(bool hook) {
    m_hookFormClose = hook;
    if (IsLoading())
        return;
    if (hook)
        InstallFormCloseHook();
    else
        RemoveFormCloseHook();
}

void TfraDataSetNavigator::SetOnSearch(const TNotifyEvent& handler) {
    m_onSearch = handler;
    acSearch()->SetEnabled(handler.Assigned());
}

void TfraDataSetNavigator::SetOnPrint(const TNotifyEvent& handler) {
    m_onPrint = handler;
    acPrint()->SetEnabled(handler.Assigned());
}

void TfraDataSetNavigator::SetOnHelp(const TNotifyEvent& handler) {
    m_onHelp = handler;
    acHelp()->SetEnabled(handler.Assigned() && (m_enabledFeatures & NavFeature(nfHelp)) != 0);
}

TNotifyEvent TfraDataSetNavigator::OnUpdateData() const {
    return m_dsNav->OnUpdateData;
}
void TfraDataSetNavigator::SetOnUpdateData(const TNotifyEvent& handler) {
    m_dsNav->OnUpdateData = handler;
}

void TfraDataSetNavigator::ApplyHints() {
    for (int i = 0; i < m_alNav->ActionCount(); ++i)
        m_alNav->Actions(i)->SetHint(i < m_hints.size() ? m_hints[i] : QString());
}

void TfraDataSetNavigator::ApplyShowCaptions() {
    m_tbNav->SetShowCaptions(m_showCaptions);
    m_tbSair->SetShowCaptions(m_showCaptions);
    // Keep the sizes of the strip: captions change the text only.
    m_tbNav->SetButtonHeight(39);
    m_tbNav->SetButtonWidth(52);
    m_tbSair->SetButtonHeight(39);
    m_tbSair->SetButtonWidth(m_tbNav->ButtonWidth());
    ArrangeToolbars();
}

void TfraDataSetNavigator::ApplyVisibleFeatures() {
    for (int i = nfInsert; i <= nfImprimir; ++i)
        m_actions[static_cast<std::size_t>(i)]->SetVisible((m_visibleFeatures & (1u << i)) != 0);
    m_tbNav->SetVisible((m_visibleFeatures & 0x7Fu) != 0);
    acHelp()->SetVisible((m_visibleFeatures & NavFeature(nfHelp)) != 0);
    acClose()->SetVisible((m_visibleFeatures & NavFeature(nfSair)) != 0);
    m_tbSair->SetVisible((m_visibleFeatures & (NavFeature(nfHelp) | NavFeature(nfSair))) != 0);
    m_tbNavegacao->SetVisible((m_visibleFeatures & NavFeature(nfNavigator)) != 0);
    ArrangeToolbars();
}

void TfraDataSetNavigator::ApplyEnabledFeatures() {
    const auto on = [this](TDsNavFeature feature) { return (m_enabledFeatures & NavFeature(feature)) != 0; };
    acInsert()->SetEnabled(CanInsert() && on(nfInsert));
    acEdit()->SetEnabled(CanEdit() && on(nfEdit));
    acDelete()->SetEnabled(CanDelete() && on(nfDelete));
    acPost()->SetEnabled(CanPost() && on(nfPost));
    acCancel()->SetEnabled(CanCancel() && on(nfCancel));
    acSearch()->SetEnabled(CanSearch() && on(nfPesquisar));
    acPrint()->SetEnabled(CanPrint() && on(nfImprimir));
    acClose()->SetEnabled(CanClose() && on(nfSair));
    acFirst()->SetEnabled(on(nfNavigator));
    acPrior()->SetEnabled(acFirst()->Enabled());
    acNext()->SetEnabled(acFirst()->Enabled());
    acLast()->SetEnabled(acFirst()->Enabled());
    acHelp()->SetEnabled(on(nfHelp) && m_onHelp.Assigned());
}

void TfraDataSetNavigator::ArrangeToolbars() {
    m_tbNav->SetWidth(m_tbNav->ButtonsWidth());
    m_tbNavegacao->SetTop(m_tbNav->Top() + (m_tbNav->Height() - m_tbNavegacao->Height()) / 2);
    if (m_tbNavegacao->Visible()) {
        m_tbNavegacao->SetLeft(m_tbNav->Left() + (m_tbNav->Visible() ? m_tbNav->Width() + kGroupGap : 0));
        m_tbNavegacao->SetWidth(m_tbNavegacao->ButtonsWidth());
    }
    if (m_tbSair->Visible()) {
        m_tbSair->SetLeft(m_tbNavegacao->Visible() ? m_tbNavegacao->BoundsRight() + kGroupGap
                                                   : m_tbNav->BoundsRight() + kGroupGap);
        m_tbSair->SetWidth(m_tbSair->ButtonsWidth());
    }
    // The frame fits its toolbars.
    int right = 0;
    int bottom = 0;
    for (const TVCLToolbar* toolbar : {m_tbNav, m_tbNavegacao, m_tbSair}) {
        if (!toolbar->Visible())
            continue;
        right = std::max(right, toolbar->BoundsRight());
        bottom = std::max(bottom, toolbar->Top() + toolbar->Height());
    }
    SetBounds(Left(), Top(), std::max(Width(), right), bottom);
}

void TfraDataSetNavigator::Loaded() {
    TFrame::Loaded();
    ApplyHints();
    SetShowHints(m_showHints);
    m_dsNav->SetDataSet(m_dataSet);
    HookDataSet();
    ApplyShowCaptions();
    ApplyVisibleFeatures();
    ApplyEnabledFeatures();
    SetColor(Color());
    if (m_hookFormClose)
        InstallFormCloseHook();
}

void TfraDataSetNavigator::Notification(TComponent* component, TOperation operation) {
    TFrame::Notification(component, operation);
    if (operation == TOperation::opRemove && component && component == m_dataSet)
        ForgetDataSet();
}

void TfraDataSetNavigator::ForgetDataSet() {
    for (auto& hook : m_hooks) {
        if (hook)
            hook->Abandon();
        hook.reset();
    }
    m_hooked = false;
    m_dataSet = nullptr;
}

// ---- owner form's close -------------------------------------------------------------

void TfraDataSetNavigator::InstallFormCloseHook() {
    auto* form = dynamic_cast<TForm*>(Owner());
    if (m_formCloseHook || !form)
        return;
    m_formCloseHook = std::make_unique<TEventHook>(form, QStringLiteral("OnClose"));
    form->OnClose = TCloseEvent(this, &TfraDataSetNavigator::FormCloseHook);
}

void TfraDataSetNavigator::RemoveFormCloseHook() {
    m_formCloseHook.reset();
}

void TfraDataSetNavigator::FormCloseHook(TObject* sender, TCloseAction& action) {
    action = m_closeAction;
    CallSaved(m_formCloseHook.get(), TCloseEvent(this, &TfraDataSetNavigator::FormCloseHook), sender, action);
}

// ---- the data set's events -------------------------------------------------------------

template <class E>
void TfraDataSetNavigator::Hook(DataSetEvent slot, const char* name, E& property, const E& forwarder) {
    m_hooks[slot] = std::make_unique<TEventHook>(m_dataSet, QString::fromLatin1(name));
    property = forwarder;
}

void TfraDataSetNavigator::HookDataSet() {
    if (!m_dataSet || m_hooked)
        return;
    m_hooked = true;
    using F = TfraDataSetNavigator;
    TDataSet& d = *m_dataSet;
    Hook(evBeforeOpen, "BeforeOpen", d.BeforeOpen, TDataSetNotifyEvent(this, &F::DoBeforeOpen));
    Hook(evAfterOpen, "AfterOpen", d.AfterOpen, TDataSetNotifyEvent(this, &F::DoAfterOpen));
    Hook(evBeforeClose, "BeforeClose", d.BeforeClose, TDataSetNotifyEvent(this, &F::DoBeforeClose));
    Hook(evAfterClose, "AfterClose", d.AfterClose, TDataSetNotifyEvent(this, &F::DoAfterClose));
    Hook(evBeforeInsert, "BeforeInsert", d.BeforeInsert, TDataSetNotifyEvent(this, &F::DoBeforeInsert));
    Hook(evAfterInsert, "AfterInsert", d.AfterInsert, TDataSetNotifyEvent(this, &F::DoAfterInsert));
    Hook(evBeforeEdit, "BeforeEdit", d.BeforeEdit, TDataSetNotifyEvent(this, &F::DoBeforeEdit));
    Hook(evAfterEdit, "AfterEdit", d.AfterEdit, TDataSetNotifyEvent(this, &F::DoAfterEdit));
    Hook(evBeforePost, "BeforePost", d.BeforePost, TDataSetNotifyEvent(this, &F::DoBeforePost));
    Hook(evAfterPost, "AfterPost", d.AfterPost, TDataSetNotifyEvent(this, &F::DoAfterPost));
    Hook(evBeforeCancel, "BeforeCancel", d.BeforeCancel, TDataSetNotifyEvent(this, &F::DoBeforeCancel));
    Hook(evAfterCancel, "AfterCancel", d.AfterCancel, TDataSetNotifyEvent(this, &F::DoAfterCancel));
    Hook(evBeforeDelete, "BeforeDelete", d.BeforeDelete, TDataSetNotifyEvent(this, &F::DoBeforeDelete));
    Hook(evAfterDelete, "AfterDelete", d.AfterDelete, TDataSetNotifyEvent(this, &F::DoAfterDelete));
    Hook(evBeforeScroll, "BeforeScroll", d.BeforeScroll, TDataSetNotifyEvent(this, &F::DoBeforeScroll));
    Hook(evAfterScroll, "AfterScroll", d.AfterScroll, TDataSetNotifyEvent(this, &F::DoAfterScroll));
    Hook(evOnCalcFields, "OnCalcFields", d.OnCalcFields, TDataSetNotifyEvent(this, &F::DoOnCalcFields));
    Hook(evOnDeleteError, "OnDeleteError", d.OnDeleteError, TDataSetErrorEvent(this, &F::DoOnDeleteError));
    Hook(evOnEditError, "OnEditError", d.OnEditError, TDataSetErrorEvent(this, &F::DoOnEditError));
    Hook(evOnFilterRecord, "OnFilterRecord", d.OnFilterRecord,
         TFilterRecordEvent(this, &F::DoOnFilterRecord));
    Hook(evOnNewRecord, "OnNewRecord", d.OnNewRecord, TDataSetNotifyEvent(this, &F::DoOnNewRecord));
    Hook(evOnPostError, "OnPostError", d.OnPostError, TDataSetErrorEvent(this, &F::DoOnPostError));
    // A filtered set filters again through the new handler.
    if (d.Active() && d.Filtered())
        d.Refilter();
}

void TfraDataSetNavigator::UnhookDataSet() {
    if (!m_dataSet || !m_hooked)
        return;
    m_hooked = false;
    // Last made first, so each event gets back exactly what it had.
    for (auto hook = m_hooks.rbegin(); hook != m_hooks.rend(); ++hook)
        hook->reset();
    if (m_dataSet->Active() && m_dataSet->Filtered())
        m_dataSet->Refilter();
}

using F = TfraDataSetNavigator;
void F::DoBeforeOpen(TDataSet* d) {
    OwnFirst(evBeforeOpen, BeforeOpen, TDataSetNotifyEvent(this, &F::DoBeforeOpen), d);
}
void F::DoAfterOpen(TDataSet* d) {
    SavedFirst(evAfterOpen, AfterOpen, TDataSetNotifyEvent(this, &F::DoAfterOpen), d);
}
void F::DoBeforeClose(TDataSet* d) {
    OwnFirst(evBeforeClose, BeforeClose, TDataSetNotifyEvent(this, &F::DoBeforeClose), d);
}
void F::DoAfterClose(TDataSet* d) {
    SavedFirst(evAfterClose, AfterClose, TDataSetNotifyEvent(this, &F::DoAfterClose), d);
}
void F::DoBeforeInsert(TDataSet* d) {
    OwnFirst(evBeforeInsert, BeforeInsert, TDataSetNotifyEvent(this, &F::DoBeforeInsert), d);
}
void F::DoAfterInsert(TDataSet* d) {
    SavedFirst(evAfterInsert, AfterInsert, TDataSetNotifyEvent(this, &F::DoAfterInsert), d);
}
void F::DoBeforeEdit(TDataSet* d) {
    OwnFirst(evBeforeEdit, BeforeEdit, TDataSetNotifyEvent(this, &F::DoBeforeEdit), d);
}
void F::DoAfterEdit(TDataSet* d) {
    SavedFirst(evAfterEdit, AfterEdit, TDataSetNotifyEvent(this, &F::DoAfterEdit), d);
}
void F::DoBeforePost(TDataSet* d) {
    OwnFirst(evBeforePost, BeforePost, TDataSetNotifyEvent(this, &F::DoBeforePost), d);
}
void F::DoAfterPost(TDataSet* d) {
    SavedFirst(evAfterPost, AfterPost, TDataSetNotifyEvent(this, &F::DoAfterPost), d);
}
void F::DoBeforeCancel(TDataSet* d) {
    OwnFirst(evBeforeCancel, BeforeCancel, TDataSetNotifyEvent(this, &F::DoBeforeCancel), d);
}
void F::DoAfterCancel(TDataSet* d) {
    SavedFirst(evAfterCancel, AfterCancel, TDataSetNotifyEvent(this, &F::DoAfterCancel), d);
}
void F::DoBeforeDelete(TDataSet* d) {
    OwnFirst(evBeforeDelete, BeforeDelete, TDataSetNotifyEvent(this, &F::DoBeforeDelete), d);
}
void F::DoAfterDelete(TDataSet* d) {
    SavedFirst(evAfterDelete, AfterDelete, TDataSetNotifyEvent(this, &F::DoAfterDelete), d);
}
void F::DoBeforeScroll(TDataSet* d) {
    OwnFirst(evBeforeScroll, BeforeScroll, TDataSetNotifyEvent(this, &F::DoBeforeScroll), d);
}
void F::DoAfterScroll(TDataSet* d) {
    SavedFirst(evAfterScroll, AfterScroll, TDataSetNotifyEvent(this, &F::DoAfterScroll), d);
}
void F::DoOnCalcFields(TDataSet* d) {
    OwnFirst(evOnCalcFields, OnCalcFields, TDataSetNotifyEvent(this, &F::DoOnCalcFields), d);
}
void F::DoOnNewRecord(TDataSet* d) {
    OwnFirst(evOnNewRecord, OnNewRecord, TDataSetNotifyEvent(this, &F::DoOnNewRecord), d);
}
void F::DoOnDeleteError(TDataSet* d, EDatabaseError& e, TDataAction& a) {
    OwnFirst(evOnDeleteError, OnDeleteError, TDataSetErrorEvent(this, &F::DoOnDeleteError), d, e, a);
}
void F::DoOnEditError(TDataSet* d, EDatabaseError& e, TDataAction& a) {
    OwnFirst(evOnEditError, OnEditError, TDataSetErrorEvent(this, &F::DoOnEditError), d, e, a);
}
void F::DoOnPostError(TDataSet* d, EDatabaseError& e, TDataAction& a) {
    OwnFirst(evOnPostError, OnPostError, TDataSetErrorEvent(this, &F::DoOnPostError), d, e, a);
}
void F::DoOnFilterRecord(TDataSet* d, bool& accept) {
    OwnFirst(evOnFilterRecord, OnFilterRecord, TFilterRecordEvent(this, &F::DoOnFilterRecord), d, accept);
}

void F::dsNavStateChange(TObject* sender) {
    if (OnStateChange)
        OnStateChange(sender);
}

void F::dsNavDataChange(TObject* sender, TField* field) {
    if (OnDataChange)
        OnDataChange(sender, field);
}

// ---- enabling ------------------------------------------------------------------------------

bool F::Editing() const {
    return m_dataSet && (m_dataSet->State() == dsEdit || m_dataSet->State() == dsInsert);
}

bool F::CanInsert() const {
    return m_dataSet && m_dataSet->Active() && !Editing() && m_dataSet->CanModify();
}
bool F::CanEdit() const {
    return CanInsert() && m_dataSet->RecordCount() > 0;
}
bool F::CanDelete() const {
    return CanInsert() && !m_dataSet->IsEmpty();
}
bool F::CanPost() const {
    return Editing();
}
bool F::CanCancel() const {
    return Editing();
}
bool F::CanSearch() const {
    return m_dataSet && m_dataSet->Active() && !Editing();
}
bool F::CanPrint() const {
    return CanSearch();
}
bool F::CanClose() const {
    return !Editing();
}

void F::alNavUpdate(TAction*, bool&) {
    const auto on = [this](TDsNavFeature feature) { return (m_enabledFeatures & NavFeature(feature)) != 0; };
    const bool browsing = m_dataSet && m_dataSet->State() == dsBrowse && on(nfNavigator);
    acFirst()->SetEnabled(browsing && !m_dataSet->Bof());
    acPrior()->SetEnabled(acFirst()->Enabled());
    acNext()->SetEnabled(browsing && !m_dataSet->Eof());
    acLast()->SetEnabled(acNext()->Enabled());
    acInsert()->SetEnabled(CanInsert() && on(nfInsert));
    acEdit()->SetEnabled(CanEdit() && on(nfEdit));
    acDelete()->SetEnabled(CanDelete() && on(nfDelete));
    acPost()->SetEnabled(CanPost() && on(nfPost));
    acCancel()->SetEnabled(CanCancel() && on(nfCancel));
    acSearch()->SetEnabled(CanSearch() && on(nfPesquisar));
    acPrint()->SetEnabled(CanPrint() && on(nfImprimir));
    acClose()->SetEnabled(CanClose() && on(nfSair));
}

// ---- actions ------------------------------------------------------------------------------------

void F::RunAction(TAction* action, const std::function<void()>& work) {
    if (BeforeExecuteAction)
        BeforeExecuteAction(this, action);
    work();
    if (AfterExecuteAction)
        AfterExecuteAction(this, action);
}

void F::acInsertExecute(TObject*) {
    RunAction(acInsert(), [this] {
        if (m_dataSet)
            m_dataSet->Insert();
    });
}

void F::acEditExecute(TObject*) {
    RunAction(acEdit(), [this] {
        if (m_dataSet)
            m_dataSet->Edit();
    });
}

void F::acDeleteExecute(TObject*) {
    RunAction(acDelete(), [this] {
        if (!m_dataSet)
            return;
        if (m_confirmDelete) {
            TPromptRequest request;
            request.Caption = QStringLiteral("Confirmação");
            request.Text = QStringLiteral("Excluir registro corrente?");
            request.Icon = TMsgDlgType::mtConfirmation;
            request.Buttons = {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo};
            if (TPrompter::Current().Prompt(request).Button != mrYes)
                return;
        }
        m_dataSet->Delete();
    });
}

void F::acPostExecute(TObject*) {
    RunAction(acPost(), [this] {
        if (m_dataSet)
            m_dataSet->CheckBrowseMode();
    });
}

void F::acCancelExecute(TObject*) {
    RunAction(acCancel(), [this] {
        if (m_dataSet)
            m_dataSet->Cancel();
    });
}

void F::acFirstExecute(TObject*) {
    RunAction(acFirst(), [this] {
        if (m_dataSet)
            m_dataSet->First();
    });
}

void F::acPriorExecute(TObject*) {
    RunAction(acPrior(), [this] {
        if (m_dataSet)
            m_dataSet->Prior();
    });
}

void F::acNextExecute(TObject*) {
    RunAction(acNext(), [this] {
        if (m_dataSet)
            m_dataSet->Next();
    });
}

void F::acLastExecute(TObject*) {
    RunAction(acLast(), [this] {
        if (m_dataSet)
            m_dataSet->Last();
    });
}

void F::acSearchExecute(TObject*) {
    RunAction(acSearch(), [this] {
        if (m_onSearch)
            m_onSearch(this);
    });
}

void F::acPrintExecute(TObject*) {
    RunAction(acPrint(), [this] {
        if (m_onPrint)
            m_onPrint(this);
    });
}

void F::acHelpExecute(TObject*) {
    RunAction(acHelp(), [this] {
        if (m_onHelp)
            m_onHelp(this);
    });
}

void F::acCloseExecute(TObject*) {
    RunAction(acClose(), [this] {
        TControl* top = this;
        while (top->Parent())
            top = top->Parent();
        if (auto* form = dynamic_cast<TForm*>(top))
            form->Close();
    });
}
