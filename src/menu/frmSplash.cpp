#include "menu/frmSplash.h"
#include "menu/Avvio.h"
#include "menu/CopiaDelGiorno.h"
#include "archive/CopieSicurezza.h"
#include "app/CarQuad.h"
#include "app/Impostazioni.h"
#include "platform/CartelleSicure.h"
#include "platform/Help.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "archive/SvuotaArchivio.h"
#include "platform/Finestre.h"
#include "utilities/FileFrasi.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace CarQuad;

frmSplash::frmSplash() : Form(Finestre::Menu)
{
    setWindowTitle(QStringLiteral("Menù"));
    Ui::setBackground(this, Ui::kAzzurro);
    resize(Ui::px(11880), Ui::px(8280));

    Frame2 = Ui::frame(this, QStringLiteral("Frame2"), Ui::twips(2280, 1680, 7335, 4695));
    Frame1 = Ui::frame(this, QStringLiteral("Frame1"), Ui::twips(2400, 1800, 7080, 4410));
    Frame1->setFrameShadow(QFrame::Raised);

    auto *imgLogo = Ui::label(Frame1, QStringLiteral("imgLogo"), QString());
    imgLogo->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    lblProductName = Ui::label(Frame1, QStringLiteral("lblProductName"), QString());
    lblProductName->setFont(Ui::font(QStringLiteral("Arial"), 22, true));
    lblVersion = Ui::label(Frame1, QStringLiteral("lblVersion"), QString());
    lblVersion->setFont(Ui::font(QStringLiteral("Arial"), 10));
    lblAnnoScolastico = Ui::label(Frame1, QStringLiteral("lblAnnoScolastico"), QString());
    lblAnnoScolastico->setFont(Ui::font(QStringLiteral("Arial"), 12, true));

    const QFont comic = Ui::font(QStringLiteral("Comic Sans MS"), 18);
    cmdCompila = Ui::button(Frame1, QStringLiteral("cmdCompila"), QStringLiteral("Giudizi"),
                            QStringLiteral("Compila e stampa i giudizi"));
    cmdModifica = Ui::button(Frame1, QStringLiteral("cmdModifica"), QStringLiteral("Archivi"),
                             QStringLiteral("Inserisci o modifica classi e/o alunni"));
    cmdUtilita = Ui::button(Frame1, QStringLiteral("cmdUtilità"), QStringLiteral("Utilità"),
                            QStringLiteral("Imposta la stampa, unisci i giudizi, ecc..."));
    cmdEsci = Ui::button(Frame1, QStringLiteral("cmdEsci"), QStringLiteral("Esci"), QStringLiteral("Esci dal programma"));
    for (QPushButton *b : {cmdCompila, cmdModifica, cmdUtilita, cmdEsci}) {
        b->setFont(comic);
        b->setMinimumHeight(44);
    }

    auto *label1 = Ui::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Per la Guida premi F1 o apri Aiuto.chm"));
    Help::rendiCliccabile(label1);
    auto *lblCrediti = Ui::label(Frame1, QStringLiteral("lblCrediti"),
                                 QStringLiteral("Quaderlo, i giudizi della scuola primaria.\n"
                                                "Programma libero, distribuito senza alcuna garanzia."));
    for (QLabel *l : {label1, lblCrediti})
        l->setFont(Ui::font(QStringLiteral("Arial"), 8));

    auto *grid = new QGridLayout(Frame1);
    grid->setContentsMargins(18, 14, 18, 10);
    grid->setHorizontalSpacing(24);
    auto *left = new QVBoxLayout;
    auto *head = new QHBoxLayout;
    head->addWidget(imgLogo);
    head->addWidget(lblProductName, 1);
    left->addLayout(head);
    left->addWidget(lblVersion);
    left->addSpacing(16);
    left->addWidget(lblAnnoScolastico);
    left->addStretch(1);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {cmdCompila, cmdModifica, cmdUtilita, cmdEsci})
        buttons->addWidget(b);
    buttons->addStretch(1);
    grid->addLayout(left, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->addWidget(label1, 1, 0, 1, 2, Qt::AlignCenter);
    grid->addWidget(lblCrediti, 2, 0, 1, 2, Qt::AlignCenter);
    lblCrediti->setAlignment(Qt::AlignCenter);


    connect(cmdCompila, &QPushButton::clicked, this, &frmSplash::cmdCompila_Click);
    connect(cmdModifica, &QPushButton::clicked, this, &frmSplash::cmdModifica_Click);
    connect(cmdUtilita, &QPushButton::clicked, this, &frmSplash::cmdUtilita_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &frmSplash::cmdEsci_Click);
    setCentredFrames({Frame1, Frame2});
}

// Back at the menu, the first button has the focus.
void frmSplash::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    activateWindow();
    cmdCompila->setFocus(Qt::ActiveWindowFocusReason);
}

void frmSplash::Form_Load()
{
    // The start was refused before the menu (the program folder could not be prepared).
    if (Forms::programEnded())
        return;
    CopiaDelGiorno::attendi();
    lblVersion->setText(QStringLiteral("Versione %1.%2").arg(QUADERLO_VERSION_MAJOR).arg(QUADERLO_VERSION_MINOR));
    lblProductName->setText(QApplication::applicationName());
    show();

    using Impostazioni::Lettura;
    Paths::setCurrentFolder(Paths::programFolder());
    // What an interrupted run left behind is finished or undone before anything is read.
    SvuotaArchivio::riprendi();
    CopieSicurezza::riprendi(Paths::programFolder());
    FileFrasi::riprendi();
    CartelleSicure::riordina(Paths::programFolder());
    const Lettura anno = Impostazioni::leggiAnno();
    if (anno == Lettura::Mancante) {
        AnnoScolastico.clear();
        CreaAnnoScolastico();
    }
    // A year file that cannot be read is kept, not replaced by a new answer.
    if (AnnoScolastico.isEmpty() && anno != Lettura::Illeggibile) {
        AnnoScolastico = Msg::input(QStringLiteral("Anno Scolastico ?"), QStringLiteral("Anno Scolastico"));
        CreaAnnoScolastico();
    }
    lblAnnoScolastico->setText(QStringLiteral("Anno Scolastico ") + AnnoScolastico);

    Paths::setCurrentFolder(Paths::programFolder());
    const Lettura password = Impostazioni::leggiPassword();
    if (password == Lettura::Illeggibile) {
        // Never open without the access password, never replace it with an empty one.
        Msg::box(QStringLiteral("Impossibile leggere il file\n\r%1\n\rche contiene la password di accesso. "
                                "Il programma termina.")
                     .arg(QDir::toNativeSeparators(Impostazioni::filePassword())),
                 Msg::Ok, Msg::Critical);
        Avvio::termina();
        return;
    }
    if (password == Lettura::Mancante)
        CreaPassword();
    if (Impostazioni::leggiTitoli() == Lettura::Mancante)
        CreaTitoli();

    if (!PasswordUtente.isEmpty()) {
        if (Form *login = Forms::get(Finestre::Login)) {
            login->Form_Load();
            login->show();
            ModoPassword = 0;
        }
    }
}

void frmSplash::CreaAnnoScolastico()
{
    Paths::setCurrentFolder(Paths::programFolder());
    Impostazioni::scriviAnno();
}

void frmSplash::CreaPassword()
{
    NomeUtente = QStringLiteral("Quaderlo");
    PasswordUtente.clear();
    Paths::setCurrentFolder(Paths::programFolder());
    Impostazioni::scriviPassword(NomeUtente, PasswordUtente);
}

void frmSplash::CreaTitoli()
{
    for (int n = 1; n <= 4; ++n)
        TitoloQuadro(n) = Impostazioni::titoloPredefinito(n);
    Paths::setCurrentFolder(Paths::programFolder());
    Impostazioni::scriviTitoli();
}

void frmSplash::openModule(const QString &form)
{
    // No module opens while the day's copy is being taken: the copy sees the archive as it stood.
    CopiaDelGiorno::attendi();
    if (Form *f = Forms::get(form)) {
        f->Form_Load();
        hide();
    }
}

void frmSplash::cmdCompila_Click()
{
    openModule(Finestre::Compila);
}

void frmSplash::cmdModifica_Click()
{
    openModule(Finestre::Archivio);
}

void frmSplash::cmdUtilita_Click()
{
    openModule(Finestre::Utilita);
    ModoImporta = 0;
}

void frmSplash::cmdEsci_Click()
{
    Forms::endProgram();
}
