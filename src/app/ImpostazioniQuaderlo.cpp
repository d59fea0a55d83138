#include "app/ImpostazioniQuaderlo.h"
#include "platform/Paths.h"

#include <QSettings>

namespace {
const QString kOrtografia = QStringLiteral("Ortografia/Controllo");
}

QString ImpostazioniQuaderlo::percorso()
{
    return Paths::inProgram(QStringLiteral("Quaderlo.ini"));
}

QVariant ImpostazioniQuaderlo::valore(const QString &chiave, const QVariant &predefinito)
{
    return QSettings(percorso(), QSettings::IniFormat).value(chiave, predefinito);
}

bool ImpostazioniQuaderlo::imposta(const QString &chiave, const QVariant &valore, QString *errore)
{
    QSettings s(percorso(), QSettings::IniFormat);
    s.setValue(chiave, valore);
    s.sync();
    if (s.status() == QSettings::NoError)
        return true;
    if (errore)
        *errore = QStringLiteral("Impossibile scrivere %1.").arg(percorso());
    return false;
}

bool ImpostazioniQuaderlo::controlloOrtografico()
{
    return valore(kOrtografia, true).toBool();
}

bool ImpostazioniQuaderlo::impostaControlloOrtografico(bool attivo, QString *errore)
{
    return imposta(kOrtografia, attivo, errore);
}
