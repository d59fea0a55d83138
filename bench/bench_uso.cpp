// Phrase use across a class: a section of 5,000 phrases shown for a class of 30 pupils, each with
// 50 phrases of the section ticked in the selection file; the window's show with its counts, and the count alone.
#include "BancoFinestre.h"
#include "menu/Avvio.h"
#include "composition/ListaSpunte.h"
#include "composition/UsoFrasi.h"
#include "composition/frmCompila.h"
#include "platform/Form.h"
#include "platform/Msg.h"
#include "platform/Paths.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
const int kFrasi = 5000, kAlunni = 30, kSpunte = 50;

void preparaClasse(const QString &dir)
{
    scrivi(dir + "/Anno.dat", "2026/27\r\n");
    scrivi(dir + "/Classi.dat", "3A\r\n");
    QByteArray frasi, alunni;
    for (int i = 0; i < kFrasi; ++i)
        frasi += "Voce " + QByteArray::number(i) + "=CognomeNome ha svolto con impegno l'esercizio "
                 + QByteArray::number(i) + " ed \xe8 attent\xa7.\r\n";
    scrivi(dir + "/quadro1.txt", frasi);
    for (int a = 0; a < kAlunni; ++a) {
        const QByteArray nome = "Alunno " + QByteArray::number(a + 10);
        alunni += nome + "\r\n " + QByteArray::number(a % 2) + " \r\n";
        QByteArray riga;
        for (int k = 0; k < kSpunte; ++k)
            riga += QByteArray::number((k * 97 + a * 13) % kFrasi) + ' ';
        scrivi(dir + "/3A/" + nome + ".dat", riga + "\r\n\r\n\r\n\r\n");
    }
    scrivi(dir + "/3A/ALUNNI.3A", alunni);
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Avvio::prepara(app);
    Msg::setTestMode(true);
    QTemporaryDir dir;
    Paths::setProgramFolder(dir.path());
    preparaClasse(dir.path());

    frmCompila *f = nullptr;
    QListWidget *lista = primoAlunno(f);

    const double mostra = tempo([&] {
        f->ssTabGiudizi_GotFocus();
        lista->repaint();
    }, 15);
    const double conta = tempo([] { UsoFrasi::perClasse(QStringLiteral("3A"), 1, kFrasi); }, 31);
    auto *spunte = qobject_cast<ListaSpunte *>(lista);
    const UsoFrasi::Conteggi uso = UsoFrasi::perClasse(QStringLiteral("3A"), 1, kFrasi);
    const double conNumeri = tempo([&] { lista->repaint(); }, 31);
    spunte->mostraConteggi({}, 0);
    const double senzaNumeri = tempo([&] { lista->repaint(); }, 31);
    spunte->mostraConteggi(uso.perFrase, uso.alunni);
    std::printf("Section of %d phrases, class of %d pupils with %d ticks each; median, in ms\n", kFrasi, kAlunni, kSpunte);
    std::printf("  show the section with its counts, and paint: %8.2f  (%s 50 ms)\n", mostra,
                mostra < 50 ? "under" : "NOT under");
    std::printf("  counting alone:                             %8.2f\n", conta);
    std::printf("  painting the list with counts / without:    %8.2f / %.2f\n", conNumeri, senzaNumeri);
    Forms::unload(QStringLiteral("frmCompila"));
    return 0;
}
