#include "TestSupport.h"

#include "app/CarQuad.h"
#include "app/Impostazioni.h"
#include "archive/CopieSicurezza.h"
#include "archive/ElencoAlunni.h"
#include "archive/ElencoClassi.h"
#include "archive/NuovaClasse.h"
#include "archive/SvuotaArchivio.h"
#include "composition/Selezione.h"
#include "composition/TestoQuadro.h"
#include "platform/CartelleSicure.h"
#include "platform/GuastoDisco.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "printing/ConfigStampa.h"
#include "printing/FileFormati.h"
#include "utilities/EsportaImporta.h"
#include "utilities/UnioneGiudizi.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <functional>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace {
// Every entry under folder, hidden ones too, with the bytes of each file.
QMap<QString, QByteArray> istantanea(const QString &folder)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo fi(it.next());
        out.insert(QDir(folder).relativeFilePath(fi.filePath()),
                   fi.isDir() ? QByteArray("<cartella>") : TextFile::readBytes(fi.filePath()).value_or("?"));
    }
    return out;
}

// Only the files called nome meet a full disk; none when nome is empty.
void discoPienoPer(const QString &nome)
{
    GuastoDisco::imposta(nome.isEmpty() ? GuastoDisco::Spazio()
                                        : [nome](const QString &path) { return QFileInfo(path).fileName() == nome ? 0 : -1; });
}

using namespace CarQuad;
using Scrittura = std::function<bool(QString *)>;

// Every way the program writes a file, each with the file that fails it: a program folder in use at
// disco, a class 4A with one pupil, and a class folder to import at fonte.
QList<std::pair<QString, Scrittura>> scritture(const QString &disco, const QString &fonte)
{
    const auto in = [disco](const char *rel) { return QDir(disco).filePath(QString::fromLatin1(rel)); };
    const auto piano = [=](const char *classe) { return EsportaImporta::pianifica(fonte, classe, disco); };
    return {
        {"Anno.dat", [](QString *e) { AnnoScolastico = QStringLiteral("2026/27"); return Impostazioni::scriviAnno(e); }},
        {"Qua.inf", [](QString *e) { return Impostazioni::scriviPassword(QStringLiteral("Maestra"), QStringLiteral("x"), e); }},
        {"Titoli.dat", [](QString *e) { return Impostazioni::scriviTitoli(e); }},
        {"Quaderlo.cfg", [](QString *e) { Carattere = QStringLiteral("Arial"); return ConfigStampa::scrivi(e); }},
        {"Formati.dat", [](QString *e) { return FileFormati::scrivi(Formati(), e); }},
        {"Classi.dat", [](QString *e) { return Archivio::scriviClassi({QStringLiteral("4A"), QStringLiteral("5B")}, e); }},
        {"ALUNNI.4A", [=](QString *e) { return Archivio::scriviAlunni(in("4A/ALUNNI.4A"), {{QStringLiteral("Verdi Luca"), 1}}, e); }},
        {"Rossi Mario.q1", [=](QString *e) { return TestoQuadro::scrivi(in("4A/Rossi Mario.q1"), QStringLiteral("Nuovo."), e); }},
        {"Rossi Mario.dat", [=](QString *e) { return Selezione::scrivi(in("4A/Rossi Mario.dat"), {QStringLiteral("0 1 "), {}, {}, {}}, e); }},
        {"4A_Finale.txt", [](QString *e) {
             const auto r = UnioneGiudizi::unisci(QStringLiteral("4A"), QStringLiteral("q1"), QStringLiteral("_Finale"));
             *e = r.dettaglio;
             return r.esito == UnioneGiudizi::Esito::Fatto;
         }},
        // A new class is taken back whole: its list, then its folder.
        {"ALUNNI.5B", [](QString *e) { return (*e = Archivio::creaClasse("5B", {"4A"}).file).isEmpty(); }},
        {"Classi.dat", [](QString *e) { return (*e = Archivio::creaClasse("5B", {"4A"}).file).isEmpty(); }},
        {"Classi.dat", [](QString *e) { return Archivio::accodaClasse(QStringLiteral("5B"), e); }},
        // A class folder replaced or made by an import: the old one, or none.
        {"Rossi Mario.q1", [=](QString *e) { return (*e = EsportaImporta::esegui(piano("4A"), fonte, true).errore).isEmpty(); }},
        {"Rossi Mario.q1", [=](QString *e) { return (*e = EsportaImporta::esegui(piano("5B"), fonte, true).errore).isEmpty(); }},
        {"Classi.dat", [](QString *e) { return SvuotaArchivio::esegui(SvuotaArchivio::prepara(), e); }},
        // The dated copy of the archive: none, rather than half a copy.
        {"Rossi Mario.q1", [=](QString *e) {
             const CopieSicurezza::Esito r = CopieSicurezza::copia(disco, QDate(2026, 5, 12));
             *e = r.errore;
             return r.ok;
         }},
    };
}

void riempi(const QString &folder)
{
    QFile f(QDir(folder).filePath(QStringLiteral("riempitivo")));
    const QByteArray block(4096, 'x');
    if (f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        while (f.write(block) > 0)
            ;
}
} // namespace

class TestDiscoPieno : public QObject
{
    Q_OBJECT
    // Runs every write on the program folder disco, where it fails: nothing changes and the failure is told.
    void ogniScritturaFallisce(const QString &disco, bool tutte)
    {
        Paths::setProgramFolder(disco);
        QTemporaryDir fonte;
        for (const char *f : {"ALUNNI.4A", "Rossi Mario.q1", "Bianchi Anna.q1"})
            QVERIFY(TextFile::writeBytes(fonte.filePath(f), "nuovo\r\n"));
        for (const char *f : {"Anno.dat", "Qua.inf", "Titoli.dat", "Quaderlo.cfg", "Formati.dat", "4A/Rossi Mario.q1",
                              "4A/Rossi Mario.dat", "4A/4A_Finale.txt"})
            QVERIFY(QDir().mkpath(QFileInfo(disco + "/" + f).path()) && TextFile::writeBytes(disco + "/" + f, "vecchio\r\n"));
        QVERIFY(TextFile::writeBytes(disco + "/Classi.dat", "4A\r\n") && TextFile::writeBytes(disco + "/4A/ALUNNI.4A", "Rossi Mario\r\n 1 \r\n"));
        if (tutte)
            riempi(disco);
        const auto prima = istantanea(disco);
        for (const auto &[file, scrivi] : scritture(disco, fonte.path())) {
            discoPienoPer(tutte ? QString() : file);
            QString errore;
            QVERIFY2(!scrivi(&errore) && !errore.isEmpty(), qPrintable(file));
            discoPienoPer(QString());
            QCOMPARE(istantanea(disco), prima); // no temporary file left behind either
        }
    }

private slots:
    void cleanup() { GuastoDisco::imposta({}); }

    // A disk that fills up at any byte: the write fails and the old file stays, copies included.
    void aWriteThatFallsShortIsAFailure()
    {
        ProgramFolder dir;
        const QByteArray bytes(200000, 'a');
        dir.write("grande", bytes);
        for (const qint64 n : {qint64(0), qint64(10), qint64(65536), qint64(199999), qint64(200000)}) {
            dir.write("a.dat", "vecchio");
            QFile::remove(dir.file("copia"));
            GuastoDisco::imposta([n](const QString &) { return n; });
            QString errore, errore2;
            const bool ok = TextFile::writeBytes(dir.file("a.dat"), bytes, &errore);
            QCOMPARE(CartelleSicure::copiaFile(dir.file("grande"), dir.file("copia"), &errore2), ok);
            GuastoDisco::imposta({});
            QVERIFY(ok == (n == bytes.size()) && errore2.isEmpty() == ok);
            QCOMPARE(errore, ok ? QString() : QStringLiteral("a.dat: spazio esaurito sul disco"));
            QCOMPARE(dir.read("a.dat"), ok ? bytes : QByteArray("vecchio"));
        }
    }

    void everyWriteThatFailsLeavesEveryFileAsItWas()
    {
        ProgramFolder dir;
        ogniScritturaFallisce(dir.file("disco"), false);
    }

    // On a real full disk, the same.
    void aFullDiskLeavesEveryFileAsItWas()
    {
#ifdef Q_OS_LINUX
        if (::geteuid() != 0)
            QSKIP("mounting a small file system needs root");
        ProgramFolder dir;
        const QString disco = dir.file(QStringLiteral("disco"));
        QVERIFY(QDir().mkpath(disco));
        if (::mount("tmpfs", QFile::encodeName(disco).constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("no tmpfs can be mounted here");
        const auto smonta = qScopeGuard([&] { ::umount2(QFile::encodeName(disco).constData(), MNT_DETACH); });
        ogniScritturaFallisce(disco, true);
#else
        QSKIP("Linux only");
#endif
    }
};

QUADERLO_TEST_MAIN(TestDiscoPieno)
#include "tst_DiscoPieno.moc"
