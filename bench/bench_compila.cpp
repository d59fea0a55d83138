// The composition window with long phrase files: showing a section (a tab click, through the real
// window) and joining a text from 500 ticked entries, at 1,000 and 5,000 entries.
#include "BancoFinestre.h"
#include "menu/Avvio.h"
#include "composition/AssemblaTesto.h"
#include "composition/ListaFrasi.h"
#include "composition/VistaScelta.h"
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
const int kSpuntate = 500;

QByteArray fileFrasi(int voci)
{
    QByteArray out;
    for (int i = 0; i < voci; ++i) {
        const char *testa = (i % 10 == 0) ? "Voce %1<=" : "Voce %1=";
        const char *frase = (i % 7 == 3) ? ", con costanza nell'attivit\xe0 %1" : "CognomeNome ha svolto con impegno l'esercizio %1 ed \xe8 attent\xa7.";
        out += QByteArray(testa).replace("%1", QByteArray::number(i)) + QByteArray(frase).replace("%1", QByteArray::number(i)) + "\r\n";
    }
    return out;
}

QList<int> indiciSparsi(int voci)
{
    QList<int> out;
    for (int k = 0; k < kSpuntate; ++k)
        out << k * voci / kSpuntate;
    return out;
}

struct Misure {
    double mostra = 0, mostraEDisegna = 0, okFinestra = 0, assembla = 0;
    int spuntate = 0;
};

Misure misura(int voci)
{
    QTemporaryDir dir;
    Paths::setProgramFolder(dir.path());
    scrivi(dir.filePath("Anno.dat"), "2026/27\r\n");
    scrivi(dir.filePath("Classi.dat"), "3A\r\n");
    scrivi(dir.filePath("3A/ALUNNI.3A"), "Bianchi Anna\r\n 0 \r\n");
    scrivi(dir.filePath("quadro1.txt"), fileFrasi(voci));
    QByteArray dat;
    for (const int i : indiciSparsi(voci))
        dat += QByteArray::number(i) + ' ';
    scrivi(dir.filePath("3A/Bianchi Anna.dat"), dat + "\r\n\r\n\r\n\r\n");

    frmCompila *f = nullptr;
    QListWidget *lista = primoAlunno(f);

    Misure m;
    m.mostra = tempo([f] { f->ssTabGiudizi_GotFocus(); }, 15);
    m.mostraEDisegna = tempo([f, lista] {
        f->ssTabGiudizi_GotFocus();
        lista->repaint();
    }, 15);
    m.spuntate = int(lista->selectedItems().size());
    // OK: join the 500 ticked entries, show the text, write the section and selection files.
    m.okFinestra = tempo([f] { f->vistaScelta()->cmdOKTestoGiudizio_Click(); }, 15);

    const QStringList frasi = ListaFrasi::voci(fileFrasi(voci), {false, QStringLiteral("Bianchi Anna"), 0});
    const QList<int> scelte = indiciSparsi(voci);
    m.assembla = tempo([&] { AssemblaTesto::assembla(frasi, scelte); }, 31);
    Forms::unload(QStringLiteral("frmCompila"));
    QApplication::processEvents();
    return m;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Avvio::prepara(app);
    Msg::setTestMode(true);
    std::printf("Composition window, %d entries ticked; median of 15 runs (31 for the join alone), in ms\n", kSpuntate);
    std::printf("%8s %14s %18s %16s %14s\n", "entries", "show section", "show + paint", "OK (window)", "join alone");
    Misure per1000, per5000;
    for (const int voci : {1000, 5000}) {
        const Misure m = misura(voci);
        (voci == 1000 ? per1000 : per5000) = m;
        std::printf("%8d %14.2f %18.2f %16.2f %14.3f   (%d ticked)\n", voci, m.mostra, m.mostraEDisegna, m.okFinestra,
                    m.assembla, m.spuntate);
    }
    std::printf("ratio 5000/1000: show %.2f, show + paint %.2f, OK %.2f, join %.2f (linear: about 5 or less)\n",
                per5000.mostra / per1000.mostra, per5000.mostraEDisegna / per1000.mostraEDisegna,
                per5000.okFinestra / per1000.okFinestra, per5000.assembla / per1000.assembla);
    std::printf("showing a section at 5000 entries: %s 50 ms\n", per5000.mostraEDisegna < 50 ? "under" : "NOT under");
    return 0;
}
