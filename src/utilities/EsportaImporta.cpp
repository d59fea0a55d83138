#include "utilities/EsportaImporta.h"
#include "archive/CartellaClasse.h"
#include "archive/ConfrontoNomi.h"
#include "archive/ElencoClassi.h"
#include "platform/CartelleSicure.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
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
        const QString cartella = Archivio::cartellaClasse(classe);
        if (!Archivio::cartellaInterna(cartella))
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

QString senzaSeparatore(const QString &classe)
{
    if (classe.startsWith(QLatin1Char('/')) || classe.startsWith(QLatin1Char('\\')))
        return classe.mid(1);
    return classe;
}

bool stessaCartella(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
    return !ca.isEmpty() && ca == cb;
}

Esito copiaCartella(const QString &origine, const QString &destinazione, const QStringList &daEliminare)
{
    const CartelleSicure::Esito e = CartelleSicure::sostituisci(origine, destinazione, daEliminare);
    return {e.ok, e.errore, e.copiati};
}

void guastoPerTest(int n)
{
    CartelleSicure::guastoPerTest(n);
}

bool classeElencata(const QString &classe)
{
    FieldReader in;
    in.open(Paths::inProgram(QStringLiteral("Classi.dat")));
    QString nome;
    while (in.readField(&nome))
        if (nome.compare(classe, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool aggiungiClasse(const QString &classe, QString *errore)
{
    const QString path = Archivio::fileClassi();
    const auto fallito = [errore](const QString &why) {
        if (errore)
            *errore = QStringLiteral("Classi.dat: ") + why;
        return false;
    };
    // An unreadable or damaged list is never rewritten: the classes it holds would be lost.
    const auto bytes = TextFile::readBytes(path);
    if (!bytes && QFileInfo::exists(path))
        return fallito(QStringLiteral("impossibile leggere il file."));
    FieldReader righe(bytes.value_or(QByteArray()));
    LineWriter out;
    QString riga;
    for (int n = 1; righe.readLine(&riga); ++n) {
        if (riga.trimmed().isEmpty())
            continue;
        if (!Archivio::nomeRileggibile(riga))
            return fallito(QStringLiteral("la riga %1 non si legge correttamente.").arg(n));
        out.line(riga.trimmed());
    }
    out.line(classe);
    return out.save(path, errore);
}

} // namespace EsportaImporta
