#include "printing/StampaQuadro.h"
#include "app/CarQuad.h"
#include "composition/frmCompila.h"
#include "platform/MsgBox.h"
#include "printing/LavoroStampa.h"
#include "printing/Stampa.h"
#include "printing/frmAnteprima.h"

#include <QPushButton>

using namespace CarQuad;

void StampaQuadro::rifiutaConfigurazione()
{
    Msg::beep();
    Msg::box(Lavori::messaggioConfigurazione(), Msg::Ok, Msg::Information);
}

bool StampaQuadro::StampaABlocchettoCompila(QString &testo)
{
    const auto lavoro = Lavori::conConfigurazione(MargineSuperioreStampa);
    if (!lavoro) {
        rifiutaConfigurazione();
        return false;
    }
    return Stampa::esegui(*lavoro, testo);
}

void StampaQuadro::cmdStampaCompilaQ_Click(frmCompila *compila, int n)
{
    if (const auto margine = Lavori::margineSuperiore(n)) {
        MargineSuperioreStampa = *margine;
        TestoStampa = compila->testoQuadro(n);
        StampaABlocchettoCompila(TestoStampa);
    } else {
        rifiutaConfigurazione();
    }
    compila->coloraTesti(n);
}

void StampaQuadro::cmdAnteprimaQ_Click(frmCompila *compila, int n)
{
    QuadroAnteprima = n;
    auto *anteprima = Forms::get<frmAnteprima>(QStringLiteral("frmAnteprima"));
    if (!anteprima)
        return;
    anteprima->mostraPulsanteStampa(n);
    compila->hide();
    if (const auto margine = Lavori::margineSuperiore(n))
        MargineSuperioreStampa = *margine;
    TestoStampa = compila->testoQuadro(n);
    anteprima->AnteprimaStampa(TestoStampa);
    anteprima->setWindowTitle(FileAlunno + QStringLiteral(" - ") + TitoloQuadro(n));
}

void StampaQuadro::collega(frmCompila *compila)
{
    for (int n = 1; n <= 4; ++n) {
        QObject::connect(compila->cmdStampaCompila(n), &QPushButton::clicked, compila,
                         [compila, n] { cmdStampaCompilaQ_Click(compila, n); });
        QObject::connect(compila->cmdAnteprima(n), &QPushButton::clicked, compila,
                         [compila, n] { cmdAnteprimaQ_Click(compila, n); });
        compila->cmdStampaCompila(n)->setVisible(true);
        compila->cmdAnteprima(n)->setVisible(true);
    }
}
