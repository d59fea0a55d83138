#include "printing/frmFormati.h"
#include "platform/Msg.h"
#include "platform/Ui.h"
#include "printing/ElencoCaratteri.h"
#include "platform/Finestre.h"
#include "platform/EventiFuoco.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QLineEdit *testo(QWidget *parent, const QString &name)
{
    auto *t = new QLineEdit(parent);
    t->setObjectName(name);
    return t;
}
} // namespace

frmFormati::frmFormati() : Form(Finestre::Formati)
{
    setWindowTitle(QStringLiteral("Formati di stampa"));
    setEscapeCloses(true);
    resize(Ui::px(12900), Ui::px(6600));
    Frame1 = Ui::frame(this, QStringLiteral("Frame1"), Ui::twips(300, 300, 12300, 6000));
    auto *griglia = new QGridLayout(Frame1);
    for (int i = 0; i < 4; ++i)
        griglia->addWidget(creaFormato(i), 0, i);

    auto *nota = Ui::label(Frame1, QStringLiteral("Label1"),
                           QStringLiteral("Ricordati di impostare la stampante in modo che  possa supportare i "
                                          "formati che hai scelto"));
    nota->setWordWrap(true);
    griglia->addWidget(nota, 1, 0, 1, 2);
    cmdEsciFormati = Ui::button(Frame1, QStringLiteral("cmdEsciFormati"), QStringLiteral("Annulla"),
                                QStringLiteral("Esci senza modificare"));
    cmdOkFormati = Ui::button(Frame1, QStringLiteral("cmdOkFormati"), QStringLiteral("Salva"),
                              QStringLiteral("Salva le modifiche"));
    griglia->addWidget(cmdEsciFormati, 1, 2);
    griglia->addWidget(cmdOkFormati, 1, 3);
    connect(cmdEsciFormati, &QPushButton::clicked, this, &frmFormati::cmdEsciFormati_Click);
    connect(cmdOkFormati, &QPushButton::clicked, this, &frmFormati::cmdOkFormati_Click);
    setCentredFrames({Frame1});
}

QWidget *frmFormati::creaFormato(int i)
{
    auto *f = new QGroupBox(QStringLiteral("Formato%1").arg(i + 1), Frame1);
    f->setObjectName(QStringLiteral("FrameFormato%1").arg(i + 1));
    auto *v = new QVBoxLayout(f);
    cmbFontFormati[i] = new QComboBox(f);
    cmbFontFormati[i]->setObjectName(QStringLiteral("cmbFontFormati%1").arg(i));
    cmbFontFormati[i]->setEditable(true);
    cmbFontFormati[i]->setInsertPolicy(QComboBox::NoInsert);
    cmbFontFormati[i]->installEventFilter(this);
    txtAltCar[i] = testo(f, QStringLiteral("txtAltCar%1").arg(i));
    txtLungRiga[i] = testo(f, QStringLiteral("txtLungRiga%1").arg(i));
    txtMargSin[i] = testo(f, QStringLiteral("txtMargSin%1").arg(i));
    txtMargSup[i] = testo(f, QStringLiteral("txtMargSup%1").arg(i));
    const std::pair<const char *, QWidget *> righe[] = {{"Carattere", cmbFontFormati[i]},
                                                        {"Altezza del carattere", txtAltCar[i]},
                                                        {"Lunghezza riga di stampa", txtLungRiga[i]},
                                                        {"Margine sinistro", txtMargSin[i]},
                                                        {"Margine superiore", txtMargSup[i]}};
    for (const auto &[etichetta, casella] : righe) {
        v->addWidget(new QLabel(QString::fromUtf8(etichetta), f));
        v->addWidget(casella);
    }
    v->addStretch(1);
    return f;
}

void frmFormati::Form_Load()
{
    QString errore;
    const Formati f = FileFormati::leggiOCrea(&errore);
    for (int i = 0; i < 4; ++i) {
        const FormatoStampa &x = f[size_t(i)];
        cmbFontFormati[i]->setCurrentText(x.carattere);
        txtAltCar[i]->setText(x.altezza);
        txtLungRiga[i]->setText(x.lunghezzaRiga);
        txtMargSin[i]->setText(x.margineSinistro);
        txtMargSup[i]->setText(x.margineSuperiore);
    }
    show();
}

bool frmFormati::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && EventiFuoco::nuovo(static_cast<QFocusEvent *>(event)->reason()))
        for (int i = 0; i < 4; ++i)
            if (watched == cmbFontFormati[i])
                cmbFontFormati_GotFocus(i);
    return Form::eventFilter(watched, event);
}

void frmFormati::cmbFontFormati_GotFocus(int index)
{
    ElencoCaratteri::aggiungiA(cmbFontFormati[index]);
}

Formati frmFormati::valori() const
{
    Formati f;
    for (int i = 0; i < 4; ++i)
        f[size_t(i)] = {cmbFontFormati[i]->currentText(), txtAltCar[i]->text(), txtLungRiga[i]->text(),
                        txtMargSin[i]->text(), txtMargSup[i]->text()};
    return f;
}

QWidget *frmFormati::casella(int formato, int campo) const
{
    QWidget *const caselle[] = {cmbFontFormati[formato], txtAltCar[formato], txtLungRiga[formato],
                                txtMargSin[formato], txtMargSup[formato]};
    return caselle[campo];
}

void frmFormati::cmdOkFormati_Click()
{
    const Formati f = valori();
    if (const auto p = FileFormati::problema(f); !p.messaggio.isEmpty()) {
        Msg::warn(p.messaggio);
        casella(p.formato, p.campo)->setFocus();
        return;
    }
    QString errore;
    if (!FileFormati::scrivi(f, &errore)) {
        Msg::warn(QStringLiteral("I formati non sono stati salvati.\n\r") + errore, Msg::Exclamation,
                  windowTitle());
        return;
    }
    tornaAUtilita();
}

void frmFormati::cmdEsciFormati_Click()
{
    tornaAUtilita();
}

void frmFormati::tornaAUtilita()
{
    Forms::tornaA(Finestre::Utilita, Finestre::Formati);
}
