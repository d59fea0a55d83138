#include "composition/EtichettaRighe.h"
#include "platform/Ui.h"
#include "printing/Lunghezza.h"

EtichettaRighe::EtichettaRighe(int quadro, std::function<QString()> testo, QWidget *parent)
    : QLabel(parent), m_quadro(quadro), m_testo(std::move(testo))
{
    setObjectName(QStringLiteral("lblRigheQ%1").arg(quadro));
    setFont(Ui::font(QStringLiteral("Arial"), 9));
    m_attesa.setSingleShot(true);
    m_attesa.setInterval(200);
    connect(&m_attesa, &QTimer::timeout, this, &EtichettaRighe::aggiorna);
}

void EtichettaRighe::pianifica()
{
    m_attesa.start();
}

void EtichettaRighe::aggiorna()
{
    m_attesa.stop();
    setText(Lunghezze::conConfigurazione(m_quadro, m_testo()));
}
