#include "composition/ParoleNote.h"
#include "archive/ElencoAlunni.h"
#include "platform/Ansi.h"
#include "platform/Ortografia.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QSet>

namespace {
void aggiungiParole(QSet<QString> &out, const QString &testo)
{
    for (const Ortografia::Tratto &t : Ortografia::parole(testo))
        out.insert(testo.mid(t.inizio, t.lunghezza));
}
} // namespace

QStringList ParoleNote::leggi(const QString &fileAlunni)
{
    QSet<QString> out;
    if (!fileAlunni.isEmpty())
        for (const Archivio::Alunno &a : Archivio::leggiAlunni(fileAlunni).alunni)
            aggiungiParole(out, a.nome);
    for (int n = 1; n <= 4; ++n) {
        const auto bytes = TextFile::readBytes(Paths::inProgram(QStringLiteral("quadro%1.txt").arg(n)));
        if (!bytes)
            continue;
        const QString testo = Ansi::decode(*bytes);
        aggiungiParole(out, QString(testo).replace(QChar(0xA7), QLatin1Char('a')));
        aggiungiParole(out, QString(testo).replace(QChar(0xA7), QLatin1Char('o')));
    }
    return QStringList(out.begin(), out.end());
}
