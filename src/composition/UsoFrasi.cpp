#include "composition/UsoFrasi.h"
#include "archive/ElencoAlunni.h"
#include "composition/FileGiudizio.h"
#include "composition/Selezione.h"
#include "platform/Paths.h"

#include <QDir>
#include <QHash>

namespace {
// The folder's entries by lower-case name, read once instead of once per pupil.
QHash<QString, QString> nomiNellaCartella(const QString &cartella)
{
    QHash<QString, QString> out;
    for (const QString &e : QDir(cartella).entryList(QDir::Files | QDir::Hidden | QDir::System))
        out.insert(e.toLower(), e);
    return out;
}
} // namespace

UsoFrasi::Conteggi UsoFrasi::conta(const QString &cartella, const QStringList &alunni, int quadro, int quanteFrasi)
{
    Conteggi out;
    out.alunni = int(alunni.size());
    out.perFrase.fill(0, qMax(0, quanteFrasi));
    if (quadro < 1 || quadro > 4 || cartella.isEmpty())
        return out;
    const QHash<QString, QString> nomi = nomiNellaCartella(cartella);
    QList<bool> vista(out.perFrase.size(), false);
    for (const QString &alunno : alunni) {
        const QString dat = alunno + QStringLiteral(".dat");
        if (!FileGiudizio::nomeUtilizzabile(dat) || !nomi.contains(dat.toLower()))
            continue;
        const auto righe = Selezione::leggi(Paths::join(cartella, nomi.value(dat.toLower())));
        if (!righe || righe->size() < quadro)
            continue;
        vista.fill(false);
        for (const int i : Selezione::daTicchettare(righe->at(quadro - 1), quanteFrasi)) {
            if (!vista[i])
                ++out.perFrase[i];
            vista[i] = true;
        }
    }
    return out;
}

UsoFrasi::Conteggi UsoFrasi::perClasse(const QString &classe, int quadro, int quanteFrasi)
{
    const QString cartella = FileGiudizio::cartellaClasse(classe);
    QStringList alunni;
    if (!cartella.isEmpty())
        for (const Archivio::Alunno &a :
             Archivio::leggiAlunni(Paths::resolve(cartella, Archivio::nomeFileAlunni(classe))).alunni)
            alunni << a.nome;
    return conta(cartella, alunni, quadro, quanteFrasi);
}

QString UsoFrasi::suggerimento(int n, int m)
{
    return QStringLiteral("Scelta per %1 alunni su %2").arg(n).arg(m);
}
