#include "composition/VistaScelta.h"
#include "app/CarQuad.h"
#include "composition/CasellaTesto.h"
#include "composition/Conferme.h"
#include "composition/ListaFrasi.h"
#include "composition/ListaSpunte.h"
#include "composition/SceltaAlunno.h"
#include "composition/UsoFrasi.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "platform/Ui.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace CarQuad;

namespace {
void avvisa(const QString &messaggio)
{
    Msg::beep();
    Msg::box(messaggio, Msg::Ok, Msg::Exclamation, QStringLiteral("Giudizi"));
}
} // namespace

VistaScelta::VistaScelta(SceltaAlunno &alunno, QWidget *parent) : QWidget(parent), m_alunno(alunno)
{
    SSTabGiudizi = new QTabWidget(this);
    SSTabGiudizi->setObjectName(QStringLiteral("SSTabGiudizi"));
    for (int i = 0; i < 4; ++i) {
        lstLista[i] = new ListaSpunte;
        lstLista[i]->setObjectName(QStringLiteral("lstLista%1").arg(i));
        lstLista[i]->setFont(Ui::font(QStringLiteral("Arial"), 10));
        SSTabGiudizi->addTab(lstLista[i], QString());
    }
    cmdOkTestoGiudizio = Ui::button(this, QStringLiteral("cmdOkTestoGiudizio"),
                                    QStringLiteral("V V V V V V   OK  GIUDIZIO   V V V V V V "));
    cmdOkTestoGiudizio->setFont(Ui::font(QStringLiteral("Comic Sans MS"), 11, true));
    txtTesto = new CasellaTesto(this, QStringLiteral("txtTesto"));
    cmdSalvaTesto = Ui::button(this, QStringLiteral("cmdSalvaTesto"), QStringLiteral("Salva modifiche"));
    cmdSalvaTesto->setFont(Ui::font(QStringLiteral("Comic Sans MS"), 10));
    cmdCaricaTesto =
        Ui::button(this, QStringLiteral("cmdCaricaTesto"), QStringLiteral("Vai alla modifica e alla stampa dei giudizi"));
    cmdCaricaTesto->setFont(Ui::font(QStringLiteral("MS Sans Serif"), 9));

    auto *pulsanti = new QHBoxLayout;
    pulsanti->addWidget(cmdSalvaTesto);
    pulsanti->addWidget(cmdCaricaTesto);
    pulsanti->addStretch(1);
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(SSTabGiudizi, 3);
    v->addWidget(cmdOkTestoGiudizio);
    v->addWidget(txtTesto, 2);
    v->addLayout(pulsanti);
    collega();
}

void VistaScelta::collega()
{
    // A click on a tab (taken in the event filter), or reaching the tabs with the keyboard,
    // gives the tab control the focus.
    QTabBar *schede = SSTabGiudizi->tabBar();
    connect(SSTabGiudizi, &QTabWidget::currentChanged, this, [this, schede] {
        if (!m_mostraInCorso && schede->hasFocus())
            emit schedaScelta();
    });
    schede->installEventFilter(this);
    for (int i = 0; i < 4; ++i)
        connect(lstLista[i], &ListaSpunte::clickUtente, this, [this, i] { lstLista_Click(i); });
    connect(cmdOkTestoGiudizio, &QPushButton::clicked, this, &VistaScelta::cmdOKTestoGiudizio_Click);
    connect(txtTesto, &QPlainTextEdit::textChanged, this, &VistaScelta::txtTesto_Change);
    connect(cmdSalvaTesto, &QPushButton::clicked, this, &VistaScelta::cmdSalvaTesto_Click);
    connect(cmdCaricaTesto, &QPushButton::clicked, this, &VistaScelta::modifica);
}

bool VistaScelta::eventFilter(QObject *watched, QEvent *event)
{
    QTabBar *schede = SSTabGiudizi->tabBar();
    if (watched != schede)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int i = schede->tabAt(mouse->position().toPoint());
        if (mouse->button() != Qt::LeftButton || i < 0 || !schede->isEnabled())
            return false;
        // The tab is changed here, so that a section that may not be left keeps its tab in front.
        mostraScheda(i);
        emit schedaScelta();
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            emit schedaScelta();
    }
    return false;
}

void VistaScelta::avvia()
{
    cmdOkTestoGiudizio->setEnabled(false);
    cmdSalvaTesto->setEnabled(false);
    if (ModoPreselezione == 1) {
        cmdCaricaTesto->setEnabled(false);
        cmdCaricaTesto->setVisible(false);
        txtTesto->clear();
    }
}

void VistaScelta::titoli()
{
    for (int i = 0; i < 4; ++i)
        SSTabGiudizi->setTabText(i, TitoloQuadro(i + 1));
}

bool VistaScelta::testoModificato() const
{
    return cmdSalvaTesto->isEnabled();
}

int VistaScelta::schedaCorrente() const
{
    return SSTabGiudizi->currentIndex();
}

void VistaScelta::mostraScheda(int indice)
{
    m_mostraInCorso = true;
    SSTabGiudizi->setCurrentIndex(indice);
    m_mostraInCorso = false;
}

void VistaScelta::svuota()
{
    cmdOkTestoGiudizio->setEnabled(false);
    cmdSalvaTesto->setEnabled(false);
    svuotaListe();
    txtTesto->clear();
    aggiornaTestoModificabile();
}

void VistaScelta::svuotaListe()
{
    for (ListaSpunte *l : lstLista)
        if (l->count() > 0)
            l->svuota();
    m_spunteConfermate.clear();
}

void VistaScelta::svuotaTesto()
{
    txtTesto->clear();
}

void VistaScelta::disattivaOk()
{
    cmdOkTestoGiudizio->setEnabled(false);
}

void VistaScelta::aggiornaTestoModificabile()
{
    txtTesto->setReadOnly(EstensioneQuadro.isEmpty());
}

void VistaScelta::fuocoAllaLista()
{
    lstLista[QuadroCorrente]->setFocus();
}

void VistaScelta::rendiCorrenteCartellaClasse()
{
    Paths::setCurrentFolder(m_alunno.giudizio().cartella());
}

void VistaScelta::MostraQuadro(int n)
{
    if (cmdSalvaTesto->isEnabled() && !DeviSalvareTesto()) {
        // The correction could not be saved: it stays in front, with its section.
        mostraScheda(QuadroCorrente);
        return;
    }
    if (!DeviConfermareSpunte()) {
        mostraScheda(QuadroCorrente);
        return;
    }
    txtTesto->clear();
    QuadroCorrente = n - 1;
    FileFrasi = Paths::inProgram(QStringLiteral("quadro%1.txt").arg(n));
    EstensioneQuadro = QStringLiteral(".q%1").arg(n);
    mostraScheda(QuadroCorrente);
    aggiornaTestoModificabile();
    CompQuadri();
    Evidenzia(Scelta(n) + Preselezione(n));
    m_spunteConfermate = lstLista[QuadroCorrente]->spuntate();
    aggiornaUso();
}

void VistaScelta::aggiornaUso()
{
    ListaSpunte *lista = lstLista[QuadroCorrente];
    const QString classe = m_alunno.giudizio().classe;
    if (ModoPreselezione == 1 || classe.isEmpty()) {
        lista->mostraConteggi({}, 0);
        return;
    }
    const UsoFrasi::Conteggi uso = UsoFrasi::perClasse(classe, QuadroCorrente + 1, lista->count());
    lista->mostraConteggi(uso.perFrase, uso.alunni);
}

void VistaScelta::CompQuadri()
{
    svuotaListe();
    cmdSalvaTesto->setEnabled(false);
    if (ModoModifica == 1)
        return;
    const ListaFrasi::Destinatario per{ModoPreselezione == 1, m_alunno.alunno(), m_alunno.sesso()};
    ListaSpunte *lista = lstLista[QuadroCorrente];
    lista->riempi(ListaFrasi::voci(TextFile::readBytes(FileFrasi).value_or(QByteArray()), per));
    cmdOkTestoGiudizio->setEnabled(true);
    for (int n = 1; n <= 4; ++n)
        Scelta(n).clear();
    if (ModoPreselezione == 0)
        m_alunno.NomeFile();
    else
        FileAlunno = QStringLiteral("Presele");
    Giudizio::leggiScelte(m_alunno.giudizio());
    lista->setFocus();
}

void VistaScelta::Evidenzia(QString selezione)
{
    ListaSpunte *lista = lstLista[QuadroCorrente];
    lista->spunta(Selezione::daTicchettare(selezione, lista->count()));
    lista->scrollToTop();
    lista->setFocus();
}

void VistaScelta::lstLista_Click(int)
{
    // A correction not yet saved is asked about before the text is emptied.
    if (cmdSalvaTesto->isEnabled() && !DeviSalvareTesto())
        return;
    txtTesto->clear();
    cmdOkTestoGiudizio->setEnabled(true);
    cmdSalvaTesto->setEnabled(false);
}

bool VistaScelta::cmdOKTestoGiudizio_Click()
{
    int n = QuadroCorrente + 1;
    for (int k = 1; k <= 4; ++k)
        if (EstensioneQuadro == QStringLiteral(".q%1").arg(k))
            n = k;
    ListaSpunte *lista = lstLista[QuadroCorrente];
    const QList<int> spuntate = lista->spuntate();
    rendiCorrenteCartellaClasse();
    m_alunno.NomeFile();
    Selezione::Righe scelte;
    for (int k = 1; k <= 4; ++k)
        scelte[size_t(k - 1)] = Scelta(k);
    // With nothing ticked the box keeps its text, which a click in the list has emptied.
    const Giudizio::Piano piano = Giudizio::ok(m_alunno.giudizio(), !m_alunno.alunno().isEmpty(), n, lista->voci(),
                                               spuntate, txtTesto->testo(), scelte);
    if (piano.rifiuto == Giudizio::Rifiuto::SenzaAlunno) {
        m_alunno.chiediAlunno();
        return false;
    }
    if (piano.chiediSostituzione && !sostituzioneConfermata(n)) {
        // The stored text and ticks stay as they are; the ticks on screen are no longer pending.
        m_spunteConfermate = spuntate;
        return true;
    }
    Scelta(n) = piano.scelta;
    if (!spuntate.isEmpty())
        txtTesto->setPlainText(piano.testo);
    if (piano.rifiuto == Giudizio::Rifiuto::Caratteri) {
        avvisa(piano.messaggio);
        return false;
    }
    const QList<Giudizio::File> nonScritti = Giudizio::scrivi(piano.file);
    // Ticks stored in the selection file are confirmed, even when the text still waits to be saved.
    if (!nonScritti.contains(piano.file.last())) {
        m_spunteConfermate = spuntate;
        aggiornaUso();
    }
    cmdOkTestoGiudizio->setEnabled(false);
    cmdSalvaTesto->setEnabled(false);
    if (!nonScritti.isEmpty()) {
        // Nothing is taken for saved: OK (and the text's own save) can be tried again.
        cmdOkTestoGiudizio->setEnabled(true);
        cmdSalvaTesto->setEnabled(ModoPreselezione == 0 && nonScritti.contains(piano.file.first()));
        avvisa(Giudizio::nonSalvati(piano, nonScritti));
        return false;
    }
    return true;
}

bool VistaScelta::sostituzioneConfermata(int n)
{
    return Msg::box(QString::fromUtf8("Il testo salvato del quadro %1 è stato corretto a mano. "
                                      "Vuoi sostituirlo con le frasi scelte?")
                        .arg(TitoloQuadro(n)),
                    Msg::YesNo, Msg::Question, QStringLiteral("Attenzione"), Msg::ResNo)
           == Msg::ResYes;
}

bool VistaScelta::DeviConfermareSpunte()
{
    const ListaSpunte *lista = lstLista[QuadroCorrente];
    if (lista->count() == 0 || !Conferme::spunteDaConfermare(m_spunteConfermate, lista->spuntate()))
        return true;
    const Msg::Result r = Msg::box(
        QString::fromUtf8("Le frasi scelte nel quadro %1 non sono state confermate con OK. "
                          "Desideri comporre il testo e salvarlo ?")
            .arg(TitoloQuadro(QuadroCorrente + 1)),
        Msg::YesNoCancel, Msg::Exclamation, QStringLiteral("Salva le modifiche"), Msg::ResYes);
    if (r == Msg::ResYes)
        return cmdOKTestoGiudizio_Click();
    if (r == Msg::ResNo) {
        m_spunteConfermate = lista->spuntate();
        return true;
    }
    return false;
}

void VistaScelta::txtTesto_Change()
{
    if (!txtTesto->document()->isEmpty() && ModoPreselezione == 0)
        cmdSalvaTesto->setEnabled(true);
}

bool VistaScelta::cmdSalvaTesto_Click()
{
    rendiCorrenteCartellaClasse();
    m_alunno.NomeFile();
    const Giudizio::Piano piano =
        Giudizio::testo(m_alunno.giudizio(), !m_alunno.alunno().isEmpty(), EstensioneQuadro, txtTesto->testo());
    if (piano.rifiuto == Giudizio::Rifiuto::SenzaAlunno) {
        m_alunno.chiediAlunno();
        return false;
    }
    if (piano.rifiuto == Giudizio::Rifiuto::Caratteri) {
        avvisa(piano.messaggio);
        return false;
    }
    if (const auto nonScritti = Giudizio::scrivi(piano.file); !nonScritti.isEmpty()) {
        avvisa(Giudizio::nonSalvati(piano, nonScritti));
        cmdSalvaTesto->setEnabled(true);
        return false;
    }
    cmdOkTestoGiudizio->setEnabled(false);
    cmdSalvaTesto->setEnabled(false);
    return true;
}

bool VistaScelta::DeviSalvareTesto()
{
    if (Msg::box(Giudizio::domandaSalvataggio(), Msg::YesNo, Msg::Exclamation, QStringLiteral("Salva le modifiche"),
                 Msg::ResYes)
            == Msg::ResYes
        && !cmdSalvaTesto_Click())
        return false;
    cmdSalvaTesto->setEnabled(false);
    return true;
}
