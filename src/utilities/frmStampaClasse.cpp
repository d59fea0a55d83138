#include "utilities/frmStampaClasse.h"
#include "app/CarQuad.h"
#include "archive/ElencoClassi.h"
#include "platform/Finestre.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "printing/ConfigStampa.h"
#include "printing/StampaQuadro.h"
#include "utilities/TestiClasse.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace CarQuad;

namespace {
const QString kTitolo = QStringLiteral("Stampa la classe");

void avvisa(const QString &testo, Msg::Icon icona = Msg::Information)
{
    Msg::box(testo, Msg::Ok, icona, kTitolo);
}

// The preview only shows: paper and orientation stay those of the job, and its print button prints
// through the window, as "Stampa" does.
void soloVista(QPrintPreviewDialog &d)
{
    const auto tr = [](const char *s) { return QCoreApplication::translate("QPrintPreviewDialog", s); };
    for (QAction *a : d.findChildren<QAction *>()) {
        const QString t = a->text();
        if (t == tr("Page setup") || t == tr("Portrait") || t == tr("Landscape")) {
            a->setVisible(false);
        } else if (t == tr("Print")) {
            QObject::disconnect(a, nullptr, &d, nullptr);
            QObject::connect(a, &QAction::triggered, &d, &QDialog::accept);
        }
    }
}

QRadioButton *opzione(QWidget *parent, const QString &name, const QString &caption)
{
    auto *o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    return o;
}
} // namespace

frmStampaClasse::frmStampaClasse() : Form(Finestre::StampaClasse)
{
    setWindowTitle(kTitolo);
    setEscapeCloses(true);
    auto *frame = Ui::frame(this, QStringLiteral("Frame1"), QRect(24, 24, 100, 100));
    frame->setFrameShadow(QFrame::Raised);
    frame->setFont(Ui::font(QStringLiteral("Arial"), 10));
    creaScelte(frame);
    frame->adjustSize();
    frame->setFixedSize(frame->sizeHint());
    resize(frame->width() + 48, frame->height() + 48);
    setCentredFrames({frame});
}

void frmStampaClasse::creaScelte(QFrame *frame)
{
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(16, 14, 16, 14);
    v->setSpacing(10);
    auto *riga = new QHBoxLayout;
    riga->addWidget(Ui::label(frame, QStringLiteral("lblClasse"), QStringLiteral("Classe")));
    cmbClasse = new QComboBox(frame);
    cmbClasse->setObjectName(QStringLiteral("cmbClasse"));
    cmbClasse->setMinimumWidth(240);
    riga->addWidget(cmbClasse);
    riga->addStretch(1);
    v->addLayout(riga);

    auto *quadri = new QGroupBox(QStringLiteral("Quadro"), frame);
    quadri->setObjectName(QStringLiteral("FrameQuadro"));
    auto *hq = new QHBoxLayout(quadri);
    for (int i = 0; i < 4; ++i)
        hq->addWidget(optQuadro[i] = opzione(quadri, QStringLiteral("optQuadro%1").arg(i), TitoloQuadro(i + 1)));
    optQuadro[0]->setChecked(true);
    v->addWidget(quadri);

    auto *formati = new QGroupBox(QStringLiteral("Formato di stampa"), frame);
    formati->setObjectName(QStringLiteral("FrameFormato"));
    auto *hf = new QHBoxLayout(formati);
    checkFormato = Ui::button(formati, QStringLiteral("checkFormato"), QStringLiteral("Usa formato di stampa"));
    checkFormato->setCheckable(true);
    checkFormato->setMinimumWidth(200);
    hf->addWidget(checkFormato);
    gruppoFormati = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        optFormati[i] = opzione(formati, QStringLiteral("optFormati%1").arg(i), QStringLiteral("Formato %1").arg(i + 1));
        QSizePolicy sp = optFormati[i]->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        optFormati[i]->setSizePolicy(sp);
        optFormati[i]->setVisible(false);
        gruppoFormati->addButton(optFormati[i], i);
        hf->addWidget(optFormati[i]);
    }
    v->addWidget(formati);

    auto *spiegazione = Ui::label(frame, QStringLiteral("lblSpiegazione"),
                                  QStringLiteral("Una pagina per ogni alunno che ha il testo del quadro, nell'ordine "
                                                 "dell'elenco, stampata come la stampa del singolo quadro."));
    spiegazione->setWordWrap(true);
    v->addWidget(spiegazione);

    auto *pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    cmdAnteprima = Ui::button(frame, QStringLiteral("cmdAnteprima"), QStringLiteral("Anteprima"),
                              QStringLiteral("Guarda le pagine prima di stamparle"));
    cmdStampa = Ui::button(frame, QStringLiteral("cmdStampa"), QStringLiteral("Stampa"),
                           QStringLiteral("Stampa il quadro di tutta la classe"));
    cmdEsci = Ui::button(frame, QStringLiteral("cmdEsci"), QStringLiteral("Esci"), QStringLiteral("Torna a Utilità"));
    for (QPushButton *b : {cmdAnteprima, cmdStampa, cmdEsci}) {
        b->setMinimumSize(110, 32);
        pulsanti->addWidget(b);
    }
    v->addLayout(pulsanti);

    connect(checkFormato, &QPushButton::clicked, this, &frmStampaClasse::checkFormato_Click);
    connect(cmdAnteprima, &QPushButton::clicked, this, &frmStampaClasse::cmdAnteprima_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &frmStampaClasse::cmdStampa_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &frmStampaClasse::cmdEsci_Click);
}

void frmStampaClasse::Form_Load()
{
    // The configuration as saved, as the composition window reads it when it opens.
    Paths::setCurrentFolder(Paths::programFolder());
    ConfigStampa::leggi();
    const QString scelta = cmbClasse->currentText();
    cmbClasse->clear();
    cmbClasse->addItems(Archivio::leggiClassi().classi);
    if (const int i = cmbClasse->findText(scelta); i >= 0)
        cmbClasse->setCurrentIndex(i);
    for (int n = 1; n <= 4; ++n)
        optQuadro[n - 1]->setText(TitoloQuadro(n));
    show();
    raise();
    activateWindow();
}

int frmStampaClasse::quadro() const
{
    for (int i = 0; i < 4; ++i)
        if (optQuadro[i]->isChecked())
            return i + 1;
    return 1;
}

void frmStampaClasse::checkFormato_Click()
{
    const bool usa = checkFormato->isChecked();
    checkFormato->setText(usa ? QStringLiteral("Non usare formato di stampa") : QStringLiteral("Usa formato di stampa"));
    if (!usa) {
        gruppoFormati->setExclusive(false);
        for (QRadioButton *o : optFormati)
            o->setChecked(false);
        gruppoFormati->setExclusive(true);
    }
    for (QRadioButton *o : optFormati)
        o->setVisible(usa);
}

std::optional<frmStampaClasse::Lavoro> frmStampaClasse::prepara()
{
    const QString classe = cmbClasse->currentText();
    if (classe.isEmpty()) {
        Msg::beep();
        Msg::warn(QStringLiteral("Devi scegliere una classe"));
        cmbClasse->setFocus();
        return std::nullopt;
    }
    const int n = quadro();
    // The job the single print of section n would use with the same choices; 4: no format chosen.
    const int formato = gruppoFormati->checkedId();
    const SceltaLavoro::Esito scelta = StampaQuadro::scegli(
        {n, checkFormato->isChecked(), formato < 0 ? 4 : formato, StampaClasse::nomeLavoro(classe, TitoloQuadro(n))});
    if (!scelta.lavoro) {
        StampaQuadro::avvisa(scelta);
        return std::nullopt;
    }
    const LavoroStampa &lavoro = *scelta.lavoro;
    QString errore;
    const auto alunni = TestiClasse::leggi(classe, n, &errore);
    if (!errore.isEmpty()) {
        avvisa(errore, Msg::Exclamation);
        return std::nullopt;
    }
    Lavoro l{lavoro, StampaClasse::pagine(alunni, lavoro, TitoloQuadro(n)), {}};
    if (l.pagine.pagine.isEmpty()) {
        avvisa(QStringLiteral("Nessun alunno della classe %1 ha il testo del quadro %2.").arg(classe, TitoloQuadro(n)));
        return std::nullopt;
    }
    QProgressDialog progresso(QStringLiteral("Preparo le pagine della classe %1…").arg(classe), QStringLiteral("Annulla"),
                              0, int(l.pagine.pagine.size()), this);
    progresso.setWindowTitle(kTitolo);
    progresso.setWindowModality(Qt::WindowModal);
    progresso.setMinimumDuration(300);
    const auto impaginate = Stampa::impaginaPagine(l.pagine.pagine, [&](int i) {
        progresso.setValue(i);
        return !progresso.wasCanceled();
    });
    progresso.setValue(progresso.maximum());
    if (!impaginate)
        return std::nullopt;
    l.impaginate = *impaginate;
    return l;
}

void frmStampaClasse::stampa(const Lavoro &l)
{
    if (Stampa::eseguiPagine(l.lavoro, l.impaginate) && !l.pagine.senzaTesto.isEmpty())
        avvisa(StampaClasse::messaggioSenzaTesto(l.pagine.senzaTesto));
}

void frmStampaClasse::cmdStampa_Click()
{
    if (const auto l = prepara())
        stampa(*l);
}

void frmStampaClasse::cmdAnteprima_Click()
{
    const auto l = prepara();
    if (!l)
        return;
    QPrinter printer(QPrinter::HighResolution);
    Stampa::imposta(printer, l->lavoro);
    QPrintPreviewDialog anteprima(&printer, this);
    anteprima.setObjectName(QStringLiteral("dlgAnteprima"));
    soloVista(anteprima);
    connect(&anteprima, &QPrintPreviewDialog::paintRequested, this,
            [&](QPrinter *p) { Impagina::stampa(*p, l->impaginate); });
    if (QScreen *s = screen())
        anteprima.resize(QSize(900, 720).boundedTo(s->availableGeometry().size() - QSize(40, 80)));
    if (anteprima.exec() == QDialog::Accepted)
        stampa(*l);
}

void frmStampaClasse::cmdEsci_Click()
{
    if (Form *utilita = Forms::get(Finestre::Utilita))
        utilita->Form_Load();
    Forms::unload(Finestre::StampaClasse);
}
