// The day's copy of an archive of 10 classes of 30 pupils (5 files a pupil), flushed to the disk;
// deleting a copy no longer kept; reading the list of copies as the restore window does.
#include "Banco.h"
#include "archive/CopieSicurezza.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const int kClassi = 10;
const int kAlunni = 30;
const int kGiri = 15;

void archivio(const QString &programma)
{
    QByteArray classi;
    for (int c = 0; c < kClassi; ++c) {
        const QByteArray nome = QByteArray::number(1 + c / 2) + char('A' + c % 2);
        classi += nome + "\r\n";
        const QString folder = programma + "/" + nome;
        QDir().mkpath(folder);
        QByteArray elenco;
        for (int a = 0; a < kAlunni; ++a) {
            const QByteArray alunno = "Cognome" + QByteArray::number(a) + " Nome";
            elenco += alunno + "\r\n " + QByteArray::number(a % 2) + " \r\n";
            for (int n = 1; n <= 4; ++n)
                scrivi(folder + "/" + alunno + ".q" + QByteArray::number(n), quadro(a, n));
            scrivi(folder + "/" + alunno + ".dat", "0 2 5 \r\n1 3 \r\n0 4 \r\n2 \r\n");
        }
        scrivi(folder + "/ALUNNI." + nome, elenco);
    }
    scrivi(programma + "/Classi.dat", classi);
    scrivi(programma + "/Anno.dat", "2025/26\r\n");
    scrivi(programma + "/Quaderlo.cfg", "Arial\r\n12\r\n190\r\n 1 \r\n40\r\n105\r\n170\r\n235\r\n 20 \r\n");
    for (int n = 1; n <= 4; ++n)
        scrivi(programma + "/quadro" + QByteArray::number(n) + ".txt", QByteArray(6000, 'x') + "\r\n");
}

void riassumi(const char *cosa, std::vector<double> tempi)
{
    std::sort(tempi.begin(), tempi.end());
    std::printf("%s: best %.1f ms, median %.1f ms, worst %.1f ms\n", cosa, tempi.front(), tempi[tempi.size() / 2],
                tempi.back());
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir programma;
    archivio(programma.path());
    // A teacher's archive is on the disk already when the program starts.
    QProcess::execute(QStringLiteral("sync"), {});
    std::vector<double> copie, potature, elenchi;
    for (int i = 0; i < kGiri; ++i) {
        // A new day each round: the day's copy, then the copies no longer kept go (from the 11th day on).
        const QDate giorno = QDate(2026, 5, 1).addDays(i);
        QElapsedTimer t;
        t.start();
        const auto esito = CopieSicurezza::copia(programma.path(), giorno);
        copie.push_back(t.nsecsElapsed() / 1e6);
        if (!esito.ok)
            qFatal("copy failed: %s", qPrintable(esito.errore));
        t.restart();
        CopieSicurezza::pota(programma.path(), giorno);
        if (i >= 10)
            potature.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        if (CopieSicurezza::elenco(programma.path()).isEmpty())
            qFatal("no copies listed");
        elenchi.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("archive: %d classes of %d pupils, %d files\n", kClassi, kAlunni, kClassi * (kAlunni * 5 + 1) + 6);
    riassumi("day's copy, flushed to the disk (copia)", copie);
    riassumi("deleting a copy no longer kept (pota)", potature);
    riassumi("list of copies (elenco, up to 11 copies)", elenchi);
    return 0;
}
