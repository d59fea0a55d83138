#include "printing/StampaClasse.h"

StampaClasse::Pagine StampaClasse::pagine(const QList<Alunno> &alunni, const LavoroStampa &lavoro, const QString &titolo)
{
    Pagine p;
    for (const Alunno &a : alunni) {
        if (a.testo.trimmed().isEmpty()) {
            p.senzaTesto << a.nome;
            continue;
        }
        LavoroStampa l = lavoro;
        l.nome = nomeLavoro(a.nome, titolo);
        p.pagine.append({l, a.testo});
    }
    return p;
}

QString StampaClasse::nomeLavoro(const QString &classe, const QString &titolo)
{
    return classe + QStringLiteral(" - ") + titolo;
}

QString StampaClasse::messaggioSenzaTesto(const QStringList &senzaTesto)
{
    if (senzaTesto.isEmpty())
        return QString();
    return QStringLiteral("Senza testo: ") + senzaTesto.join(QStringLiteral(", ")) + QLatin1Char('.');
}
