#include "archive/NuovaClasse.h"
#include "archive/Archivio.h"
#include "archive/ConfrontoNomi.h"
#include "archive/ElencoAlunni.h"
#include "archive/ElencoClassi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
using Esito = Archivio::NuovaClasse::Esito;

Archivio::NuovaClasse esito(Esito e, const QString &file = QString())
{
    Archivio::NuovaClasse out;
    out.esito = e;
    out.file = file;
    return out;
}

// Where the class goes among the sorted ones: after every name that does not come later.
QStringList inserita(QStringList classi, const QString &classe)
{
    qsizetype i = 0;
    while (i < classi.size() && Archivio::confrontaNomi(classi.at(i), classe) <= 0)
        ++i;
    classi.insert(i, classe);
    return classi;
}
} // namespace

Archivio::NuovaClasse Archivio::creaClasse(const QString &classe, const QStringList &elencate)
{
    const ElencoClassi elenco = leggiClassi();
    if (elenco.stato == StatoFile::Illeggibile)
        return esito(Esito::ElencoIlleggibile, fileClassi());
    if (elenco.rigaDanneggiata > 0) {
        NuovaClasse out = esito(Esito::ElencoDanneggiato, fileClassi());
        out.riga = elenco.rigaDanneggiata;
        return out;
    }
    if (trovaNome(elencate, classe) >= 0 || !classeEsistente(elenco, classe).isEmpty())
        return esito(Esito::GiaElencata);
    if (const QString problema = problemaClasse(classe); !problema.isEmpty()) {
        NuovaClasse out = esito(Esito::NomeRifiutato);
        out.problema = problema;
        return out;
    }
    const QString cartella = cartellaClasse(classe);
    const bool cartellaNuova = !QFileInfo::exists(cartella);
    if (cartellaNuova ? !QDir().mkdir(cartella) : !QFileInfo(cartella).isDir())
        return esito(Esito::CartellaNonCreata);
    // A folder that already holds a pupil list keeps it: those pupils are not thrown away.
    const QString lista = fileAlunni(classe);
    const bool listaNuova = !QFileInfo(lista).isFile();
    const auto annulla = [&](bool togliLista, const QString &file) {
        if (togliLista)
            QFile::remove(lista);
        if (cartellaNuova)
            QDir().rmdir(cartella);
        return esito(Esito::FileNonScritto, file);
    };
    if (listaNuova && !creaAlunni(lista))
        return annulla(false, lista);
    NuovaClasse out = esito(Esito::Creata);
    out.classi = inserita(elencate, classe);
    if (!scriviClassi(out.classi))
        return annulla(listaNuova, fileClassi());
    return out;
}
