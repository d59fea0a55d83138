#include "composition/frmCompila.h"
#include "app/CarQuad.h"
#include "app/ImpostazioniQuaderlo.h"
#include "archive/ElencoAlunni.h"
#include "archive/ElencoClassi.h"
#include "composition/ComboTendina.h"
#include "composition/ParoleNote.h"
#include "composition/VistaModifica.h"
#include "composition/VistaScelta.h"
#include "platform/Finestre.h"
#include "platform/Msg.h"
#include "platform/Ortografia.h"
#include "platform/Paths.h"
#include "platform/SottolineaturaOrtografica.h"
#include "platform/Ui.h"
#include "printing/ConfigStampa.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace CarQuad;

frmCompila::frmCompila() : Form(Finestre::Compila)
{
    setWindowTitle(QStringLiteral("Giudizi"));
    resize(Ui::px(14400), Ui::px(10800));
    creaControlli();
    collega();
    setCentredFrames({Frame1});
}

void frmCompila::creaControlli()
{
    Frame1 = Ui::frame(this, QStringLiteral("Frame1"), Ui::twips(600, 600, 13200, 9600));
    const QFont arial = Ui::font(QStringLiteral("Arial"), 10);

    Label5 = Ui::label(Frame1, QStringLiteral("Label5"), QStringLiteral("Classe"));
    cmbClasse = new ComboTendina(Frame1);
    cmbClasse->setObjectName(QStringLiteral("cmbClasse"));
    cmbClasse->setMinimumWidth(160);
    Label7 = Ui::label(Frame1, QStringLiteral("Label7"), QStringLiteral("Alunno"));
    cmbAlunno = new ComboTendina(Frame1);
    cmbAlunno->setObjectName(QStringLiteral("cmbAlunno"));
    cmbAlunno->setMinimumWidth(260);
    Label2 = Ui::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Sesso"));
    Label1 = Ui::label(Frame1, QStringLiteral("Label1"), QString());
    Label1->setMinimumWidth(90);
    for (QWidget *w : QList<QWidget *>{Label5, cmbClasse, Label7, cmbAlunno, Label2, Label1})
        w->setFont(arial);
    Label1->setFont(Ui::font(QStringLiteral("Arial"), 10, true));
    m_scelta = new VistaScelta(*this, Frame1);
    m_modifica = new VistaModifica(*this, Frame1);
    cmdFineLavoro = Ui::button(Frame1, QStringLiteral("cmdFineLavoro"), QStringLiteral("Esci dal modulo Giudizi"));
    cmdFineLavoro->setFont(Ui::font(QStringLiteral("Comic Sans MS"), 10));

    auto *riga = new QHBoxLayout;
    riga->addWidget(Label5);
    riga->addWidget(cmbClasse);
    riga->addSpacing(16);
    riga->addWidget(Label7);
    riga->addWidget(cmbAlunno, 1);
    riga->addSpacing(16);
    riga->addWidget(Label2);
    riga->addWidget(Label1);
    auto *fine = new QHBoxLayout;
    fine->addStretch(1);
    fine->addWidget(cmdFineLavoro);

    auto *v = new QVBoxLayout(Frame1);
    v->setContentsMargins(12, 10, 12, 10);
    v->addLayout(riga);
    v->addWidget(m_scelta, 1);
    v->addWidget(m_modifica, 1);
    v->addLayout(fine);
}

void frmCompila::collega()
{
    cmbClasse->dropDown = [this] { return cmbClasse_DropDown(); };
    cmbAlunno->dropDown = [this] { return cmbAlunno_DropDown(); };
    connect(cmbClasse, &ComboTendina::gotFocus, this, &frmCompila::cmbClasse_GotFocus);
    connect(cmbClasse, &QComboBox::activated, this, &frmCompila::cmbClasse_Click);
    connect(cmbClasse, &ComboTendina::lostFocus, this, &frmCompila::cmbClasse_LostFocus);
    connect(cmbAlunno, &QComboBox::activated, this, &frmCompila::cmbAlunno_Click);
    connect(cmbAlunno, &ComboTendina::lostFocus, this, &frmCompila::cmbAlunno_LostFocus);
    connect(m_scelta, &VistaScelta::schedaScelta, this, &frmCompila::ssTabGiudizi_GotFocus);
    connect(m_scelta, &VistaScelta::modifica, this, &frmCompila::cmdCaricaTesto_Click);
    connect(m_modifica, &VistaModifica::composizione, this, &frmCompila::cmdFineStampa_Click);
    connect(cmdFineLavoro, &QPushButton::clicked, this, &frmCompila::cmdFineLavoro_Click);
}

void frmCompila::Form_Load()
{
    UsaFormato = 0;
    show();
    mostraVista(false);
    m_scelta->avvia();
    m_modifica->avvia();
    if (ModoPreselezione == 1) {
        cmbClasse->setEnabled(false);
        cmbAlunno->setEnabled(false);
    }
    ModoModifica = 0;
    for (int n = 1; n <= 4; ++n)
        Preselezione(n).clear();
    RicaricaClassi = true;

    if (!Paths::setCurrentFolder(Paths::programFolder())) {
        Msg::box(QStringLiteral("Il programma e tutti i suoi componenti devono trovarsi nella stessa directory."),
                 Msg::Ok, Msg::Information);
        Forms::endProgram();
        return;
    }
    ConfigStampa::leggi();
    Giudizio::leggiPreselezione();
    if (ModoPreselezione == 0)
        daiFuoco(cmbClasse);
    m_scelta->titoli();
    m_modifica->titoli();
    m_scelta->aggiornaTestoModificabile();
    preparaOrtografia();
}

void frmCompila::preparaOrtografia()
{
    SottolineaturaOrtografica::setAttiva(ImpostazioniQuaderlo::controlloOrtografico());
    const QString classe = cmbClasse->currentText();
    if (Ortografia::comune().impostaNote(ParoleNote::leggi(Archivio::fileAlunni(classe))))
        SottolineaturaOrtografica::aggiornaTutte();
}

void frmCompila::daiFuoco(QWidget *w)
{
    const bool giaSuQuesto = focusWidget() == w;
    w->setFocus(Qt::OtherFocusReason);
    // The program's own focus raises the same event as the user's, once.
    if (!giaSuQuesto && w == cmbClasse)
        cmbClasse_GotFocus();
}

void frmCompila::mostraVista(bool modifica)
{
    m_scelta->setVisible(!modifica);
    m_modifica->setVisible(modifica);
    if (!modifica)
        m_modifica->coloraTesti(0);
    ModoModifica = modifica ? 1 : 0;
}

bool frmCompila::salvaSeServe()
{
    if (m_scelta->testoModificato() && !m_scelta->isHidden() && !m_scelta->DeviSalvareTesto())
        return false;
    if (m_modifica->testoModificato() && !m_modifica->isHidden() && !m_modifica->DeviSalvareTestoModificato())
        return false;
    return m_scelta->isHidden() || m_scelta->DeviConfermareSpunte();
}

void frmCompila::cmbClasse_GotFocus()
{
    cmbClasse_DropDown();
}

bool frmCompila::cmbClasse_DropDown()
{
    if (!salvaSeServe())
        return false;
    cmbAlunno->clear();
    Label1->clear();
    EstensioneQuadro.clear();
    m_scelta->svuota();
    m_modifica->svuota();
    if (RicaricaClassi) {
        cmbClasse->clear();
        const Archivio::ElencoClassi elenco = Archivio::leggiClassi();
        if (elenco.stato != Archivio::StatoFile::Letto)
            return true;
        cmbClasse->addItems(elenco.classi);
        cmbClasse->setCurrentIndex(-1);
        RicaricaClassi = false;
    }
    RicaricaAlunni = true;
    return true;
}

void frmCompila::cmbClasse_Click()
{
    m_modifica->coloraTesti(0);
    RicaricaAlunni = true;
    rendiCorrenteCartellaClasse();
    preparaOrtografia();
}

void frmCompila::cmbClasse_LostFocus()
{
    RicaricaAlunni = true;
}

bool frmCompila::cmbAlunno_DropDown()
{
    if (!salvaSeServe())
        return false;
    m_scelta->disattivaOk();
    if (cmbClasse->currentText().isEmpty() && ModoPreselezione == 0) {
        Msg::warn(QStringLiteral("Devi scegliere una classe "));
        daiFuoco(cmbClasse);
        return false;
    }
    m_scelta->svuotaListe();
    m_scelta->svuotaTesto();
    rendiCorrenteCartellaClasse();
    if (RicaricaAlunni) {
        cmbAlunno->clear();
        Label1->clear();
        FileAlunni = Archivio::nomeFileAlunni(cmbClasse->currentText());
        const Archivio::ElencoAlunni elenco = Archivio::leggiAlunni(Archivio::fileAlunni(cmbClasse->currentText()));
        if (elenco.stato == Archivio::StatoFile::Letto) {
            for (const Archivio::Alunno &a : elenco.alunni) {
                Sesso = a.sesso;
                cmbAlunno->addItem(a.nome, Sesso);
            }
            RicaricaAlunni = false;
        }
        cmbAlunno->setCurrentIndex(-1);
    }
    return true;
}

void frmCompila::cmbAlunno_Click()
{
    Label1->setText(cmbAlunno->currentData().toInt() == 0 ? QStringLiteral("Femminile") : QStringLiteral("Maschile"));
    if (cmbAlunno->currentText().isEmpty())
        return;
    if (m_scelta->isHidden()) {
        cmdCaricaTesto_Click();
        return;
    }
    if (EstensioneQuadro.isEmpty())
        EstensioneQuadro = QStringLiteral(".q1");
    for (int n = 1; n <= 4; ++n)
        if (EstensioneQuadro == QStringLiteral(".q%1").arg(n))
            m_scelta->MostraQuadro(n);
}

void frmCompila::cmbAlunno_LostFocus()
{
    if (!cmbAlunno->currentText().isEmpty())
        rendiCorrenteCartellaClasse();
}

void frmCompila::ssTabGiudizi_GotFocus()
{
    if (cmbAlunno->currentText().isEmpty() && ModoPreselezione == 0) {
        chiediAlunno();
        return;
    }
    rileggiSelezioni();
    m_scelta->MostraQuadro(m_scelta->schedaCorrente() + 1);
}

void frmCompila::cmdCaricaTesto_Click()
{
    if (!salvaSeServe())
        return;
    if (cmbAlunno->currentText().isEmpty()) {
        chiediAlunno();
        return;
    }
    if (!m_scelta->isHidden())
        m_modifica->mostraScheda(m_scelta->schedaCorrente());
    rendiCorrenteCartellaClasse();
    NomeFile();
    mostraVista(true);
    m_modifica->carica();
}

void frmCompila::cmdFineStampa_Click()
{
    if (m_modifica->testoModificato() && !m_modifica->isHidden() && !m_modifica->DeviSalvareTestoModificato())
        return;
    const int scheda = qBound(0, m_modifica->schedaCorrente(), 3);
    EstensioneQuadro = QStringLiteral(".q%1").arg(scheda + 1);
    m_scelta->mostraScheda(scheda);
    rileggiSelezioni();
    mostraVista(false);
    m_scelta->MostraQuadro(scheda + 1);
    m_scelta->fuocoAllaLista();
}

void frmCompila::cmdFineLavoro_Click()
{
    if (!salvaSeServe())
        return;
    ModoPreselezione = 0;
    if (Form *menu = Forms::get(Finestre::Menu)) {
        menu->show();
        menu->setEnabled(true);
    }
    Forms::unload(Finestre::Compila);
    Forms::unload(Finestre::Anteprima);
}

QString frmCompila::alunno() const
{
    return cmbAlunno->currentText();
}

int frmCompila::sesso() const
{
    return cmbAlunno->currentIndex() >= 0 ? cmbAlunno->currentData().toInt() : 1;
}

void frmCompila::NomeFile()
{
    if (!cmbClasse->currentText().isEmpty() && !cmbAlunno->currentText().isEmpty())
        FileAlunno = cmbAlunno->currentText();
}

Giudizio::Alunno frmCompila::giudizio() const
{
    return {cmbClasse->currentText(), FileAlunno, ModoPreselezione == 1};
}

void frmCompila::chiediAlunno()
{
    Msg::warn(QStringLiteral("Devi scegliere un alunno "));
    daiFuoco(cmbAlunno);
}

bool frmCompila::rendiCorrenteCartellaClasse()
{
    return Paths::setCurrentFolder(giudizio().cartella());
}

void frmCompila::rileggiSelezioni()
{
    Paths::setCurrentFolder(Paths::programFolder());
    Giudizio::leggiPreselezione();
    for (int n = 1; n <= 4; ++n)
        Scelta(n).clear();
    rendiCorrenteCartellaClasse();
    NomeFile();
    Giudizio::leggiScelte(giudizio());
}
