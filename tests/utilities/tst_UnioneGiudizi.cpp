#include "UtilitaSupport.h"

#include "utilities/UnioneGiudizi.h"

using namespace UtilitaTest;

namespace {
// Class 3A: pupils in list order (not alphabetical), one with an accent, texts for some sections only.
void classe3A(const ProgramFolder &dir)
{
    dir.write("Classi.dat", "3A\r\n5B\r\n");
    dir.write("3A/alunni.3a", ansi("Rossi Mario\r\n 1 \r\nBianchi Niccolò\r\n 1 \r\nVerdi Anna\r\n 0 \r\n"));
    dir.write("3A/Rossi Mario.q1", "Si inserisce bene.\r\n");
    dir.write("3A/VERDI ANNA.Q1", ansi("Già autonoma,\r\nattenta.\r\n"));
    dir.write("3A/Rossi Mario.q3", "Ha fatto progressi.\r\n");
}

QComboBox *classi()
{
    return control<QComboBox>(window(kUtilita), QStringLiteral("cmbClasse"));
}

// Chooses a class as the teacher does: the box gains the focus, then an entry is picked.
void scegli(const QString &classe)
{
    fuoco(classi());
    QVERIFY(chooseInCombo(classi(), classe));
}
} // namespace

class TestUnioneGiudizi : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void mergedFileHoldsEveryPupilInListOrderOrIsRefused()
    {
        ProgramFolder dir;
        classe3A(dir);
        dir.write("Classi.dat", "3A\r\n5B\r\n4C\r\n\r\n6D\r\n");
        dir.write("4C/Rossi Mario.q1", "x\r\n");
        QVERIFY(apri(dir));
        QCOMPARE(classi()->count(), 0); // read when the box first gains the focus, up to the first empty line
        // No class chosen.
        clic(QStringLiteral("cmdUnisciQ2"), {Msg::ResOk});
        ultimo(QStringLiteral("Prima devi scegliere una classe "), QStringLiteral("Attenzione"), Msg::Exclamation);
        QCOMPARE(Msg::beeps(), 1);

        // Listed, but without a folder of its own: missing, or a link leading elsewhere.
        QTemporaryDir altrove;
        for (bool collegamento : {false, true}) {
            QVERIFY(!collegamento || QFile::link(altrove.path(), dir.file("5B")));
            scegli(QStringLiteral("5B"));
            clic(QStringLiteral("cmdUnisciQ2"), {Msg::ResOk});
            ultimo(QStringLiteral("La classe non esiste"), QStringLiteral("Attenzione"), Msg::Critical);
        }
        QVERIFY(QDir(altrove.path()).isEmpty());

        // A folder without its pupil list: nothing is written, and the window says so.
        scegli(QStringLiteral("4C"));
        clic(QStringLiteral("cmdUnisciQ1"), {Msg::ResOk});
        QVERIFY(Msg::shown().last().text.contains(QStringLiteral("elenco degli alunni")));
        QCOMPARE(QDir(dir.file("4C")).entryList(QDir::Files), QStringList{QStringLiteral("Rossi Mario.q1")});

        Msg::resetRecord();
        scegli(QStringLiteral("3A"));
        QVERIFY(classi()->count() == 3 && !CarQuad::RicaricaClassi);
        clic(QStringLiteral("cmdUnisciQ1"), {Msg::ResOk});
        QCOMPARE(dir.read("3A/3A_Sit. Iniziale.txt"), ansi("Rossi Mario\r\nSi inserisce bene.\r\n\r\n"
                                                           "Bianchi Niccolò\r\n\r\n"
                                                           "Verdi Anna\r\nGià autonoma,\r\nattenta.\r\n\r\n"));
        ultimo(QStringLiteral("Operazione eseguita."), QStringLiteral("Fatto"), Msg::Information);
        QCOMPARE(Paths::currentFolder(), dir.file("3A"));

        // A used button does nothing until the class box gains the focus again.
        dir.write("3A/Rossi Mario.q1", "Nuovo testo.\r\n");
        clic(QStringLiteral("cmdUnisciQ1"));
        QVERIFY(Msg::shown().size() == 1 && dir.read("3A/3A_Sit. Iniziale.txt").startsWith("Rossi Mario\r\nSi inserisce bene."));
        dir.write("Classi.dat", "3A\r\n"); // the list stays as read until the window opens again
        CarQuad::RicaricaAlunni = false;
        fuoco(classi());
        QVERIFY(classi()->currentText() == QStringLiteral("3A") && classi()->count() == 3 && CarQuad::RicaricaAlunni);
        clic(QStringLiteral("cmdUnisciQ1"), {Msg::ResOk});
        QVERIFY(dir.read("3A/3A_Sit. Iniziale.txt").startsWith("Rossi Mario\r\nNuovo testo.\r\n\r\nBianchi"));
        // A title ending with a dot gives two dots before "txt".
        clic(QStringLiteral("cmdUnisciQ3"), {Msg::ResOk});
        QCOMPARE(dir.read("3A/3A_Val. 1° Q..txt"), ansi("Rossi Mario\r\nHa fatto progressi.\r\n\r\n"
                                                       "Bianchi Niccolò\r\n\r\nVerdi Anna\r\n\r\n"));

        // A section title that cannot be part of a file name (an old Titoli.dat).
        CarQuad::TitoloQuadro4 = QStringLiteral("Val. 1/2 anno");
        scegli(QStringLiteral("3A"));
        clic(QStringLiteral("cmdUnisciQ4"), {Msg::ResOk});
        QVERIFY(Msg::shown().last().text.startsWith(QStringLiteral("Il titolo del quadro")));
        QVERIFY(!QFileInfo(dir.file("3A/3A_Val. 1")).exists() && Paths::matchingFiles(dir.file("3A"), QStringLiteral("*anno*")).isEmpty());

        // A file that cannot be written is reported, not taken for success.
        dir.mkdir("3A/3A_Finalità.txt"); // a folder where the file should go
        clic(QStringLiteral("cmdUnisciQ2"), {Msg::ResOk});
        QVERIFY(Msg::shown().last().text.startsWith(QStringLiteral("Impossibile scrivere il file dell'unione.")));
        QVERIFY(QFileInfo(dir.file("3A/3A_Finalità.txt")).isDir());

        // A missing list gives an empty box and leaves the flag up.
        QFile::remove(dir.file("Classi.dat"));
        CarQuad::RicaricaClassi = true;
        fuoco(classi());
        QVERIFY(classi()->count() == 0 && CarQuad::RicaricaClassi);
    }

    void mergeOfListsAsTheArchiveLeavesThem()
    {
        ProgramFolder dir;
        // A new class: the list is one empty record, so the merged file is empty.
        dir.write("1A/ALUNNI.1A", "\r\n\r\n");
        QVERIFY(Paths::setCurrentFolder(dir.path()));
        QCOMPARE(UnioneGiudizi::unisci(QStringLiteral("1A"), QStringLiteral("q1"), QStringLiteral("_T")).esito, UnioneGiudizi::Esito::Fatto);
        QCOMPARE(dir.read("1A/1A_T.txt"), QByteArray());

        // A list without its last line end, a section file without one, bytes kept as stored.
        dir.write("1A/ALUNNI.1A", "Rossi Mario\r\n 1 \r\nZeta\r\n 0");
        dir.write("1A/Rossi Mario.q2", "\x80 fine senza a capo");
        QCOMPARE(UnioneGiudizi::unisci(QStringLiteral("1A"), QStringLiteral("q2"), QStringLiteral("_T")).esito, UnioneGiudizi::Esito::Fatto);
        QCOMPARE(dir.read("1A/1A_T.txt"), QByteArray("Rossi Mario\r\n\x80 fine senza a capo\r\nZeta\r\n\r\n"));
    }
};

QUADERLO_TEST_MAIN(TestUnioneGiudizi)
#include "tst_UnioneGiudizi.moc"
