#pragma once
// The base of every printed output of the program: A4 portrait with 10 mm
// margins, the common page header (the authority's emblem, department,
// system code and product title, the report title; on the right the
// information-technology department, the issue date and time, the page
// number and the user) and a footer with the report's internal name.
// Previewing shows the program's own preview window (TfrmPreview) and
// returns when it closes.
//
// The texts at the right of the header and the footer's name end 8 units
// from the band's right edge, in any orientation.

#include "platform/report/TBandReport.h"

class TReportBand;
class TReportImage;
class TReportLabel;
class TReportSysData;

// The issuing authority's department and its information-technology
// department, as the header names them.
extern const QString AuthorityFullName;
extern const QString DepartmentName;

class TNUBRep : public TBandReport {
public:
    explicit TNUBRep(TComponent* owner = nullptr);

    // Also renames InternalName while it followed the name.
    void SetName(const QString& name) override;

    // The folder the preview's save dialog proposes.
    const QString& InitialDir() const { return m_initialDir; }
    void SetInitialDir(const QString& folder) { m_initialDir = folder; }
    // The report's identifier in the footer (the component's name unless set).
    const QString& InternalName() const { return m_internalName; }
    void SetInternalName(const QString& name) { m_internalName = name; }
    // Pages of the last print from the preview.
    int PrintedCount() const { return m_printedCount; }

    void qrb_CabPagBeforePrint(TObject* sender, bool& printBand);
    void RodapeBeforePrint(TObject* sender, bool& printBand);
    void rptModeloGeralPreview(TObject* sender);

    TReportBand* qrb_CabPag;
    TReportImage* img;
    TReportLabel* qlb_Localidade;
    TReportLabel* qlb_gerencia;
    TReportLabel* qlb_Sistema;
    TReportSysData* sys_titulo;
    TReportLabel* qrlAssessoria;
    TReportSysData* sys_DataHora;
    TReportSysData* sys_Pagina;
    TReportLabel* lblDataHora;
    TReportLabel* qrlusuario;
    TReportBand* Rodape;
    TReportLabel* lblReport;

protected:
    // Lays the right column of the header and the footer's name out for the
    // band's width.
    void PlaceRightAligned();

private:
    void BuildHeader();
    void BuildFooter();
    QString m_initialDir;
    QString m_internalName;
    int m_printedCount = 0;
};
