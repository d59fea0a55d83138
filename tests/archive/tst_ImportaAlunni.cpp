#include "Archivi.h"

#include "archive/ImportaAlunni.h"
#include "archive/frmImportaAlunni.h"
#include "archive/Archivio.h"

#include <QDate>
#include <QStringEncoder>
#include <QTableWidget>

using namespace Archivio;

namespace {
QByteArray utf16(const char *utf8)
{
    return QStringEncoder(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom)(QString::fromUtf8(utf8));
}

// Each planned row as "name | sex shown | outcome".
QStringList righe(const Piano &p)
{
    QStringList out;
    for (const RigaPiano &r : p.righe)
        out << QStringLiteral("%1 | %2 | %3").arg(r.nome).arg(r.codice).arg(testoEsito(r));
    return out;
}
} // namespace

// Pupil lists exported by registers and spreadsheets, planned against a class and added to it.
class TestImportaAlunni : public QObject
{
    Q_OBJECT
private slots:
    void listsInEveryEncodingAndSeparator()
    {
        const QList<Alunno> classe{{QStringLiteral("Bianchi Anna"), 0}, {QString::fromUtf8("D'Angelo Niccolò"), 1}};
        // Each file and its planned rows, or its error alone.
        const QList<std::pair<QByteArray, QStringList>> casi = {
            // UTF-8 with BOM, ';', columns in another order and case, extra columns
            {"\xEF\xBB\xBF" "Classe;SESSO;Nome;Cognome;Data di nascita\r\n3A;M;Niccolò;D'ANGELO;1.1.2017\r\n"
             "3A;Femmina;Zoe;Ferrari;\r\n3A;maschio;Luca;Verdi;\r\n3A; f ;Ada;Neri\r\n\r\n;;;\r\n",
             {QString::fromUtf8("D'ANGELO Niccolò | 1 | già presente"), "Ferrari Zoe | 0 | nuovo", "Verdi Luca | 1 | nuovo",
              "Neri Ada | 0 | nuovo"}},
            // UTF-8 without BOM, ',', quoted fields, duplicates in the file
            {"cognome,nome,sesso\n\"Rossi, Ugo\",x,M\n\"De \"\"Luca\"\"\",Eva,F\nverdi,luca,M\nVERDI,Luca,F\n"
             "\"Mei\nLi\",\"Ann  Kim\",F\nbianchi,anna,F\nBruno,,F\n",
             {"Rossi, Ugo x | 1 | " + problemaAlunno("Rossi, Ugo x"),
              QStringLiteral("De \"Luca\" Eva | 0 | ") + problemaAlunno("De \"Luca\" Eva"),
              "verdi luca | 1 | nuovo", QString::fromUtf8("VERDI Luca | 0 | già presente"), "Mei Li Ann Kim | 0 | nuovo",
              QString::fromUtf8("bianchi anna | 0 | già presente"), "Bruno | 0 | nuovo"}},
            // Windows-1252, tab, unknown or missing sex, names the archive cannot store
            {ansi("Cognome\tNome\tSesso\r\nCantù\tGiosuè\tm\r\nSala\tPia\tX\r\nMoro\tEli\t\r\nCON\t\tM\r\n\tTeo\tF\r\n"),
             {QString::fromUtf8("Cantù Giosuè | 1 | nuovo"), "Sala Pia | -1 | Sesso \"X\" non riconosciuto: M, F, Maschio o Femmina.",
              "Moro Eli | -1 | Manca il sesso (M o F).", "CON | 1 | " + problemaAlunno("CON"), "Teo | 0 | nuovo"}},
            // UTF-16 with BOM, as a spreadsheet's Unicode text; a name Windows-1252 cannot hold
            {utf16("cognome\tnome\tsesso\r\nNguyễn\tAn\tM\r\nLi\tWei\tF\r\n"),
             {QString::fromUtf8("Nguyễn An | 1 | ") + problemaAlunno(QString::fromUtf8("Nguyễn An")), "Li Wei | 0 | nuovo"}},
            {"cognome;nome;genere\r\nRossi;Ugo;M\r\n",
             {"La prima riga del file deve nominare le colonne cognome, nome e sesso; manca: sesso."}},
            {"\r\n cognome;nome;sesso\r\n;;\r\n",
             {"Il file non elenca alunni sotto la riga delle colonne."}},
            {" \r\n;;\r\n", {QString::fromUtf8("Il file è vuoto.")}},
        };
        for (const auto &[file, attesi] : casi) {
            const Piano p = pianifica(leggiElenco(file), classe);
            QCOMPARE_EQ(p.errore.isEmpty() ? righe(p) : QStringList{p.errore}, attesi);
        }
        QCOMPARE(separatoreElenco("\"a;b\",c,d;e"), QChar(','));
        QCOMPARE(separatoreElenco("a;b\tc"), QChar('\t'));
    }

    void confirmedPupilsJoinTheListInOneRewrite()
    {
        ProgramFolder dir;
        dir.write("3A/ALUNNI.3A", "Bianchi Anna\r\n 0 \r\nVerdi Luca\r\n 1 \r\n");
        dir.write("elenco.csv", "\xEF\xBB\xBF" "cognome;nome;sesso\r\nZanna;Ugo;M\r\nabate;Eva;F\r\nverdi;luca;M\r\nRossi;Al;?\r\n");
        QStringList prima;
        const auto copia = [&] { return !(prima << "3A").isEmpty(); };
        const Piano p = pianificaFile(dir.file("elenco.csv"), "3A");
        QCOMPARE(p.nuovi(), 2);
        // A pupil added meanwhile in the archive window is not added twice.
        dir.write("3A/ALUNNI.3A", "Abate Eva\r\n 0 \r\nBianchi Anna\r\n 0 \r\nVerdi Luca\r\n 1 \r\n");
        int aggiunti = -1;
        QCOMPARE(applica(p, "3A", &aggiunti, copia), QString());
        QCOMPARE(aggiunti, 1);
        QCOMPARE(dir.read("3A/ALUNNI.3A"), QByteArray("Abate Eva\r\n 0 \r\nBianchi Anna\r\n 0 \r\nVerdi Luca\r\n 1 \r\n"
                                                      "Zanna Ugo\r\n 1 \r\n"));
        QCOMPARE(prima, QStringList{"3A"});
        // Nothing new: nothing written, no copy asked for.
        QCOMPARE(applica(p, "3A", &aggiunti, copia), QString());
        QVERIFY(aggiunti == 0 && prima.size() == 1);
        // A class without its list gets one; a refused copy stops an import over pupils already there.
        dir.mkdir("4B");
        QVERIFY(applica(pianificaFile(dir.file("elenco.csv"), "4B"), "4B").isEmpty());
        const QByteArray quartaB("abate Eva\r\n 0 \r\nverdi luca\r\n 1 \r\nZanna Ugo\r\n 1 \r\n");
        QCOMPARE(dir.read("4B/ALUNNI.4B"), quartaB);
        dir.write("elenco.csv", "cognome,nome,sesso\r\nNeri,Ada,F\r\n");
        QVERIFY(!applica(pianificaFile(dir.file("elenco.csv"), "4B"), "4B", nullptr, [] { return false; }).isEmpty());
        QCOMPARE(dir.read("4B/ALUNNI.4B"), quartaB);
        // A damaged list or a missing folder is never rewritten; a missing file is said.
        dir.write("4B/ALUNNI.4B", "Bianchi, Anna\r\n 0 \r\n");
        QVERIFY(pianificaFile(dir.file("elenco.csv"), "4B").errore.contains("alla riga 1"));
        QVERIFY(pianificaFile(dir.file("elenco.csv"), "5C").errore.contains("La cartella non esiste."));
        QCOMPARE(pianificaFile(dir.file("manca.csv"), "3A").errore, "Impossibile leggere il file manca.csv.");
    }

    void importedFromTheArchiveWindow()
    {
        ProgramFolder dir;
        dir.write("Classi.dat", "3A\r\n");
        dir.write("3A/ALUNNI.3A", "Bianchi Anna\r\n 0 \r\n");
        dir.write("elenco.txt", ansi("cognome\tnome\tsesso\r\nVerdi\tLuca\tM\r\nbianchi\tanna\tF\r\nRossi, Ugo\t\tM\r\n"
                                     "Abbà\tEva\tFemmina\r\n"));
        QStringList offerte;
        frmImportaAlunni::setDomanda([&](const QString &cartella) {
            offerte << cartella;
            return dir.file("elenco.txt");
        });
        Archivi a;
        QVERIFY(a.apri());
        auto *importa = control<QPushButton>(a.w, "cmdImportaAlunni");
        QCOMPARE(mostrato([&] { clickAt(importa); }),
                 avviso("Scegli prima la classe a cui aggiungere gli alunni.", Msg::Exclamation));
        a.apriClasse("3a");
        const auto tabella = [] {
            QStringList out;
            auto *t = control<QTableWidget>(window("frmImportaAlunni"), "tblAlunni");
            for (int r = 0; t && r < t->rowCount(); ++r)
                out << t->item(r, 0)->text() + " | " + t->item(r, 1)->text() + " | " + t->item(r, 2)->text();
            return out;
        };
        // Nothing is written until "Conferma"; then the new pupils join the list, sorted, in one rewrite.
        clickAt(importa);
        QTRY_VERIFY(window("frmImportaAlunni") && window("frmImportaAlunni")->isVisible());
        QCOMPARE(tabella(), (QStringList{"Verdi Luca | Maschio | nuovo", QString::fromUtf8("bianchi anna | Femmina | già presente"),
                                         "Rossi, Ugo | Maschio | " + problemaAlunno("Rossi, Ugo"),
                                         QString::fromUtf8("Abbà Eva | Femmina | nuovo")}));
        QVERIFY(!a.w->isEnabled());
        QCOMPARE(dir.read("3A/ALUNNI.3A"), QByteArray("Bianchi Anna\r\n 0 \r\n"));
        clickAt(control<QPushButton>(window("frmImportaAlunni"), "cmdConferma"));
        const QByteArray dopo = ansi("Abbà Eva\r\n 0 \r\nBianchi Anna\r\n 0 \r\nVerdi Luca\r\n 1 \r\n");
        QCOMPARE(dir.read("3A/ALUNNI.3A"), dopo);
        // The list it replaced is kept in the copy of the archive taken first.
        QCOMPARE(dir.read("Backup/" + QDate::currentDate().toString(Qt::ISODate) + "/3A/ALUNNI.3A"), "Bianchi Anna\r\n 0 \r\n");
        QTRY_VERIFY(!Forms::isLoaded("frmImportaAlunni") && a.w->isEnabled());
        QCOMPARE(a.alunni->items(), (QStringList{QString::fromUtf8("Abbà Eva"), "Bianchi Anna", "Verdi Luca"}));
        // "Annulla" writes nothing; the folder chosen last is offered again.
        dir.write("elenco.txt", "cognome;nome;sesso\r\nNeri;Ada;F\r\n");
        clickAt(importa);
        QTRY_VERIFY(window("frmImportaAlunni") && window("frmImportaAlunni")->isVisible());
        QCOMPARE(tabella(), QStringList{"Neri Ada | Femmina | nuovo"});
        clickAt(control<QPushButton>(window("frmImportaAlunni"), "cmdAnnulla"));
        QTRY_VERIFY(!Forms::isLoaded("frmImportaAlunni") && a.w->isEnabled());
        QCOMPARE(dir.read("3A/ALUNNI.3A"), dopo);
        QCOMPARE(offerte.value(1), dir.path());
        VERIFY_NO_UNANSWERED();
    }
};

QUADERLO_TEST_MAIN(TestImportaAlunni)
#include "tst_ImportaAlunni.moc"
