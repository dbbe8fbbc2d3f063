#pragma once
// The listing a data-set report prints: the report base with a grey column
// header band and a detail band laid out from a grid's visible columns, one
// label and one data text per column, left to right; a title too wide for
// what is left of the band starts a new line of columns.
//
// A column naming a field the data set does not have prints blank.

#include "components/report/TNUBRep.h"

class TDBGrid;

class TrptGrid : public TNUBRep {
public:
    explicit TrptGrid(TComponent* owner = nullptr);

    TDBGrid* DBGrid() const { return m_grid; }
    void SetDBGrid(TDBGrid* grid) { m_grid = grid; }

    // Lays the bands out from DBGrid's columns (nothing without a grid or
    // without a data set behind it).
    void Build();
    // Builds and previews; the data set is back on its record afterwards
    // with its controls enabled, also after an error.
    void BuildAndPreview();

    TReportBand* QRBand1;
    TReportBand* qrbDetalhe;

private:
    TDBGrid* m_grid = nullptr;
};
