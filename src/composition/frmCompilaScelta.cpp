// frmCompila: the class and pupil boxes and where the pupil's files lie.
#include "app/CarQuad.h"
#include "archive/ElencoAlunni.h"
#include "archive/ElencoClassi.h"
#include "composition/ComboTendina.h"
#include "composition/FileGiudizio.h"
#include "composition/ListaSpunte.h"
#include "composition/Selezione.h"
#include "composition/frmCompila.h"
#include "platform/Msg.h"
#include "platform/Paths.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace CarQuad;

bool frmCompila::salvaSeServe()
{
    if (cmdSalvaTesto->isEnabled() && !SSTabGiudizi->isHidden() && !DeviSalvareTesto())
        return false;
    if (cmdSalvaTestoModificato->isEnabled() && !ssTabQuadri->isHidden() && !DeviSalvareTestoModificato())
        return false;
    return SSTabGiudizi->isHidden() || DeviConfermareSpunte();
}

void frmCompila::cmbClasse_GotFocus()
{
    cmbClasse_DropDown();
}

bool frmCompila::cmbClasse_DropDown()
{
    if (!salvaSeServe())
        return false;
    cmdOkTestoGiudizio->setEnabled(false);
    cmdSalvaTesto->setEnabled(false);
    svuotaListe();
    cmbAlunno->clear();
    Label1->clear();
    EstensioneQuadro.clear();
    txtTesto->clear();
    for (QPlainTextEdit *t : txtQ)
        t->clear();
    aggiornaTestoModificabile();
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
    coloraTesti(0);
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
    cmdOkTestoGiudizio->setEnabled(false);
    if (cmbClasse->currentText().isEmpty() && ModoPreselezione == 0) {
        Msg::warn(QStringLiteral("Devi scegliere una classe "));
        daiFuoco(cmbClasse);
        return false;
    }
    svuotaListe();
    txtTesto->clear();
    cmdCaricaTesto->setEnabled(true);
    rendiCorrenteCartellaClasse();
    if (RicaricaAlunni) {
        cmbAlunno->clear();
        Label1->clear();
        FileAlunni = QStringLiteral("ALUNNI.") + cmbClasse->currentText();
        const QString cartella = cartellaClasse();
        const Archivio::ElencoAlunni elenco =
            cartella.isEmpty() ? Archivio::ElencoAlunni() : Archivio::leggiAlunni(Paths::resolve(cartella, FileAlunni));
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
    if (SSTabGiudizi->isHidden()) {
        cmdCaricaTesto_Click();
        return;
    }
    if (EstensioneQuadro.isEmpty())
        EstensioneQuadro = QStringLiteral(".q1");
    for (int n = 1; n <= 4; ++n)
        if (EstensioneQuadro == QStringLiteral(".q%1").arg(n))
            MostraQuadro(n);
}

void frmCompila::cmbAlunno_LostFocus()
{
    if (!cmbAlunno->currentText().isEmpty())
        rendiCorrenteCartellaClasse();
}

void frmCompila::NomeFile()
{
    if (!cmbClasse->currentText().isEmpty() && !cmbAlunno->currentText().isEmpty())
        FileAlunno = cmbAlunno->currentText();
}

QString frmCompila::cartellaClasse() const
{
    const QString classe = cmbClasse->currentText();
    return classe.isEmpty() ? Paths::programFolder() : FileGiudizio::cartellaClasse(classe);
}

bool frmCompila::rendiCorrenteCartellaClasse()
{
    return Paths::setCurrentFolder(cartellaClasse());
}

QString frmCompila::fileAlunno(const QString &estensione) const
{
    if (ModoPreselezione == 1 && estensione == QLatin1String(".dat"))
        return FileGiudizio::preselezione();
    return FileGiudizio::percorso(cartellaClasse(), FileAlunno, estensione);
}

void frmCompila::leggiPreselezione()
{
    Selezione::Righe righe;
    for (int n = 1; n <= 4; ++n)
        righe[size_t(n - 1)] = Preselezione(n);
    Selezione::leggiIn(FileGiudizio::preselezione(), righe);
    for (int n = 1; n <= 4; ++n)
        Preselezione(n) = righe[size_t(n - 1)];
}

void frmCompila::rileggiSelezioni()
{
    Paths::setCurrentFolder(Paths::programFolder());
    leggiPreselezione();
    for (int n = 1; n <= 4; ++n)
        Scelta(n).clear();
    rendiCorrenteCartellaClasse();
    NomeFile();
    leggiScelte();
}

void frmCompila::leggiScelte()
{
    Selezione::Righe righe;
    for (int n = 1; n <= 4; ++n)
        righe[size_t(n - 1)] = Scelta(n);
    const QString path = fileAlunno(QStringLiteral(".dat"));
    if (!path.isEmpty())
        Selezione::leggiIn(path, righe);
    for (int n = 1; n <= 4; ++n)
        Scelta(n) = righe[size_t(n - 1)];
}
