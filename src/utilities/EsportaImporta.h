#pragma once
#include <QString>
#include <QStringList>

// Export and import of a class folder: the copy and the class list.
namespace EsportaImporta {
struct Esito {
    bool ok = true;
    QString errore;
    int copiati = 0;
};

// Files of a class folder that a replacing import or export deletes before the copy.
const QStringList &modelliDaSostituire();

// The folders of the program folder that hold a listed class, named as on disk, in alphabetical order:
// what an export offers (other folders, such as the guide's, are no class).
QStringList cartelleClassi();

// The class name of a clicked folder: what follows the shown folder's path (a leading separator included).
QString classeScelta(const QString &cartellaMostrata, const QString &cartellaCliccata);
// Drops one leading separator.
QString senzaSeparatore(const QString &classe);
// True when the two paths name the same existing folder.
bool stessaCartella(const QString &a, const QString &b);

// CopiaCartella: the existing folder destinazione, without its files matching daEliminare, gets the
// ordinary files of origine; the folder is replaced whole, so it is always the old one or the new one.
Esito copiaCartella(const QString &origine, const QString &destinazione, const QStringList &daEliminare = {});
// For tests: the copy of the n-th file (counting from 1) fails as a full disk would; 0 for none.
void guastoPerTest(int n);

// True when Classi.dat lists the class (without regard to case).
bool classeElencata(const QString &classe);
// Appends an imported class to Classi.dat, keeping every listed name and dropping empty lines.
bool aggiungiClasse(const QString &classe, QString *errore = nullptr);
} // namespace EsportaImporta
