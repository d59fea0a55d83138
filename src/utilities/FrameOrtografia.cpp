#include "utilities/FrameOrtografia.h"
#include "app/ImpostazioniQuaderlo.h"
#include "platform/Msg.h"
#include "platform/Ortografia.h"
#include "platform/SottolineaturaOrtografica.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

FrameOrtografia::FrameOrtografia(QWidget *parent) : QGroupBox(QStringLiteral("Ortografia"), parent)
{
    setObjectName(QStringLiteral("FrameOrtografia"));
    chkOrtografia = new QCheckBox(QStringLiteral("Controllo ortografico"), this);
    chkOrtografia->setObjectName(QStringLiteral("chkOrtografia"));
    chkOrtografia->setChecked(ImpostazioniQuaderlo::controlloOrtografico());
    chkOrtografia->setToolTip(QStringLiteral("Sottolinea in rosso le parole sconosciute nei testi dei giudizi"));
    lblOrtografia = new QLabel(QStringLiteral("Dizionario italiano\nnon trovato"), this);
    lblOrtografia->setObjectName(QStringLiteral("lblOrtografia"));
    const bool disponibile = Ortografia::comune().disponibile();
    chkOrtografia->setEnabled(disponibile);
    lblOrtografia->setVisible(!disponibile);
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(10, 6, 10, 8);
    l->addWidget(chkOrtografia);
    l->addWidget(lblOrtografia);
    l->addStretch(1);
    connect(chkOrtografia, &QCheckBox::clicked, this, &FrameOrtografia::chkOrtografia_Click);
}

void FrameOrtografia::chkOrtografia_Click()
{
    const bool attivo = chkOrtografia->isChecked();
    SottolineaturaOrtografica::setAttiva(attivo);
    QString errore;
    if (!ImpostazioniQuaderlo::impostaControlloOrtografico(attivo, &errore))
        Msg::box(QStringLiteral("La scelta vale fino alla chiusura del programma.\n\r") + errore, Msg::Ok,
                 Msg::Exclamation, QStringLiteral("Utilità"));
}
