#include "utilities/FrameUnione.h"
#include "app/CarQuad.h"
#include "platform/EventiFuoco.h"
#include "platform/Msg.h"
#include "platform/Ui.h"
#include "utilities/UnioneGiudizi.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QPushButton>

using namespace CarQuad;

FrameUnione::FrameUnione(QWidget *parent) : QGroupBox(QStringLiteral("Unione Giudizi"), parent)
{
    setObjectName(QStringLiteral("frameUnione"));
    cmbClasse = new QComboBox(this);
    cmbClasse->setObjectName(QStringLiteral("cmbClasse"));
    cmbClasse->setMinimumWidth(220);
    cmbClasse->setAcceptDrops(true);
    cmbClasse->installEventFilter(this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(cmbClasse, 0, 0, 1, 2);
    for (int n = 1; n <= 4; ++n) {
        QPushButton *b = Ui::button(this, QStringLiteral("cmdUnisciQ%1").arg(n), QString());
        b->setMinimumHeight(30);
        cmdUnisciQ[n - 1] = b;
        grid->addWidget(b, 1 + (n - 1) / 2, (n - 1) % 2);
    }
    connect(cmdUnisciQ[0], &QPushButton::clicked, this, &FrameUnione::cmdUnisciQ1_Click);
    connect(cmdUnisciQ[1], &QPushButton::clicked, this, &FrameUnione::cmdUnisciQ2_Click);
    connect(cmdUnisciQ[2], &QPushButton::clicked, this, &FrameUnione::cmdUnisciQ3_Click);
    connect(cmdUnisciQ[3], &QPushButton::clicked, this, &FrameUnione::cmdUnisciQ4_Click);
    connect(cmbClasse, &QComboBox::activated, this, &FrameUnione::cmbClasse_Click);
}

void FrameUnione::riempi()
{
    for (int n = 1; n <= 4; ++n)
        cmdUnisciQ[n - 1]->setText(TitoloQuadro(n));
}

bool FrameUnione::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != cmbClasse)
        return QGroupBox::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (EventiFuoco::nuovo(static_cast<QFocusEvent *>(event)->reason()))
            cmbClasse_GotFocus();
        break;
    case QEvent::DragEnter:
        event->accept();
        return true;
    case QEvent::Drop:
        event->accept();
        cmbClasse_DragDrop();
        return true;
    default:
        break;
    }
    return QGroupBox::eventFilter(watched, event);
}

void FrameUnione::unisciQuadro(int n)
{
    SuffissoUnione = QStringLiteral("_") + TitoloQuadro(n);
    EstensioneUnione = QStringLiteral("q%1").arg(n);
    Unisci();
    cmdUnisciQ[n - 1]->setEnabled(false);
}

void FrameUnione::Unisci()
{
    const QString classe = cmbClasse->currentText();
    if (classe.isEmpty()) {
        Msg::warn(QStringLiteral("Prima devi scegliere una classe "));
        cmbClasse->setFocus();
        return;
    }
    FileAlunni = QStringLiteral("Alunni.") + classe;
    const auto r = UnioneGiudizi::unisci(classe, EstensioneUnione, SuffissoUnione);
    switch (r.esito) {
    case UnioneGiudizi::Esito::ClasseMancante:
        Msg::box(QStringLiteral("La classe non esiste"), Msg::Ok, Msg::Critical, QStringLiteral("Attenzione"));
        break;
    case UnioneGiudizi::Esito::ElencoMancante:
        Msg::warn(QStringLiteral("Manca l'elenco degli alunni della classe: nessun file è stato scritto."));
        break;
    case UnioneGiudizi::Esito::NomeNonValido:
        Msg::warn(QStringLiteral("Il titolo del quadro non può far parte del nome di un file:\n\r") + r.dettaglio);
        break;
    case UnioneGiudizi::Esito::ScritturaFallita:
        Msg::box(QStringLiteral("Impossibile scrivere il file dell'unione.\n\r") + r.dettaglio, Msg::Ok, Msg::Critical,
                 QStringLiteral("Utilità"));
        break;
    case UnioneGiudizi::Esito::Fatto:
        Msg::box(QStringLiteral("Operazione eseguita."), Msg::Ok, Msg::Information, QStringLiteral("Fatto"));
        break;
    }
}

void FrameUnione::ricaricaClassi()
{
    cmbClasse->clear();
    const auto classi = UnioneGiudizi::leggiClassi();
    if (!classi)
        return;
    cmbClasse->addItems(*classi);
    cmbClasse->setCurrentIndex(-1);
    RicaricaClassi = false;
}

void FrameUnione::cmbClasse_GotFocus()
{
    for (QPushButton *b : cmdUnisciQ)
        b->setEnabled(true);
    cmbClasse_Click();
}

void FrameUnione::cmbClasse_Click()
{
    if (RicaricaClassi)
        ricaricaClassi();
    RicaricaAlunni = true;
}

void FrameUnione::cmbClasse_DragDrop()
{
    cmbClasse_Click();
}
