// The utilities' two file tools on a 30-pupil class (5 files per pupil): merging one section and
// exporting the class folder, beside `cp -r` of the same folder.
#include "Banco.h"
#include "platform/Paths.h"
#include "utilities/EsportaImporta.h"
#include "utilities/UnioneGiudizi.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
const int kAlunni = 30;
const int kGiri = 25;

void classe(const QString &folder)
{
    QDir().mkpath(folder);
    QByteArray elenco;
    for (int a = 0; a < kAlunni; ++a) {
        const QByteArray nome = "Cognome" + QByteArray::number(a) + " Nome";
        elenco += nome + "\r\n " + QByteArray::number(a % 2) + " \r\n";
        for (int n = 1; n <= 4; ++n)
            scrivi(folder + "/" + nome + ".q" + QByteArray::number(n), quadro(a, n));
        scrivi(folder + "/" + nome + ".dat", "0 2 5 \r\n1 3 \r\n0 4 \r\n2 \r\n");
    }
    scrivi(folder + "/ALUNNI.3A", elenco);
}

// Best of several runs, in milliseconds: the machine is shared, the best run is the least disturbed.
double migliore(const std::function<void(int)> &giro)
{
    std::vector<double> tempi;
    for (int i = 0; i < kGiri; ++i) {
        QElapsedTimer t;
        t.start();
        giro(i);
        tempi.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(tempi.begin(), tempi.end());
    return tempi.front();
}

qint64 byteDi(const QString &folder)
{
    qint64 n = 0;
    for (const QFileInfo &f : QDir(folder).entryInfoList(QDir::Files))
        n += f.size();
    return n;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir programma, chiavetta;
    Paths::setProgramFolder(programma.path());
    classe(programma.filePath(QStringLiteral("3A")));
    const QString origine = programma.filePath(QStringLiteral("3A"));
    std::printf("class folder: %lld files, %lld bytes\n", qlonglong(QDir(origine).entryList(QDir::Files).size()),
                byteDi(origine));

    const double unione = migliore([](int) {
        if (UnioneGiudizi::unisci(QStringLiteral("3A"), QStringLiteral("q2"), QStringLiteral("_Finalit\u00e0")).esito
            != UnioneGiudizi::Esito::Fatto)
            qFatal("merge failed");
    });
    std::printf("merge of one section (30 pupils): %.3f ms, %lld bytes written\n", unione,
                qlonglong(QFileInfo(programma.filePath(QStringLiteral("3A/3A_Finalit\u00e0.txt"))).size()));

    const double esporta = migliore([&](int i) {
        const QString dest = chiavetta.filePath(QStringLiteral("e%1").arg(i));
        QDir().mkpath(dest);
        if (!EsportaImporta::copiaCartella(origine, dest).ok)
            qFatal("export failed");
    });
    const double sostituisci = migliore([&](int) {
        if (!EsportaImporta::copiaCartella(origine, chiavetta.filePath(QStringLiteral("e0")),
                                           EsportaImporta::modelliDaSostituire()).ok)
            qFatal("replace failed");
    });
    const double cp = migliore([&](int i) {
        QProcess p;
        p.start(QStringLiteral("cp"), {QStringLiteral("-r"), origine, chiavetta.filePath(QStringLiteral("c%1").arg(i))});
        if (!p.waitForFinished() || p.exitCode() != 0)
            qFatal("cp failed");
    });
    std::printf("export of the class folder (CopiaCartella): %.3f ms\n", esporta);
    std::printf("export over an existing copy (replace): %.3f ms\n", sostituisci);
    std::printf("cp -r of the same folder (QProcess, process start included): %.3f ms\n", cp);
    return 0;
}
