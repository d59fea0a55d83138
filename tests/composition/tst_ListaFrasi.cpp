#include "TestSupport.h"

#include "composition/AssemblaTesto.h"
#include "composition/ListaFrasi.h"
#include "platform/Ansi.h"

namespace {
ListaFrasi::Destinatario alunna(const QString &nome)
{
    return {false, nome, 0};
}

QStringList u(std::initializer_list<const char *> voci)
{
    QStringList out;
    for (const char *v : voci)
        out << QString::fromUtf8(v);
    return out;
}
} // namespace

class TestListaFrasi : public QObject
{
    Q_OBJECT
private slots:
    void onlyCrTerminatedLinesAreEntries()
    {
        const ListaFrasi::Destinatario m{false, QStringLiteral("Rossi Mario"), 1};
        QCOMPARE(ListaFrasi::voci("uno\r\n\r\ndue\r\ncoda senza fine riga", m), u({"uno", "", "due"}));
        // No CR at all, or no file: one empty entry.
        QCOMPARE(ListaFrasi::voci("solo testo", m), QStringList{QString()});
        QCOMPARE(ListaFrasi::voci(QByteArray(), m), QStringList{QString()});
        // A CR without its LF still ends the line, and nothing of the next one is lost.
        QCOMPARE(ListaFrasi::voci("a\rb\r\n", m), u({"a", "b"}));
        // Windows-1252 bytes: euro sign, e grave, non-breaking space.
        QCOMPARE(ListaFrasi::voci("\x80 \xe8\xa0x\r\n", m), QStringList{QString::fromUtf8("€ è\u00a0x")});
    }

    void placeholdersForPupilsAndPreselection()
    {
        const QByteArray riga = ansi("x=CognomeNome e CognomeNome, brav§ e attent§\r\n");
        QCOMPARE(ListaFrasi::voci(riga, alunna(QStringLiteral("Bianchi Anna"))),
                 u({"x=Bianchi Anna e CognomeNome, brava e attenta"}));
        QCOMPARE(ListaFrasi::voci(riga, {false, QStringLiteral("Rossi Mario"), 1}),
                 u({"x=Rossi Mario e CognomeNome, bravo e attento"}));
        // Any code other than 0 is male.
        QCOMPARE(ListaFrasi::voci(riga, {false, QStringLiteral("Neri Ugo"), 2}),
                 u({"x=Neri Ugo e CognomeNome, bravo e attento"}));
        // Preselection: the name stays a placeholder and the ending is always "o".
        QCOMPARE(ListaFrasi::voci(riga, {true, QStringLiteral("Bianchi Anna"), 0}),
                 u({"x=CognomeNome e CognomeNome, bravo e attento"}));
        // A name holding "§" is put in first, so its "§" takes the ending too.
        QCOMPARE(ListaFrasi::compila(QStringLiteral("CognomeNome"), alunna(QString::fromUtf8("A§"))),
                 QStringLiteral("Aa"));
    }

    void assemblyJoinsByBlanksPunctuationAndBreaks()
    {
        const QStringList voci = u({"a=uno", "b= due", "c=tre  ", "d<=quattro", "e<=, cinque", "<=sei", "=sette",
                                    "otto", "g=nove=dieci", "h=; undici", "i=: dodici", "l=. tredici"});
        auto testo = [&](QList<int> i) { return AssemblaTesto::assembla(voci, i).testo; };
        // A phrase starting with a blank brings its own; two blanks at the end keep one.
        QCOMPARE(testo({0, 1, 2, 7}), QStringLiteral("uno due tre  otto"));
        // A break marker starts a new line, except on the first phrase and on a phrase joined without separator.
        QCOMPARE(testo({0, 3}), QStringLiteral("uno\r\nquattro"));
        QCOMPARE(testo({7, 3}), QStringLiteral("quattro otto"));
        QCOMPARE(testo({0, 4}), QStringLiteral("uno, cinque"));
        QCOMPARE(testo({0, 5}), QStringLiteral("uno\r\nsei"));
        // "=" at the start: no head and no marker; no "=": the whole entry; only the first "=" counts.
        QCOMPARE(testo({0, 6, 7, 8}), QStringLiteral("uno sette otto nove=dieci"));
        QCOMPARE(testo({0, 9, 10, 11}), QStringLiteral("uno; undici: dodici. tredici"));
    }

    void assemblyFollowsListOrderAndRecordsIndices()
    {
        const QStringList voci = u({"a=uno", "b=due", "c=tre"});
        const auto r = AssemblaTesto::assembla(voci, {2, 0});
        QCOMPARE(r.testo, QStringLiteral("uno tre"));
        QCOMPARE(r.indici, QStringLiteral("0 2 "));
        // Ticked twice (pupil's record and preselection): once in the text and the record.
        const auto due = AssemblaTesto::assembla(voci, {1, 1});
        QCOMPARE(due.testo, QStringLiteral("due"));
        QCOMPARE(due.indici, QStringLiteral("1 "));
        // Indices the list does not have are left out.
        QCOMPARE(AssemblaTesto::assembla(voci, {7, -1, 1}).indici, QStringLiteral("1 "));
        const auto niente = AssemblaTesto::assembla(voci, {});
        QVERIFY(niente.testo.isEmpty());
        QVERIFY(niente.indici.isEmpty());
        // An empty entry still takes its separator; the first phrase flag goes with the first ticked entry.
        QCOMPARE(AssemblaTesto::assembla(u({"a=uno", "", "b=due"}), {0, 1, 2}).testo, QStringLiteral("uno  due"));
        QCOMPARE(AssemblaTesto::assembla(u({"", "b=due"}), {0, 1}).testo, QStringLiteral(" due"));
    }
};

QUADERLO_TEST_MAIN(TestListaFrasi)
#include "tst_ListaFrasi.moc"
