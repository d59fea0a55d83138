// frmCompila: showing a section's phrases, ticking them and joining the text.
#include "app/CarQuad.h"
#include "composition/AssemblaTesto.h"
#include "composition/Conferme.h"
#include "composition/ComboTendina.h"
#include "composition/ListaFrasi.h"
#include "composition/ListaSpunte.h"
#include "composition/Selezione.h"
#include "composition/TestoQuadro.h"
#include "composition/UsoFrasi.h"
#include "composition/frmCompila.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace CarQuad;

void frmCompila::svuotaListe()
{
    for (ListaSpunte *l : lstLista)
        if (l->count() > 0)
            l->svuota();
    m_spunteConfermate.clear();
}

void frmCompila::mostraScheda(int indice)
{
    m_mostraInCorso = true;
    SSTabGiudizi->setCurrentIndex(indice);
    m_mostraInCorso = false;
}

void frmCompila::aggiornaTestoModificabile()
{
    // With no section shown there is no file the text could be saved to.
    txtTesto->setReadOnly(EstensioneQuadro.isEmpty());
}

void frmCompila::ssTabGiudizi_GotFocus()
{
    if (cmbAlunno->currentText().isEmpty() && ModoPreselezione == 0) {
        Msg::warn(QStringLiteral("Devi scegliere un alunno "));
        daiFuoco(cmbAlunno);
        return;
    }
    rileggiSelezioni();
    MostraQuadro(SSTabGiudizi->currentIndex() + 1);
}

void frmCompila::MostraQuadro(int n)
{
    if (cmdSalvaTesto->isEnabled() && !DeviSalvareTesto()) {
        // The correction could not be saved: it stays in front, with its section.
        mostraScheda(QuadroCorrente);
        return;
    }
    if (!DeviConfermareSpunte()) {
        mostraScheda(QuadroCorrente);
        return;
    }
    txtTesto->clear();
    QuadroCorrente = n - 1;
    FileFrasi = Paths::inProgram(QStringLiteral("quadro%1.txt").arg(n));
    EstensioneQuadro = QStringLiteral(".q%1").arg(n);
    mostraScheda(QuadroCorrente);
    aggiornaTestoModificabile();
    cmdOkTestoGiudizio->setVisible(true);
    CompQuadri();
    Evidenzia(Scelta(n) + Preselezione(n));
    m_spunteConfermate = lstLista[QuadroCorrente]->spuntate();
    aggiornaUso();
}

void frmCompila::aggiornaUso()
{
    ListaSpunte *lista = lstLista[QuadroCorrente];
    if (ModoPreselezione == 1 || cmbClasse->currentText().isEmpty()) {
        lista->mostraConteggi({}, 0);
        return;
    }
    const UsoFrasi::Conteggi uso = UsoFrasi::perClasse(cmbClasse->currentText(), QuadroCorrente + 1, lista->count());
    lista->mostraConteggi(uso.perFrase, uso.alunni);
}

void frmCompila::CompQuadri()
{
    svuotaListe();
    cmdSalvaTesto->setEnabled(false);
    if (ModoModifica == 1)
        return;
    ListaFrasi::Destinatario per;
    per.preselezione = ModoPreselezione == 1;
    per.nome = cmbAlunno->currentText();
    per.sesso = cmbAlunno->currentIndex() >= 0 ? cmbAlunno->currentData().toInt() : 1;
    ListaSpunte *lista = lstLista[QuadroCorrente];
    lista->riempi(ListaFrasi::voci(TextFile::readBytes(FileFrasi).value_or(QByteArray()), per));
    cmdOkTestoGiudizio->setEnabled(true);
    for (int n = 1; n <= 4; ++n)
        Scelta(n).clear();
    if (ModoPreselezione == 0)
        NomeFile();
    else
        FileAlunno = QStringLiteral("Presele");
    leggiScelte();
    lista->setFocus();
}

void frmCompila::Evidenzia(QString selezione)
{
    ListaSpunte *lista = lstLista[QuadroCorrente];
    lista->spunta(Selezione::daTicchettare(selezione, lista->count()));
    lista->scrollToTop();
    lista->setFocus();
}

void frmCompila::lstLista_Click(int)
{
    // A correction not yet saved is asked about before the text is emptied.
    if (cmdSalvaTesto->isEnabled() && !DeviSalvareTesto())
        return;
    txtTesto->clear();
    cmdOkTestoGiudizio->setEnabled(true);
    cmdSalvaTesto->setEnabled(false);
}

bool frmCompila::cmdOKTestoGiudizio_Click()
{
    int n = QuadroCorrente + 1;
    for (int k = 1; k <= 4; ++k)
        if (EstensioneQuadro == QStringLiteral(".q%1").arg(k))
            n = k;
    ListaSpunte *lista = lstLista[QuadroCorrente];
    const QList<int> spuntate = lista->spuntate();
    // With nothing ticked the box keeps its text, which a click in the list has emptied.
    QString testo = testoDi(txtTesto);
    QString scelta = Scelta(n);
    if (!spuntate.isEmpty()) {
        const AssemblaTesto::Risultato r = AssemblaTesto::assembla(lista->voci(), spuntate);
        scelta = r.indici;
        testo = TestoQuadro::conAcapo(r.testo);
    }
    if (testo.isEmpty())
        scelta.clear();
    rendiCorrenteCartellaClasse();
    NomeFile();
    if (ModoPreselezione == 0 && cmbAlunno->currentText().isEmpty()) {
        Msg::warn(QStringLiteral("Devi scegliere un alunno "));
        daiFuoco(cmbAlunno);
        return false;
    }
    if (ModoPreselezione == 0 && !sostituzioneConsentita(n, testo)) {
        // The stored text and ticks stay as they are; the ticks on screen are no longer pending.
        m_spunteConfermate = spuntate;
        return true;
    }
    Scelta(n) = scelta;
    if (!spuntate.isEmpty())
        txtTesto->setPlainText(testo);
    if (ModoPreselezione == 0 && !controllaCaratteri({testo}, {QString()}))
        return false;

    bool testoSalvato = true, sceltaSalvata = true;
    const QStringList nonSalvati = scriviComposizione(testo, &testoSalvato, &sceltaSalvata);
    // Ticks stored in the selection file are confirmed, even when the text still waits to be saved.
    if (sceltaSalvata) {
        m_spunteConfermate = spuntate;
        aggiornaUso();
    }
    cmdOkTestoGiudizio->setEnabled(false);
    cmdSalvaTesto->setEnabled(false);
    if (!nonSalvati.isEmpty()) {
        // Nothing is taken for saved: OK (and the text's own save) can be tried again.
        cmdOkTestoGiudizio->setEnabled(true);
        cmdSalvaTesto->setEnabled(!testoSalvato);
        avvisaNonSalvato(nonSalvati);
        return false;
    }
    return true;
}

bool frmCompila::sostituzioneConsentita(int n, const QString &nuovo)
{
    Conferme::Salvato salvato;
    const QString path = fileAlunno(EstensioneQuadro);
    salvato.esiste = !path.isEmpty() && QFileInfo(path).isFile();
    if (const auto bytes = TextFile::readBytes(path))
        salvato.testo = TestoQuadro::perCasella(*bytes);
    const QString dat = fileAlunno(QStringLiteral(".dat"));
    if (const auto righe = Selezione::leggi(dat); righe && righe->size() >= n)
        salvato.scelta = righe->at(n - 1);
    if (!Conferme::chiediSostituzione(lstLista[QuadroCorrente]->voci(), salvato, nuovo))
        return true;
    return Msg::box(QString::fromUtf8("Il testo salvato del quadro %1 è stato corretto a mano. "
                                      "Vuoi sostituirlo con le frasi scelte?")
                        .arg(TitoloQuadro(n)),
                    Msg::YesNo, Msg::Question, QStringLiteral("Attenzione"), Msg::ResNo)
           == Msg::ResYes;
}

bool frmCompila::DeviConfermareSpunte()
{
    const ListaSpunte *lista = lstLista[QuadroCorrente];
    if (lista->count() == 0 || !Conferme::spunteDaConfermare(m_spunteConfermate, lista->spuntate()))
        return true;
    const Msg::Result r = Msg::box(
        QString::fromUtf8("Le frasi scelte nel quadro %1 non sono state confermate con OK. "
                          "Desideri comporre il testo e salvarlo ?")
            .arg(TitoloQuadro(QuadroCorrente + 1)),
        Msg::YesNoCancel, Msg::Exclamation, QStringLiteral("Salva le modifiche"), Msg::ResYes);
    if (r == Msg::ResYes)
        return cmdOKTestoGiudizio_Click();
    if (r == Msg::ResNo) {
        m_spunteConfermate = lista->spuntate();
        return true;
    }
    return false;
}

QStringList frmCompila::scriviComposizione(const QString &testo, bool *testoSalvato, bool *sceltaSalvata)
{
    QStringList nonSalvati;
    const auto nome = [](const QString &path, const QString &estensione) {
        return path.isEmpty() ? FileAlunno + estensione : QFileInfo(path).fileName();
    };
    if (ModoPreselezione == 0) {
        const QString path = fileAlunno(EstensioneQuadro);
        *testoSalvato = !path.isEmpty() && TestoQuadro::scrivi(path, testo);
        if (!*testoSalvato)
            nonSalvati << nome(path, EstensioneQuadro);
    }
    Selezione::Righe righe;
    for (int k = 1; k <= 4; ++k)
        righe[size_t(k - 1)] = Scelta(k);
    const QString dat = fileAlunno(QStringLiteral(".dat"));
    *sceltaSalvata = !dat.isEmpty() && Selezione::scrivi(dat, righe);
    if (!*sceltaSalvata)
        nonSalvati << nome(dat, QStringLiteral(".dat"));
    return nonSalvati;
}
