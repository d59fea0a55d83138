#include "composition/VistaModifica.h"
#include "app/CarQuad.h"
#include "composition/CasellaTesto.h"
#include "composition/EtichettaRighe.h"
#include "composition/SceltaAlunno.h"
#include "composition/TestoQuadro.h"
#include "platform/Finestre.h"
#include "platform/Form.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "printing/StampaQuadro.h"
#include "printing/frmAnteprima.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace CarQuad;

VistaModifica::VistaModifica(SceltaAlunno &alunno, QWidget *parent) : QWidget(parent), m_alunno(alunno)
{
    ssTabQuadri = new QTabWidget(this);
    ssTabQuadri->setObjectName(QStringLiteral("ssTabQuadri"));
    for (int i = 0; i < 4; ++i)
        ssTabQuadri->addTab(pagina(i), QString());
    cmdSalvaTestoModificato =
        Ui::button(this, QStringLiteral("cmdSalvaTestoModificato"), QStringLiteral("Salva modifiche"));
    cmdSalvaTestoModificato->setFont(Ui::font(QStringLiteral("Comic Sans MS"), 10));
    cmdFineStampa =
        Ui::button(this, QStringLiteral("cmdFineStampa"), QStringLiteral("Vai alla compilazione dei giudizi"));
    cmdFineStampa->setFont(Ui::font(QStringLiteral("MS Sans Serif"), 9));
    auto *pulsanti = new QHBoxLayout;
    pulsanti->addWidget(cmdSalvaTestoModificato);
    pulsanti->addWidget(cmdFineStampa);
    pulsanti->addStretch(1);
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(ssTabQuadri, 1);
    v->addLayout(pulsanti);
    connect(cmdSalvaTestoModificato, &QPushButton::clicked, this, &VistaModifica::cmdSalvaTestoModificato_Click);
    connect(cmdFineStampa, &QPushButton::clicked, this, &VistaModifica::composizione);
}

QWidget *VistaModifica::pagina(int i)
{
    auto *p = new QWidget;
    const int n = i + 1;
    txtQ[i] = new CasellaTesto(p, QStringLiteral("txtQ%1").arg(n));
    cmdAnteprimaQ[i] = Ui::button(p, QStringLiteral("cmdAnteprimaQ%1").arg(n), QStringLiteral("All'anteprima e stampa"));
    cmdStampaCompilaQ[i] = Ui::button(p, QStringLiteral("cmdStampaCompilaQ%1").arg(n), QStringLiteral("Stampa"));
    auto *righe = new EtichettaRighe(n, [this, n] { return testoQuadro(n); }, p);
    connect(txtQ[i], &QPlainTextEdit::textChanged, righe, &EtichettaRighe::pianifica);
    auto *pulsanti = new QHBoxLayout;
    pulsanti->addWidget(righe);
    pulsanti->addStretch(1);
    for (QPushButton *b : {cmdAnteprimaQ[i], cmdStampaCompilaQ[i]}) {
        b->setFont(Ui::font(QStringLiteral("Comic Sans MS"), 10));
        pulsanti->addWidget(b);
    }
    auto *v = new QVBoxLayout(p);
    v->addWidget(txtQ[i], 1);
    v->addLayout(pulsanti);
    connect(txtQ[i], &QPlainTextEdit::textChanged, this, [this, n] { txtQ_Change(n); });
    connect(cmdAnteprimaQ[i], &QPushButton::clicked, this, [this, n] { cmdAnteprimaQ_Click(n); });
    connect(cmdStampaCompilaQ[i], &QPushButton::clicked, this, [this, n] { cmdStampaCompilaQ_Click(n); });
    return p;
}

void VistaModifica::avvia()
{
    cmdSalvaTestoModificato->setEnabled(false);
    cmdFineStampa->setEnabled(false);
}

void VistaModifica::titoli()
{
    for (int i = 0; i < 4; ++i)
        ssTabQuadri->setTabText(i, TitoloQuadro(i + 1));
}

void VistaModifica::carica()
{
    cmdFineStampa->setEnabled(true);
    const Giudizio::Alunno a = m_alunno.giudizio();
    for (int i = 0; i < 4; ++i) {
        txtQ[i]->clear();
        const QString path = a.file(QStringLiteral(".q%1").arg(i + 1));
        if (!path.isEmpty())
            txtQ[i]->setPlainText(TestoQuadro::leggi(path));
    }
    cmdSalvaTestoModificato->setEnabled(false);
}

void VistaModifica::svuota()
{
    for (CasellaTesto *t : txtQ)
        t->clear();
}

bool VistaModifica::testoModificato() const
{
    return cmdSalvaTestoModificato->isEnabled();
}

int VistaModifica::schedaCorrente() const
{
    return ssTabQuadri->currentIndex();
}

void VistaModifica::mostraScheda(int indice)
{
    ssTabQuadri->setCurrentIndex(indice);
}

void VistaModifica::txtQ_Change(int n)
{
    if (!txtQ[n - 1]->document()->isEmpty())
        cmdSalvaTestoModificato->setEnabled(true);
}

bool VistaModifica::cmdSalvaTestoModificato_Click()
{
    if (m_alunno.alunno().isEmpty()) {
        m_alunno.chiediAlunno();
        return false;
    }
    return SalvaModifiche();
}

bool VistaModifica::SalvaModifiche()
{
    const Giudizio::Alunno a = m_alunno.giudizio();
    Paths::setCurrentFolder(a.cartella());
    QStringList testi, titoli;
    for (int n = 1; n <= 4; ++n) {
        testi << txtQ[n - 1]->testo();
        titoli << TitoloQuadro(n);
    }
    const Giudizio::Piano piano = Giudizio::quadri(a, testi, titoli);
    if (piano.rifiuto == Giudizio::Rifiuto::Caratteri) {
        Msg::beep();
        Msg::box(piano.messaggio, Msg::Ok, Msg::Exclamation, QStringLiteral("Giudizi"));
        return false;
    }
    const QList<Giudizio::File> nonScritti = Giudizio::scrivi(piano.file);
    cmdFineStampa->setFocus();
    if (!nonScritti.isEmpty()) {
        Msg::beep();
        Msg::box(Giudizio::nonSalvati(piano, nonScritti), Msg::Ok, Msg::Exclamation, QStringLiteral("Giudizi"));
        cmdSalvaTestoModificato->setEnabled(true);
        return false;
    }
    cmdSalvaTestoModificato->setEnabled(false);
    return true;
}

bool VistaModifica::DeviSalvareTestoModificato()
{
    if (Msg::box(Giudizio::domandaSalvataggio(), Msg::YesNo, Msg::Exclamation, QStringLiteral("Salva le modifiche"),
                 Msg::ResYes)
            == Msg::ResYes
        && !cmdSalvaTestoModificato_Click())
        return false;
    cmdSalvaTestoModificato->setEnabled(false);
    return true;
}

QString VistaModifica::testoQuadro(int n) const
{
    // Loading drops the final CR LF that saving adds; the block layout needs it, so that the
    // last line is not stretched.
    return TestoQuadro::conCrLf(txtQ[n - 1]->testo()) + QStringLiteral("\r\n");
}

QString VistaModifica::nomeDocumento(int n) const
{
    return FileAlunno + QStringLiteral(" - ") + TitoloQuadro(n);
}

void VistaModifica::coloraTesti(int quadroBlu)
{
    for (int i = 0; i < 4; ++i) {
        QPalette p = txtQ[i]->palette();
        p.setColor(QPalette::Text, i + 1 == quadroBlu ? QColor(0, 0, 192) : QColor(Qt::black));
        txtQ[i]->setPalette(p);
    }
}

void VistaModifica::cmdStampaCompilaQ_Click(int n)
{
    TestoStampa = testoQuadro(n);
    StampaQuadro::StampaABlocchettoCompila(n, TestoStampa, nomeDocumento(n));
    coloraTesti(n);
}

void VistaModifica::cmdAnteprimaQ_Click(int n)
{
    auto *anteprima = Forms::get<frmAnteprima>(Finestre::Anteprima);
    if (!anteprima)
        return;
    // The preview hands the window back after "Esci" or a print, and tells which section was printed.
    connect(anteprima, &frmAnteprima::uscita, window(), &QWidget::show, Qt::UniqueConnection);
    connect(anteprima, &frmAnteprima::stampato, this, &VistaModifica::coloraTesti, Qt::UniqueConnection);
    window()->hide();
    anteprima->AnteprimaQuadro(n, testoQuadro(n), nomeDocumento(n));
}
