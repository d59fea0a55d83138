// frmCompila: showing a section's phrases, ticking them and joining the text.
#include "app/CarQuad.h"
#include "composition/AssemblaTesto.h"
#include "composition/ComboTendina.h"
#include "composition/ListaFrasi.h"
#include "composition/ListaSpunte.h"
#include "composition/Selezione.h"
#include "composition/TestoQuadro.h"
#include "composition/frmCompila.h"
#include "platform/MsgBox.h"
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
    txtTesto->clear();
    QuadroCorrente = n - 1;
    FileFrasi = Paths::inProgram(QStringLiteral("quadro%1.txt").arg(n));
    EstensioneQuadro = QStringLiteral(".q%1").arg(n);
    mostraScheda(QuadroCorrente);
    aggiornaTestoModificabile();
    cmdOkTestoGiudizio->setVisible(true);
    CompQuadri();
    Evidenzia(Scelta(n) + Preselezione(n));
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

void frmCompila::cmdOKTestoGiudizio_Click()
{
    int n = QuadroCorrente + 1;
    for (int k = 1; k <= 4; ++k)
        if (EstensioneQuadro == QStringLiteral(".q%1").arg(k))
            n = k;
    ListaSpunte *lista = lstLista[QuadroCorrente];
    const QList<int> spuntate = lista->spuntate();
    if (!spuntate.isEmpty()) {
        const AssemblaTesto::Risultato r = AssemblaTesto::assembla(lista->voci(), spuntate);
        Scelta(n) = r.indici;
        txtTesto->setPlainText(TestoQuadro::conAcapo(r.testo));
    }
    if (txtTesto->document()->isEmpty())
        Scelta(n).clear();
    rendiCorrenteCartellaClasse();
    NomeFile();
    if (ModoPreselezione == 0 && cmbAlunno->currentText().isEmpty()) {
        Msg::warn(QStringLiteral("Devi scegliere un alunno "));
        daiFuoco(cmbAlunno);
        return;
    }
    const QString testo = testoDi(txtTesto);
    if (ModoPreselezione == 0 && !controllaCaratteri({testo}, {QString()}))
        return;

    bool testoSalvato = true;
    const QStringList nonSalvati = scriviComposizione(testo, &testoSalvato);
    cmdOkTestoGiudizio->setEnabled(false);
    cmdSalvaTesto->setEnabled(false);
    if (!nonSalvati.isEmpty()) {
        // Nothing is taken for saved: OK (and the text's own save) can be tried again.
        cmdOkTestoGiudizio->setEnabled(true);
        cmdSalvaTesto->setEnabled(!testoSalvato);
        avvisaNonSalvato(nonSalvati);
    }
}

QStringList frmCompila::scriviComposizione(const QString &testo, bool *testoSalvato)
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
    if (dat.isEmpty() || !Selezione::scrivi(dat, righe))
        nonSalvati << nome(dat, QStringLiteral(".dat"));
    return nonSalvati;
}
