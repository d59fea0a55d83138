#include "printing/frmAnteprima.h"
#include "app/CarQuad.h"
#include "platform/Ui.h"
#include "printing/Lunghezza.h"
#include "printing/Stampa.h"
#include "printing/StampaQuadro.h"
#include "platform/Finestre.h"
#include "platform/Clessidra.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

using namespace CarQuad;

namespace {
// Screen millimetres: 1 mm = 56.69 twips, 15 twips to a pixel.
constexpr double kPxPerMm = 96.0 / 25.4;

QFrame *linea(QWidget *parent, const QString &name, const QRect &r, const QColor &colore)
{
    auto *l = new QFrame(parent);
    l->setObjectName(name);
    l->setGeometry(r);
    Ui::setBackground(l, colore);
    return l;
}
} // namespace

frmAnteprima::frmAnteprima() : Form(Finestre::Anteprima)
{
    setWindowTitle(QStringLiteral("Anteprima"));
    setEscapeCloses(true);
    Ui::setBackground(this, Qt::white);
    setFixedSize(Ui::px(11910), Ui::px(8520));
    creaFoglio();
    creaComandi();
    // Form_Load: formats follow UsaFormato, no format chosen yet.
    const bool usaFormato = UsaFormato != 0;
    checkFormato->setChecked(usaFormato);
    checkFormato->setText(usaFormato ? QStringLiteral("Non usare formato di stampa")
                                     : QStringLiteral("Usa formato di stampa"));
    for (QRadioButton *o : optFormati)
        o->setVisible(usaFormato);
    FormatoScelto = 4;
}

void frmAnteprima::creaFoglio()
{
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setFrameShadow(QFrame::Plain);
    Shape1->setGeometry(Ui::twips(1920, 840, 7935, 5655));
    const QColor blu(0, 0, 192);
    linea(this, QStringLiteral("Line3"), QRect(Ui::px(5880), Ui::px(840), 1, Ui::px(6480 - 840)), QColor(224, 224, 224));
    linea(this, QStringLiteral("Line2"), QRect(Ui::px(9840) - 1, Ui::px(840), 3, Ui::px(6480 - 840)), blu);
    linea(this, QStringLiteral("Line1"), QRect(Ui::px(1920), Ui::px(6480) - 1, Ui::px(9840 - 1920), 3), blu);
}

void frmAnteprima::creaComandi()
{
    const QFont comic = Ui::font(QStringLiteral("Comic Sans MS"), 10);
    checkFormato = Ui::button(this, QStringLiteral("checkFormato"), QStringLiteral("Usa formato di stampa"));
    checkFormato->setCheckable(true);
    checkFormato->setGeometry(Ui::twips(480, 6960, 3000, 570));
    connect(checkFormato, &QPushButton::clicked, this, &frmAnteprima::checkFormato_Click);

    gruppoFormati = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        optFormati[i] = new QRadioButton(QStringLiteral("Formato %1").arg(i + 1), this);
        optFormati[i]->setObjectName(QStringLiteral("optFormati%1").arg(i));
        optFormati[i]->setGeometry(Ui::twips(3720 + i * 1320, 7020, 1300, 450));
        gruppoFormati->addButton(optFormati[i], i);
        connect(optFormati[i], &QRadioButton::clicked, this, [this, i] { optFormati_Click(i); });
    }
    for (int n = 1; n <= 4; ++n) {
        QPushButton *b = Ui::button(this, QStringLiteral("cmdStampaQ%1").arg(n), QStringLiteral("Stampa"));
        b->setGeometry(Ui::twips(9120, 6960, 1200, 570));
        b->setFont(comic);
        b->setVisible(n == 1);
        connect(b, &QPushButton::clicked, this, [this, n] { cmdStampaQ_Click(n); });
        cmdStampaQ[n - 1] = b;
    }
    cmdEsciAnteprima = Ui::button(this, QStringLiteral("cmdEsciAnteprima"), QStringLiteral("Esci"));
    cmdEsciAnteprima->setGeometry(Ui::twips(10440, 6960, 1200, 570));
    cmdEsciAnteprima->setFont(comic);
    connect(cmdEsciAnteprima, &QPushButton::clicked, this, &frmAnteprima::cmdEsciAnteprima_Click);
    lblRighe = Ui::label(this, QStringLiteral("lblRighe"), QString());
    lblRighe->setGeometry(Ui::twips(1920, 6540, 7935, 330));
    lblRighe->setFont(Ui::font(QStringLiteral("Arial"), 9));
}

void frmAnteprima::AnteprimaQuadro(int n, const QString &testo, const QString &nome)
{
    QuadroAnteprima = n;
    mostraPulsanteStampa(n);
    if (const auto margine = LavoroStampa::margineSuperiore(n))
        MargineSuperioreStampa = *margine;
    m_testo = testo;
    m_nome = nome;
    TestoStampa = testo;
    AnteprimaStampa(TestoStampa);
    setWindowTitle(nome);
}

void frmAnteprima::mostraPulsanteStampa(int n)
{
    for (int i = 1; i <= 4; ++i)
        cmdStampaQ[i - 1]->setVisible(i == n);
}

QList<Scritta> frmAnteprima::disegno() const
{
    QList<Scritta> d;
    for (const Impaginazione &i : m_disegni)
        d += Impagina::inAnteprima(i);
    return d;
}

void frmAnteprima::cancellaDisegno()
{
    m_disegni.clear();
    update();
}

SceltaLavoro::Esito frmAnteprima::lavoro(int n) const
{
    return StampaQuadro::scegli({n, checkFormato->isChecked(), FormatoScelto, m_nome});
}

void frmAnteprima::AnteprimaStampa(QString &testo)
{
    show();
    const auto l = lavoro(QuadroAnteprima);
    lblRighe->clear();
    if (!l.lavoro) {
        StampaQuadro::avvisa(l);
        return;
    }
    Clessidra clessidra;
    lblRighe->setText(Lunghezze::descrizione(Lunghezze::misura(*l.lavoro, testo)));
    m_disegni.append(Stampa::impagina(*l.lavoro, testo));
    update();
}

void frmAnteprima::ridisegna()
{
    cancellaDisegno();
    AnteprimaQuadro(QuadroAnteprima, m_testo, m_nome);
}

void frmAnteprima::checkFormato_Click()
{
    UsaFormato = checkFormato->isChecked() ? 1 : 0;
    if (UsaFormato == 1) {
        for (QRadioButton *o : optFormati)
            o->setVisible(true);
        checkFormato->setText(QStringLiteral("Non usare formato di stampa"));
        return;
    }
    FormatoScelto = 4;
    gruppoFormati->setExclusive(false);
    for (QRadioButton *o : optFormati) {
        o->setChecked(false);
        o->setVisible(false);
    }
    gruppoFormati->setExclusive(true);
    checkFormato->setText(QStringLiteral("Usa formato di stampa"));
    ridisegna();
}

void frmAnteprima::optFormati_Click(int index)
{
    FormatoScelto = index;
    ridisegna();
}

void frmAnteprima::cmdStampaQ_Click(int n)
{
    if (const auto margine = LavoroStampa::margineSuperiore(n))
        MargineSuperioreStampa = *margine;
    TestoStampa = m_testo;
    const SceltaLavoro::Esito esito = lavoro(n);
    if (esito.rifiuto == SceltaLavoro::Rifiuto::SceltaFormato) {
        // The preview stays open for a format to be chosen.
        StampaQuadro::avvisa(esito);
        return;
    }
    StampaQuadro::StampaABlocchetto(esito, TestoStampa);
    cmdEsciAnteprima_Click();
    emit stampato(n);
}

void frmAnteprima::cmdEsciAnteprima_Click()
{
    emit uscita();
    hide();
}

void frmAnteprima::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const Impaginazione &i : m_disegni)
        Impagina::disegnaAnteprima(p, i, kPxPerMm);
}
