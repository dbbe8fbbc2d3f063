#pragma once
// File and folder routines used by the connection, the backups and the
// restore. Paths may come written the Windows way: "\" separators become "/"
// and a "C:" drive becomes the user's home folder.

#include <QString>

// folder + "/" + name, with one trailing separator of folder and one leading
// separator of name dropped. An empty name gives the folder (without its
// trailing separator, except for "/" itself); an empty folder gives the name.
QString JuntaCaminho(const QString& pasta, const QString& nome);

// The system temporary folder, with a trailing "/".
QString PastaTemporaria();

// Removes a folder tree: its files, then (unless somenteArquivos) its
// sub-folders and the folder itself. Links are removed, never followed, and
// "/", the home folder and mount points are never removed. With reportaErros
// the first failure raises Exception; otherwise failures are passed over.
// Returns true when everything asked for is gone.
bool RemovePasta(const QString& pasta, bool somenteArquivos, bool reportaErros);

// True when path lies on a removable drive.
bool DriveRemovivel(const QString& caminho);
// True when the drive of path is mounted and reports a size.
bool DiscoPresente(const QString& caminho);
// True when no file can be created and removed in the folder path.
bool ProtegidoContraGravacao(const QString& caminho);

class RemovableDrives;

// True when a usable disk is at path. On a removable drive the user is asked
// (mensagem, or "Por favor insira um disquete no drive <path>:" when empty)
// until a disk is present or Cancel is pressed; with verificaProtecao the user
// may then retry while the disk is write-protected. Cancel, or any failure,
// gives false.
bool PedeDisco(const QString& caminho, const QString& mensagem, bool verificaProtecao);
bool PedeDisco(const QString& caminho, const QString& mensagem, bool verificaProtecao,
               const RemovableDrives& drives);
