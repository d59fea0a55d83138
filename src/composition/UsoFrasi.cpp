#include "composition/UsoFrasi.h"
#include "archive/Archivio.h"
#include "archive/ElencoAlunni.h"
#include "composition/Selezione.h"

UsoFrasi::Conteggi UsoFrasi::conta(const QString &cartella, const QStringList &alunni, int quadro, int quanteFrasi)
{
    Conteggi out;
    out.alunni = int(alunni.size());
    out.perFrase.fill(0, qMax(0, quanteFrasi));
    if (quadro < 1 || quadro > 4 || cartella.isEmpty())
        return out;
    QList<bool> vista(out.perFrase.size(), false);
    for (const QString &alunno : alunni) {
        const QString dat = Archivio::fileAlunno(cartella, alunno, QStringLiteral(".dat"));
        const auto righe = dat.isEmpty() ? std::nullopt : Selezione::leggi(dat);
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
    const QString elenco = Archivio::fileAlunni(classe);
    QStringList alunni;
    if (!elenco.isEmpty())
        for (const Archivio::Alunno &a : Archivio::leggiAlunni(elenco).alunni)
            alunni << a.nome;
    return conta(Archivio::cartellaClasse(classe), alunni, quadro, quanteFrasi);
}

QString UsoFrasi::suggerimento(int n, int m)
{
    return QStringLiteral("Scelta per %1 alunni su %2").arg(n).arg(m);
}
