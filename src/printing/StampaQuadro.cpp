#include "printing/StampaQuadro.h"
#include "app/CarQuad.h"
#include "composition/frmCompila.h"
#include "platform/Msg.h"
#include "printing/ElencoCaratteri.h"
#include "printing/LavoroStampa.h"
#include "printing/Stampa.h"
#include "printing/frmAnteprima.h"
#include "platform/Finestre.h"

#include <QPushButton>

using namespace CarQuad;

void StampaQuadro::rifiutaConfigurazione()
{
    Msg::beep();
    Msg::box(LavoroStampa::messaggioConfigurazione(), Msg::Ok, Msg::Information);
}

QString StampaQuadro::testoQuadro(const frmCompila *compila, int n)
{
    // Loading drops the final CR LF that saving adds; the block layout needs it, so that the
    // last line is not stretched.
    return compila->testoQuadro(n) + QStringLiteral("\r\n");
}

QString StampaQuadro::nomeDocumento(int n)
{
    return FileAlunno + QStringLiteral(" - ") + TitoloQuadro(n);
}

std::optional<LavoroStampa> StampaQuadro::lavoroConfigurazione(const QString &nome)
{
    auto lavoro = LavoroStampa::conConfigurazione(MargineSuperioreStampa);
    if (!lavoro || !ElencoCaratteri::noto(lavoro->carattere)) {
        rifiutaConfigurazione();
        return std::nullopt;
    }
    lavoro->nome = nome;
    return lavoro;
}

bool StampaQuadro::StampaABlocchettoCompila(QString &testo, const QString &nome)
{
    const auto lavoro = lavoroConfigurazione(nome);
    return lavoro && Stampa::esegui(*lavoro, testo);
}

void StampaQuadro::cmdStampaCompilaQ_Click(frmCompila *compila, int n)
{
    if (const auto margine = LavoroStampa::margineSuperiore(n)) {
        MargineSuperioreStampa = *margine;
        TestoStampa = testoQuadro(compila, n);
        StampaABlocchettoCompila(TestoStampa, nomeDocumento(n));
    } else {
        rifiutaConfigurazione();
    }
    compila->coloraTesti(n);
}

void StampaQuadro::cmdAnteprimaQ_Click(frmCompila *compila, int n)
{
    QuadroAnteprima = n;
    auto *anteprima = Forms::get<frmAnteprima>(Finestre::Anteprima);
    if (!anteprima)
        return;
    anteprima->mostraPulsanteStampa(n);
    compila->hide();
    if (const auto margine = LavoroStampa::margineSuperiore(n))
        MargineSuperioreStampa = *margine;
    TestoStampa = testoQuadro(compila, n);
    anteprima->AnteprimaStampa(TestoStampa);
    anteprima->setWindowTitle(nomeDocumento(n));
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
