#pragma once
// The legal grounds a page offers in its value combo: the codes of the rows
// of the legal-ground set as it stands (filtered to the page's occurrence
// kind), in the set's own order, as the items, and their keys as the values.
// The set is left on its first row and indexed on its key, so that a page
// finds the ground of a row with FindKey.

class TClientDataSet;
class TDBComboValues;

class LegalGroundChoices {
public:
    static void Fill(TDBComboValues* combo, TClientDataSet* grounds);
};
