#pragma once
#include <QString>
#include <QStringList>

// Export and import of a class folder: what a copy does, the copy itself and the class list.
namespace EsportaImporta {
struct Esito {
    bool ok = true;        // the folder was copied
    QString errore;        // why it was not
    int copiati = 0;
    QString erroreElenco;  // copied, but the imported class could not join Classi.dat: why
};

// Files of a class folder that a replacing import or export deletes before the copy.
const QStringList &modelliDaSostituire();

// The folders of the program folder that hold a listed class, named as on disk, in alphabetical order:
// what an export offers (other folders, such as the guide's, are no class).
QStringList cartelleClassi();

// The class name of a clicked folder: what follows the shown folder's path (a leading separator included).
QString classeScelta(const QString &cartellaMostrata, const QString &cartellaCliccata);

struct Piano {
    enum class Azione { NomeRifiutato, StessaCartella, Sostituisci, Crea };
    Azione azione = Azione::Crea;
    QString classe;       // the chosen class, without a leading separator
    QString destinazione; // Sostituisci, Crea: the class folder the copy goes to
    QString problema;     // NomeRifiutato: why the folder's name cannot be a class
};
// What copying the folder origine, chosen as classeScelta, into radice does: nothing for a name that
// cannot be a class or when origine is the destination itself; else the class folder of radice (matched
// without regard to case) is replaced, or a new one made.
Piano pianifica(const QString &origine, const QString &classeScelta, const QString &radice);
// Carries out a Sostituisci or Crea plan from origine. A folder made for a failed copy is removed again;
// after a copy an import lists its class unless Classi.dat already does.
Esito esegui(const Piano &piano, const QString &origine, bool importa);

// CopiaCartella: the existing folder destinazione, without its files matching daEliminare, gets the
// ordinary files of origine; the folder is replaced whole, so it is always the old one or the new one.
Esito copiaCartella(const QString &origine, const QString &destinazione, const QStringList &daEliminare = {});
} // namespace EsportaImporta
