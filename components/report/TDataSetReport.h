#pragma once
// The one-click listing of a register window (rptCadastro): a data set and
// its columns, a title, an internal name and an orientation. Print builds a
// grid report from the visible columns, previews it and frees it.

#include "components/report/TDataSetColumnsComponent.h"
#include "platform/report/TPageSetup.h"

#include <QString>

class TDataSetReport : public TDataSetColumnsComponent {
    Q_OBJECT
public:
    explicit TDataSetReport(TComponent* owner = nullptr);

    // Never empty: without one of its own it is the component's name.
    const QString& InternalName() const { return m_internalName; }
    void SetInternalName(const QString& name);
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }
    TPrinterOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TPrinterOrientation orientation) { m_orientation = orientation; }

    // InternalName follows the name while it was the name.
    void SetName(const QString& name) override;

    // Builds the listing and previews it; returns when the preview closes.
    // Nothing without a data set.
    void Print();

protected:
    void Loaded() override;

private:
    QString m_internalName;
    QString m_title;
    TPrinterOrientation m_orientation = TPrinterOrientation::poPortrait;
};
