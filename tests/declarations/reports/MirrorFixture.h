#pragma once
// The mirror over a fresh database copy: the four data modules, the fixture
// builder for declarations, the print dialog for the declaration list's
// current row, and a print whose preview hands over the pages as the text
// export writes them (one string per page) and, when asked, as pdftotext
// reads the PDF export.

#include "declarations/reports/TfrmDlgEspelhoZeb.h"
#include "tests/support/data/DataModules.h"
#include "tests/support/database/DeclarationFixture.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class TReportPrinter;

class MirrorFixture : public DataModules {
protected:
    MirrorFixture();
    ~MirrorFixture() override;

    // Declaration `sq` of the fixture's taxpayer with rows in every table
    // (DeclarationFixture::FillSmall), current in the declaration list.
    void DeclaracaoCompleta(int sq, DeclarationFixture::Declaration declaracao = {});
    // Makes declaration `sq` the list's current row.
    void Seleciona(int sq);
    // The print dialog as the list creates it (its creation has run).
    std::unique_ptr<TfrmDlgEspelhoZeb> Dialogo();

    struct Impressao {
        bool previsualizada = false;
        // One text per page, from the text export and from pdftotext -layout.
        QStringList paginas;
        QStringList pdf;
        // The PDF file (kept until the test ends).
        QString arquivoPdf;
    };
    // Clicks Imprimir, expecting the preview; `enquanto` runs while it shows
    // (the sections exist then).
    Impressao Imprime(TfrmDlgEspelhoZeb& dialogo, bool comPdf = false,
                      const std::function<void(TfrmDlgEspelhoZeb&)>& enquanto = {});
    // Prints the given sections of one kind only.
    Impressao ImprimeSecoes(bool resumos, std::initializer_list<const char*> caixas, bool comPdf = false,
                            const std::function<void(TfrmDlgEspelhoZeb&)>& enquanto = {});
    // The pages of one section (found by its internal name in the footer), joined by form feeds.
    static QString Secao(const QStringList& paginas, const QString& nomeInterno);
    // The text of `page` laid out like pdftotext -layout does, from the PDF.
    static QStringList PdfTexts(const QString& pdfFile);

    std::unique_ptr<DeclarationFixture> fixture;
    QTemporaryDir pasta;
};
