#include "utilities/EsportaImporta.h"
#include "archive/Archivio.h"
#include "archive/ConfrontoNomi.h"
#include "archive/ElencoClassi.h"
#include "platform/CartelleSicure.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace EsportaImporta {

const QStringList &modelliDaSostituire()
{
    static const QStringList modelli{QStringLiteral("*.dat"), QStringLiteral("*.q1"), QStringLiteral("*.q2"),
                                     QStringLiteral("*.q3"), QStringLiteral("*.q4"), QStringLiteral("ALUNNI.*")};
    return modelli;
}

QStringList cartelleClassi()
{
    QStringList out;
    for (const QString &classe : Archivio::leggiClassi().classi) {
        const QString cartella = Archivio::cartellaEsistente(classe);
        if (cartella.isEmpty())
            continue;
        const QString nome = QFileInfo(cartella).fileName();
        if (Archivio::trovaNome(out, nome) < 0)
            out << nome;
    }
    std::sort(out.begin(), out.end(), [](const QString &a, const QString &b) { return Archivio::confrontaNomi(a, b) < 0; });
    return out;
}

QString classeScelta(const QString &cartellaMostrata, const QString &cartellaCliccata)
{
    return cartellaCliccata.mid(cartellaMostrata.size());
}

Piano pianifica(const QString &origine, const QString &classeScelta, const QString &radice)
{
    Piano piano;
    piano.classe = classeScelta;
    if (piano.classe.startsWith(QLatin1Char('/')) || piano.classe.startsWith(QLatin1Char('\\')))
        piano.classe.remove(0, 1);
    piano.problema = Archivio::problemaClasse(piano.classe);
    const QString esistente = Paths::resolve(radice, piano.classe);
    const QString partenza = QFileInfo(origine).canonicalFilePath();
    if (!piano.problema.isEmpty()) {
        piano.azione = Piano::Azione::NomeRifiutato;
    } else if (!partenza.isEmpty() && partenza == QFileInfo(esistente).canonicalFilePath()) {
        piano.azione = Piano::Azione::StessaCartella;
    } else if (QFileInfo(esistente).isDir()) {
        piano.azione = Piano::Azione::Sostituisci;
        piano.destinazione = esistente;
    } else {
        piano.destinazione = Paths::join(radice, piano.classe);
    }
    return piano;
}

Esito esegui(const Piano &piano, const QString &origine, bool importa)
{
    const bool crea = piano.azione == Piano::Azione::Crea;
    const bool creata = crea && QDir().mkdir(piano.destinazione);
    Esito esito = copiaCartella(origine, piano.destinazione, crea ? QStringList() : modelliDaSostituire());
    if (!esito.ok) {
        if (creata)
            QDir().rmdir(piano.destinazione); // no empty class folder is left behind by a failed copy
        return esito;
    }
    QString errore;
    if (importa && Archivio::classeEsistente(Archivio::leggiClassi(), piano.classe).isEmpty()
        && !Archivio::accodaClasse(piano.classe, &errore))
        esito.erroreElenco = errore;
    return esito;
}

Esito copiaCartella(const QString &origine, const QString &destinazione, const QStringList &daEliminare)
{
    const CartelleSicure::Esito e = CartelleSicure::sostituisci(origine, destinazione, daEliminare);
    return {e.ok, e.errore, e.copiati, QString()};
}

} // namespace EsportaImporta
