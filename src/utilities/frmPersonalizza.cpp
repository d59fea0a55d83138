#include "utilities/frmPersonalizza.h"
#include "app/CarQuad.h"
#include "platform/Msg.h"
#include "platform/Ui.h"
#include "utilities/RicaricaMenu.h"
#include "utilities/TitoliQuadri.h"
#include "platform/Finestre.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmPersonalizza::frmPersonalizza() : Form(Finestre::Personalizza)
{
    setWindowTitle(QStringLiteral("Personalizza"));
    setEscapeCloses(true);
    Ui::setBackground(this, Ui::kAzzurro);
    resize(Ui::px(9600), Ui::px(6600));

    Frame1 = Ui::frame(this, QStringLiteral("Frame1"), Ui::twips(1200, 1200, 7200, 4200));
    Frame1->setFrameShadow(QFrame::Raised);
    auto *grid = new QGridLayout(Frame1);
    grid->setContentsMargins(24, 18, 24, 14);
    grid->setVerticalSpacing(8);
    const QFont arial = Ui::font(QStringLiteral("Arial"), 10);
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i + 1);
        lblPers_Quadro[i] = Ui::label(Frame1, QStringLiteral("lblPers_Quadro") + n,
                                      QStringLiteral("Quadro ") + n + QStringLiteral("            ="));
        txtTitoloQuadro[i] = new QLineEdit(Frame1);
        txtTitoloQuadro[i]->setObjectName(QStringLiteral("txtTitoloQuadro") + n);
        txtTitoloQuadro[i]->setMaxLength(TitoliQuadri::kLunghezzaMassima);
        lblPers_Quadro[i]->setFont(arial);
        lblPers_Quadro[i]->setBuddy(txtTitoloQuadro[i]);
        txtTitoloQuadro[i]->setFont(arial);
        grid->addWidget(lblPers_Quadro[i], i, 0);
        grid->addWidget(txtTitoloQuadro[i], i, 1, 1, 2);
    }
    lblPersonalizza = Ui::label(Frame1, QStringLiteral("lblPersonalizza"),
                                QStringLiteral("Lunghezza massima 20 caratteri. Se l'effetto grafico non è "
                                               "soddisfacente inserisci un'etichetta più corta."));
    lblPersonalizza->setWordWrap(true);
    lblPersonalizza->setFont(Ui::font(QStringLiteral("Arial"), 9));
    grid->addWidget(lblPersonalizza, 4, 0, 1, 3);
    cmdOkPersomalizza = Ui::button(Frame1, QStringLiteral("cmdOkPersomalizza"), QStringLiteral("OK"),
                                   QStringLiteral("Salva le modifiche"));
    cmdEsciPersonalizza = Ui::button(Frame1, QStringLiteral("cmdEsciPersonalizza"), QStringLiteral("Annulla"),
                                     QStringLiteral("Esci senza modificare"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOkPersomalizza);
    buttons->addWidget(cmdEsciPersonalizza);
    grid->addLayout(buttons, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(cmdOkPersomalizza, &QPushButton::clicked, this, &frmPersonalizza::cmdOkPersomalizza_Click);
    connect(cmdEsciPersonalizza, &QPushButton::clicked, this, &frmPersonalizza::cmdEsciPersonalizza_Click);
    setCentredFrames({Frame1});
}

void frmPersonalizza::Form_Load()
{
    for (int n = 1; n <= 4; ++n)
        txtTitoloQuadro[n - 1]->setText(CarQuad::TitoloQuadro(n));
    show();
    raise();
    activateWindow();
    txtTitoloQuadro[0]->setFocus();
}

void frmPersonalizza::cmdOkPersomalizza_Click()
{
    QStringList titoli;
    for (QLineEdit *box : txtTitoloQuadro)
        titoli << box->text();
    QString message;
    if (const int n = TitoliQuadri::primoProblema(titoli, &message)) {
        Msg::warn(message);
        txtTitoloQuadro[n - 1]->setFocus();
        txtTitoloQuadro[n - 1]->selectAll();
        return;
    }
    QString error;
    if (!TitoliQuadri::salva(titoli, &error)) {
        Msg::box(QStringLiteral("Impossibile salvare i titoli.\n\r ") + error, Msg::Ok, Msg::Critical, windowTitle());
        return;
    }
    RicaricaMenu();
    Forms::unload(Finestre::Personalizza);
}

void frmPersonalizza::cmdEsciPersonalizza_Click()
{
    Forms::tornaA(Finestre::Utilita, Finestre::Personalizza);
}
