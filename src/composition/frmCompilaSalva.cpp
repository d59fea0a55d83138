// frmCompila: saving the composed and the edited texts, and the questions before a change is lost.
#include "app/CarQuad.h"
#include "composition/ComboTendina.h"
#include "composition/TestoQuadro.h"
#include "composition/frmCompila.h"
#include "platform/Ansi.h"
#include "platform/Msg.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>

using namespace CarQuad;

namespace {
const QString kTitolo = QStringLiteral("Giudizi");

// "Ж, 😀": each character once; one that cannot be seen by its code.
QString elenco(const QString &caratteri)
{
    QStringList out;
    for (qsizetype i = 0; i < caratteri.size(); ++i) {
        char32_t c = caratteri[i].unicode();
        QString uno = caratteri[i];
        if (caratteri[i].isHighSurrogate() && i + 1 < caratteri.size()) {
            c = QChar::surrogateToUcs4(caratteri[i], caratteri[i + 1]);
            uno += caratteri[++i];
        }
        out << (QChar::isPrint(c) && !QChar::isSpace(c) ? uno
                                                        : QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper());
    }
    return out.join(QStringLiteral(", "));
}

bool chiediSalvataggio()
{
    return Msg::box(QStringLiteral("Il testo del giudizio è stato modificato. Desideri salvarlo ?"), Msg::YesNo,
                    Msg::Exclamation, QStringLiteral("Salva le modifiche"), Msg::ResYes) == Msg::ResYes;
}
} // namespace

void frmCompila::txtTesto_Change()
{
    if (!txtTesto->document()->isEmpty() && ModoPreselezione == 0)
        cmdSalvaTesto->setEnabled(true);
}

void frmCompila::txtQ_Change(int n)
{
    if (!txtQ[n - 1]->document()->isEmpty())
        cmdSalvaTestoModificato->setEnabled(true);
}

bool frmCompila::controllaCaratteri(const QStringList &testi, const QStringList &nomi)
{
    QStringList righe;
    for (qsizetype i = 0; i < testi.size(); ++i) {
        const QString bad = Ansi::unencodable(testi[i]);
        if (bad.isEmpty())
            continue;
        righe << (nomi[i].isEmpty() ? QStringLiteral("Il testo contiene caratteri che non si possono salvare: %1").arg(elenco(bad))
                                    : QStringLiteral("Il quadro \"%1\" contiene caratteri che non si possono salvare: %2")
                                          .arg(nomi[i], elenco(bad)));
    }
    if (righe.isEmpty())
        return true;
    righe << QStringLiteral("Cancellali o sostituiscili, poi salva di nuovo. Non è stato salvato nulla.");
    Msg::beep();
    Msg::box(righe.join(QStringLiteral("\n\r")), Msg::Ok, Msg::Exclamation, kTitolo);
    return false;
}

void frmCompila::avvisaNonSalvato(const QStringList &file, bool quadri)
{
    QString testa;
    if (quadri)
        testa = QStringLiteral("Questi quadri non sono stati salvati:\n\r%1").arg(file.join(QStringLiteral("\n\r")));
    else if (file.size() == 1)
        testa = QStringLiteral("Impossibile salvare il file \"%1\".").arg(file.first());
    else
        testa = QStringLiteral("Impossibile salvare i file \"%1\".").arg(file.join(QStringLiteral("\", \"")));
    Msg::beep();
    Msg::box(testa + QStringLiteral("\n\rControlla che la cartella della classe esista, che non sia protetta da "
                                    "scrittura e che il disco non sia pieno: il testo resta da salvare."),
             Msg::Ok, Msg::Exclamation, kTitolo);
}

bool frmCompila::cmdSalvaTesto_Click()
{
    rendiCorrenteCartellaClasse();
    NomeFile();
    if (cmbAlunno->currentText().isEmpty() || EstensioneQuadro.isEmpty()) {
        Msg::warn(QStringLiteral("Devi scegliere un alunno "));
        daiFuoco(cmbAlunno);
        return false;
    }
    const QString testo = testoDi(txtTesto);
    if (!controllaCaratteri({testo}, {QString()}))
        return false;
    const QString path = fileAlunno(EstensioneQuadro);
    if (path.isEmpty() || !TestoQuadro::scrivi(path, testo)) {
        avvisaNonSalvato({path.isEmpty() ? FileAlunno + EstensioneQuadro : QFileInfo(path).fileName()});
        cmdSalvaTesto->setEnabled(true);
        return false;
    }
    cmdOkTestoGiudizio->setEnabled(false);
    cmdSalvaTesto->setEnabled(false);
    return true;
}

bool frmCompila::cmdSalvaTestoModificato_Click()
{
    if (cmbAlunno->currentText().isEmpty()) {
        Msg::warn(QStringLiteral("Devi scegliere un alunno "));
        daiFuoco(cmbAlunno);
        return false;
    }
    return SalvaModifiche();
}

bool frmCompila::SalvaModifiche()
{
    rendiCorrenteCartellaClasse();
    QStringList testi, titoli;
    for (int n = 1; n <= 4; ++n) {
        testi << testoDi(txtQ[n - 1]);
        titoli << TitoloQuadro(n);
    }
    if (!controllaCaratteri(testi, titoli))
        return false;
    QStringList nonSalvati;
    for (int n = 1; n <= 4; ++n) {
        const QString estensione = QStringLiteral(".q%1").arg(n);
        const QString path = fileAlunno(estensione);
        if (path.isEmpty() || !TestoQuadro::scrivi(path, testi[n - 1]))
            nonSalvati << QStringLiteral("%1 (%2)").arg(
                TitoloQuadro(n), path.isEmpty() ? FileAlunno + estensione : QFileInfo(path).fileName());
    }
    cmdFineStampa->setFocus();
    if (!nonSalvati.isEmpty()) {
        avvisaNonSalvato(nonSalvati, true);
        cmdSalvaTestoModificato->setEnabled(true);
        return false;
    }
    cmdSalvaTestoModificato->setEnabled(false);
    return true;
}

bool frmCompila::DeviSalvareTesto()
{
    if (chiediSalvataggio() && !cmdSalvaTesto_Click())
        return false;
    cmdSalvaTesto->setEnabled(false);
    return true;
}

bool frmCompila::DeviSalvareTestoModificato()
{
    if (chiediSalvataggio() && !cmdSalvaTestoModificato_Click())
        return false;
    cmdSalvaTestoModificato->setEnabled(false);
    return true;
}
