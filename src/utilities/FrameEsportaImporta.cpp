#include "utilities/FrameEsportaImporta.h"
#include "app/CarQuad.h"
#include "platform/Drives.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "archive/CopiaPrima.h"
#include "utilities/EsportaImporta.h"
#include "utilities/IconeUtilita.h"
#include "utilities/ListaCartelle.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>

using namespace CarQuad;

namespace {
const QString kUtilita = QStringLiteral("Utilità");
} // namespace

FrameEsportaImporta::FrameEsportaImporta(QWidget *parent) : QGroupBox(QStringLiteral("Esporta/Importa Classi"), parent)
{
    setObjectName(QStringLiteral("frameImportaEsporta"));
    setFixedSize(312, 318);
    cmdImporta = Ui::button(this, QStringLiteral("cmdImporta"), QStringLiteral("Importa"), QStringLiteral("Importa una classe"));
    cmdEsporta = Ui::button(this, QStringLiteral("cmdEsporta"), QStringLiteral("Esporta"), QStringLiteral("Esporta una classe"));
    cmdImporta->setGeometry(16, 30, 132, 34);
    cmdEsporta->setGeometry(164, 30, 132, 34);

    // The two drive lists share one place: only one of them shows at a time.
    lblDriveImporta = Ui::label(this, QStringLiteral("lblDriveImporta"), QStringLiteral("Da quale Drive"));
    lblDriveEsporta = Ui::label(this, QStringLiteral("lblDriveEsporta"), QStringLiteral("In quale Drive"));
    DriveImporta = new QComboBox(this);
    DriveImporta->setObjectName(QStringLiteral("DriveImporta"));
    drive = new QComboBox(this);
    drive->setObjectName(QStringLiteral("drive"));
    for (QLabel *l : {lblDriveImporta, lblDriveEsporta})
        l->setGeometry(16, 76, 280, 20);
    for (QComboBox *c : {DriveImporta, drive}) {
        c->setGeometry(16, 98, 280, 28);
        c->installEventFilter(this);
    }

    txtSceltaClasse = Ui::label(this, QStringLiteral("txtSceltaClasse"), QStringLiteral("Quale classe?"));
    txtSceltaClasse->setGeometry(16, 136, 200, 20);
    partenza = new ListaCartelle(this);
    partenza->setObjectName(QStringLiteral("partenza"));
    partenza->setGeometry(16, 158, 200, 144);
    cmdEsportaImporta = Ui::button(this, QStringLiteral("cmdEsportaImporta"), QStringLiteral("OK"));
    cmdEsportaImporta->setGeometry(226, 268, 70, 34);

    Picture1 = Ui::label(this, QStringLiteral("Picture1"), QString());
    Picture1->setGeometry(16, 96, 280, 180);
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setPixmap(IconeUtilita::scambio(QSize(260, 130)));

    for (QWidget *w : std::initializer_list<QWidget *>{lblDriveImporta, DriveImporta, lblDriveEsporta, drive,
                                                        txtSceltaClasse, partenza, cmdEsportaImporta})
        w->hide();

    connect(cmdImporta, &QPushButton::clicked, this, &FrameEsportaImporta::cmdImporta_Click);
    connect(cmdEsporta, &QPushButton::clicked, this, &FrameEsportaImporta::cmdEsporta_Click);
    // A drive chosen, even the one already shown, lists its folders again.
    connect(drive, &QComboBox::activated, this, &FrameEsportaImporta::drive_Change);
    connect(DriveImporta, &QComboBox::activated, this, &FrameEsportaImporta::DriveImporta_Change);
    connect(partenza, &QListWidget::itemClicked, this, &FrameEsportaImporta::partenza_Click);
    connect(partenza, &ListaCartelle::pathChanged, this, [this] {
        // A folder opened in the list: the class is chosen again in it.
        cmdEsportaImporta->hide();
        CartellaOrigine.clear();
        ClasseScelta.clear();
    });
    connect(cmdEsportaImporta, &QPushButton::clicked, this, &FrameEsportaImporta::cmdEsportaImporta_Click);
}

bool FrameEsportaImporta::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Coming back to the window, or from a list that dropped down, is not a new focus.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == drive)
                drive_GotFocus();
            else if (watched == DriveImporta)
                DriveImporta_GotFocus();
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void FrameEsportaImporta::riempiDrive(QComboBox *lista)
{
    const QString prima = lista->currentData().toString();
    const QSignalBlocker zitto(lista);
    lista->clear();
    for (const Drives::Drive &d : Drives::list())
        lista->addItem(d.name, d.root);
    lista->setCurrentIndex(qMax(0, lista->findData(prima)));
}

void FrameEsportaImporta::cmdImporta_Click()
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

void FrameEsportaImporta::cmdEsporta_Click()
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

void FrameEsportaImporta::drive_Change()
{
    if (drive->currentIndex() < 0)
        return;
    RadiceDestinazione = drive->currentData().toString();
    partenza->show();
    txtSceltaClasse->show();
}

void FrameEsportaImporta::drive_GotFocus()
{
    drive_Change();
}

void FrameEsportaImporta::DriveImporta_Change()
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

void FrameEsportaImporta::DriveImporta_GotFocus()
{
    DriveImporta_Change();
}

void FrameEsportaImporta::partenza_Click()
{
    CartellaOrigine = partenza->selectedPath();
    ClasseScelta = EsportaImporta::classeScelta(partenza->path(), CartellaOrigine);
    cmdEsportaImporta->show();
}

void FrameEsportaImporta::cmdEsportaImporta_Click()
{
    using Azione = EsportaImporta::Piano::Azione;
    const EsportaImporta::Piano piano = EsportaImporta::pianifica(CartellaOrigine, ClasseScelta, RadiceDestinazione);
    ClasseScelta = piano.classe;
    if (piano.azione == Azione::NomeRifiutato) {
        Msg::warn(QStringLiteral("La cartella scelta non può essere una classe.\n\r") + piano.problema);
    } else if (piano.azione == Azione::StessaCartella) {
        Msg::warn(QStringLiteral("La cartella di partenza e quella di arrivo coincidono."));
    } else {
        CartellaClasse = piano.destinazione;
        // An import over a class of the archive is preceded by a copy of the archive.
        if (piano.azione == Azione::Crea
            || (Msg::askYesNo(QStringLiteral("Se la cartella '") + ClasseScelta
                                  + QStringLiteral("' è già presente sarà sostituita.\n\rVuoi continuare?"),
                              QStringLiteral("Attenzione"))
                && (ModoImporta != 1 || CopiaPrima(kUtilita))))
            CopiaCartella(piano);
    }
    ErroreCopia = 0;
    ModoImporta = 0;
    for (QWidget *w : std::initializer_list<QWidget *>{DriveImporta, partenza, drive, cmdEsportaImporta,
                                                        lblDriveImporta, lblDriveEsporta, txtSceltaClasse})
        w->hide();
}

void FrameEsportaImporta::CopiaCartella(const EsportaImporta::Piano &piano)
{
    ErroreCopia = 0;
    window()->setCursor(Qt::BusyCursor);
    const EsportaImporta::Esito esito = EsportaImporta::esegui(piano, CartellaOrigine, ModoImporta == 1);
    window()->unsetCursor();
    if (!esito.ok) {
        Msg::box(QStringLiteral("Impossibile eseguire l'operazione."), Msg::Ok, Msg::Critical, kUtilita);
        ErroreCopia = 1;
    } else if (!esito.erroreElenco.isEmpty()) {
        Msg::box(QStringLiteral("La classe è stata copiata, ma l'elenco delle classi non è stato aggiornato.\n\r")
                     + esito.erroreElenco,
                 Msg::Ok, Msg::Critical, kUtilita);
    } else {
        Msg::box(QStringLiteral("Operazione eseguita."), Msg::Ok, Msg::Information, QStringLiteral("Fatto"));
    }
}
