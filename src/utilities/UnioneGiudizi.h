#pragma once
#include "archive/ElencoAlunni.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Unisci: one section of every pupil of a class, gathered in one text file of the class folder.
namespace UnioneGiudizi {
enum class Esito { Fatto, ClasseMancante, ElencoMancante, NomeNonValido, ScritturaFallita };
struct Risultato {
    Esito esito = Esito::Fatto;
    QString file;      // the merged file's path
    QString dettaglio; // why it failed
};

// The classes of Classi.dat up to the first empty line; nothing when the file is missing.
std::optional<QStringList> leggiClassi();
// The merged file's name: class + suffix ("_" + section title) + ".txt".
QString nomeFile(const QString &classe, const QString &suffisso);
// The merged text: for each pupil, the name line, then the section file's bytes and CR LF.
QByteArray contenuto(const QString &cartella, const QList<Archivio::Alunno> &alunni, const QString &estensione);
// Writes the merged file of the class for the section extension ("q1".."q4"); only a class with a folder
// of its own in the program folder (Archivio::cartellaEsistente()) is merged.
Risultato unisci(const QString &classe, const QString &estensione, const QString &suffisso);
} // namespace UnioneGiudizi
