#include "utilities/frmFrasi.h"
#include "app/CarQuad.h"
#include "archive/Archivio.h"
#include "archive/ElencoAlunni.h"
#include "archive/ElencoClassi.h"
#include "composition/ListaFrasi.h"
#include "platform/Finestre.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "platform/Ui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

using FileFrasi::Parti;

namespace {
const QString kTitolo = QStringLiteral("Frasi dei quadri");

QString fileQuadro(int n) { return Paths::inProgram(QStringLiteral("quadro%1.txt").arg(n)); }

// Control characters made visible, for the lines kept as they are.
QString visibile(QString s)
{
    for (QChar &c : s)
        if (c.unicode() < 0x20)
            c = QChar(0x2400 + c.unicode());
        else if (c.unicode() >= 0x7f && c.unicode() <= 0x9f)
            c = QChar(0xFFFD);
    return s;
}

// The class the program last worked on: the one of the pupil list file in use.
QString classeInUso()
{
    const QString nome = QFileInfo(QString(CarQuad::FileAlunni).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
    return nome.startsWith(QLatin1String("ALUNNI."), Qt::CaseInsensitive) ? nome.mid(7) : QString();
}

QPushButton *pulsante(QWidget *parent, const char *name, const char *caption)
{
    auto *b = Ui::button(parent, QLatin1String(name), QString::fromUtf8(caption));
    b->setMinimumHeight(30);
    return b;
}
} // namespace

frmFrasi::frmFrasi() : Form(Finestre::Frasi)
{
    setWindowTitle(kTitolo);
    setEscapeCloses(true);
    Ui::setBackground(this, Ui::kAzzurro);
    resize(1000, 660);
    FrameFrasi = Ui::frame(this, QStringLiteral("FrameFrasi"), QRect(12, 12, 976, 636));
    FrameFrasi->setFrameShadow(QFrame::Raised);
    FrameFrasi->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(FrameFrasi);

    tabFrasi = new QTabWidget(FrameFrasi);
    tabFrasi->setObjectName(QStringLiteral("tabFrasi"));
    for (int n = 1; n <= 4; ++n)
        tabFrasi->addTab(creaTabella(n), QString());
    layout->addWidget(tabFrasi, 1);
    lblCoda = Ui::label(FrameFrasi, QStringLiteral("lblCoda"),
                        QStringLiteral("Il file termina con un testo senza a capo, che non è una voce: resta com'è."));
    layout->addWidget(lblCoda);

    auto *anteprima = new QGroupBox(QStringLiteral("Come si leggerà la voce scelta"), FrameFrasi);
    auto *griglia = new QGridLayout(anteprima);
    cmbClasse = new QComboBox(anteprima);
    cmbClasse->setObjectName(QStringLiteral("cmbClasse"));
    cmbClasse->setMinimumWidth(160);
    griglia->addWidget(new QLabel(QStringLiteral("Classe:"), anteprima), 0, 0);
    griglia->addWidget(cmbClasse, 0, 1, Qt::AlignLeft);
    lblAlunna = Ui::label(anteprima, QStringLiteral("lblAlunna"), QString());
    lblAlunno = Ui::label(anteprima, QStringLiteral("lblAlunno"), QString());
    for (QLabel *l : {lblAlunna, lblAlunno}) {
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
    }
    griglia->addWidget(lblAlunna, 1, 0, 1, 3);
    griglia->addWidget(lblAlunno, 2, 0, 1, 3);
    griglia->setColumnStretch(2, 1);
    layout->addWidget(anteprima);

    auto *voce = new QGroupBox(QStringLiteral("Voce"), FrameFrasi);
    auto *campi = new QGridLayout(voce);
    txtTesta = new QLineEdit(voce);
    txtTesta->setObjectName(QStringLiteral("txtTesta"));
    chkACapo = new QCheckBox(QStringLiteral("A capo «<»"), voce);
    chkACapo->setObjectName(QStringLiteral("chkACapo"));
    chkACapo->setToolTip(QStringLiteral("La frase comincia su una riga nuova del giudizio"));
    txtFrase = new QLineEdit(voce);
    txtFrase->setObjectName(QStringLiteral("txtFrase"));
    campi->addWidget(new QLabel(QStringLiteral("Testa:"), voce), 0, 0);
    campi->addWidget(txtTesta, 0, 1);
    campi->addWidget(chkACapo, 0, 2);
    campi->addWidget(new QLabel(QStringLiteral("Frase:"), voce), 1, 0);
    campi->addWidget(txtFrase, 1, 1, 1, 2);
    campi->setColumnStretch(1, 1);
    layout->addWidget(voce);

    auto *pulsanti = new QHBoxLayout;
    cmdModificaVoce = pulsante(FrameFrasi, "cmdModificaVoce", "Modifica la voce");
    cmdAggiungi = pulsante(FrameFrasi, "cmdAggiungi", "Aggiungi in fondo");
    cmdElimina = pulsante(FrameFrasi, "cmdElimina", "Elimina la voce");
    cmdSposta = pulsante(FrameFrasi, "cmdSposta", "Sposta la voce…");
    cmdSalva = pulsante(FrameFrasi, "cmdSalva", "Salva");
    cmdEsci = pulsante(FrameFrasi, "cmdEsci", "Esci");
    for (QPushButton *b : {cmdModificaVoce, cmdAggiungi, cmdElimina, cmdSposta})
        pulsanti->addWidget(b);
    pulsanti->addStretch(1);
    pulsanti->addWidget(cmdSalva);
    pulsanti->addWidget(cmdEsci);
    layout->addLayout(pulsanti);

    connect(cmdModificaVoce, &QPushButton::clicked, this, &frmFrasi::cmdModificaVoce_Click);
    connect(cmdAggiungi, &QPushButton::clicked, this, &frmFrasi::cmdAggiungi_Click);
    connect(cmdElimina, &QPushButton::clicked, this, &frmFrasi::cmdElimina_Click);
    connect(cmdSposta, &QPushButton::clicked, this, &frmFrasi::cmdSposta_Click);
    connect(cmdSalva, &QPushButton::clicked, this, &frmFrasi::cmdSalva_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &frmFrasi::cmdEsci_Click);
    connect(tabFrasi, &QTabWidget::currentChanged, this, [this] { rigaCorrente() < 0 ? scegliRiga(0) : rigaScelta(); });
    connect(cmbClasse, &QComboBox::currentIndexChanged, this, &frmFrasi::sceltaClasse);
    connect(txtTesta, &QLineEdit::textChanged, this, &frmFrasi::aggiornaAnteprima);
    connect(txtFrase, &QLineEdit::textChanged, this, &frmFrasi::aggiornaAnteprima);
    connect(chkACapo, &QCheckBox::toggled, this, &frmFrasi::aggiornaAnteprima);
    setCentredFrames({FrameFrasi});
}

QTableWidget *frmFrasi::creaTabella(int n)
{
    auto *t = new QTableWidget(0, 3);
    t->setObjectName(QStringLiteral("tblFrasi%1").arg(n));
    t->setHorizontalHeaderLabels({QStringLiteral("Testa"), QStringLiteral("<"), QStringLiteral("Frase")});
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setWordWrap(false);
    t->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    t->setColumnWidth(0, 150);
    t->setColumnWidth(1, 28);
    t->verticalHeader()->setDefaultSectionSize(22);
    m_sezioni[n - 1].tabella = t;
    connect(t, &QTableWidget::itemSelectionChanged, this, &frmFrasi::rigaScelta);
    return t;
}

void frmFrasi::Form_Load()
{
    FileFrasi::riprendi();
    for (int n = 1; n <= 4; ++n) {
        Sezione &s = m_sezioni[n - 1];
        s.letto = TextFile::readBytes(fileQuadro(n)).value_or(QByteArray());
        s.contenuto = FileFrasi::leggi(s.letto);
        tabFrasi->setTabText(n - 1, CarQuad::TitoloQuadro(n));
    }
    const QStringList classi = Archivio::leggiClassi().classi;
    {
        const QSignalBlocker blocco(cmbClasse);
        cmbClasse->clear();
        cmbClasse->addItems(classi);
        const int inUso = int(classi.indexOf(classeInUso()));
        cmbClasse->setCurrentIndex(inUso >= 0 ? inUso : (classi.isEmpty() ? -1 : 0));
    }
    sceltaClasse();
    riempiTabella();
    show();
    raise();
    activateWindow();
    corrente().tabella->setFocus();
}

frmFrasi::Sezione &frmFrasi::corrente()
{
    return m_sezioni[qBound(0, tabFrasi->currentIndex(), 3)];
}

int frmFrasi::rigaCorrente() const
{
    const QTableWidget *t = m_sezioni[qBound(0, tabFrasi->currentIndex(), 3)].tabella;
    const QList<QTableWidgetItem *> scelti = t->selectedItems();
    return scelti.isEmpty() ? -1 : scelti.first()->row();
}

void frmFrasi::riempiTabella()
{
    for (Sezione &s : m_sezioni) {
        const QSignalBlocker blocco(s.tabella);
        s.tabella->setRowCount(s.contenuto.voci());
        QStringList numeri;
        for (int i = 0; i < s.contenuto.voci(); ++i)
            numeri << QString::number(i);
        s.tabella->setVerticalHeaderLabels(numeri);
    }
    for (Sezione &s : m_sezioni)
        for (int i = 0; i < s.contenuto.voci(); ++i)
            mostraRiga(s, i);
    scegliRiga(0);
}

// Shows an entry of a section in its table row.
void frmFrasi::mostraRiga(Sezione &s, int riga)
{
    const bool mostrabile = s.contenuto.mostrabile(riga);
    const Parti p = FileFrasi::parti(s.contenuto.voce(riga));
    const QStringList celle = mostrabile ? QStringList{p.testa, p.aCapo ? QStringLiteral("<") : QString(), p.frase}
                                         : QStringList{QString(), QString(), visibile(s.contenuto.voce(riga))};
    for (int c = 0; c < 3; ++c) {
        auto *item = new QTableWidgetItem(celle[c]);
        if (!mostrabile) {
            item->setForeground(Qt::darkGray);
            item->setToolTip(QStringLiteral("Riga conservata com'è: contiene caratteri che l'editor non mostra."));
        }
        s.tabella->setItem(riga, c, item);
    }
}

void frmFrasi::scegliRiga(int riga)
{
    QTableWidget *t = corrente().tabella;
    if (riga >= 0 && riga < t->rowCount()) {
        t->selectRow(riga);
        t->scrollToItem(t->item(riga, 0));
    }
    rigaScelta();
}

void frmFrasi::rigaScelta()
{
    const int riga = rigaCorrente();
    const Sezione &s = corrente();
    const bool mostrabile = riga >= 0 && s.contenuto.mostrabile(riga);
    const Parti p = mostrabile ? FileFrasi::parti(s.contenuto.voce(riga)) : Parti();
    const QSignalBlocker b1(txtTesta), b2(txtFrase), b3(chkACapo);
    txtTesta->setText(p.testa);
    chkACapo->setChecked(p.aCapo);
    txtFrase->setText(p.frase);
    lblCoda->setVisible(!s.contenuto.coda.isEmpty());
    aggiornaAnteprima();
    aggiornaPulsanti();
}

void frmFrasi::aggiornaPulsanti()
{
    const int riga = rigaCorrente();
    cmdModificaVoce->setEnabled(riga >= 0 && corrente().contenuto.mostrabile(riga));
    cmdElimina->setEnabled(riga >= 0);
    cmdSposta->setEnabled(riga >= 0 && corrente().contenuto.voci() > 1);
    cmdSalva->setEnabled(std::any_of(std::begin(m_sezioni), std::end(m_sezioni),
                                     [](const Sezione &s) { return s.modificata(); }));
}

void frmFrasi::sceltaClasse()
{
    m_alunna.clear();
    m_alunno.clear();
    const QString classe = cmbClasse->currentText();
    if (!classe.isEmpty()) {
        for (const Archivio::Alunno &a : Archivio::leggiAlunni(Archivio::fileAlunni(classe)).alunni) {
            QString &nome = a.sesso == 0 ? m_alunna : m_alunno;
            if (nome.isEmpty())
                nome = a.nome;
        }
    }
    aggiornaAnteprima();
}

void frmFrasi::aggiornaAnteprima()
{
    const QString voce = FileFrasi::unisci(partiScritte());
    const auto riga = [&](const char *chi, const QString &nome, const QString &esempio, int sesso) {
        const QString n = nome.isEmpty() ? esempio : nome;
        const QString frase = FileFrasi::parti(ListaFrasi::compila(voce, {false, n, sesso})).frase;
        return QStringLiteral("%1 (%2%3): %4")
            .arg(QLatin1String(chi), n, nome.isEmpty() ? QStringLiteral(", esempio") : QString(), frase);
    };
    lblAlunna->setText(riga("Per un'alunna", m_alunna, QStringLiteral("Bianchi Anna"), 0));
    lblAlunno->setText(riga("Per un alunno", m_alunno, QStringLiteral("Rossi Mario"), 1));
}

Parti frmFrasi::partiScritte() const
{
    Parti p{txtTesta->text(), chkACapo->isChecked(), txtFrase->text(), true};
    const int riga = rigaCorrente();
    const Sezione &s = m_sezioni[qBound(0, tabFrasi->currentIndex(), 3)];
    if (riga >= 0 && s.contenuto.mostrabile(riga))
        p.uguale = FileFrasi::parti(s.contenuto.voce(riga)).uguale;
    return p;
}

bool frmFrasi::voceInSospeso() const
{
    const int riga = rigaCorrente();
    const Sezione &s = m_sezioni[qBound(0, tabFrasi->currentIndex(), 3)];
    if (riga >= 0 && s.contenuto.mostrabile(riga))
        return partiScritte() != FileFrasi::parti(s.contenuto.voce(riga));
    return !txtTesta->text().isEmpty() || !txtFrase->text().isEmpty();
}

bool frmFrasi::controllaParti(const Parti &p)
{
    const QString perche = FileFrasi::problema(p);
    if (perche.isEmpty())
        return true;
    Msg::warn(perche);
    (p.testa.contains(QLatin1Char('=')) || p.testa.endsWith(QLatin1Char('<')) ? txtTesta : txtFrase)->setFocus();
    return false;
}

void frmFrasi::cmdModificaVoce_Click()
{
    const int riga = rigaCorrente();
    const Parti p = partiScritte();
    QString perche;
    if (riga < 0 || !controllaParti(p) || !FileFrasi::modifica(corrente().contenuto, riga, p, &perche))
        return;
    mostraRiga(corrente(), riga);
    scegliRiga(riga);
}

void frmFrasi::cmdAggiungi_Click()
{
    Parti p = partiScritte();
    p.uguale = true;
    QString perche;
    if (!controllaParti(p) || !FileFrasi::aggiungi(corrente().contenuto, p, &perche))
        return;
    const int riga = corrente().contenuto.voci() - 1;
    corrente().tabella->setRowCount(riga + 1);
    corrente().tabella->setVerticalHeaderItem(riga, new QTableWidgetItem(QString::number(riga)));
    mostraRiga(corrente(), riga);
    scegliRiga(riga);
}

void frmFrasi::cmdElimina_Click()
{
    const int riga = rigaCorrente();
    if (riga < 0
        || !Msg::askYesNo(QStringLiteral("Eliminare la voce %1?\n\rLa riga resta vuota, così le altre voci non "
                                         "cambiano numero e le scelte già salvate restano giuste.")
                              .arg(riga),
                          QStringLiteral("Elimina la voce")))
        return;
    FileFrasi::elimina(corrente().contenuto, riga);
    mostraRiga(corrente(), riga);
    scegliRiga(riga);
}

void frmFrasi::cmdSposta_Click()
{
    Sezione &s = corrente();
    const int da = rigaCorrente(), n = tabFrasi->currentIndex() + 1, ultima = s.contenuto.voci() - 1;
    if (da < 0)
        return;
    bool ok = false;
    const QString risposta = Msg::input(QStringLiteral("Nuova posizione della voce %1 (da 0 a %2):").arg(da).arg(ultima),
                                        QStringLiteral("Sposta la voce"), QString::number(da), &ok);
    if (!ok)
        return;
    bool numero = false;
    const int a = risposta.trimmed().toInt(&numero);
    if (!numero || a < 0 || a > ultima) {
        Msg::warn(QStringLiteral("Scrivi un numero da 0 a %1.").arg(ultima));
        return;
    }
    if (a == da)
        return;
    if (TextFile::readBytes(fileQuadro(n)).value_or(QByteArray()) != s.letto) {
        Msg::warn(QStringLiteral("Il file %1 è cambiato dopo l'apertura di questa finestra: chiudila e riaprila "
                                 "prima di spostare le voci.")
                      .arg(QFileInfo(fileQuadro(n)).fileName()));
        return;
    }
    FileFrasi::Contenuto spostato = s.contenuto;
    const QList<int> nuovi = FileFrasi::sposta(spostato, da, a);
    const FileFrasi::Piano piano = FileFrasi::pianoSpostamento(n, nuovi, FileFrasi::bytes(spostato));
    if (!piano.errore.isEmpty()) {
        Msg::box(QStringLiteral("Impossibile spostare la voce.\n\r") + piano.errore, Msg::Ok, Msg::Critical, kTitolo);
        return;
    }
    QString domanda = QStringLiteral("Spostare la voce %1 alla posizione %2?\n\rLe scelte salvate degli alunni di tutte le "
                             "classi e la preselezione saranno rinumerate insieme al file delle frasi: %3.")
                  .arg(da)
                  .arg(a)
                  .arg(piano.file.size() == 1 ? QStringLiteral("sarà riscritto 1 file")
                                              : QStringLiteral("saranno riscritti %1 file").arg(piano.file.size()));
    if (s.modificata())
        domanda += QStringLiteral(" Le altre modifiche di questo quadro saranno salvate insieme.");
    if (!Msg::askYesNo(domanda, QStringLiteral("Sposta la voce")))
        return;
    QString errore;
    if (!FileFrasi::esegui(piano.file, &errore)) {
        Msg::box(QStringLiteral("Impossibile spostare la voce.\n\r") + errore, Msg::Ok, Msg::Critical, kTitolo);
        return;
    }
    s.contenuto = spostato;
    s.letto = FileFrasi::bytes(spostato);
    for (int i = qMin(da, a); i <= qMax(da, a); ++i)
        mostraRiga(s, i);
    scegliRiga(a);
    Msg::box(QStringLiteral("Operazione eseguita."), Msg::Ok, Msg::Information, QStringLiteral("Fatto"));
}

bool frmFrasi::salvaSezione(int n)
{
    Sezione &s = m_sezioni[n - 1];
    const QString path = fileQuadro(n);
    if (TextFile::readBytes(path).value_or(QByteArray()) != s.letto
        && !Msg::askYesNo(QStringLiteral("Il file %1 è cambiato dopo l'apertura di questa finestra. Sostituirlo "
                                         "con le frasi di questa finestra?")
                              .arg(QFileInfo(path).fileName()),
                          kTitolo))
        return false;
    const QByteArray bytes = FileFrasi::bytes(s.contenuto);
    QString errore;
    if (!TextFile::writeBytes(path, bytes, &errore)) {
        Msg::box(QStringLiteral("Impossibile salvare le frasi.\n\r") + errore, Msg::Ok, Msg::Critical, kTitolo);
        return false;
    }
    s.letto = bytes;
    return true;
}

void frmFrasi::cmdSalva_Click()
{
    bool tutte = true;
    for (int n = 1; n <= 4; ++n)
        if (m_sezioni[n - 1].modificata() && !salvaSezione(n))
            tutte = false;
    aggiornaPulsanti();
    if (tutte)
        Msg::box(QStringLiteral("Operazione eseguita."), Msg::Ok, Msg::Information, QStringLiteral("Fatto"));
}

void frmFrasi::cmdEsci_Click()
{
    // What was typed for an entry is not dropped unasked.
    if (voceInSospeso()) {
        const int riga = rigaCorrente();
        const bool alPosto = riga >= 0 && corrente().contenuto.mostrabile(riga);
        const int risposta =
            Msg::box(QStringLiteral("La voce scritta non è ancora nella tabella. Vuoi %1?\n\rCon No si perde quello "
                                    "che hai scritto.")
                         .arg(alPosto ? QStringLiteral("metterla al posto della voce %1").arg(riga)
                                      : QStringLiteral("aggiungerla in fondo")),
                     Msg::YesNoCancel, Msg::Exclamation, QStringLiteral("Voce non applicata"), Msg::ResYes);
        if (risposta == Msg::ResCancel)
            return;
        if (risposta == Msg::ResYes) {
            if (alPosto)
                cmdModificaVoce_Click();
            else
                cmdAggiungi_Click();
            if (voceInSospeso())
                return; // refused: the teacher corrects it
        }
    }
    if (cmdSalva->isEnabled()
        && Msg::box(QStringLiteral("Le frasi sono state modificate. Desideri salvarle ?"), Msg::YesNo, Msg::Exclamation,
                    QStringLiteral("Salva le modifiche"), Msg::ResYes)
               == Msg::ResYes) {
        cmdSalva_Click();
        if (cmdSalva->isEnabled())
            return; // not everything was saved: the window stays
    }
    Forms::tornaA(Finestre::Utilita, Finestre::Frasi);
}
