#include "archive/frmModifica.h"
#include "app/CarQuad.h"
#include "archive/Archivio.h"
#include "archive/ComboAperto.h"
#include "archive/ConfrontoNomi.h"
#include "archive/ElencoAlunni.h"
#include "archive/ElencoClassi.h"
#include "archive/NuovaClasse.h"
#include "archive/frmImportaAlunni.h"
#include "platform/EventiFuoco.h"
#include "platform/IconaUscita.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "platform/Finestre.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace CarQuad;

namespace {
const QString kTitolo = QStringLiteral("Archivi");

QString nome(const QString &path)
{
    return QFileInfo(path).fileName();
}
} // namespace

frmModifica::frmModifica() : Form(Finestre::Archivio)
{
    setWindowTitle(kTitolo);
    setEscapeCloses(true);
    Ui::setBackground(this, Ui::kAzzurro);
    resize(Ui::px(9600), Ui::px(7800));
    creaControlli();
    collegaEventi();
    setCentredFrames({Frame1, Frame3});
}

void frmModifica::creaControlli()
{
    Frame3 = Ui::frame(this, QStringLiteral("Frame3"), Ui::twips(1005, 1110, 7620, 5625));
    Frame1 = Ui::frame(this, QStringLiteral("Frame1"), Ui::twips(1125, 1230, 7365, 5340));
    Frame1->setFrameShadow(QFrame::Raised);

    const QFont testo = Ui::font(QStringLiteral("Arial"), 10);
    const QFont titolo = Ui::font(QStringLiteral("Arial"), 11, true);
    Label1 = Ui::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Classi"));
    Label1->setGeometry(Ui::twips(240, 180, 1335, 330));
    Label2 = Ui::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Alunni"));
    Label2->setGeometry(Ui::twips(1815, 180, 3495, 330));
    for (QLabel *l : {Label1, Label2})
        l->setFont(titolo);

    cmbClassi = new ComboAperto(Frame1, QStringLiteral("cmbClassi"));
    cmbClassi->setGeometry(Ui::twips(240, 540, 1335, 4500));
    cmbAlunni = new ComboAperto(Frame1, QStringLiteral("cmbAlunni"));
    cmbAlunni->setGeometry(Ui::twips(1815, 540, 3495, 4500));

    Image1 = Ui::label(Frame1, QStringLiteral("Image1"), QString());
    Image1->setGeometry(Ui::twips(5970, 540, 720, 720));
    Image1->setPixmap(QApplication::windowIcon().pixmap(48, 48));

    Frame2 = Ui::frame(Frame1, QStringLiteral("Frame2"), Ui::twips(5550, 1680, 1575, 1095));
    optMaschio = new QRadioButton(QStringLiteral("&Maschio"), Frame2);
    optMaschio->setObjectName(QStringLiteral("optMaschio"));
    optMaschio->setGeometry(Ui::twips(180, 150, 1275, 360));
    optFemmina = new QRadioButton(QStringLiteral("&Femmina"), Frame2);
    optFemmina->setObjectName(QStringLiteral("optFemmina"));
    optFemmina->setGeometry(Ui::twips(180, 570, 1275, 360));
    for (QWidget *w : {static_cast<QWidget *>(cmbClassi), static_cast<QWidget *>(cmbAlunni),
                       static_cast<QWidget *>(optMaschio), static_cast<QWidget *>(optFemmina)})
        w->setFont(testo);

    cmdFine = Ui::button(Frame1, QStringLiteral("cmdFine"), QString(), QStringLiteral("Esci dal modulo Archivi"));
    cmdFine->setGeometry(Ui::twips(5887, 4140, 900, 900));
    cmdFine->setIcon(iconaUscita());
    cmdFine->setIconSize(QSize(40, 40));

    QWidget::setTabOrder(cmbClassi, cmbAlunni);
    QWidget::setTabOrder(cmbAlunni, optMaschio);
    QWidget::setTabOrder(optMaschio, optFemmina);
    cmdImportaAlunni = frmImportaAlunni::creaPulsante(Frame1);
    cmdImportaAlunni->setGeometry(Ui::twips(5430, 3000, 1815, 840));
    cmdImportaAlunni->setFont(Ui::font(QStringLiteral("Arial"), 9));

    QWidget::setTabOrder(optFemmina, cmdImportaAlunni);
    QWidget::setTabOrder(cmdImportaAlunni, cmdFine);
}

void frmModifica::collegaEventi()
{
    auto *fuoco = new EventiFuoco(this);
    fuoco->add(cmbClassi, [this] { cmbClassi_GotFocus(); }, [this] { cmbClassi_LostFocus(); });
    fuoco->add(cmbAlunni, [this] { cmbAlunni_GotFocus(); });
    fuoco->add(optMaschio, {});
    fuoco->add(optFemmina, {});
    fuoco->add(cmdFine, {});
    fuoco->add(cmdImportaAlunni, {});
    connect(cmbClassi, &ComboAperto::keyDown, this, &frmModifica::cmbClassi_KeyDown);
    connect(cmbClassi, &ComboAperto::clicked, this, &frmModifica::cmbClassi_Click);
    connect(cmbAlunni, &ComboAperto::keyDown, this, &frmModifica::cmbAlunni_KeyDown);
    connect(cmbAlunni, &ComboAperto::clicked, this, &frmModifica::cmbAlunni_Click);
    connect(optMaschio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optMaschio_Click();
    });
    connect(optFemmina, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optFemmina_Click();
    });
    connect(cmdFine, &QPushButton::clicked, this, &frmModifica::cmdFine_Click);
    connect(cmdImportaAlunni, &QPushButton::clicked, this, &frmModifica::cmdImportaAlunni_Click);
}

void frmModifica::Form_Load()
{
    RicaricaClassi = true;
    show();
    activateWindow();
    cmbClassi->setFocus();
}

void frmModifica::cmdFine_Click()
{
    if (Form *menu = Forms::get(Finestre::Menu)) {
        menu->show();
        menu->activateWindow();
    }
    Forms::unload(Finestre::Archivio);
}

// Pupils of a register's list join the class chosen, after the import window has shown what happens.
void frmModifica::cmdImportaAlunni_Click()
{
    const QString classe = classeNota(Archivio::leggiClassi());
    if (classe.isEmpty()) {
        avviso(QStringLiteral("Scegli prima la classe a cui aggiungere gli alunni."));
        cmbClassi->setFocus();
        return;
    }
    const QString file = frmImportaAlunni::chiediFile();
    riattiva();
    if (file.isEmpty())
        return;
    auto *importa = Forms::get<frmImportaAlunni>(Finestre::ImportaAlunni);
    connect(importa, &frmImportaAlunni::chiuso, this, &frmModifica::importaAlunni_Chiuso, Qt::UniqueConnection);
    if (importa->apri(classe, file))
        setEnabled(false);
    else
        riattiva();
}

void frmModifica::importaAlunni_Chiuso(bool scritto)
{
    setEnabled(true);
    riattiva();
    if (scritto) {
        RicaricaAlunni = true;
        cmbAlunni_GotFocus();
    }
    cmbAlunni->setFocus();
}

// --- Class box ---

void frmModifica::cmbClassi_GotFocus()
{
    cmbAlunni->clear();
    if (!RicaricaClassi)
        return;
    cmbClassi->clear();
    Archivio::ElencoClassi elenco = Archivio::leggiClassi();
    if (elenco.stato == Archivio::StatoFile::Mancante) {
        CreaClassi();
        elenco = Archivio::leggiClassi();
    }
    if (elenco.stato == Archivio::StatoFile::Illeggibile)
        erroreLettura(Archivio::fileClassi());
    for (const QString &classe : elenco.classi)
        cmbClassi->addItem(classe);
    RicaricaClassi = false;
}

void frmModifica::cmbClassi_KeyDown(int key)
{
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !cmbClassi->text().isEmpty())
        AggiungiClasse();
}

void frmModifica::cmbClassi_LostFocus()
{
    RicaricaAlunni = true;
    const QString esistente = classeNota(Archivio::leggiClassi());
    if (esistente.isEmpty())
        AggiungiClasse();
    else
        cmbClassi->setText(esistente); // the class as listed, whatever case was typed
}

// The listed spelling of the class box text, in Classi.dat or in the box; empty when it is new.
QString frmModifica::classeNota(const Archivio::ElencoClassi &elenco) const
{
    const QString classe = cmbClassi->text();
    if (classe.isEmpty())
        return QString();
    const int row = Archivio::trovaNome(cmbClassi->items(), classe);
    return row >= 0 ? cmbClassi->itemText(row) : Archivio::classeEsistente(elenco, classe);
}

void frmModifica::cmbClassi_Click()
{
    cmbAlunni->setText(QString());
    EliminaClasse();
    if (!cmbClassi->text().isEmpty()) {
        cmbAlunni_GotFocus();
        cmbAlunni->setFocus();
    }
}

void frmModifica::CreaClassi()
{
    if (!Archivio::creaClassi())
        erroreScrittura(Archivio::fileClassi());
}

void frmModifica::AggiungiClasse()
{
    RicaricaAlunni = true;
    const QString classe = cmbClassi->text();
    if (classe.isEmpty())
        return;
    using Esito = Archivio::NuovaClasse::Esito;
    const Archivio::NuovaClasse nuova = Archivio::creaClasse(classe, cmbClassi->items());
    switch (nuova.esito) {
    case Esito::Creata:
        cmbClassi->addItem(classe);
        FileAlunni = Archivio::fileAlunni(classe);
        Paths::setCurrentFolder(Archivio::cartellaClasse(classe));
        break;
    case Esito::GiaElencata: // in whatever case it was typed, a class is never made again
        cmbClassi->setFocus();
        cmbClassi->setText(QString());
        break;
    case Esito::NomeRifiutato:
        rifiutaNome(cmbClassi, nuova.problema);
        break;
    case Esito::ElencoIlleggibile:
        erroreLettura(nuova.file);
        break;
    case Esito::ElencoDanneggiato:
        elencoDanneggiato(nuova.file, nuova.riga);
        break;
    case Esito::CartellaNonCreata:
        errore(QStringLiteral("Impossibile creare la cartella %1.").arg(classe));
        break;
    case Esito::FileNonScritto:
        erroreScrittura(nuova.file);
        cmbClassi->setFocus();
        cmbClassi->selectText();
        break;
    }
}

void frmModifica::EliminaClasse()
{
    if (!chiedi(QStringLiteral("Vuoi eliminare la classe dall'elenco ?"), QStringLiteral("Eliminazione classe"),
                Msg::Question))
        return;
    if (!chiedi(QStringLiteral("Sei proprio sicuro ?"), QStringLiteral("Conferma eliminazione"), Msg::Critical))
        return;
    const QString classe = cmbClassi->text();
    const int row = sceltaIn(cmbClassi);
    if (row < 0 || elencoDanneggiato(Archivio::fileClassi(), Archivio::leggiClassi().rigaDanneggiata))
        return;
    CartellaClasse = Archivio::cartellaClasse(classe);
    if (CartellaClasse.isEmpty())
        CartellaClasse = Paths::join(Paths::programFolder(), classe);
    QStringList rest = cmbClassi->items();
    rest.removeAt(row);
    // The list is rewritten first: if that fails, nothing is deleted and the class stays.
    if (!Archivio::scriviClassi(rest)) {
        erroreScrittura(Archivio::fileClassi());
        return;
    }
    erroreEliminazione(Archivio::eliminaFileClasse(classe).nonEliminati);
    cmbClassi->removeItem(row);
    cmbClassi->setText(QString());
}

// --- Pupil box ---

void frmModifica::spegniOpzioni()
{
    for (QRadioButton *o : {optMaschio, optFemmina}) {
        o->setAutoExclusive(false);
        o->setChecked(false);
        o->setAutoExclusive(true);
    }
}

void frmModifica::cmbAlunni_GotFocus()
{
    spegniOpzioni();
    const QString classe = cmbClassi->text();
    if (classe.isEmpty()) {
        avviso(QStringLiteral("Quale classe ? "), Msg::Question);
        cmbClassi->setFocus();
        return;
    }
    if (!RicaricaAlunni)
        return;
    cmbAlunni->clear();
    FileAlunni = Archivio::fileAlunni(classe);
    const Archivio::ElencoAlunni elenco = Archivio::leggiAlunni(FileAlunni);
    if (elenco.stato == Archivio::StatoFile::Illeggibile)
        erroreLettura(FileAlunni);
    for (const Archivio::Alunno &a : elenco.alunni) {
        Sesso = a.sesso;
        cmbAlunni->addItem(a.nome, a.sesso);
    }
    RicaricaAlunni = false;
}

void frmModifica::cmbAlunni_KeyDown(int key)
{
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !cmbAlunni->text().isEmpty())
        AggiungiAlunno();
}

void frmModifica::cmbAlunni_Click()
{
    EliminaAlunno();
}

void frmModifica::optMaschio_Click()
{
    if (!cmbAlunni->text().isEmpty()) {
        Sesso = 1;
        AggiungiAlunno();
    } else {
        avviso(QStringLiteral("Quale alunno ? "), Msg::Question);
        cmbAlunni->setFocus();
    }
}

void frmModifica::optFemmina_Click()
{
    if (!cmbAlunni->text().isEmpty()) {
        Sesso = 0;
        AggiungiAlunno();
    } else {
        avviso(QStringLiteral("Quale alunna ? "), Msg::Question);
        cmbAlunni->setFocus();
    }
}

void frmModifica::AggiungiAlunno()
{
    const QString alunno = cmbAlunni->text();
    if (const QString problem = Archivio::problemaAlunno(alunno); !problem.isEmpty()) {
        rifiutaNome(cmbAlunni, problem);
        return;
    }
    if (!optMaschio->isChecked() && !optFemmina->isChecked()) {
        avviso(QStringLiteral("Maschio o Femmina ? "), Msg::Question);
        return;
    }
    const QString classe = cmbClassi->text();
    FileAlunni = Archivio::fileAlunni(classe);
    if (!QFileInfo(Archivio::cartellaClasse(classe)).isDir()) {
        errore(QStringLiteral("Impossibile eseguire l'operazione.") + QStringLiteral("\n\r") +
               QStringLiteral(" La cartella non esiste."));
        cmbAlunni->setText(QString());
        return;
    }
    // A missing list is an empty one; an unreadable one is never replaced.
    const Archivio::ElencoAlunni elenco = Archivio::leggiAlunni(FileAlunni);
    if (elenco.stato == Archivio::StatoFile::Illeggibile) {
        erroreLettura(FileAlunni);
        return;
    }
    if (elencoDanneggiato(FileAlunni, elenco.rigaDanneggiata))
        return;
    QStringList listed = cmbAlunni->items();
    for (const Archivio::Alunno &a : elenco.alunni)
        listed << a.nome;
    if (Archivio::trovaNome(listed, alunno) >= 0) {
        cmbAlunni->setText(QString());
        return;
    }
    const int row = cmbAlunni->addItem(alunno, Sesso);
    if (!scriviElencoAlunni(FileAlunni)) {
        cmbAlunni->removeItem(row);
        cmbAlunni->setFocus();
        return;
    }
    cmbAlunni->setText(QString());
    cmbAlunni->setFocus();
}

// Writes the pupil list from the pupil box, leaving out the entry senza; reports a failure.
bool frmModifica::scriviElencoAlunni(const QString &path, int senza)
{
    QList<Archivio::Alunno> alunni;
    for (int i = 0; i < cmbAlunni->count(); ++i)
        if (i != senza)
            alunni << Archivio::Alunno{cmbAlunni->itemText(i), cmbAlunni->itemData(i)};
    if (Archivio::scriviAlunni(path, alunni))
        return true;
    erroreScrittura(path);
    return false;
}

void frmModifica::EliminaAlunno()
{
    if (!chiedi(QStringLiteral("Vuoi eliminare l'alunno dall'elenco ?"), QStringLiteral("Eliminazione alunno"),
                Msg::Question)) {
        cmbAlunni->setText(QString());
        return;
    }
    const QString classe = cmbClassi->text();
    Paths::setCurrentFolder(Archivio::cartellaClasse(classe));
    NomeFile();
    const int row = sceltaIn(cmbAlunni);
    FileAlunni = Archivio::nomeFileAlunni(classe);
    const QString lista = Archivio::fileAlunni(classe);
    // The list is rewritten first: if that fails, the pupil and the files stay.
    if (row < 0 || elencoDanneggiato(lista, Archivio::leggiAlunni(lista).rigaDanneggiata)
        || !scriviElencoAlunni(lista, row))
        return;
    erroreEliminazione(Archivio::eliminaFileAlunno(classe, FileAlunno));
    cmbAlunni->removeItem(row);
    cmbAlunni->setFocus();
}

void frmModifica::NomeFile()
{
    if (!cmbClassi->text().isEmpty() && !cmbAlunni->text().isEmpty())
        FileAlunno = cmbAlunni->text();
}

// --- Helpers ---

// A name that cannot become a folder or file: said plainly, nothing made, the text kept for correction.
void frmModifica::rifiutaNome(ComboAperto *box, const QString &problem)
{
    avviso(problem);
    box->setFocus();
    box->selectText();
}

// The entry chosen in the box's list: the one its text names.
int frmModifica::sceltaIn(ComboAperto *box) const
{
    const int row = box->listIndex();
    if (row >= 0 && box->itemText(row) == box->text())
        return row;
    return box->items().indexOf(box->text());
}

// --- Messages ---

void frmModifica::avviso(const QString &text, Msg::Icon icon)
{
    Msg::warn(text, icon);
    riattiva();
}

// A failed operation of this window, under its caption.
void frmModifica::errore(const QString &text)
{
    Msg::box(text, Msg::Ok, Msg::Critical, kTitolo);
    riattiva();
}

bool frmModifica::chiedi(const QString &text, const QString &title, Msg::Icon icon)
{
    const bool yes = Msg::askYesNo(text, title, icon, Msg::ResNo);
    riattiva();
    return yes;
}

void frmModifica::erroreScrittura(const QString &path)
{
    errore(QStringLiteral("Impossibile scrivere il file %1.").arg(nome(path)));
}

void frmModifica::erroreLettura(const QString &path)
{
    errore(QStringLiteral("Impossibile leggere il file %1.").arg(nome(path)));
}

// A list that does not read back as written is never rewritten: part of it would be lost.
bool frmModifica::elencoDanneggiato(const QString &path, int riga)
{
    if (riga > 0)
        errore(QStringLiteral("Il file %1 non si legge correttamente alla riga %2: non viene modificato.\n\r"
                              "Correggilo con il Blocco Note.")
                   .arg(nome(path))
                   .arg(riga));
    return riga > 0;
}

void frmModifica::erroreEliminazione(const QStringList &files)
{
    if (!files.isEmpty())
        errore(QStringLiteral("Impossibile eliminare il file %1.").arg(files.join(QStringLiteral(", "))));
}

// Once a message box is gone this window is the active one again, its focus where it was, whether or
// not the window system gives the activation back: its controls' focus events depend on it.
void frmModifica::riattiva()
{
    if (!isVisible() || isActiveWindow())
        return;
    activateWindow();
    QApplication::setActiveWindow(this);
}
