#pragma once
// The program's main window: the MDI frame with the menus that open the
// registers, the declarations and the generation, the maintenance tools, and
// the bookkeeping that greys menus while certain document windows are open.
//
// Making the window checks the database client library first (IBChecking),
// before any database work.

#include "core/forms/TfrmModPrincipal.h"

#include <QStringList>
#include <memory>

class TIBBackupRestore;
class TIBChecking;
class TIBRepair;

class TfrmDef : public TfrmModPrincipal {
    Q_OBJECT
public:
    explicit TfrmDef(TComponent* owner);
    ~TfrmDef() override;

    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Once after a data update: says so, then ends the run (the program is
    // started again on the updated data).
    void MostraDadosAtualizados();
    // The program's version (FileVersion), against which the data version is
    // compared.
    QString VersaoSistema() const;

    // The SQL text list every part of the program assembles statements in;
    // it lives as long as the main window.
    QStringList& SQL() { return *m_sql; }

    void DocumentNotification(TfrmModDocumento* document, TOperation operation) override;

    // Open windows counted for the menus: declaration list, declaration or
    // generation; declaration list or declaration; registers and lookups.
    int DeclarationWindows() const { return m_declarationWindows; }
    int ListOrDeclarationWindows() const { return m_listOrDeclarationWindows; }
    int RegisterWindows() const { return m_registerWindows; }

    TAction* acContribuintes;
    TAction* acRepresentante;
    TAction* acContabilista;
    TAction* acCFOPs;
    TAction* acFundamentos;
    TAction* acFinalidades;
    TAction* acMunicipios;
    TAction* acUFs;
    TAction* acDeclaracao;
    TAction* acGeracao;
    TAction* acParametros;
    TAction* acGerarBkp;
    TAction* acRestaurarBkp;
    TAction* acRepararDatabase;

    // Backup, restore and repair over the general data module's connection.
    void acGerarBkpExecute(TObject* sender);
    void acRestaurarBkpExecute(TObject* sender);
    void acRepararDatabaseExecute(TObject* sender);

    TIBBackupRestore* ibBackupDef;
    TIBRepair* IBRepair;
    TIBChecking* IBChecking;

    TMenuItem* Tabelas1;
    TMenuItem* Declarao1;
    TMenuItem* Geracao1;
    TMenuItem* mniFerramentas;
    TMenuItem* mniCopSeg;
    TMenuItem* mniGerarBackup;
    TMenuItem* mniRestaurarBackup;
    TMenuItem* Parmetros1;
    TMenuItem* RepararDatabase1;
    TMenuItem* Sair1;

private:
    // How far from the right edge a text that names the state stands.
    int DistanceFromRight(const TLabel* label) const;
    void BuildTitle();
    void BuildActions();
    void ConnectWindows();
    void AddProgramMenus();
    void BuildMaintenance();

    std::unique_ptr<QStringList> m_sql;
    bool m_shown = false;
    int m_declarationWindows = 0;
    int m_listOrDeclarationWindows = 0;
    int m_registerWindows = 0;
};

extern TfrmDef* frmDef;
