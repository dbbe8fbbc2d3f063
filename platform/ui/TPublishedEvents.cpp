#include "platform/ui/TPublishedEvents.h"

#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/ui/TForm.h"

std::vector<std::unique_ptr<TPublishedEvents::Property>>& TPublishedEvents::Registry() {
    static std::vector<std::unique_ptr<Property>> registry;
    return registry;
}

void TPublishedEvents::Add(Property property) {
    Registry().push_back(std::make_unique<Property>(std::move(property)));
}

TPublishedEvents::Property& TPublishedEvents::Last() {
    return *Registry().back();
}

const TPublishedEvents::Property* TPublishedEvents::Find(const TComponent& component, const QString& name) {
    static const bool registered = (RegisterLibraryClasses(), true);
    (void)registered;
    for (const auto& property : Registry())
        if (property->Name.compare(name, Qt::CaseInsensitive) == 0 && property->AppliesTo(component))
            return property.get();
    return nullptr;
}

void TPublishedEvents::RegisterLibraryClasses() {
    RegisterProperty<TComponent>(QStringLiteral("Name"));
    RegisterProperty<TComponent>(QStringLiteral("Tag"));

    RegisterEvent(QStringLiteral("OnCreate"), &TForm::OnCreate);
    RegisterEvent(QStringLiteral("OnShow"), &TForm::OnShow);
    RegisterEvent(QStringLiteral("OnHide"), &TForm::OnHide);
    RegisterEvent(QStringLiteral("OnActivate"), &TForm::OnActivate);
    RegisterEvent(QStringLiteral("OnDeactivate"), &TForm::OnDeactivate);
    RegisterEvent(QStringLiteral("OnClose"), &TForm::OnClose);
    RegisterEvent(QStringLiteral("OnCloseQuery"), &TForm::OnCloseQuery);
    RegisterEvent(QStringLiteral("OnDestroy"), &TForm::OnDestroy);
    RegisterProperty<TForm>(QStringLiteral("Caption"));

    RegisterEvent(QStringLiteral("BeforeOpen"), &TDataSet::BeforeOpen);
    RegisterEvent(QStringLiteral("AfterOpen"), &TDataSet::AfterOpen);
    RegisterEvent(QStringLiteral("BeforeClose"), &TDataSet::BeforeClose);
    RegisterEvent(QStringLiteral("AfterClose"), &TDataSet::AfterClose);
    RegisterEvent(QStringLiteral("BeforeInsert"), &TDataSet::BeforeInsert);
    RegisterEvent(QStringLiteral("AfterInsert"), &TDataSet::AfterInsert);
    RegisterEvent(QStringLiteral("BeforeEdit"), &TDataSet::BeforeEdit);
    RegisterEvent(QStringLiteral("AfterEdit"), &TDataSet::AfterEdit);
    RegisterEvent(QStringLiteral("BeforePost"), &TDataSet::BeforePost);
    RegisterEvent(QStringLiteral("AfterPost"), &TDataSet::AfterPost);
    RegisterEvent(QStringLiteral("BeforeCancel"), &TDataSet::BeforeCancel);
    RegisterEvent(QStringLiteral("AfterCancel"), &TDataSet::AfterCancel);
    RegisterEvent(QStringLiteral("BeforeDelete"), &TDataSet::BeforeDelete);
    RegisterEvent(QStringLiteral("AfterDelete"), &TDataSet::AfterDelete);
    RegisterEvent(QStringLiteral("BeforeScroll"), &TDataSet::BeforeScroll);
    RegisterEvent(QStringLiteral("AfterScroll"), &TDataSet::AfterScroll);
    RegisterEvent(QStringLiteral("BeforeRefresh"), &TDataSet::BeforeRefresh);
    RegisterEvent(QStringLiteral("AfterRefresh"), &TDataSet::AfterRefresh);
    RegisterEvent(QStringLiteral("OnCalcFields"), &TDataSet::OnCalcFields);
    RegisterEvent(QStringLiteral("OnNewRecord"), &TDataSet::OnNewRecord);
    RegisterEvent(QStringLiteral("OnPostError"), &TDataSet::OnPostError);
    RegisterEvent(QStringLiteral("OnDeleteError"), &TDataSet::OnDeleteError);
    RegisterEvent(QStringLiteral("OnEditError"), &TDataSet::OnEditError);
    // A filtered set filters again with the new handler.
    RegisterEventSetter<TDataSet, TFilterRecordEvent>(
        QStringLiteral("OnFilterRecord"), &TDataSet::OnFilterRecord,
        [](TDataSet& dataSet, const TFilterRecordEvent& handler) {
            dataSet.OnFilterRecord = handler;
            if (dataSet.Active() && dataSet.Filtered())
                dataSet.Refilter();
        });
    RegisterProperty<TDataSet>(QStringLiteral("Active"));
    RegisterProperty<TDataSet>(QStringLiteral("Filter"));

    RegisterEvent(QStringLiteral("OnReconcileError"), &TClientDataSet::OnReconcileError);
    RegisterEvent(QStringLiteral("BeforeApplyUpdates"), &TClientDataSet::BeforeApplyUpdates);
    RegisterEvent(QStringLiteral("AfterApplyUpdates"), &TClientDataSet::AfterApplyUpdates);
    RegisterEvent(QStringLiteral("BeforeGetRecords"), &TClientDataSet::BeforeGetRecords);
    RegisterEvent(QStringLiteral("AfterGetRecords"), &TClientDataSet::AfterGetRecords);
    RegisterEvent(QStringLiteral("BeforeRowRequest"), &TClientDataSet::BeforeRowRequest);
    RegisterEvent(QStringLiteral("AfterRowRequest"), &TClientDataSet::AfterRowRequest);
    RegisterEvent(QStringLiteral("BeforeExecute"), &TClientDataSet::BeforeExecute);
    RegisterEvent(QStringLiteral("AfterExecute"), &TClientDataSet::AfterExecute);
    RegisterEvent(QStringLiteral("BeforeGetParams"), &TClientDataSet::BeforeGetParams);
    RegisterEvent(QStringLiteral("AfterGetParams"), &TClientDataSet::AfterGetParams);
    RegisterProperty<TClientDataSet>(QStringLiteral("ProviderName"));

    RegisterEvent(QStringLiteral("OnStateChange"), &TDataSource::OnStateChange);
    RegisterEvent(QStringLiteral("OnDataChange"), &TDataSource::OnDataChange);
    RegisterEvent(QStringLiteral("OnUpdateData"), &TDataSource::OnUpdateData);
    RegisterProperty<TDataSource>(QStringLiteral("DataSet"));
}
