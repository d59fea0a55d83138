#include "utilities/FileFrasi.h"
#include "archive/Archivio.h"
#include "archive/ElencoAlunni.h"
#include "archive/ElencoClassi.h"
#include "composition/FileGiudizio.h"
#include "platform/Ansi.h"
#include "platform/CartelleSicure.h"
#include "platform/Conv.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include <cstdio>

namespace {
const QString kNota = QStringLiteral(".quaderlo-rinumera");
const QString kNuovo = QStringLiteral(".quaderlo-rinumera");
const QByteArray kPrepara = "prepara";
const QByteArray kFatto = "fatto";
int g_passi = -1;

bool controllo(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f);
}

bool conControlli(const QString &s)
{
    return std::any_of(s.begin(), s.end(), controllo);
}

QByteArray senzaFineRiga(QByteArray riga)
{
    if (riga.endsWith("\r\n"))
        riga.chop(2);
    else if (riga.endsWith('\r'))
        riga.chop(1);
    return riga;
}

QString nota() { return Paths::join(Paths::programFolder(), kNota); }

QByteArray testoNota(const QByteArray &stato, const QList<FileFrasi::DaScrivere> &file)
{
    QByteArray out = stato + '\n';
    const QDir programma(Paths::programFolder());
    for (const auto &f : file)
        out += programma.relativeFilePath(f.path).toUtf8() + '\n';
    return out;
}

bool sostituisci(const QString &nuovo, const QString &path)
{
#ifdef Q_OS_WIN
    QFile::remove(path);
#endif
    return std::rename(QFile::encodeName(nuovo).constData(), QFile::encodeName(path).constData()) == 0;
}

void togliNuovi(const QStringList &paths)
{
    for (const QString &p : paths)
        QFile::remove(p + kNuovo);
    QFile::remove(nota());
}

// The note's files; the state in *stato.
QStringList fileDellaNota(QByteArray *stato)
{
    const QList<QByteArray> righe = TextFile::readBytes(nota()).value_or(QByteArray()).split('\n');
    *stato = righe.value(0);
    QStringList out;
    const QDir programma(Paths::programFolder());
    for (qsizetype i = 1; i < righe.size(); ++i)
        if (!righe[i].isEmpty())
            out << QDir::cleanPath(programma.filePath(QString::fromUtf8(righe[i])));
    return out;
}
} // namespace

FileFrasi::Parti FileFrasi::parti(const QString &voce)
{
    Parti p;
    const qsizetype uguale = voce.indexOf(QLatin1Char('='));
    if (uguale < 0) {
        p.frase = voce;
        p.uguale = false;
        return p;
    }
    p.testa = voce.left(uguale);
    p.frase = voce.mid(uguale + 1);
    p.aCapo = p.testa.endsWith(QLatin1Char('<'));
    if (p.aCapo)
        p.testa.chop(1);
    return p;
}

QString FileFrasi::unisci(const Parti &p)
{
    if (!p.uguale && p.testa.isEmpty() && !p.aCapo && !p.frase.contains(QLatin1Char('=')))
        return p.frase;
    return p.testa + (p.aCapo ? QStringLiteral("<=") : QStringLiteral("=")) + p.frase;
}

QString FileFrasi::problema(const Parti &p)
{
    if (conControlli(p.testa) || conControlli(p.frase))
        return QStringLiteral("La voce non può contenere a capo, tabulazioni o altri caratteri di controllo.");
    if (p.testa.contains(QLatin1Char('=')))
        return QStringLiteral("La testa non può contenere il segno «=».");
    if (p.testa.endsWith(QLatin1Char('<')) && !p.aCapo)
        return QStringLiteral("La testa non può terminare con «<»: per far cominciare la frase su una riga nuova "
                              "spunta «A capo».");
    const QString nonAmmessi = Ansi::unencodable(p.testa + p.frase);
    if (!nonAmmessi.isEmpty())
        return QStringLiteral("La voce contiene caratteri che il file delle frasi non può contenere: ") + nonAmmessi;
    return QString();
}

QString FileFrasi::Contenuto::voce(int i) const
{
    return Ansi::decode(senzaFineRiga(righe.at(i)));
}

bool FileFrasi::Contenuto::mostrabile(int i) const
{
    return !conControlli(voce(i));
}

FileFrasi::Contenuto FileFrasi::leggi(const QByteArray &bytes)
{
    Contenuto c;
    qsizetype inizio = 0;
    for (qsizetype cr = bytes.indexOf('\r'); cr >= 0; cr = bytes.indexOf('\r', inizio)) {
        const qsizetype fine = (cr + 1 < bytes.size() && bytes[cr + 1] == '\n') ? cr + 2 : cr + 1;
        c.righe << bytes.mid(inizio, fine - inizio);
        inizio = fine;
    }
    c.coda = bytes.mid(inizio);
    return c;
}

QByteArray FileFrasi::bytes(const Contenuto &c)
{
    QByteArray out;
    for (const QByteArray &r : c.righe)
        out += r;
    return out + c.coda;
}

bool FileFrasi::modifica(Contenuto &c, int i, const Parti &p, QString *perche)
{
    *perche = problema(p);
    if (!perche->isEmpty())
        return false;
    c.righe[i] = Ansi::encode(unisci(p)) + "\r\n";
    return true;
}

bool FileFrasi::aggiungi(Contenuto &c, const Parti &p, QString *perche)
{
    c.righe << QByteArray();
    if (modifica(c, c.voci() - 1, p, perche))
        return true;
    c.righe.removeLast();
    return false;
}

void FileFrasi::elimina(Contenuto &c, int i)
{
    c.righe[i] = "\r\n";
}

QList<int> FileFrasi::sposta(Contenuto &c, int da, int a)
{
    QList<int> nuovi;
    for (int i = 0; i < c.voci(); ++i)
        nuovi << i;
    if (da == a || da < 0 || a < 0 || da >= c.voci() || a >= c.voci())
        return nuovi;
    c.righe.move(da, a);
    for (int i = 0; i < c.voci(); ++i) {
        if (i == da)
            nuovi[i] = a;
        else if (da < a && i > da && i <= a)
            nuovi[i] = i - 1;
        else if (a < da && i >= a && i < da)
            nuovi[i] = i + 1;
    }
    return nuovi;
}

QString FileFrasi::rinumeraRiga(const QString &riga, const QList<int> &nuovi)
{
    QString out;
    qsizetype inizio = 0;
    for (qsizetype blank = riga.indexOf(QLatin1Char(' ')); blank >= 0; blank = riga.indexOf(QLatin1Char(' '), inizio)) {
        const QString token = riga.mid(inizio, blank - inizio + 1);
        const auto n = Conv::toInt16(token);
        out += (n && *n >= 0 && *n < nuovi.size()) ? QString::number(nuovi[*n]) + QLatin1Char(' ') : token;
        inizio = blank + 1;
    }
    return out + riga.mid(inizio);
}

QByteArray FileFrasi::rinumeraFile(const QByteArray &bytes, int quadro, const QList<int> &nuovi)
{
    // Lines as the selection files are read: each ends at CR, LF or CR LF.
    const auto fineRiga = [&](qsizetype p) {
        while (p < bytes.size() && bytes[p] != '\r' && bytes[p] != '\n')
            ++p;
        return p;
    };
    qsizetype inizio = 0;
    for (int n = 1; n < quadro && inizio < bytes.size(); ++n) {
        inizio = fineRiga(inizio);
        if (inizio < bytes.size() && bytes[inizio] == '\r')
            ++inizio;
        if (inizio < bytes.size() && bytes[inizio] == '\n')
            ++inizio;
    }
    if (inizio >= bytes.size())
        return bytes;
    const qsizetype fine = fineRiga(inizio);
    const QString riga = Ansi::decode(bytes.mid(inizio, fine - inizio));
    const QString nuova = rinumeraRiga(riga, nuovi);
    if (nuova == riga)
        return bytes;
    return bytes.left(inizio) + Ansi::encode(nuova) + bytes.mid(fine);
}

FileFrasi::Piano FileFrasi::pianoSpostamento(int quadro, const QList<int> &nuovi, const QByteArray &fileFrasi)
{
    Piano piano;
    piano.file << DaScrivere{Paths::inProgram(QStringLiteral("quadro%1.txt").arg(quadro)), fileFrasi};
    QStringList scelte{FileGiudizio::preselezione()};
    const Archivio::ElencoClassi classi = Archivio::leggiClassi();
    if (classi.stato == Archivio::StatoFile::Illeggibile) {
        piano.errore = QStringLiteral("Impossibile leggere il file Classi.dat.");
        return piano;
    }
    for (const QString &classe : classi.classi) {
        const QString cartella = Archivio::cartellaClasse(classe);
        if (cartella.isEmpty() || !QFileInfo(cartella).isDir())
            continue;
        const Archivio::ElencoAlunni alunni = Archivio::leggiAlunni(Archivio::fileAlunni(classe));
        if (alunni.stato == Archivio::StatoFile::Illeggibile) {
            piano.errore = QStringLiteral("Impossibile leggere l'elenco degli alunni della classe %1.").arg(classe);
            return piano;
        }
        for (const Archivio::Alunno &a : alunni.alunni)
            scelte << Archivio::fileAlunno(cartella, a.nome, QStringLiteral(".dat"));
    }
    QSet<QString> visti;
    for (const QString &path : std::as_const(scelte)) {
        const QFileInfo fi(path);
        if (path.isEmpty() || !fi.isFile() || visti.contains(fi.canonicalFilePath()))
            continue;
        visti.insert(fi.canonicalFilePath());
        const auto prima = TextFile::readBytes(path);
        if (!prima) {
            piano.errore = QStringLiteral("Impossibile leggere il file %1.").arg(QDir::toNativeSeparators(path));
            return piano;
        }
        const QByteArray dopo = rinumeraFile(*prima, quadro, nuovi);
        if (dopo != *prima)
            piano.file << DaScrivere{path, dopo};
    }
    return piano;
}

bool FileFrasi::esegui(const QList<DaScrivere> &file, QString *errore)
{
    QStringList paths;
    for (const auto &f : file)
        paths << f.path;
    int passo = 0;
    const auto interrotto = [&] {
        if (g_passi < 0 || passo++ != g_passi)
            return false;
        *errore = QStringLiteral("interrotto");
        return true;
    };
    const auto annulla = [&] {
        togliNuovi(paths);
        return false;
    };
    if (!TextFile::writeBytes(nota(), testoNota(kPrepara, file), errore))
        return false;
    if (interrotto())
        return false;
    for (const auto &f : file) {
        if (!TextFile::writeBytes(f.path + kNuovo, f.bytes, errore))
            return annulla();
        if (interrotto())
            return false;
    }
    // From here on the work counts as done: an interruption is finished at the next start.
    if (!TextFile::writeBytes(nota(), testoNota(kFatto, file), errore))
        return annulla();
    if (interrotto())
        return false;
    for (const auto &f : file) {
        if (!sostituisci(f.path + kNuovo, f.path)) {
            *errore = QStringLiteral("%1: impossibile sostituire il file; sarà fatto al prossimo avvio.")
                          .arg(QFileInfo(f.path).fileName());
            return false;
        }
        if (interrotto())
            return false;
    }
    for (const QString &p : std::as_const(paths))
        CartelleSicure::scriviSuDisco(QFileInfo(p).absolutePath());
    QFile::remove(nota());
    return true;
}

void FileFrasi::riprendi()
{
    if (!QFileInfo::exists(nota()))
        return;
    QByteArray stato;
    const QStringList paths = fileDellaNota(&stato);
    if (stato != kFatto) {
        togliNuovi(paths);
        return;
    }
    bool tutti = true;
    for (const QString &p : paths)
        if (QFileInfo::exists(p + kNuovo) && !sostituisci(p + kNuovo, p))
            tutti = false;
    if (tutti)
        QFile::remove(nota());
}

void FileFrasi::interrompiPerTest(int passi)
{
    g_passi = passi;
}
