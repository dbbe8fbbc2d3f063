#pragma once
// The four data modules over a fresh copy of the built database, with
// scripted message boxes, and helpers that write test rows straight to the
// database.

#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/database/TempDatabase.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class DataModules : public ::testing::Test {
protected:
    DataModules();
    ~DataModules() override;

    // Runs a statement in its own committed transaction; fails the test when it fails.
    void Executa(const QString& sql);
    // The key of the legal ground with this code, inserted when the seed lacks it.
    int Ocorrencia(char apuracao, int tipo, int numero);
    // A taxpayer with a valid registration and CNPJ.
    void CriaContribuinte(int inscricao = 12345674);
    // A declaration of the taxpayer for the month, with every flag "N".
    void BuildDeclaration(int sq, int ano = 2011, int mes = 1, int inscricao = 12345674);
    // Opens cdsDeclaracao on the declaration.
    void PosicionaDeclaracao(int sq);
    // The stored text of a rule message.
    QString Mensagem(int codigo);
    // Runs action expecting it to show one error box and abort; returns the box's text.
    QString ErroComAbort(const std::function<void()>& action);
    // Runs action expecting it to show one error box (and not abort); returns the text.
    QString ErroSemAbort(const std::function<void()>& action);

    TempDatabase banco{false};
    ScriptedPrompter prompter;
    std::unique_ptr<TDMDefGeral> geral;
    std::unique_ptr<TDMDefBasica> basica;
    std::unique_ptr<TDMDef> def;
    std::unique_ptr<TDMDefAux> aux;
};
