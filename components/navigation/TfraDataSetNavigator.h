#pragma once
// The button strip above a register's grid or edit fields. It drives one data
// set: insert, edit, delete (after "Excluir registro corrente?"), confirm,
// cancel, first/prior/next/last, search, print, help and close, and enables
// each button from the data set's state (alNavUpdate, run when the program is
// idle).
//
// It takes over the data set's 22 events through event hooks, so windows bind
// their handlers to the frame and several frames can share one data-module
// data set and go away in any order. For Before... and On... events the
// frame's own handler runs first and the one it took over second; for
// After... events the one taken over runs first. With HookFormClose the frame
// takes over its owner form's OnClose the same way and sets CloseAction.
//
// Every action runs BeforeExecuteAction(frame, action), its work, then
// AfterExecuteAction(frame, action); an error of the work skips the latter.

#include "components/navigation/TEventHook.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/ui/TFrame.h"
#include "platform/ui/UiTypes.h"

#include <QStringList>
#include <array>
#include <memory>

class TAction;
class TActionList;
class TForm;
class TImageList;
class TVCLToolbar;

enum TDsNavFeature {
    nfInsert,
    nfEdit,
    nfDelete,
    nfPost,
    nfCancel,
    nfPesquisar,
    nfImprimir,
    nfNavigator,
    nfHelp,
    nfSair
};
// Feature k is bit k.
using TDsNavFeatureSet = unsigned;
constexpr TDsNavFeatureSet NavFeature(TDsNavFeature feature) {
    return 1u << feature;
}

// (Sender, Action): Sender is the frame.
using TExecuteActionEvent = TEvent<TObject*, TAction*>;

class TfraDataSetNavigator : public TFrame {
    Q_OBJECT
public:
    TfraDataSetNavigator(TComponent* owner, TWinControl* parent = nullptr);
    ~TfraDataSetNavigator() override;

    TDataSet* DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* dataSet);

    TDsNavFeatureSet VisibleFeatures() const { return m_visibleFeatures; }
    void SetVisibleFeatures(TDsNavFeatureSet features);
    TDsNavFeatureSet EnabledFeatures() const { return m_enabledFeatures; }
    void SetEnabledFeatures(TDsNavFeatureSet features);
    // One hint per action, in action-list order; missing lines leave the hint empty.
    const QStringList& Hints() const { return m_hints; }
    void SetHints(const QStringList& hints);
    bool ShowHints() const { return m_showHints; }
    void SetShowHints(bool show);
    bool ShowCaptions() const { return m_showCaptions; }
    void SetShowCaptions(bool show);
    void SetColor(const QColor& color) override;
    bool ConfirmDelete() const { return m_confirmDelete; }
    void SetConfirmDelete(bool confirm) { m_confirmDelete = confirm; }
    TCloseAction CloseAction() const { return m_closeAction; }
    void SetCloseAction(TCloseAction action) { m_closeAction = action; }
    bool HookFormClose() const { return m_hookFormClose; }
    void SetHookFormClose(bool hook);

    // The search, print and help actions are enabled while their handler is assigned.
    const TNotifyEvent& OnSearch() const { return m_onSearch; }
    void SetOnSearch(const TNotifyEvent& handler);
    const TNotifyEvent& OnPrint() const { return m_onPrint; }
    void SetOnPrint(const TNotifyEvent& handler);
    const TNotifyEvent& OnHelp() const { return m_onHelp; }
    void SetOnHelp(const TNotifyEvent& handler);
    // dsNav's own OnUpdateData.
    TNotifyEvent OnUpdateData() const;
    void SetOnUpdateData(const TNotifyEvent& handler);

    // Sender is dsNav.
    TNotifyEvent OnStateChange;
    TDataChangeEvent OnDataChange;
    TExecuteActionEvent BeforeExecuteAction, AfterExecuteAction;

    // The data set's events as the window binds them on the frame.
    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
    TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
    TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
    TDataSetNotifyEvent OnCalcFields;
    TDataSetErrorEvent OnDeleteError, OnEditError;
    TFilterRecordEvent OnFilterRecord;
    TDataSetNotifyEvent OnNewRecord;
    TDataSetErrorEvent OnPostError;

    // The frame's components.
    TVCLToolbar* tbNav() const { return m_tbNav; }
    TVCLToolbar* tbNavegacao() const { return m_tbNavegacao; }
    TVCLToolbar* tbSair() const { return m_tbSair; }
    TImageList* imlNav() const { return m_imlNav; }
    TActionList* alNav() const { return m_alNav; }
    TDataSource* dsNav() const { return m_dsNav; }
    TAction* acInsert() const { return m_actions[0]; }
    TAction* acEdit() const { return m_actions[1]; }
    TAction* acDelete() const { return m_actions[2]; }
    TAction* acPost() const { return m_actions[3]; }
    TAction* acCancel() const { return m_actions[4]; }
    TAction* acSearch() const { return m_actions[5]; }
    TAction* acPrint() const { return m_actions[6]; }
    TAction* acFirst() const { return m_actions[7]; }
    TAction* acPrior() const { return m_actions[8]; }
    TAction* acNext() const { return m_actions[9]; }
    TAction* acLast() const { return m_actions[10]; }
    TAction* acHelp() const { return m_actions[11]; }
    TAction* acClose() const { return m_actions[12]; }

    virtual bool CanInsert() const;
    virtual bool CanEdit() const;
    virtual bool CanDelete() const;
    virtual bool CanPost() const;
    virtual bool CanCancel() const;
    virtual bool CanSearch() const;
    virtual bool CanPrint() const;
    virtual bool CanClose() const;

    // The enabling of every action from the data set's state.
    void alNavUpdate(TAction* action, bool& handled);

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    virtual void HookDataSet();
    virtual void UnhookDataSet();
    virtual void DoAfterPost(TDataSet* dataSet);
    virtual void DoAfterDelete(TDataSet* dataSet);
    virtual void DoAfterCancel(TDataSet* dataSet);

    // The action handlers; the client-data-set frame extends post, cancel and delete.
    virtual void acPostExecute(TObject* sender);
    virtual void acCancelExecute(TObject* sender);
    virtual void acDeleteExecute(TObject* sender);

    // Runs `work` between BeforeExecuteAction and AfterExecuteAction.
    void RunAction(TAction* action, const std::function<void()>& work);
    bool Editing() const;
    // The data set has gone: its hooks leave without writing into it.
    virtual void ForgetDataSet();

    // Calls the handler a hook saved, unless it is empty or `self`.
    template <class E, class... A> static void CallSaved(const TEventHook* hook, const E& self, A&... args) {
        if (!hook)
            return;
        const E saved = hook->SavedHandler<E>();
        if (saved && !(saved == self))
            saved(args...);
    }

private:
    enum DataSetEvent {
        evBeforeOpen,
        evAfterOpen,
        evBeforeClose,
        evAfterClose,
        evBeforeInsert,
        evAfterInsert,
        evBeforeEdit,
        evAfterEdit,
        evBeforePost,
        evAfterPost,
        evBeforeCancel,
        evAfterCancel,
        evBeforeDelete,
        evAfterDelete,
        evBeforeScroll,
        evAfterScroll,
        evOnCalcFields,
        evOnDeleteError,
        evOnEditError,
        evOnFilterRecord,
        evOnNewRecord,
        evOnPostError,
        evCount
    };

    void CreateComponents();
    void ApplyHints();
    void ApplyVisibleFeatures();
    void ApplyEnabledFeatures();
    void ApplyShowCaptions();
    void ArrangeToolbars();
    void InstallFormCloseHook();
    void RemoveFormCloseHook();
    void FormCloseHook(TObject* sender, TCloseAction& action);
    void dsNavStateChange(TObject* sender);
    void dsNavDataChange(TObject* sender, TField* field);

    template <class E> void Hook(DataSetEvent slot, const char* name, E& property, const E& forwarder);
    // Before.../On... events: the frame's handler, then the saved one.
    template <class E, class... A> void OwnFirst(DataSetEvent slot, const E& own, const E& self, A&... args) {
        if (own)
            own(args...);
        CallSaved(m_hooks[slot].get(), self, args...);
    }
    // After... events: the saved handler, then the frame's.
    template <class E, class... A>
    void SavedFirst(DataSetEvent slot, const E& own, const E& self, A&... args) {
        CallSaved(m_hooks[slot].get(), self, args...);
        if (own)
            own(args...);
    }

    void DoBeforeOpen(TDataSet* dataSet);
    void DoAfterOpen(TDataSet* dataSet);
    void DoBeforeClose(TDataSet* dataSet);
    void DoAfterClose(TDataSet* dataSet);
    void DoBeforeInsert(TDataSet* dataSet);
    void DoAfterInsert(TDataSet* dataSet);
    void DoBeforeEdit(TDataSet* dataSet);
    void DoAfterEdit(TDataSet* dataSet);
    void DoBeforePost(TDataSet* dataSet);
    void DoBeforeCancel(TDataSet* dataSet);
    void DoBeforeDelete(TDataSet* dataSet);
    void DoBeforeScroll(TDataSet* dataSet);
    void DoAfterScroll(TDataSet* dataSet);
    void DoOnCalcFields(TDataSet* dataSet);
    void DoOnDeleteError(TDataSet* dataSet, EDatabaseError& error, TDataAction& action);
    void DoOnEditError(TDataSet* dataSet, EDatabaseError& error, TDataAction& action);
    void DoOnFilterRecord(TDataSet* dataSet, bool& accept);
    void DoOnNewRecord(TDataSet* dataSet);
    void DoOnPostError(TDataSet* dataSet, EDatabaseError& error, TDataAction& action);

    void acInsertExecute(TObject* sender);
    void acEditExecute(TObject* sender);
    void acSearchExecute(TObject* sender);
    void acPrintExecute(TObject* sender);
    void acHelpExecute(TObject* sender);
    void acCloseExecute(TObject* sender);
    void acFirstExecute(TObject* sender);
    void acPriorExecute(TObject* sender);
    void acNextExecute(TObject* sender);
    void acLastExecute(TObject* sender);

    TVCLToolbar* m_tbNav = nullptr;
    TVCLToolbar* m_tbNavegacao = nullptr;
    TVCLToolbar* m_tbSair = nullptr;
    TImageList* m_imlNav = nullptr;
    TActionList* m_alNav = nullptr;
    TDataSource* m_dsNav = nullptr;
    std::array<TAction*, 13> m_actions{};

    TDataSet* m_dataSet = nullptr;
    TDsNavFeatureSet m_visibleFeatures = 255;
    TDsNavFeatureSet m_enabledFeatures = 1023;
    QStringList m_hints;
    bool m_showHints = false;
    bool m_showCaptions = true;
    bool m_confirmDelete = true;
    TCloseAction m_closeAction = TCloseAction::caFree;
    bool m_hookFormClose = false;
    TNotifyEvent m_onSearch, m_onPrint, m_onHelp;

    bool m_hooked = false;
    std::array<std::unique_ptr<TEventHook>, evCount> m_hooks;
    std::unique_ptr<TEventHook> m_formCloseHook;
};
