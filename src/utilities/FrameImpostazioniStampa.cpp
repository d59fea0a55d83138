#include "utilities/FrameImpostazioniStampa.h"
#include "app/CarQuad.h"
#include "platform/Conv.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "printing/ElencoCaratteri.h"
#include "printing/ConfigStampa.h"
#include "platform/EventiFuoco.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

using namespace CarQuad;

namespace {
// A 58 x 58 page with its text lines running across (orizzontali) or down it.
QPixmap pagina(bool orizzontali)
{
    QPixmap pm(58, 58);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    const QRect foglio = orizzontali ? QRect(12, 4, 34, 50) : QRect(4, 12, 50, 34);
    p.drawRect(foglio);
    p.setPen(QPen(QColor(0, 0, 192), 2));
    const QRect testo = foglio.adjusted(6, 6, -6, -6);
    if (orizzontali) {
        for (int y = testo.top(); y <= testo.bottom(); y += 5)
            p.drawLine(testo.left(), y, testo.right(), y);
    } else {
        for (int x = testo.left(); x <= testo.right(); x += 5)
            p.drawLine(x, testo.top(), x, testo.bottom());
    }
    return pm;
}
} // namespace

FrameImpostazioniStampa::FrameImpostazioniStampa(QWidget *parent) : QGroupBox(QStringLiteral("Impostazioni stampa"), parent)
{
    setObjectName(QStringLiteral("FrameImpostazioniStampa"));
    auto *g = new QGridLayout(this);
    cmbFont = new QComboBox(this);
    cmbFont->setObjectName(QStringLiteral("cmbFont"));
    cmbFont->setEditable(true);
    cmbFont->setInsertPolicy(QComboBox::NoInsert);
    cmbFont->installEventFilter(this);
    txtSizeFont = casella(QStringLiteral("txtSizeFont"));
    txtLunghezzaRiga = casella(QStringLiteral("txtLunghezzaRiga"));
    txtMargineSx = casella(QStringLiteral("txtMargineSx"));

    int r = 0;
    g->addWidget(Ui::label(this, QStringLiteral("Label1"), QStringLiteral("Carattere")), r, 0);
    g->addWidget(cmbFont, r++, 1, 1, 2);
    g->addWidget(Ui::label(this, QStringLiteral("Label2"), QStringLiteral("Altezza del carattere ")), r, 0);
    g->addWidget(txtSizeFont, r, 1);
    g->addWidget(unita(QStringLiteral("Label3"), QStringLiteral("Punti")), r++, 2);
    g->addWidget(Ui::label(this, QStringLiteral("Label4"), QStringLiteral("Lunghezza della riga di stampa")), r, 0);
    g->addWidget(txtLunghezzaRiga, r, 1);
    g->addWidget(unita(QStringLiteral("Label5"), QStringLiteral("mm")), r++, 2);
    g->addWidget(Ui::label(this, QStringLiteral("Label6"), QStringLiteral("Margine sinistro ")), r, 0);
    g->addWidget(txtMargineSx, r, 1);
    g->addWidget(unita(QStringLiteral("Label7"), QStringLiteral("mm")), r++, 2);
    for (int i = 0; i < 4; ++i) {
        LblMargineSupQ[i] = Ui::label(this, QStringLiteral("LblMargineSupQ%1").arg(i + 1), QStringLiteral("Margine superiore "));
        txtSup[i] = casella(QStringLiteral("txtSup%1").arg(i + 1));
        g->addWidget(LblMargineSupQ[i], r, 0);
        g->addWidget(txtSup[i], r, 1);
        g->addWidget(unita(QStringLiteral("LabelMm%1").arg(i + 1), QStringLiteral("mm")), r++, 2);
    }
    g->addWidget(creaOrientamento(), r++, 0, 1, 3);
    cmdOkCfg = Ui::button(this, QStringLiteral("cmdOkCfg"), QStringLiteral("Salva Configurazione"));
    g->addWidget(cmdOkCfg, r++, 0, 1, 3);
    g->setColumnStretch(1, 1);

    connect(OptOrizzontale, &QRadioButton::clicked, this, &FrameImpostazioniStampa::OptOrizzontale_Click);
    connect(OptVerticale, &QRadioButton::clicked, this, &FrameImpostazioniStampa::OptVerticale_Click);
    connect(cmdOkCfg, &QPushButton::clicked, this, &FrameImpostazioniStampa::cmdOkCfg_Click);
}

QLineEdit *FrameImpostazioniStampa::casella(const QString &name)
{
    auto *t = new QLineEdit(this);
    t->setObjectName(name);
    t->setMaximumWidth(90);
    return t;
}

QLabel *FrameImpostazioniStampa::unita(const QString &name, const QString &text)
{
    return Ui::label(this, name, text);
}

QWidget *FrameImpostazioniStampa::creaOrientamento()
{
    auto *f = new QGroupBox(QStringLiteral("Orientamento di stampa"), this);
    f->setObjectName(QStringLiteral("FrameOrientamento"));
    OptOrizzontale = new QRadioButton(QStringLiteral("Orizzontale"), f);
    OptOrizzontale->setObjectName(QStringLiteral("OptOrizzontale"));
    OptVerticale = new QRadioButton(QStringLiteral("Verticale"), f);
    OptVerticale->setObjectName(QStringLiteral("OptVerticale"));
    Image1 = Ui::label(f, QStringLiteral("Image1"), QString());
    Image1->setPixmap(pagina(true));
    Image2 = Ui::label(f, QStringLiteral("Image2"), QString());
    Image2->setPixmap(pagina(false));
    for (QLabel *i : {Image1, Image2})
        i->setFixedSize(58, 58);
    Image2->hide();
    auto *opzioni = new QVBoxLayout;
    opzioni->addWidget(OptOrizzontale);
    opzioni->addWidget(OptVerticale);
    auto *h = new QHBoxLayout(f);
    h->addLayout(opzioni, 1);
    h->addWidget(Image1);
    h->addWidget(Image2);
    return f;
}

bool FrameImpostazioniStampa::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cmbFont && event->type() == QEvent::FocusIn && EventiFuoco::nuovo(static_cast<QFocusEvent *>(event)->reason()))
        cmbFont_GotFocus();
    return QGroupBox::eventFilter(watched, event);
}

void FrameImpostazioniStampa::riempi()
{
    Paths::setCurrentFolder(Paths::programFolder());
    const bool letto = ConfigStampa::leggi();
    cmbFont->setCurrentText(Carattere);
    txtSizeFont->setText(AltezzaCarattere);
    txtLunghezzaRiga->setText(LunghezzaRiga);
    if (Conv::toInt16(Orientamento) == qint16(1)) {
        OptOrizzontale->setChecked(true);
        OptOrizzontale_Click();
    } else {
        OptVerticale->setChecked(true);
        OptVerticale_Click();
    }
    txtMargineSx->setText(letto ? QString::number(MargineSinistro) : QString());
    for (int n = 1; n <= 4; ++n) {
        txtSup[n - 1]->setText(MargineSuperiore(n));
        LblMargineSupQ[n - 1]->setText(QStringLiteral("Margine superiore ") + TitoloQuadro(n));
    }
}

void FrameImpostazioniStampa::cmbFont_GotFocus()
{
    ElencoCaratteri::aggiungiA(cmbFont);
    // The list drops down wide enough to show whole names, even where the box is narrow.
    QAbstractItemView *view = cmbFont->view();
    int largo = 0;
    for (int i = 0; i < cmbFont->count(); ++i)
        largo = qMax(largo, view->fontMetrics().horizontalAdvance(cmbFont->itemText(i)));
    const int bordi = 2 * view->frameWidth() + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24;
    view->setMinimumWidth(largo + bordi);
}

void FrameImpostazioniStampa::OptOrizzontale_Click()
{
    Image1->show();
    Image2->hide();
}

void FrameImpostazioniStampa::OptVerticale_Click()
{
    Image1->hide();
    Image2->show();
}

bool FrameImpostazioniStampa::controlla()
{
    ConfigStampa::Valori v{cmbFont->currentText(), txtSizeFont->text(), txtLunghezzaRiga->text(), txtMargineSx->text(), {}};
    for (int i = 0; i < 4; ++i)
        v.margineSuperiore[i] = txtSup[i]->text();
    const auto problema = ConfigStampa::controlla(v, {TitoloQuadro(1), TitoloQuadro(2), TitoloQuadro(3), TitoloQuadro(4)});
    if (problema.campo == ConfigStampa::Campo::Nessuno)
        return true;
    QWidget *const caselle[] = {nullptr, cmbFont, txtSizeFont, txtLunghezzaRiga, txtMargineSx,
                                txtSup[0], txtSup[1], txtSup[2], txtSup[3]};
    Msg::warn(problema.messaggio);
    caselle[int(problema.campo)]->setFocus();
    return false;
}

bool FrameImpostazioniStampa::cmdOkCfg_Click()
{
    if (!controlla())
        return false;
    Carattere = cmbFont->currentText();
    AltezzaCarattere = txtSizeFont->text();
    LunghezzaRiga = txtLunghezzaRiga->text();
    MargineSinistro = *Conv::toInt16(txtMargineSx->text());
    for (int n = 1; n <= 4; ++n)
        MargineSuperiore(n) = txtSup[n - 1]->text();
    Orientamento = OptOrizzontale->isChecked() ? QStringLiteral("1") : QStringLiteral("2");
    Paths::setCurrentFolder(Paths::programFolder());
    QString errore;
    if (!ConfigStampa::scrivi(&errore)) {
        Msg::warn(QStringLiteral("La configurazione non è stata salvata.\n\r") + errore);
        return false;
    }
    return true;
}
