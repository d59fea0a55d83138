#include "utilities/frmUtilita.h"
#include "app/CarQuad.h"
#include "platform/Editor.h"
#include "platform/Msg.h"
#include "platform/Ui.h"
#include "utilities/FrameImpostazioniStampa.h"
#include "utilities/FrameOrtografia.h"
#include "utilities/FrameUnione.h"
#include "utilities/IconeUtilita.h"
#include "utilities/FrameEsportaImporta.h"
#include "utilities/NuovoAnno.h"
#include "platform/Finestre.h"
#include "platform/IconaUscita.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace CarQuad;

namespace {

QPushButton *pulsanteIcona(QWidget *parent, const QString &name, const QIcon &icon, const QString &toolTip)
{
    auto *b = Ui::button(parent, name, QString(), toolTip);
    b->setIcon(icon);
    b->setIconSize(QSize(40, 40));
    b->setFixedSize(64, 56);
    return b;
}
} // namespace

frmUtilita::frmUtilita() : Form(Finestre::Utilita)
{
    setWindowTitle(QStringLiteral("Utilità"));
    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameShape(QFrame::StyledPanel);
    Frame2->setFrameShadow(QFrame::Raised);

    auto *grid = new QGridLayout(Frame2);
    grid->setContentsMargins(14, 12, 14, 12);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    grid->addWidget(new FrameEsportaImporta(Frame2), 0, 0, 2, 1, Qt::AlignTop);
    frameUnione = new FrameUnione(Frame2);
    grid->addWidget(frameUnione, 0, 1, Qt::AlignTop);

    auto *blocco = new QGroupBox(QStringLiteral("Apri Blocco Note"), Frame2);
    blocco->setObjectName(QStringLiteral("Frame3"));
    cmdNotepad = Ui::button(blocco, QStringLiteral("cmdNotepad"), QStringLiteral("Apri Blocco Note per modifica Quadri e ..."));
    cmdNotepad->setMinimumHeight(32);
    cmdFrasi = Ui::button(blocco, QStringLiteral("cmdFrasi"), QStringLiteral("Modifica le frasi dei quadri"));
    cmdFrasi->setMinimumHeight(32);
    auto *bloccoLayout = new QVBoxLayout(blocco);
    bloccoLayout->addWidget(cmdNotepad);
    bloccoLayout->addWidget(cmdFrasi);
    auto *copie = new QGroupBox(QStringLiteral("Copie dell'archivio"), Frame2);
    copie->setObjectName(QStringLiteral("FrameRipristina"));
    auto *cmdRipristina = Ui::button(copie, QStringLiteral("cmdRipristina"), QStringLiteral("Copie di sicurezza"),
                                     QStringLiteral("Le copie di ogni giorno e il ripristino"));
    cmdRipristina->setMinimumHeight(32);
    (new QVBoxLayout(copie))->addWidget(cmdRipristina);
    connect(cmdRipristina, &QPushButton::clicked, this, [this] { leaveFor(Finestre::Ripristina); });
    // One section printed for a whole class.
    auto *classe = new QGroupBox(QStringLiteral("Tutta la classe"), Frame2);
    classe->setObjectName(QStringLiteral("FrameStampaClasse"));
    auto *cmdStampaClasse = Ui::button(classe, QStringLiteral("cmdStampaClasse"), QStringLiteral("Stampa la classe"),
                                       QStringLiteral("Stampa un quadro di tutti gli alunni di una classe, una pagina ciascuno"));
    cmdStampaClasse->setIcon(IconeUtilita::formati());
    cmdStampaClasse->setMinimumHeight(32);
    (new QVBoxLayout(classe))->addWidget(cmdStampaClasse);
    connect(cmdStampaClasse, &QPushButton::clicked, this, &frmUtilita::cmdStampaClasse_Click);
    auto *colonna = new QVBoxLayout;
    colonna->addWidget(blocco);
    colonna->addWidget(copie);
    colonna->addWidget(classe);
    colonna->addStretch(1);
    grid->addLayout(colonna, 1, 1);
    grid->addWidget(creaImpostazioniStampa(), 0, 2, 2, 1, Qt::AlignTop);

    auto *strumenti = new QHBoxLayout;
    strumenti->setSpacing(10);
    strumenti->addWidget(creaStrumento(QStringLiteral("FramePersonalizza"), QStringLiteral("Personalizza"),
                                       QStringLiteral("cmdPersonalizza"), IconeUtilita::personalizza(),
                                       &frmUtilita::cmdPersonalizza_Click));
    strumenti->addWidget(creaStrumento(QStringLiteral("FramePassword"), QStringLiteral("Password"),
                                       QStringLiteral("cmdPassword"), IconeUtilita::password(), &frmUtilita::cmdPassword_Click));
    strumenti->addWidget(creaStrumento(QStringLiteral("FrameNuovoAnno"), QStringLiteral("Nuovo Anno"),
                                       QStringLiteral("cmdNuovoAnno"), IconeUtilita::nuovoAnno(),
                                       &frmUtilita::cmdNuovoAnno_Click));
    strumenti->addWidget(creaStrumento(QStringLiteral("FramePreselezione"), QStringLiteral("Preselezione"),
                                       QStringLiteral("cmdPreselezione"), IconeUtilita::preselezione(),
                                       &frmUtilita::cmdPreselezione_Click));
    strumenti->addWidget(creaStrumento(QStringLiteral("Frame1"), QStringLiteral("Formati di stampa"),
                                       QStringLiteral("cmdFormati"), IconeUtilita::formati(), &frmUtilita::cmdFormati_Click));
    strumenti->addWidget(new FrameOrtografia(Frame2));
    strumenti->addStretch(1);
    cmdEsciUtilita = pulsanteIcona(Frame2, QStringLiteral("cmdEsciUtilità"), iconaUscita(),
                                   QStringLiteral("Esci dal modulo Utilità"));
    strumenti->addWidget(cmdEsciUtilita, 0, Qt::AlignBottom);
    grid->addLayout(strumenti, 2, 0, 1, 3);
    grid->setRowStretch(1, 1);

    connect(cmdNotepad, &QPushButton::clicked, this, &frmUtilita::cmdNotepad_Click);
    connect(cmdFrasi, &QPushButton::clicked, this, &frmUtilita::cmdFrasi_Click);
    connect(cmdEsciUtilita, &QPushButton::clicked, this, &frmUtilita::cmdEsciUtilita_Click);

    Frame2->adjustSize();
    Frame2->setFixedSize(Frame2->sizeHint());
    resize(Frame2->width() + 48, Frame2->height() + 48);
    setCentredFrames({Frame2});
}

QGroupBox *frmUtilita::creaStrumento(const QString &frame, const QString &caption, const QString &button,
                                     const QIcon &icon, void (frmUtilita::*handler)())
{
    auto *box = new QGroupBox(caption, Frame2);
    box->setObjectName(frame);
    auto *b = pulsanteIcona(box, button, icon, QString());
    auto *l = new QVBoxLayout(box);
    l->setContentsMargins(10, 6, 10, 8);
    l->addWidget(b, 0, Qt::AlignCenter);
    box->setMinimumWidth(118);
    connect(b, &QPushButton::clicked, this, handler);
    return box;
}

QWidget *frmUtilita::creaImpostazioniStampa()
{
    frameStampa = new FrameImpostazioniStampa(Frame2);
    return frameStampa;
}

void frmUtilita::Form_Load()
{
    show();
    RicaricaClassi = true;
    frameStampa->riempi();
    frameUnione->riempi();
}

void frmUtilita::leaveFor(const QString &form)
{
    Form *f = Forms::get(form);
    if (!f)
        return;
    f->Form_Load();
    f->show();
    Forms::unload(Finestre::Utilita);
}

void frmUtilita::cmdFormati_Click()
{
    leaveFor(Finestre::Formati);
}

void frmUtilita::cmdStampaClasse_Click()
{
    leaveFor(Finestre::StampaClasse);
}

void frmUtilita::cmdPersonalizza_Click()
{
    leaveFor(Finestre::Personalizza);
}

void frmUtilita::cmdFrasi_Click()
{
    leaveFor(Finestre::Frasi);
}

void frmUtilita::cmdPreselezione_Click()
{
    Form *compila = Forms::get(Finestre::Compila);
    if (!compila)
        return;
    Forms::unload(Finestre::Utilita);
    ModoPreselezione = 1;
    compila->Form_Load();
    RicaricaClassi = true;
    RicaricaAlunni = true;
}

void frmUtilita::cmdEsciUtilita_Click()
{
    ModoImporta = 0;
    if (Form *menu = Forms::find(Finestre::Menu)) {
        menu->show();
        menu->setEnabled(true);
    } else if (Form *nuovo = Forms::get(Finestre::Menu)) {
        nuovo->Form_Load(); // a menu not yet loaded goes through its start-up, access check included
    }
    Forms::unload(Finestre::Utilita);
}

void frmUtilita::cmdPassword_Click()
{
    Form *login = Forms::get(Finestre::Login);
    if (!login)
        return;
    ModoPassword = 1;
    login->Form_Load();
    login->show();
}

void frmUtilita::cmdNotepad_Click()
{
    QString why;
    if (!Editor::apriEditorTesti(&why))
        Msg::box(QStringLiteral("Impossibile aprire il Blocco Note.\n\r") + why, Msg::Ok, Msg::Exclamation,
                 QStringLiteral("Utilità"));
}

void frmUtilita::cmdNuovoAnno_Click()
{
    NuovoAnno();
}
