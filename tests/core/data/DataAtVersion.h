#pragma once
// A private database file holding the data of one older version, for the
// updater's tests: a copy of the 0.3.2.4 data the build makes, brought to
// the version asked for by the update scripts that data of that version
// already had, and stamped with it. The file goes away with the object.
//
// Query and Execute run on a connection of their own, opened for each call,
// so they always see what the updater committed.

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

class DataAtVersion {
public:
    explicit DataAtVersion(const QString& versao);

    const QString& Caminho() const { return m_caminho; }

    // The first column of the first row (invalid when there is none).
    QVariant Valor(const QString& sql) const;
    int Conta(const QString& sql) const;
    QString Versao() const;
    // Runs a statement and commits it.
    void Executa(const QString& sql) const;

    // The 0.3.2.4 data the build makes.
    static QString DadosBase();

private:
    QTemporaryDir m_pasta;
    QString m_caminho;
};
