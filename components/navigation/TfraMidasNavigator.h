#pragma once
// The navigator every register window and detail page places above its
// grid. It drives a client data set and, with ApplyUpdates on (the default),
// turns every confirm, cancel and delete into an immediate apply or cancel of
// all pending updates of the top master client data set, so the database is
// written as soon as the user confirms. While changes wait in the client data
// set (an apply whose errors were answered with skip), only confirm, cancel
// and navigation stay available.
//
// Besides the 22 data-set events it takes over, through event hooks, the
// client data set's refresh and remote events and, on the set it applies,
// OnReconcileError, BeforeApplyUpdates and AfterApplyUpdates: windows bind
// their handlers on the frame, and several frames can share one set. On a
// nested detail set that set is the top master, which may live longer or
// shorter than the detail: whichever goes first, the frame lets go of the
// hooks on it without writing into it, and gives the other its handlers back.

#include "components/navigation/TfraDataSetNavigator.h"
#include "platform/db/TClientDataSet.h"

class TfraMidasNavigator : public TfraDataSetNavigator {
    Q_OBJECT
public:
    TfraMidasNavigator(TComponent* owner, TWinControl* parent = nullptr);
    ~TfraMidasNavigator() override;

    bool ApplyUpdates() const { return m_applyUpdates; }
    void SetApplyUpdates(bool apply) { m_applyUpdates = apply; }

    // Raises Exception "Invalid class typecast" when the data set is not a client data set.
    TClientDataSet* DataSet() const;
    void SetDataSet(TClientDataSet* dataSet);

    TDataSetNotifyEvent BeforeRefresh, AfterRefresh;
    TReconcileErrorEvent OnReconcileError;
    TRemoteEvent BeforeApplyUpdates, AfterApplyUpdates;
    TRemoteEvent BeforeGetRecords, AfterGetRecords;
    TRemoteEvent BeforeRowRequest, AfterRowRequest;
    TRemoteEvent BeforeExecute, AfterExecute;
    TRemoteEvent BeforeGetParams, AfterGetParams;

    bool CanInsert() const override;
    bool CanEdit() const override;
    bool CanDelete() const override;
    bool CanPost() const override;
    bool CanCancel() const override;
    bool CanSearch() const override;
    bool CanPrint() const override;
    bool CanClose() const override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void HookDataSet() override;
    void UnhookDataSet() override;
    void ForgetDataSet() override;
    void acPostExecute(TObject* sender) override;
    void acCancelExecute(TObject* sender) override;
    void acDeleteExecute(TObject* sender) override;

private:
    enum ClientEvent {
        ceBeforeRefresh,
        ceAfterRefresh,
        ceOnReconcileError,
        ceBeforeApplyUpdates,
        ceAfterApplyUpdates,
        ceBeforeGetRecords,
        ceAfterGetRecords,
        ceBeforeRowRequest,
        ceAfterRowRequest,
        ceBeforeExecute,
        ceAfterExecute,
        ceBeforeGetParams,
        ceAfterGetParams,
        ceCount
    };

    // The set whose pending updates the frame applies: from the data set up
    // through the masters of nested sets.
    TDataSet* TopMaster() const;
    bool Pending() const;
    void ApplyOnTopMaster();
    void CancelOnTopMaster();
    // Lets go of the hooks on one component: abandoned when it is going away
    // (nothing is written into it), released otherwise.
    void ReleaseHooksOn(const TComponent* component, bool dying);
    // Stops watching the apply target when it is not the data set itself.
    void ForgetApplyTarget();

    template <class E>
    void Hook(ClientEvent slot, TComponent* target, const char* name, E& property, const E& forwarder);
    template <class E, class... A> void OwnFirst(ClientEvent slot, const E& own, const E& self, A&... args) {
        if (own)
            own(args...);
        CallSaved(m_hooks[slot].get(), self, args...);
    }
    template <class E, class... A>
    void SavedFirst(ClientEvent slot, const E& own, const E& self, A&... args) {
        CallSaved(m_hooks[slot].get(), self, args...);
        if (own)
            own(args...);
    }

    void DoBeforeRefresh(TDataSet* dataSet);
    void DoAfterRefresh(TDataSet* dataSet);
    void DoOnReconcileError(TClientDataSet* dataSet, EReconcileError& error, TUpdateKind kind,
                            TReconcileAction& action);
    void DoBeforeApplyUpdates(TObject* sender, QVariant& ownerData);
    void DoAfterApplyUpdates(TObject* sender, QVariant& ownerData);
    void DoBeforeGetRecords(TObject* sender, QVariant& ownerData);
    void DoAfterGetRecords(TObject* sender, QVariant& ownerData);
    void DoBeforeRowRequest(TObject* sender, QVariant& ownerData);
    void DoAfterRowRequest(TObject* sender, QVariant& ownerData);
    void DoBeforeExecute(TObject* sender, QVariant& ownerData);
    void DoAfterExecute(TObject* sender, QVariant& ownerData);
    void DoBeforeGetParams(TObject* sender, QVariant& ownerData);
    void DoAfterGetParams(TObject* sender, QVariant& ownerData);

    bool m_applyUpdates = true;
    std::array<std::unique_ptr<TEventHook>, ceCount> m_hooks;
    // The top master whose apply events are hooked, watched for its end;
    // null when that is the data set itself.
    TComponent* m_applyTarget = nullptr;
};
