#include "utilities/TestiClasse.h"
#include "archive/Archivio.h"
#include "archive/ElencoAlunni.h"
#include "composition/TestoQuadro.h"

#include <QFileInfo>

QList<StampaClasse::Alunno> TestiClasse::leggi(const QString &classe, int n, QString *errore)
{
    const QString cartella = Archivio::cartellaEsistente(classe);
    const Archivio::ElencoAlunni elenco = Archivio::leggiAlunni(Archivio::fileAlunni(classe));
    if (cartella.isEmpty() || elenco.stato == Archivio::StatoFile::Mancante) {
        *errore = QStringLiteral("Non trovo l'elenco degli alunni della classe %1.").arg(classe);
        return {};
    }
    if (elenco.stato == Archivio::StatoFile::Illeggibile) {
        *errore = QStringLiteral("Non riesco a leggere l'elenco degli alunni della classe %1.").arg(classe);
        return {};
    }
    if (elenco.alunni.isEmpty()) {
        *errore = QStringLiteral("La classe %1 non ha alunni.").arg(classe);
        return {};
    }
    QList<StampaClasse::Alunno> out;
    for (const Archivio::Alunno &a : elenco.alunni) {
        const QString file = Archivio::fileAlunno(cartella, a.nome, QStringLiteral(".q%1").arg(n));
        // Loaded into the box (the final CR LF dropped), then given back with CR LF, as the single print does.
        const bool c = !file.isEmpty() && QFileInfo(file).isFile();
        out.append({a.nome, c ? TestoQuadro::conCrLf(TestoQuadro::leggi(file)) + QStringLiteral("\r\n") : QString()});
    }
    return out;
}
