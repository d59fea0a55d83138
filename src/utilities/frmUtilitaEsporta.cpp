// The "Esporta/Importa Classi" frame of the utilities window.
#include "app/CarQuad.h"
#include "archive/CartellaClasse.h"
#include "platform/Drives.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "utilities/CopiaPrima.h"
#include "utilities/EsportaImporta.h"
#include "utilities/IconeUtilita.h"
#include "utilities/ListaCartelle.h"
#include "utilities/frmUtilita.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace CarQuad;

namespace {
const QString kUtilita = QStringLiteral("Utilità");
} // namespace

QGroupBox *frmUtilita::creaEsportaImporta()
{
    auto *box = new QGroupBox(QStringLiteral("Esporta/Importa Classi"), Frame2);
    box->setObjectName(QStringLiteral("frameImportaEsporta"));
    box->setFixedSize(312, 318);
    cmdImporta = Ui::button(box, QStringLiteral("cmdImporta"), QStringLiteral("Importa"), QStringLiteral("Importa una classe"));
    cmdEsporta = Ui::button(box, QStringLiteral("cmdEsporta"), QStringLiteral("Esporta"), QStringLiteral("Esporta una classe"));
    cmdImporta->setGeometry(16, 30, 132, 34);
    cmdEsporta->setGeometry(164, 30, 132, 34);

    // The two drive lists share one place: only one of them shows at a time.
    lblDriveImporta = Ui::label(box, QStringLiteral("lblDriveImporta"), QStringLiteral("Da quale Drive"));
    lblDriveEsporta = Ui::label(box, QStringLiteral("lblDriveEsporta"), QStringLiteral("In quale Drive"));
    DriveImporta = new QComboBox(box);
    DriveImporta->setObjectName(QStringLiteral("DriveImporta"));
    drive = new QComboBox(box);
    drive->setObjectName(QStringLiteral("drive"));
    for (QLabel *l : {lblDriveImporta, lblDriveEsporta})
        l->setGeometry(16, 76, 280, 20);
    for (QComboBox *c : {DriveImporta, drive}) {
        c->setGeometry(16, 98, 280, 28);
        c->installEventFilter(this);
    }

    txtSceltaClasse = Ui::label(box, QStringLiteral("txtSceltaClasse"), QStringLiteral("Quale classe?"));
    txtSceltaClasse->setGeometry(16, 136, 200, 20);
    partenza = new ListaCartelle(box);
    partenza->setObjectName(QStringLiteral("partenza"));
    partenza->setGeometry(16, 158, 200, 144);
    cmdEsportaImporta = Ui::button(box, QStringLiteral("cmdEsportaImporta"), QStringLiteral("OK"));
    cmdEsportaImporta->setGeometry(226, 268, 70, 34);

    Picture1 = Ui::label(box, QStringLiteral("Picture1"), QString());
    Picture1->setGeometry(16, 96, 280, 180);
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setPixmap(IconeUtilita::scambio(QSize(260, 130)));

    for (QWidget *w : std::initializer_list<QWidget *>{lblDriveImporta, DriveImporta, lblDriveEsporta, drive,
                                                        txtSceltaClasse, partenza, cmdEsportaImporta})
        w->hide();

    connect(cmdImporta, &QPushButton::clicked, this, &frmUtilita::cmdImporta_Click);
    connect(cmdEsporta, &QPushButton::clicked, this, &frmUtilita::cmdEsporta_Click);
    // A drive chosen, even the one already shown, lists its folders again.
    connect(drive, &QComboBox::activated, this, &frmUtilita::drive_Change);
    connect(DriveImporta, &QComboBox::activated, this, &frmUtilita::DriveImporta_Change);
    connect(partenza, &QListWidget::itemClicked, this, &frmUtilita::partenza_Click);
    connect(partenza, &ListaCartelle::pathChanged, this, [this] {
        // A folder opened in the list: the class is chosen again in it.
        cmdEsportaImporta->hide();
        CartellaOrigine.clear();
        ClasseScelta.clear();
    });
    connect(cmdEsportaImporta, &QPushButton::clicked, this, &frmUtilita::cmdEsportaImporta_Click);
    return box;
}

void frmUtilita::riempiDrive(QComboBox *lista)
{
    const QString prima = lista->currentData().toString();
    const QSignalBlocker zitto(lista);
    lista->clear();
    for (const Drives::Drive &d : Drives::list())
        lista->addItem(d.name, d.root);
    lista->setCurrentIndex(qMax(0, lista->findData(prima)));
}

void frmUtilita::cmdImporta_Click()
{
    for (QWidget *w : std::initializer_list<QWidget *>{Picture1, lblDriveEsporta, txtSceltaClasse, partenza, drive,
                                                        cmdEsportaImporta})
        w->hide();
    ModoImporta = 1;
    RadiceDestinazione = Paths::programFolder();
    riempiDrive(DriveImporta);
    DriveImporta->show();
    lblDriveImporta->show();
}

void frmUtilita::cmdEsporta_Click()
{
    for (QWidget *w : std::initializer_list<QWidget *>{Picture1, lblDriveImporta, txtSceltaClasse, partenza,
                                                        DriveImporta, cmdEsportaImporta})
        w->hide();
    ModoImporta = 0;
    partenza->setPath(Paths::programFolder(), EsportaImporta::cartelleClassi());
    riempiDrive(drive);
    drive->show();
    lblDriveEsporta->show();
}

void frmUtilita::drive_Change()
{
    if (drive->currentIndex() < 0)
        return;
    RadiceDestinazione = drive->currentData().toString();
    partenza->show();
    txtSceltaClasse->show();
}

void frmUtilita::drive_GotFocus()
{
    drive_Change();
}

void frmUtilita::DriveImporta_Change()
{
    if (DriveImporta->currentIndex() < 0)
        return;
    if (!partenza->setPath(DriveImporta->currentData().toString())) {
        partenza->hide();
        txtSceltaClasse->hide();
        Msg::warn(QStringLiteral("L'unità scelta non è pronta."));
        return;
    }
    partenza->show();
    txtSceltaClasse->show();
}

void frmUtilita::DriveImporta_GotFocus()
{
    DriveImporta_Change();
}

void frmUtilita::partenza_Click()
{
    CartellaOrigine = partenza->selectedPath();
    ClasseScelta = EsportaImporta::classeScelta(partenza->path(), CartellaOrigine);
    cmdEsportaImporta->show();
}

void frmUtilita::cmdEsportaImporta_Click()
{
    ClasseScelta = EsportaImporta::senzaSeparatore(ClasseScelta);
    const QString problema = Archivio::problemaClasse(ClasseScelta);
    const QString esistente = Paths::resolve(RadiceDestinazione, ClasseScelta);
    if (!problema.isEmpty()) {
        Msg::warn(QStringLiteral("La cartella scelta non può essere una classe.\n\r") + problema);
    } else if (EsportaImporta::stessaCartella(CartellaOrigine, esistente)) {
        Msg::warn(QStringLiteral("La cartella di partenza e quella di arrivo coincidono."));
    } else if (QFileInfo(esistente).isDir()) {
        CartellaClasse = esistente;
        const QString domanda = QStringLiteral("Se la cartella '") + ClasseScelta
                                + QStringLiteral("' è già presente sarà sostituita.\n\rVuoi continuare?");
        // An import over a class of the archive is preceded by a copy of the archive.
        if (Msg::askYesNo(domanda, QStringLiteral("Attenzione")) && (ModoImporta != 1 || CopiaPrima(kUtilita))) {
            CopiaCartella(EsportaImporta::modelliDaSostituire());
            if (ErroreCopia != 1)
                importaElencata();
        }
    } else {
        CartellaClasse = Paths::join(RadiceDestinazione, ClasseScelta);
        const bool creata = QDir().mkdir(CartellaClasse);
        CopiaCartella();
        if (ErroreCopia == 1 && creata)
            QDir().rmdir(CartellaClasse); // no empty class folder is left behind by a failed copy
        else if (ErroreCopia != 1)
            importaElencata();
    }
    ErroreCopia = 0;
    ModoImporta = 0;
    for (QWidget *w : std::initializer_list<QWidget *>{DriveImporta, partenza, drive, cmdEsportaImporta,
                                                        lblDriveImporta, lblDriveEsporta, txtSceltaClasse})
        w->hide();
}

// After a copy: an imported class not yet listed joins Classi.dat; then the success message.
void frmUtilita::importaElencata()
{
    QString errore;
    if (ModoImporta == 1 && !EsportaImporta::classeElencata(ClasseScelta)
        && !EsportaImporta::aggiungiClasse(ClasseScelta, &errore)) {
        Msg::box(QStringLiteral("La classe è stata copiata, ma l'elenco delle classi non è stato aggiornato.\n\r") + errore,
                 Msg::Ok, Msg::Critical, kUtilita);
        return;
    }
    Msg::box(QStringLiteral("Operazione eseguita."), Msg::Ok, Msg::Information, QStringLiteral("Fatto"));
}

void frmUtilita::CopiaCartella(const QStringList &daEliminare)
{
    ErroreCopia = 0;
    setCursor(Qt::BusyCursor);
    const EsportaImporta::Esito esito = EsportaImporta::copiaCartella(CartellaOrigine, CartellaClasse, daEliminare);
    unsetCursor();
    if (!esito.ok) {
        Msg::box(QStringLiteral("Impossibile eseguire l'operazione."), Msg::Ok, Msg::Critical, kUtilita);
        ErroreCopia = 1;
    }
}
