#include "composition/frmCompila.h"
#include "app/CarQuad.h"
#include "app/ImpostazioniQuaderlo.h"
#include "archive/ElencoAlunni.h"
#include "composition/ComboTendina.h"
#include "composition/EtichettaRighe.h"
#include "composition/ListaSpunte.h"
#include "composition/ParoleNote.h"
#include "composition/TestoQuadro.h"
#include "platform/Msg.h"
#include "platform/Ortografia.h"
#include "platform/SottolineaturaOrtografica.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "printing/StampaQuadro.h"
#include "printing/ConfigStampa.h"
#include "platform/Finestre.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace CarQuad;

namespace {
QPlainTextEdit *casella(QWidget *parent, const QString &name)
{
    auto *t = new QPlainTextEdit(parent);
    t->setObjectName(name);
    t->setFont(Ui::font(QStringLiteral("Arial"), 11));
    t->setTabChangesFocus(true);
    SottolineaturaOrtografica::installa(t);
    return t;
}
} // namespace

frmCompila::frmCompila() : Form(Finestre::Compila)
{
    setWindowTitle(QStringLiteral("Giudizi"));
    resize(Ui::px(14400), Ui::px(10800));
    creaControlli();
    collega();
    setCentredFrames({Frame1});
}

void frmCompila::creaControlli()
{
    Frame1 = Ui::frame(this, QStringLiteral("Frame1"), Ui::twips(600, 600, 13200, 9600));
    const QFont arial = Ui::font(QStringLiteral("Arial"), 10);

    Label5 = Ui::label(Frame1, QStringLiteral("Label5"), QStringLiteral("Classe"));
    cmbClasse = new ComboTendina(Frame1);
    cmbClasse->setObjectName(QStringLiteral("cmbClasse"));
    cmbClasse->setMinimumWidth(160);
    Label7 = Ui::label(Frame1, QStringLiteral("Label7"), QStringLiteral("Alunno"));
    cmbAlunno = new ComboTendina(Frame1);
    cmbAlunno->setObjectName(QStringLiteral("cmbAlunno"));
    cmbAlunno->setMinimumWidth(260);
    Label2 = Ui::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Sesso"));
    Label1 = Ui::label(Frame1, QStringLiteral("Label1"), QString());
    Label1->setMinimumWidth(90);
    for (QWidget *w : QList<QWidget *>{Label5, cmbClasse, Label7, cmbAlunno, Label2, Label1})
        w->setFont(arial);
    Label1->setFont(Ui::font(QStringLiteral("Arial"), 10, true));

    auto *riga = new QHBoxLayout;
    riga->addWidget(Label5);
    riga->addWidget(cmbClasse);
    riga->addSpacing(16);
    riga->addWidget(Label7);
    riga->addWidget(cmbAlunno, 1);
    riga->addSpacing(16);
    riga->addWidget(Label2);
    riga->addWidget(Label1);

    auto *v = new QVBoxLayout(Frame1);
    v->setContentsMargins(12, 10, 12, 10);
    v->addLayout(riga);
    v->addWidget(creaVistaComposizione(), 1);
    v->addWidget(creaVistaModifica(), 1);
    v->addWidget(creaPulsanti());
}

QWidget *frmCompila::creaVistaComposizione()
{
    vistaComposizione = new QWidget(Frame1);
    auto *v = new QVBoxLayout(vistaComposizione);
    v->setContentsMargins(0, 0, 0, 0);
    SSTabGiudizi = new QTabWidget(vistaComposizione);
    SSTabGiudizi->setObjectName(QStringLiteral("SSTabGiudizi"));
    for (int i = 0; i < 4; ++i) {
        lstLista[i] = new ListaSpunte;
        lstLista[i]->setObjectName(QStringLiteral("lstLista%1").arg(i));
        lstLista[i]->setFont(Ui::font(QStringLiteral("Arial"), 10));
        SSTabGiudizi->addTab(lstLista[i], QString());
    }
    cmdOkTestoGiudizio = Ui::button(vistaComposizione, QStringLiteral("cmdOkTestoGiudizio"),
                                    QStringLiteral("V V V V V V   OK  GIUDIZIO   V V V V V V "));
    cmdOkTestoGiudizio->setFont(Ui::font(QStringLiteral("Comic Sans MS"), 11, true));
    txtTesto = casella(vistaComposizione, QStringLiteral("txtTesto"));
    v->addWidget(SSTabGiudizi, 3);
    v->addWidget(cmdOkTestoGiudizio);
    v->addWidget(txtTesto, 2);
    return vistaComposizione;
}

QWidget *frmCompila::creaVistaModifica()
{
    ssTabQuadri = new QTabWidget(Frame1);
    ssTabQuadri->setObjectName(QStringLiteral("ssTabQuadri"));
    const QFont comic = Ui::font(QStringLiteral("Comic Sans MS"), 10);
    for (int i = 0; i < 4; ++i) {
        auto *pagina = new QWidget;
        txtQ[i] = casella(pagina, QStringLiteral("txtQ%1").arg(i + 1));
        cmdAnteprimaQ[i] = Ui::button(pagina, QStringLiteral("cmdAnteprimaQ%1").arg(i + 1),
                                      QStringLiteral("All'anteprima e stampa"));
        cmdStampaCompilaQ[i] = Ui::button(pagina, QStringLiteral("cmdStampaCompilaQ%1").arg(i + 1),
                                          QStringLiteral("Stampa"));
        auto *righe = new EtichettaRighe(i + 1, [this, i] { return StampaQuadro::testoQuadro(this, i + 1); }, pagina);
        connect(txtQ[i], &QPlainTextEdit::textChanged, righe, &EtichettaRighe::pianifica);
        auto *pulsanti = new QHBoxLayout;
        pulsanti->addWidget(righe);
        pulsanti->addStretch(1);
        for (QPushButton *b : {cmdAnteprimaQ[i], cmdStampaCompilaQ[i]}) {
            b->setFont(comic);
            // Printing is connected by the printing subsystem, which then shows the buttons.
            b->setVisible(false);
            pulsanti->addWidget(b);
        }
        auto *v = new QVBoxLayout(pagina);
        v->addWidget(txtQ[i], 1);
        v->addLayout(pulsanti);
        ssTabQuadri->addTab(pagina, QString());
    }
    return ssTabQuadri;
}

QWidget *frmCompila::creaPulsanti()
{
    auto *riga = new QWidget(Frame1);
    const QFont comic = Ui::font(QStringLiteral("Comic Sans MS"), 10);
    const QFont sans = Ui::font(QStringLiteral("MS Sans Serif"), 9);
    cmdSalvaTesto = Ui::button(riga, QStringLiteral("cmdSalvaTesto"), QStringLiteral("Salva modifiche"));
    cmdSalvaTestoModificato =
        Ui::button(riga, QStringLiteral("cmdSalvaTestoModificato"), QStringLiteral("Salva modifiche"));
    cmdCaricaTesto =
        Ui::button(riga, QStringLiteral("cmdCaricaTesto"), QStringLiteral("Vai alla modifica e alla stampa dei giudizi"));
    cmdFineStampa =
        Ui::button(riga, QStringLiteral("cmdFineStampa"), QStringLiteral("Vai alla compilazione dei giudizi"));
    cmdFineLavoro = Ui::button(riga, QStringLiteral("cmdFineLavoro"), QStringLiteral("Esci dal modulo Giudizi"));
    for (QPushButton *b : {cmdSalvaTesto, cmdSalvaTestoModificato, cmdFineLavoro})
        b->setFont(comic);
    for (QPushButton *b : {cmdCaricaTesto, cmdFineStampa})
        b->setFont(sans);
    auto *h = new QHBoxLayout(riga);
    h->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *b : {cmdSalvaTesto, cmdSalvaTestoModificato, cmdCaricaTesto, cmdFineStampa})
        h->addWidget(b);
    h->addStretch(1);
    h->addWidget(cmdFineLavoro);
    return riga;
}

void frmCompila::collega()
{
    cmbClasse->dropDown = [this] { return cmbClasse_DropDown(); };
    cmbAlunno->dropDown = [this] { return cmbAlunno_DropDown(); };
    connect(cmbClasse, &ComboTendina::gotFocus, this, &frmCompila::cmbClasse_GotFocus);
    connect(cmbClasse, &QComboBox::activated, this, &frmCompila::cmbClasse_Click);
    connect(cmbClasse, &ComboTendina::lostFocus, this, &frmCompila::cmbClasse_LostFocus);
    connect(cmbAlunno, &QComboBox::activated, this, &frmCompila::cmbAlunno_Click);
    connect(cmbAlunno, &ComboTendina::lostFocus, this, &frmCompila::cmbAlunno_LostFocus);

    // A click on a tab (taken in the event filter), or reaching the tabs with the keyboard,
    // gives the tab control the focus.
    QTabBar *schede = SSTabGiudizi->tabBar();
    connect(SSTabGiudizi, &QTabWidget::currentChanged, this, [this, schede] {
        if (!m_mostraInCorso && schede->hasFocus())
            ssTabGiudizi_GotFocus();
    });
    schede->installEventFilter(this);

    for (int i = 0; i < 4; ++i) {
        connect(lstLista[i], &ListaSpunte::clickUtente, this, [this, i] { lstLista_Click(i); });
        connect(txtQ[i], &QPlainTextEdit::textChanged, this, [this, i] { txtQ_Change(i + 1); });
    }
    connect(cmdOkTestoGiudizio, &QPushButton::clicked, this, &frmCompila::cmdOKTestoGiudizio_Click);
    connect(txtTesto, &QPlainTextEdit::textChanged, this, &frmCompila::txtTesto_Change);
    connect(cmdSalvaTesto, &QPushButton::clicked, this, &frmCompila::cmdSalvaTesto_Click);
    connect(cmdCaricaTesto, &QPushButton::clicked, this, &frmCompila::cmdCaricaTesto_Click);
    connect(cmdSalvaTestoModificato, &QPushButton::clicked, this, &frmCompila::cmdSalvaTestoModificato_Click);
    connect(cmdFineStampa, &QPushButton::clicked, this, &frmCompila::cmdFineStampa_Click);
    connect(cmdFineLavoro, &QPushButton::clicked, this, &frmCompila::cmdFineLavoro_Click);
    StampaQuadro::collega(this);
}

bool frmCompila::eventFilter(QObject *watched, QEvent *event)
{
    QTabBar *schede = SSTabGiudizi->tabBar();
    if (watched != schede)
        return Form::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int i = schede->tabAt(mouse->position().toPoint());
        if (mouse->button() != Qt::LeftButton || i < 0 || !schede->isEnabled())
            return false;
        // The tab is changed here, so that a section that may not be left keeps its tab in front.
        mostraScheda(i);
        ssTabGiudizi_GotFocus();
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            ssTabGiudizi_GotFocus();
    }
    return false;
}

void frmCompila::Form_Load()
{
    UsaFormato = 0;
    show();
    mostraVista(false);
    cmdOkTestoGiudizio->setEnabled(false);
    cmdSalvaTesto->setEnabled(false);
    cmdSalvaTestoModificato->setEnabled(false);
    cmdFineStampa->setEnabled(false);
    if (ModoPreselezione == 1) {
        cmbClasse->setEnabled(false);
        cmbAlunno->setEnabled(false);
        cmdCaricaTesto->setEnabled(false);
        cmdCaricaTesto->setVisible(false);
        txtTesto->clear();
    }
    ModoModifica = 0;
    for (int n = 1; n <= 4; ++n)
        Preselezione(n).clear();
    RicaricaClassi = true;

    if (!Paths::setCurrentFolder(Paths::programFolder())) {
        Msg::box(QStringLiteral("Il programma e tutti i suoi componenti devono trovarsi nella stessa directory."),
                 Msg::Ok, Msg::Information);
        Forms::endProgram();
        return;
    }
    ConfigStampa::leggi();
    leggiPreselezione();
    if (ModoPreselezione == 0)
        daiFuoco(cmbClasse);
    for (int i = 0; i < 4; ++i) {
        ssTabQuadri->setTabText(i, TitoloQuadro(i + 1));
        SSTabGiudizi->setTabText(i, TitoloQuadro(i + 1));
    }
    aggiornaTestoModificabile();
    preparaOrtografia();
}

void frmCompila::preparaOrtografia()
{
    SottolineaturaOrtografica::setAttiva(ImpostazioniQuaderlo::controlloOrtografico());
    const QString classe = cmbClasse->currentText();
    const QString alunni =
        classe.isEmpty() ? QString() : Paths::resolve(cartellaClasse(), Archivio::nomeFileAlunni(classe));
    if (Ortografia::comune().impostaNote(ParoleNote::leggi(alunni)))
        SottolineaturaOrtografica::aggiornaTutte();
}

void frmCompila::daiFuoco(QWidget *w)
{
    const bool giaSuQuesto = focusWidget() == w;
    w->setFocus(Qt::OtherFocusReason);
    // The program's own focus raises the same event as the user's, once.
    if (!giaSuQuesto && w == cmbClasse)
        cmbClasse_GotFocus();
}

void frmCompila::mostraVista(bool modifica)
{
    SSTabGiudizi->setVisible(!modifica);
    cmdOkTestoGiudizio->setVisible(!modifica);
    txtTesto->setVisible(!modifica);
    vistaComposizione->setVisible(!modifica);
    ssTabQuadri->setVisible(modifica);
    for (QPlainTextEdit *t : txtQ)
        t->setVisible(modifica);
    cmdSalvaTesto->setVisible(!modifica);
    cmdCaricaTesto->setVisible(!modifica && ModoPreselezione == 0);
    cmdSalvaTestoModificato->setVisible(modifica);
    cmdFineStampa->setVisible(modifica);
    cmdFineLavoro->setVisible(true);
    if (!modifica)
        coloraTesti(0);
    ModoModifica = modifica ? 1 : 0;
}

void frmCompila::cmdFineLavoro_Click()
{
    if (!salvaSeServe())
        return;
    ModoPreselezione = 0;
    if (Form *menu = Forms::get(Finestre::Menu)) {
        menu->show();
        menu->setEnabled(true);
    }
    Forms::unload(Finestre::Compila);
    Forms::unload(Finestre::Anteprima);
}

QString frmCompila::testoQuadro(int n) const
{
    if (n < 1 || n > 4)
        return QString();
    return TestoQuadro::conCrLf(testoDi(txtQ[n - 1]));
}

void frmCompila::coloraTesti(int quadroBlu)
{
    for (int i = 0; i < 4; ++i) {
        QPalette p = txtQ[i]->palette();
        p.setColor(QPalette::Text, i + 1 == quadroBlu ? QColor(0, 0, 192) : QColor(Qt::black));
        txtQ[i]->setPalette(p);
    }
}

QPushButton *frmCompila::cmdAnteprima(int n) const
{
    return (n >= 1 && n <= 4) ? cmdAnteprimaQ[n - 1] : nullptr;
}

QPushButton *frmCompila::cmdStampaCompila(int n) const
{
    return (n >= 1 && n <= 4) ? cmdStampaCompilaQ[n - 1] : nullptr;
}


QString frmCompila::testoDi(const QPlainTextEdit *box)
{
    // toPlainText() would turn non-breaking spaces into blanks.
    QString t = box->document()->toRawText();
    for (QChar &c : t)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    return t;
}
