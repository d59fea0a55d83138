#include "archive/CopieSicurezza.h"
#include "archive/Archivio.h"
#include "archive/ConfrontoNomi.h"
#include "archive/ElencoAlunni.h"
#include "archive/ElencoClassi.h"
#include "platform/Ansi.h"
#include "platform/CartelleSicure.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <optional>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace CopieSicurezza {
namespace {
const QString kCopia = QStringLiteral(".quaderlo-copia-");
const QString kRipristino = QStringLiteral(".quaderlo-ripristino-");
const QString kGiornale = QStringLiteral(".quaderlo-giornale");
const QString kNuovo = QStringLiteral("nuovo");
const QString kVecchio = QStringLiteral("vecchio");
const int kGiorni = 10;

const QStringList &fileArchivio()
{
    static const QStringList nomi{QStringLiteral("Classi.dat"),  QStringLiteral("Anno.dat"),    QStringLiteral("Qua.inf"),
                                  QStringLiteral("Titoli.dat"),  QStringLiteral("Quaderlo.cfg"), QStringLiteral("Formati.dat"),
                                  QStringLiteral("presele.dat"), QStringLiteral("quadro1.txt"), QStringLiteral("quadro2.txt"),
                                  QStringLiteral("quadro3.txt"), QStringLiteral("quadro4.txt"),
                                  // the program's own files of the teacher: the spelling words and settings
                                  QStringLiteral("Dizionario.txt"), QStringLiteral("Quaderlo.ini")};
    return nomi;
}

QStringList classiDi(const QString &folder)
{
    return Archivio::leggiClassi(folder).classi;
}

// The dated folders of Backup, not the staging ones (hidden) and never a link.
QStringList copieIn(const QString &backup)
{
    QStringList out;
    for (const QFileInfo &fi : QDir(backup).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (!fi.isSymLink() && leggiNome(fi.fileName()).data.isValid())
            out << fi.fileName();
    return out;
}

bool copiaSemplice(const QString &da, const QString &a, QString *errore)
{
    QFile in(da), out(a);
    if (!in.open(QIODevice::ReadOnly)) {
        *errore = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(da), in.errorString());
        return false;
    }
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        *errore = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(a), out.errorString());
        return false;
    }
    QString why;
    while (!in.atEnd()) {
        const QByteArray blocco = in.read(1 << 16);
        if ((blocco.isEmpty() && in.error() != QFileDevice::NoError) || !TextFile::writeAll(out, blocco, &why)) {
            *errore = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(a), why.isEmpty() ? in.errorString() : why);
            return false;
        }
    }
    out.close();
    if (out.error() != QFileDevice::NoError) {
        *errore = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(a), out.errorString());
        return false;
    }
    return true;
}

bool rinominaSemplice(const QString &da, const QString &a)
{
    // Never over an entry that exists: rename() would replace a file.
    return !QFileInfo::exists(a) && std::rename(QFile::encodeName(da).constData(), QFile::encodeName(a).constData()) == 0;
}

// Everything written so far reaches the disk: one call for the whole file system where there is one.
bool suDisco(const QString &folder)
{
#ifdef Q_OS_LINUX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::syncfs(fd) == 0;
    ::close(fd);
    return ok;
#else
    return CartelleSicure::scriviSuDisco(folder);
#endif
}

bool copiaAlbero(const QString &da, const QString &a, const Operazioni &op, QString *errore)
{
    if (!QDir().mkdir(a)) {
        *errore = QStringLiteral("impossibile creare \"%1\".").arg(QDir::toNativeSeparators(a));
        return false;
    }
    const auto voci = QDir(da).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &fi : voci) {
        const QString arrivo = Paths::join(a, fi.fileName());
        if (fi.isSymLink() || (fi.isDir() && CartelleSicure::nomeProvvisorio(fi.fileName())))
            continue;
        if (fi.isDir() ? !copiaAlbero(fi.filePath(), arrivo, op, errore) : !op.copiaFile(fi.filePath(), arrivo, errore))
            return false;
    }
    return true;
}

// The archive of da into the existing, empty folder a, flushed to the disk.
bool copiaArchivio(const QString &da, const QString &a, const Operazioni &op, QString *errore)
{
    const Contenuto c = contenuto(da);
    for (const QString &f : c.file)
        if (!op.copiaFile(Paths::join(da, f), Paths::join(a, f), errore))
            return false;
    for (const QString &k : c.classi)
        if (!copiaAlbero(Paths::join(da, k), Paths::join(a, k), op, errore))
            return false;
    if (!suDisco(a)) {
        *errore = QStringLiteral("impossibile scrivere sul disco.");
        return false;
    }
    return true;
}

QString nomeLibero(const QString &backup, const QDate &oggi)
{
    int ultimo = 0;
    for (const QString &n : copieIn(backup))
        if (leggiNome(n).data == oggi)
            ultimo = qMax(ultimo, leggiNome(n).numero);
    const QString data = oggi.toString(QStringLiteral("yyyy-MM-dd"));
    return ultimo == 0 ? data : QStringLiteral("%1-%2").arg(data).arg(ultimo + 1);
}

// The journal of a restore: which way it runs, the entries of the archive it replaces and of the new one.
struct Giornale {
    bool avanti = true;
    QStringList vecchi, nuovi;
};

bool scriviGiornale(const QString &r, const Giornale &g, QString *errore)
{
    QStringList righe{g.avanti ? QStringLiteral("avanti") : QStringLiteral("indietro")};
    for (const QString &v : g.vecchi)
        righe << QStringLiteral("V ") + v;
    for (const QString &n : g.nuovi)
        righe << QStringLiteral("N ") + n;
    return TextFile::writeBytes(Paths::join(r, kGiornale), righe.join(QLatin1Char('\n')).toUtf8(), errore);
}

std::optional<Giornale> leggiGiornale(const QString &r)
{
    const auto bytes = TextFile::readBytes(Paths::join(r, kGiornale));
    if (!bytes)
        return std::nullopt;
    const QStringList righe = QString::fromUtf8(*bytes).split(QLatin1Char('\n'));
    Giornale g;
    g.avanti = righe.value(0) != QLatin1String("indietro");
    for (const QString &riga : righe.mid(1))
        (riga.startsWith(QLatin1String("V ")) ? g.vecchi : g.nuovi) << riga.mid(2);
    return g;
}

QString nuovoPer(const Giornale &g, const QString &vecchio)
{
    const int i = Archivio::trovaNome(g.nuovi, vecchio);
    return i < 0 ? QString() : g.nuovi.at(i);
}

// Each entry's place tells where it stands: an old entry leaves before the new one of its name
// comes in, so while the new one is still in "nuovo" the program folder's entry is the old one.
bool avanti(const QString &programma, const QString &r, const Giornale &g, const Operazioni &op)
{
    const QString nuovo = Paths::join(r, kNuovo), vecchio = Paths::join(r, kVecchio);
    for (const QString &v : g.vecchi) {
        const QString n = nuovoPer(g, v);
        const QString qui = Paths::resolve(programma, v);
        if ((n.isEmpty() || QFileInfo::exists(Paths::join(nuovo, n))) && QFileInfo::exists(qui)
            && !op.rinomina(qui, Paths::join(vecchio, v)))
            return false;
    }
    for (const QString &n : g.nuovi)
        if (QFileInfo::exists(Paths::join(nuovo, n)) && !op.rinomina(Paths::join(nuovo, n), Paths::join(programma, n)))
            return false;
    return true;
}

bool indietro(const QString &programma, const QString &r, const Giornale &g, const Operazioni &op)
{
    const QString nuovo = Paths::join(r, kNuovo), vecchio = Paths::join(r, kVecchio);
    for (const QString &n : g.nuovi) {
        const QString qui = Paths::resolve(programma, n);
        if (!QFileInfo::exists(Paths::join(nuovo, n)) && QFileInfo::exists(qui) && !op.rinomina(qui, Paths::join(nuovo, n)))
            return false;
    }
    for (const QString &v : g.vecchi)
        if (QFileInfo::exists(Paths::join(vecchio, v)) && !op.rinomina(Paths::join(vecchio, v), Paths::join(programma, v)))
            return false;
    return true;
}

// Runs the journal's way to its end; then the journal goes first, so what is left is only a folder to drop.
bool completa(const QString &programma, const QString &r, const Giornale &g, const Operazioni &op)
{
    if (!(g.avanti ? avanti(programma, r, g, op) : indietro(programma, r, g, op)))
        return false;
    suDisco(programma);
    QFile::remove(Paths::join(r, kGiornale));
    QDir(r).removeRecursively();
    return true;
}
} // namespace

QString cartella(const QString &programma)
{
    if (Archivio::trovaNome(classiDi(programma), kCartella) >= 0)
        return QString();
    return Paths::resolve(programma, kCartella);
}

Contenuto contenuto(const QString &folder)
{
    Contenuto out;
    for (const QString &nome : fileArchivio()) {
        const QFileInfo fi(Paths::resolve(folder, nome));
        if (fi.isFile() && !fi.isSymLink())
            out.file << fi.fileName();
    }
    for (const QString &classe : classiDi(folder)) {
        if (Archivio::stessoNome(classe, kCartella))
            continue;
        const QString dir = Archivio::cartellaEsistente(classe, folder);
        if (!dir.isEmpty() && Archivio::trovaNome(out.classi, QFileInfo(dir).fileName()) < 0)
            out.classi << QFileInfo(dir).fileName();
    }
    return out;
}

Nome leggiNome(const QString &nome)
{
    static const QRegularExpression forma(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(?:-(\\d{1,4}))?$"));
    const QRegularExpressionMatch m = forma.match(nome);
    if (!m.hasMatch())
        return {};
    // The day's first copy has no number; the others count from 2.
    const bool numerata = !m.captured(4).isEmpty();
    const int numero = numerata ? m.captured(4).toInt() : 1;
    const QDate data(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!data.isValid() || (numerata && numero < 2))
        return {};
    return {data, numero};
}

QStringList daEliminare(const QStringList &nomi, const QDate &oggi)
{
    struct Copia {
        QString nome;
        Nome n;
    };
    QList<Copia> copie;
    for (const QString &nome : nomi)
        if (const Nome n = leggiNome(nome); n.data.isValid() && n.data <= oggi)
            copie.append({nome, n});
    std::sort(copie.begin(), copie.end(), [](const Copia &a, const Copia &b) {
        return a.n.data != b.n.data ? a.n.data < b.n.data : a.n.numero < b.n.numero;
    });
    QList<QDate> giorni;
    for (auto it = copie.crbegin(); it != copie.crend() && giorni.size() <= kGiorni; ++it)
        if (giorni.isEmpty() || giorni.last() != it->n.data)
            giorni << it->n.data;
    const QDate recenti = giorni.size() > kGiorni ? giorni.at(kGiorni - 1) : QDate(1, 1, 1);
    QStringList out;
    QDate mesePrecedente;
    for (const Copia &c : copie) {
        const QDate mese(c.n.data.year(), c.n.data.month(), 1);
        const bool primoDelMese = mese != mesePrecedente && c.n.data >= oggi.addYears(-1);
        mesePrecedente = mese;
        if (c.n.data < recenti && !primoDelMese)
            out << c.nome;
    }
    return out;
}

Operazioni operazioniReali()
{
    return {copiaSemplice, rinominaSemplice};
}

Esito copia(const QString &programma, const QDate &oggi, const Operazioni &op)
{
    Esito esito;
    const QString backup = cartella(programma);
    const QFileInfo fi(backup);
    if (backup.isEmpty() || (fi.exists() && (!fi.isDir() || fi.isSymLink()))) {
        esito.errore = QStringLiteral("il nome \"%1\" è usato da una classe o da un file.").arg(kCartella);
        return esito;
    }
    const bool cera = fi.exists();
    QDir().mkpath(backup);
    const bool fatta = [&] {
        QTemporaryDir posto(Paths::join(backup, kCopia + QStringLiteral("XXXXXX")));
        if (!posto.isValid()) {
            esito.errore = QStringLiteral("impossibile creare una cartella in \"%1\".").arg(QDir::toNativeSeparators(backup));
            return false;
        }
        if (!copiaArchivio(programma, posto.path(), op, &esito.errore))
            return false;
        const QString nome = nomeLibero(backup, oggi);
        if (!op.rinomina(posto.path(), Paths::join(backup, nome))) {
            esito.errore = QStringLiteral("impossibile creare \"%1\".").arg(QDir::toNativeSeparators(Paths::join(backup, nome)));
            return false;
        }
        posto.setAutoRemove(false);
        esito.nome = nome;
        return true;
    }();
    if (!fatta) {
        // A first copy that failed leaves no empty folder behind.
        if (!cera)
            QDir().rmdir(backup);
        return esito;
    }
    CartelleSicure::scriviSuDisco(backup);
    esito.ok = true;
    return esito;
}

Esito copiaDelGiorno(const QString &programma, const QDate &oggi)
{
    const QString backup = cartella(programma);
    for (const QString &n : copieIn(backup))
        if (leggiNome(n).data == oggi)
            return {true, QString(), QString()};
    const Esito esito = copia(programma, oggi);
    if (esito.ok)
        pota(programma, oggi);
    return esito;
}

void pota(const QString &programma, const QDate &oggi)
{
    const QString backup = cartella(programma);
    if (backup.isEmpty())
        return;
    for (const QString &nome : daEliminare(copieIn(backup), oggi)) {
        // Out of its dated name first: a deletion cut short leaves only a staging folder.
        const QString via = Paths::join(backup, kCopia + nome);
        QDir(via).removeRecursively();
        if (rinominaSemplice(Paths::join(backup, nome), via))
            QDir(via).removeRecursively();
    }
}

QList<Riepilogo> elenco(const QString &programma)
{
    QList<Riepilogo> out;
    const QString backup = cartella(programma);
    if (backup.isEmpty())
        return out;
    for (const QString &nome : copieIn(backup)) {
        const QString dir = Paths::join(backup, nome);
        Riepilogo r{nome, leggiNome(nome).data, leggiNome(nome).numero};
        // Anno.dat holds the year followed by the line end the writer added.
        if (const auto anno = TextFile::readBytes(Paths::resolve(dir, QStringLiteral("Anno.dat"))); anno && anno->size() >= 2)
            r.anno = Ansi::decode(anno->left(anno->size() - 2)).trimmed();
        r.classi = int(classiDi(dir).size());
        for (const QString &k : contenuto(dir).classi)
            r.alunni += int(Archivio::leggiAlunni(Paths::resolve(Paths::join(dir, k), Archivio::nomeFileAlunni(k))).alunni.size());
        out << r;
    }
    std::sort(out.begin(), out.end(), [](const Riepilogo &a, const Riepilogo &b) {
        return a.data != b.data ? a.data > b.data : a.numero > b.numero;
    });
    return out;
}

Esito ripristina(const QString &programma, const QString &nome, const Operazioni &op)
{
    Esito esito;
    const QString backup = cartella(programma);
    const QString copia = Paths::join(backup, nome);
    if (backup.isEmpty() || !leggiNome(nome).data.isValid() || !QFileInfo(copia).isDir()) {
        esito.errore = QStringLiteral("la copia \"%1\" non esiste.").arg(nome);
        return esito;
    }
    QTemporaryDir posto(Paths::join(backup, kRipristino + QStringLiteral("XXXXXX")));
    const QString r = posto.path();
    if (!posto.isValid() || !QDir(r).mkdir(kVecchio) || !QDir(r).mkdir(kNuovo)) {
        esito.errore = QStringLiteral("impossibile creare una cartella in \"%1\".").arg(QDir::toNativeSeparators(backup));
        return esito;
    }
    if (!copiaArchivio(copia, Paths::join(r, kNuovo), op, &esito.errore))
        return esito;

    Giornale g;
    g.nuovi = QDir(Paths::join(r, kNuovo)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    // The class list and the classes follow the copy; a settings or phrase file it lacks stays as it is.
    const Contenuto attuale = contenuto(programma);
    for (const QString &f : attuale.file)
        if (Archivio::stessoNome(f, QStringLiteral("Classi.dat")) || Archivio::trovaNome(g.nuovi, f) >= 0)
            g.vecchi << f;
    g.vecchi += attuale.classi;
    // A folder of the program folder that is no class of the archive is never replaced.
    for (const QString &n : g.nuovi) {
        if (QFileInfo::exists(Paths::resolve(programma, n)) && Archivio::trovaNome(g.vecchi, n) < 0) {
            esito.errore = QStringLiteral("\"%1\" esiste già nella cartella del programma e non fa parte dell'archivio.")
                               .arg(QFileInfo(Paths::resolve(programma, n)).fileName());
            return esito;
        }
    }
    if (!scriviGiornale(r, g, &esito.errore))
        return esito;
    posto.setAutoRemove(false);
    if (completa(programma, r, g, op)) {
        esito.ok = true;
        return esito;
    }
    esito.errore = QStringLiteral("impossibile spostare i file dell'archivio.");
    g.avanti = false;
    // Undone now; if even that fails, the next start undoes it by the journal.
    if (scriviGiornale(r, g, nullptr))
        completa(programma, r, g, op);
    return esito;
}

void riprendi(const QString &programma)
{
    const QString backup = cartella(programma);
    if (backup.isEmpty() || !QFileInfo(backup).isDir() || QFileInfo(backup).isSymLink())
        return;
    for (const QFileInfo &fi : QDir(backup).entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString nome = fi.fileName();
        if (fi.isSymLink() || !(nome.startsWith(kCopia) || nome.startsWith(kRipristino)))
            continue;
        const auto g = nome.startsWith(kRipristino) ? leggiGiornale(fi.filePath()) : std::nullopt;
        if (!g)
            QDir(fi.filePath()).removeRecursively();
        else
            completa(programma, fi.filePath(), *g, operazioniReali());
    }
    // A first copy cut short leaves no empty folder behind.
    QDir().rmdir(backup);
}

} // namespace CopieSicurezza
