#pragma once
// The printing tests' road: an archive with stored sections, the composition window's editing view
// opened as a teacher opens it, and the lines of a preview and of a printed PDF.
#include "../composition/CompilaSupport.h"
#include "MisuraPdf.h"

#include "printing/Superficie.h"

namespace StampaProva {
// Arial 12, line length 190, left margin 20, the given orientation and top margin for every section.
inline QByteArray configurazione(int orientamento = 1, int alto = 20)
{
    const QByteArray a = QByteArray::number(alto);
    return "Arial\r\n12\r\n190\r\n " + QByteArray::number(orientamento) + " \r\n" + a + "\r\n" + a + "\r\n" + a + "\r\n"
           + a + "\r\n 20 \r\n";
}

// The archive of the composition tests, the configuration, and Rossi Mario's four sections stored.
inline void preparaTesti(const ProgramFolder &dir, const QByteArray &cfg, const QString &testo)
{
    Compila::preparaArchivio(dir);
    dir.write("Quaderlo.cfg", cfg);
    for (int n = 1; n <= 4; ++n)
        dir.write(QStringLiteral("3A/Rossi Mario.q%1").arg(n), ansi(testo.toUtf8().constData()) + "\r\n");
}

// Main menu, "Giudizi", class and pupil, then "Vai alla modifica e alla stampa dei giudizi".
inline frmCompila *apriModifica(const QString &alunno = QStringLiteral("Rossi Mario"))
{
    using namespace Compila;
    frmCompila *f = apriDalMenu();
    if (!f || !scegli(classe(), QStringLiteral("3A")) || !scegli(Compila::alunno(), alunno))
        return nullptr;
    clic(pulsante("cmdCaricaTesto"));
    return schedeQuadri()->isVisible() ? f : nullptr;
}

// Section n's tab in front, then its "Stampa" or "All'anteprima e stampa".
inline void stampaQuadro(frmCompila *f, int n)
{
    Compila::clicScheda(Compila::schedeQuadri(), n - 1);
    clickAt(f->cmdStampaCompila(n));
}
inline void anteprimaQuadro(frmCompila *f, int n)
{
    Compila::clicScheda(Compila::schedeQuadri(), n - 1);
    clickAt(f->cmdAnteprima(n));
}

// The words of each drawn line, top to bottom (a line drawn in one piece split at its blanks).
inline QList<QStringList> righe(const QList<Scritta> &d)
{
    QList<QStringList> out;
    double y = -1e9;
    for (const Scritta &s : d) {
        if (out.isEmpty() || qAbs(s.y - y) > 1e-6)
            out.append(QStringList());
        y = s.y;
        out.last() += s.testo.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    return out;
}

// The words of each printed line, top to bottom.
inline QList<QStringList> righe(const QList<ParolaPdf> &parole)
{
    QList<QStringList> out;
    double y = -1e9;
    for (const ParolaPdf &p : parole) {
        if (out.isEmpty() || qAbs(p.yMin - y) > 0.1)
            out.append(QStringList());
        y = p.yMin;
        out.last() += p.testo;
    }
    return out;
}

// The words of the printed line that holds the last word.
inline QList<ParolaPdf> ultimaRiga(const QList<ParolaPdf> &parole)
{
    QList<ParolaPdf> riga;
    for (const ParolaPdf &p : parole)
        if (qAbs(p.yMin - parole.last().yMin) < 0.1)
            riga.append(p);
    return riga;
}
} // namespace StampaProva
