#include "utilities/TitoliQuadri.h"
#include "app/CarQuad.h"
#include "app/Impostazioni.h"
#include "platform/Paths.h"

QString TitoliQuadri::problema(const QString &titolo)
{
    for (const QChar c : titolo) {
        if (c.unicode() < 32 || c.unicode() == 127)
            return QStringLiteral("non può contenere caratteri di controllo.");
        // The title becomes part of the merged files' names.
        if (QStringLiteral("\\/:*?\"<>|").contains(c))
            return QStringLiteral("non può contenere i caratteri \\ / : * ? \" < > |");
    }
    if (titolo.size() > kLunghezzaMassima)
        return QStringLiteral("non può superare %1 caratteri.").arg(kLunghezzaMassima);
    return Impostazioni::valoreNonRileggibile(titolo);
}

int TitoliQuadri::primoProblema(const QStringList &titoli, QString *messaggio)
{
    for (int i = 0; i < titoli.size(); ++i) {
        const QString subject = QStringLiteral("Il titolo del Quadro %1 ").arg(i + 1);
        if (const QString p = problema(titoli[i]); !p.isEmpty()) {
            *messaggio = subject + p;
            return i + 1;
        }
        // Two sections with one title, empty ones too, would share their merged file.
        for (int j = 0; j < i; ++j)
            if (titoli[i].compare(titoli[j], Qt::CaseInsensitive) == 0) {
                *messaggio = subject + QStringLiteral("è uguale a quello del Quadro %1.").arg(j + 1);
                return i + 1;
            }
    }
    return 0;
}

bool TitoliQuadri::salva(const QStringList &titoli, QString *error)
{
    QStringList prima;
    for (int n = 1; n <= 4; ++n) {
        prima << CarQuad::TitoloQuadro(n);
        CarQuad::TitoloQuadro(n) = titoli.value(n - 1);
    }
    Paths::setCurrentFolder(Paths::programFolder());
    if (Impostazioni::scriviTitoli(error))
        return true;
    // Not on disk: the shared titles stay as they were.
    for (int n = 1; n <= 4; ++n)
        CarQuad::TitoloQuadro(n) = prima[n - 1];
    return false;
}
