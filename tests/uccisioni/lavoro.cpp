// Runs one write path of the program on its own, so that a test can kill it at any file operation.
#include "archive/CopieSicurezza.h"
#include "composition/TestoQuadro.h"
#include "platform/CartelleSicure.h"
#include "platform/Paths.h"
#include "utilities/EsportaImporta.h"
#include "archive/SvuotaArchivio.h"

#include <QString>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    const QString op = QString::fromLocal8Bit(argv[1]), a = QString::fromLocal8Bit(argv[2]);
    const QString b = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    QString errore;
    bool ok = false;
    if (op == QLatin1String("sostituisci")) {
        const auto e = CartelleSicure::sostituisci(a, b, EsportaImporta::modelliDaSostituire());
        ok = e.ok;
        errore = e.errore;
    } else if (op == QLatin1String("nuovoanno")) {
        Paths::setProgramFolder(a);
        ok = SvuotaArchivio::esegui(SvuotaArchivio::prepara(), &errore);
    } else if (op == QLatin1String("salva")) {
        ok = TestoQuadro::scrivi(a, b, &errore);
    } else if (op == QLatin1String("copia") || op == QLatin1String("ripristina")) {
        const auto e = op == QLatin1String("copia") ? CopieSicurezza::copia(a, QDate(2026, 5, 12))
                                                    : CopieSicurezza::ripristina(a, b);
        ok = e.ok;
        errore = e.errore;
    } else if (op == QLatin1String("riordina")) {
        // What the next start does, and an export or import to that drive.
        Paths::setProgramFolder(a);
        SvuotaArchivio::riprendi();
        CopieSicurezza::riprendi(a);
        CartelleSicure::riordina(a);
        if (!b.isEmpty())
            CartelleSicure::sistemaProvvisorie(b);
        ok = true;
    }
    if (!ok)
        std::fprintf(stderr, "%s\n", qPrintable(errore));
    return ok ? 0 : 1;
}
