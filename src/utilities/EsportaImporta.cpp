#include "utilities/EsportaImporta.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <filesystem>
#include <vector>

namespace EsportaImporta {

const QStringList &modelliDaSostituire()
{
    static const QStringList modelli{QStringLiteral("*.dat"), QStringLiteral("*.q1"), QStringLiteral("*.q2"),
                                     QStringLiteral("*.q3"), QStringLiteral("*.q4"), QStringLiteral("ALUNNI.*")};
    return modelli;
}

QString classeScelta(const QString &cartellaMostrata, const QString &cartellaCliccata)
{
    return cartellaCliccata.mid(cartellaMostrata.size());
}

QString senzaSeparatore(const QString &classe)
{
    if (classe.startsWith(QLatin1Char('/')) || classe.startsWith(QLatin1Char('\\')))
        return classe.mid(1);
    return classe;
}

bool stessaCartella(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
    return !ca.isEmpty() && ca == cb;
}

namespace {
int g_guasto = 0;

QString descrivi(const QString &nome, const QString &errore)
{
    return QStringLiteral("%1: %2").arg(nome, errore);
}

std::filesystem::path percorso(const QString &p)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(p.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(p).toStdString());
#endif
}

// Copies one file whole; false with the reason on any read or write failure.
bool copiaFile(const QString &da, const QString &a, QString *errore)
{
    QFile in(da), out(a);
    if (!in.open(QIODevice::ReadOnly)) {
        *errore = descrivi(QFileInfo(da).fileName(), in.errorString());
        return false;
    }
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        *errore = descrivi(QFileInfo(a).fileName(), out.errorString());
        return false;
    }
    std::vector<char> blocco(1 << 16);
    qint64 letti = 0;
    while ((letti = in.read(blocco.data(), qint64(blocco.size()))) > 0) {
        if (out.write(blocco.data(), letti) != letti) {
            *errore = descrivi(QFileInfo(a).fileName(), out.errorString());
            return false;
        }
    }
    if (letti < 0) {
        *errore = descrivi(QFileInfo(da).fileName(), in.errorString());
        return false;
    }
    if (!out.flush()) {
        *errore = descrivi(QFileInfo(a).fileName(), out.errorString());
        return false;
    }
    out.close();
    return true;
}

// Moves a staged copy over the destination's file, replacing it in one step.
bool sposta(const QString &da, const QString &a, QString *errore)
{
    std::error_code ec;
    std::filesystem::rename(percorso(da), percorso(a), ec);
    if (ec)
        *errore = descrivi(QFileInfo(a).fileName(), QString::fromStdString(ec.message()));
    return !ec;
}
} // namespace

Esito copiaCartella(const QString &origine, const QString &destinazione, const QStringList &daEliminare)
{
    const QDir sorgente(origine);
    if (!sorgente.exists())
        return {false, descrivi(origine, QStringLiteral("la cartella non esiste")), 0};
    if (!QFileInfo(destinazione).isDir())
        return {false, descrivi(destinazione, QStringLiteral("la cartella non esiste")), 0};
    const QStringList nomi = sorgente.entryList(QDir::Files, QDir::Name);

    QTemporaryDir appoggio(Paths::join(destinazione, QStringLiteral(".quaderlo-copia-XXXXXX")));
    if (!appoggio.isValid())
        return {false, descrivi(destinazione, appoggio.errorString()), 0};
    QString errore;
    for (int i = 0; i < nomi.size(); ++i) {
        if (i + 1 == g_guasto)
            return {false, descrivi(nomi[i], QStringLiteral("spazio esaurito")), 0};
        if (!copiaFile(sorgente.filePath(nomi[i]), appoggio.filePath(nomi[i]), &errore))
            return {false, errore, 0};
    }

    for (const QString &modello : daEliminare)
        Paths::removeMatching(destinazione, modello);
    // A file of the same name in another case is replaced, as on a system that ignores case.
    QHash<QString, QString> presenti;
    for (const QString &nome : QDir(destinazione).entryList(QDir::Files | QDir::Hidden | QDir::System))
        presenti.insert(nome.toCaseFolded(), nome);
    Esito esito;
    for (const QString &nome : nomi) {
        const QString arrivo = Paths::join(destinazione, presenti.value(nome.toCaseFolded(), nome));
        if (!sposta(appoggio.filePath(nome), arrivo, &esito.errore)) {
            esito.ok = false;
            return esito;
        }
        ++esito.copiati;
    }
    return esito;
}

void guastoPerTest(int n)
{
    g_guasto = n;
}

bool classeElencata(const QString &classe)
{
    FieldReader in;
    in.open(Paths::inProgram(QStringLiteral("Classi.dat")));
    QString nome;
    while (in.readField(&nome))
        if (nome.compare(classe, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool aggiungiClasse(const QString &classe, QString *errore)
{
    FieldReader in;
    in.open(Paths::inProgram(QStringLiteral("Classi.dat")));
    LineWriter out;
    QString nome;
    while (in.readField(&nome))
        if (!nome.isEmpty())
            out.line(nome);
    out.line(classe);
    return out.save(Paths::inProgram(QStringLiteral("Classi.dat")), errore);
}

} // namespace EsportaImporta
