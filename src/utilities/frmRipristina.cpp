#include "utilities/frmRipristina.h"
#include "app/CarQuad.h"
#include "archive/CopieSicurezza.h"
#include "platform/Clessidra.h"
#include "platform/Finestre.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "archive/CopiaPrima.h"
#include "utilities/RicaricaMenu.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>

namespace {
QString quanti(int n, const char *uno, const char *molti)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? uno : molti));
}

QString giorno(const QDate &data)
{
    return QLocale(QLocale::Italian, QLocale::Italy).toString(data, QStringLiteral("dddd d MMMM yyyy"));
}

QString voce(const CopieSicurezza::Riepilogo &r)
{
    QString testo = giorno(r.data);
    if (r.numero > 1)
        testo += QStringLiteral(" (copia n. %1 del giorno)").arg(r.numero);
    testo += QStringLiteral("  -  anno scolastico %1  -  %2, %3")
                 .arg(r.anno.isEmpty() ? QStringLiteral("non indicato") : r.anno, quanti(r.classi, "classe", "classi"),
                      quanti(r.alunni, "alunno", "alunni"));
    return testo;
}
} // namespace

frmRipristina::frmRipristina() : Form(Finestre::Ripristina)
{
    setWindowTitle(QStringLiteral("Copie di sicurezza"));
    setEscapeCloses(true);
    Ui::setBackground(this, Ui::kAzzurro);
    resize(720, 480);

    Frame1 = Ui::frame(this, QStringLiteral("Frame1"), QRect(20, 20, 680, 440));
    Frame1->setFrameShadow(QFrame::Raised);
    const QFont arial = Ui::font(QStringLiteral("Arial"), 10);
    lblCopie = Ui::label(Frame1, QStringLiteral("lblCopie"), QString());
    lblCartella = Ui::label(Frame1, QStringLiteral("lblCartella"), QString());
    lblCartella->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lstCopie = new QListWidget(Frame1);
    lstCopie->setObjectName(QStringLiteral("lstCopie"));
    lblNota = Ui::label(Frame1, QStringLiteral("lblNota"),
                        QStringLiteral("Ripristinare una copia sostituisce classi, alunni, giudizi, frasi, impostazioni e "
                                       "password con quelli della copia. Prima Quaderlo fa una copia dell'archivio di "
                                       "adesso, che resta nell'elenco."));
    lblNota->setWordWrap(true);
    for (QWidget *w : std::initializer_list<QWidget *>{lblCopie, lblCartella, lstCopie, lblNota})
        w->setFont(arial);
    cmdRipristinaCopia = Ui::button(Frame1, QStringLiteral("cmdRipristinaCopia"), QStringLiteral("Ripristina la copia"),
                                    QStringLiteral("Sostituisce l'archivio con la copia scelta"));
    cmdEsci = Ui::button(Frame1, QStringLiteral("cmdEsci"), QStringLiteral("Esci"), QStringLiteral("Torna a Utilità"));

    auto *grid = new QGridLayout(Frame1);
    grid->setContentsMargins(20, 16, 20, 16);
    grid->addWidget(lblCopie, 0, 0, 1, 3);
    grid->addWidget(lblCartella, 1, 0, 1, 3);
    grid->addWidget(lstCopie, 2, 0, 1, 3);
    grid->addWidget(lblNota, 3, 0, 1, 3);
    grid->addWidget(cmdRipristinaCopia, 4, 1);
    grid->addWidget(cmdEsci, 4, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(2, 1);

    connect(cmdRipristinaCopia, &QPushButton::clicked, this, &frmRipristina::cmdRipristinaCopia_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &frmRipristina::cmdEsci_Click);
    setCentredFrames({Frame1});
}

void frmRipristina::Form_Load()
{
    riempi();
    show();
    raise();
    activateWindow();
    lstCopie->setFocus();
}

void frmRipristina::riempi()
{
    lstCopie->clear();
    const QString cartella = CopieSicurezza::cartella(Paths::programFolder());
    if (cartella.isEmpty()) {
        lblCopie->setText(QStringLiteral("Le copie di sicurezza non sono attive: il nome %1 è quello di una classe.")
                              .arg(CopieSicurezza::kCartella));
        lblCartella->clear();
    } else {
        for (const CopieSicurezza::Riepilogo &r : CopieSicurezza::elenco(Paths::programFolder())) {
            auto *item = new QListWidgetItem(voce(r), lstCopie);
            item->setData(Qt::UserRole, r.nome);
        }
        lblCopie->setText(lstCopie->count() ? QStringLiteral("Le copie dell'archivio, dalla più recente, nella cartella")
                                            : QStringLiteral("Non c'è ancora nessuna copia nella cartella"));
        lblCartella->setText(QDir::toNativeSeparators(cartella));
    }
    cmdRipristinaCopia->setEnabled(lstCopie->count() > 0);
}

void frmRipristina::cmdRipristinaCopia_Click()
{
    const QListWidgetItem *scelta = lstCopie->currentItem();
    if (!scelta || !scelta->isSelected()) {
        Msg::warn(QStringLiteral("Scegli una copia dall'elenco."));
        lstCopie->setFocus();
        return;
    }
    const QString nome = scelta->data(Qt::UserRole).toString();
    const QString domanda = QStringLiteral("L'archivio di adesso sarà sostituito dalla copia di %1.\n\r"
                                           "Prima ne sarà fatta una copia di sicurezza.\n\rVuoi continuare?")
                                .arg(giorno(CopieSicurezza::leggiNome(nome).data));
    if (!Msg::askYesNo(domanda, QStringLiteral("Attenzione")) || !CopiaPrima(windowTitle(), false))
        return;
    CopieSicurezza::Esito esito;
    {
        Clessidra clessidra;
        esito = CopieSicurezza::ripristina(Paths::programFolder(), nome);
    }
    if (!esito.ok) {
        Msg::box(QStringLiteral("Impossibile ripristinare la copia: l'archivio resta quello di prima.\n\r") + esito.errore,
                 Msg::Ok, Msg::Critical, windowTitle());
        riempi();
        return;
    }
    Msg::box(QStringLiteral("Operazione eseguita."), Msg::Ok, Msg::Information, QStringLiteral("Fatto"));
    CarQuad::RicaricaClassi = true;
    CarQuad::RicaricaAlunni = true;
    CarQuad::ModoImporta = 0;
    // The whole start-up again, with the restored year, titles and password.
    RicaricaMenu();
    Forms::unload(Finestre::Ripristina);
}

void frmRipristina::cmdEsci_Click()
{
    Forms::tornaA(Finestre::Utilita, Finestre::Ripristina);
}
