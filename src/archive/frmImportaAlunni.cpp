#include "archive/frmImportaAlunni.h"
#include "platform/DomandaFile.h"
#include "archive/CopiaPrima.h"
#include "platform/Finestre.h"
#include "platform/Msg.h"
#include "platform/Ui.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QStylePainter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString kTitolo = QStringLiteral("Importa alunni");
DomandaFile g_domanda;

// A button whose caption, kept whole as its text, wraps where the button is narrow.
class PulsanteADueRighe : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        opt.text.clear();
        p.drawControl(QStyle::CE_PushButton, opt);
        const QRect r = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        // The last two words stay together: no word alone on the second line.
        QString caption = text();
        if (const qsizetype last = caption.lastIndexOf(QLatin1Char(' ')); last > 0)
            caption[last] = QChar::Nbsp;
        p.drawText(r.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextWordWrap, caption);
    }
};

QString sessoMostrato(const Archivio::RigaPiano &r)
{
    if (r.codice < 0)
        return r.sesso;
    return r.codice ? QStringLiteral("Maschio") : QStringLiteral("Femmina");
}
} // namespace

frmImportaAlunni::frmImportaAlunni() : Form(Finestre::ImportaAlunni)
{
    setWindowTitle(kTitolo);
    setEscapeCloses(true);
    Ui::setBackground(this, Ui::kAzzurro);
    resize(720, 520);

    Frame1 = Ui::frame(this, QStringLiteral("Frame1"), QRect(20, 20, 680, 480));
    Frame1->setFrameShadow(QFrame::Raised);
    auto *layout = new QVBoxLayout(Frame1);
    layout->setContentsMargins(16, 14, 16, 14);
    lblClasse = Ui::label(Frame1, QStringLiteral("lblClasse"), QString());
    lblClasse->setFont(Ui::font(QStringLiteral("Arial"), 10, true));
    lblClasse->setWordWrap(true);
    layout->addWidget(lblClasse);

    tblAlunni = new QTableWidget(0, 3, Frame1);
    tblAlunni->setObjectName(QStringLiteral("tblAlunni"));
    tblAlunni->setHorizontalHeaderLabels({QStringLiteral("Alunno"), QStringLiteral("Sesso"), QStringLiteral("Esito")});
    tblAlunni->setFont(Ui::font(QStringLiteral("Arial"), 10));
    tblAlunni->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblAlunni->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblAlunni->setWordWrap(false);
    tblAlunni->verticalHeader()->hide();
    tblAlunni->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(tblAlunni, 1);

    cmdConferma = Ui::button(Frame1, QStringLiteral("cmdConferma"), QStringLiteral("Conferma"),
                             QStringLiteral("Aggiungi alla classe gli alunni nuovi"));
    cmdAnnulla = Ui::button(Frame1, QStringLiteral("cmdAnnulla"), QStringLiteral("Annulla"),
                            QStringLiteral("Esci senza aggiungere alunni"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdConferma);
    buttons->addWidget(cmdAnnulla);
    layout->addLayout(buttons);

    connect(cmdConferma, &QPushButton::clicked, this, &frmImportaAlunni::cmdConferma_Click);
    connect(cmdAnnulla, &QPushButton::clicked, this, &frmImportaAlunni::cmdAnnulla_Click);
    setCentredFrames({Frame1});
}

bool frmImportaAlunni::apri(const QString &classe, const QString &file)
{
    m_classe = classe;
    m_piano = Archivio::pianificaFile(file, classe);
    if (!m_piano.errore.isEmpty()) {
        Msg::box(m_piano.errore, Msg::Ok, Msg::Exclamation, kTitolo);
        Forms::unload(Finestre::ImportaAlunni);
        return false;
    }
    const int nuovi = m_piano.nuovi();
    const QString quanti = nuovi == 0   ? QStringLiteral("nessun alunno nuovo")
                           : nuovi == 1 ? QStringLiteral("1 alunno nuovo")
                                        : QStringLiteral("%1 alunni nuovi").arg(nuovi);
    lblClasse->setText(QStringLiteral("Classe %1, dal file %2: %3.").arg(classe, QFileInfo(file).fileName(), quanti));
    mostraPiano();
    cmdConferma->setEnabled(nuovi > 0);
    show();
    raise();
    activateWindow();
    (nuovi > 0 ? cmdConferma : cmdAnnulla)->setFocus();
    return true;
}

void frmImportaAlunni::mostraPiano()
{
    tblAlunni->setRowCount(int(m_piano.righe.size()));
    for (int i = 0; i < m_piano.righe.size(); ++i) {
        const Archivio::RigaPiano &r = m_piano.righe.at(i);
        const QStringList testi{r.nome, sessoMostrato(r), Archivio::testoEsito(r)};
        for (int c = 0; c < 3; ++c) {
            auto *item = new QTableWidgetItem(testi.at(c));
            item->setToolTip(testi.at(c));
            // Only the new pupils stand out; the rest is what will not be added.
            if (r.esito == Archivio::Esito::Scartato)
                item->setForeground(QColor(160, 0, 0));
            else if (r.esito == Archivio::Esito::GiaPresente)
                item->setForeground(QColor(96, 96, 96));
            tblAlunni->setItem(i, c, item);
        }
    }
    tblAlunni->resizeColumnsToContents();
    // Some air between a name and the next column.
    for (int c = 0; c < 2; ++c)
        tblAlunni->setColumnWidth(c, tblAlunni->columnWidth(c) + 16);
}

void frmImportaAlunni::cmdConferma_Click()
{
    int aggiunti = 0;
    const QString errore = Archivio::applica(m_piano, m_classe, &aggiunti, [] { return CopiaPrima(kTitolo); });
    if (!errore.isEmpty()) {
        Msg::box(errore, Msg::Ok, Msg::Critical, kTitolo);
        return;
    }
    chiudi(aggiunti > 0);
}

void frmImportaAlunni::cmdAnnulla_Click()
{
    chiudi(false);
}

void frmImportaAlunni::chiudi(bool scritto)
{
    Forms::unload(Finestre::ImportaAlunni);
    emit chiuso(scritto);
}

QPushButton *frmImportaAlunni::creaPulsante(QWidget *parent)
{
    auto *b = new PulsanteADueRighe(QStringLiteral("Importa alunni da file…"), parent);
    b->setObjectName(QStringLiteral("cmdImportaAlunni"));
    b->setToolTip(QStringLiteral("Aggiungi alla classe scelta gli alunni di un elenco del registro "
                                 "o di un foglio di calcolo"));
    return b;
}

QString frmImportaAlunni::chiediFile()
{
    const QString scelto = g_domanda.chiedi(g_domanda.cartella(), [](const QString &cartella) {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), QStringLiteral("Importa alunni da file"),
                                            cartella, QStringLiteral("Elenchi (*.csv *.tsv *.txt)"));
    });
    g_domanda.ricorda(scelto);
    return scelto;
}

void frmImportaAlunni::setDomanda(std::function<QString(const QString &)> domanda)
{
    g_domanda.setRisposta(std::move(domanda));
}
