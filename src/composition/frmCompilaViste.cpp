// frmCompila: going between the composition view and the editing view.
#include "app/CarQuad.h"
#include "composition/ComboTendina.h"
#include "composition/ListaSpunte.h"
#include "composition/TestoQuadro.h"
#include "composition/frmCompila.h"
#include "platform/Msg.h"
#include "platform/Paths.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace CarQuad;

void frmCompila::cmdCaricaTesto_Click()
{
    if (!salvaSeServe())
        return;
    cmdFineStampa->setEnabled(true);
    if (cmbAlunno->currentText().isEmpty()) {
        Msg::warn(QStringLiteral("Devi scegliere un alunno "));
        daiFuoco(cmbAlunno);
        return;
    }
    if (!SSTabGiudizi->isHidden())
        ssTabQuadri->setCurrentIndex(SSTabGiudizi->currentIndex());
    rendiCorrenteCartellaClasse();
    NomeFile();
    mostraVista(true);
    for (int i = 0; i < 4; ++i) {
        txtQ[i]->clear();
        const QString path = fileAlunno(QStringLiteral(".q%1").arg(i + 1));
        if (!path.isEmpty())
            txtQ[i]->setPlainText(TestoQuadro::leggi(path));
    }
    // Loading is not a change.
    cmdSalvaTestoModificato->setEnabled(false);
    cmdFineStampa->setVisible(true);
}

void frmCompila::cmdFineStampa_Click()
{
    if (cmdSalvaTestoModificato->isEnabled() && !ssTabQuadri->isHidden() && !DeviSalvareTestoModificato())
        return;
    cmdCaricaTesto->setEnabled(true);
    const int scheda = qBound(0, ssTabQuadri->currentIndex(), 3);
    EstensioneQuadro = QStringLiteral(".q%1").arg(scheda + 1);
    mostraScheda(scheda);
    rileggiSelezioni();
    mostraVista(false);
    MostraQuadro(scheda + 1);
    lstLista[QuadroCorrente]->setFocus();
}
