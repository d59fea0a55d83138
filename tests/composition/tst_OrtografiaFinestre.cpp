#include "CompilaSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QTextBlock>
#include <QTextLayout>

using namespace Compila;

namespace {
// The underlined words of a box, each as "word" in text order.
QStringList sottolineate(QPlainTextEdit *box)
{
    QStringList out;
    for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next())
        for (const QTextLayout::FormatRange &r : b.layout()->formats())
            if (r.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline
                && r.format.underlineColor() == Qt::red)
                out << b.text().mid(r.start, r.length);
    return out;
}

// Right click on a word of the box; the context menu that opens.
QMenu *menuSu(QPlainTextEdit *box, const QString &parola)
{
    QTextCursor c(box->document());
    c.setPosition(int(box->toPlainText().indexOf(parola)) + 2);
    clickAt(box->viewport(), box->cursorRect(c).center(), Qt::RightButton);
    return QTest::qWaitFor([] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); }, 2000)
               ? qobject_cast<QMenu *>(QApplication::activePopupWidget())
               : nullptr;
}

QStringList voci(QMenu *m)
{
    QStringList out;
    for (QAction *a : m->actions())
        out << a->text();
    return out;
}

void scegliVoce(QMenu *m, const QString &voce)
{
    for (QAction *a : m->actions())
        if (a->text() == voce)
            return clickAt(m, m->actionGeometry(a).center());
    QFAIL(qPrintable("no menu entry " + voce));
}
} // namespace

class TestOrtografiaFinestre : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    // The teacher types and corrects with the menu; the pupils' names and the phrase words are known;
    // turning the check off in the utilities window is kept in Quaderlo.ini.
    void sottolineaturaEMenu()
    {
        ProgramFolder dir;
        preparaArchivio(dir);
        dir.write("3A/ALUNNI.3A", "Zorzettig Ilda\r\n 0 \r\n");
        dir.write("quadro1.txt", ansi("1=Buona la coordinazione grafomotori§.\r\n"));
        dir.write("3A/Zorzettig Ilda.q2", "Testo sbagliatto\r\n");
        QVERIFY(apriDalMenu() && scegli(classe(), "3A") && scegli(alunno(), "Zorzettig Ilda"));
        clic("cmdCaricaTesto");
        // The loaded text is underlined, yet counts as unchanged.
        QCOMPARE(sottolineate(txtQ(2)), QStringList{"sbagliatto"});
        QVERIFY(!pulsante("cmdSalvaTestoModificato")->isEnabled());

        txtQ(1)->setFocus();
        QTest::keyClicks(txtQ(1), "Zorzettig scrive con grafomotorio scuolla");
        QCOMPARE(sottolineate(txtQ(1)), QStringList{"scuolla"});
        QMenu *m = menuSu(txtQ(1), "scuolla");
        QVERIFY(m);
        const QStringList v = voci(m);
        QVERIFY2(v.size() > 8 && v.first() == "scuola"
                     && v.mid(5, 3) == QStringList({"", "Ignora", "Aggiungi al dizionario"}),
                 qPrintable(v.join('|')));
        scegliVoce(m, "Aggiungi al dizionario");
        QCOMPARE(dir.read("Dizionario.txt"), "scuolla\n");
        QVERIFY(sottolineate(txtQ(1)).isEmpty());

        clickTab(schedeQuadri(), 1);
        m = menuSu(txtQ(2), "sbagliatto");
        QVERIFY(m);
        scegliVoce(m, "sbagliato");
        QVERIFY(txtQ(2)->toPlainText() == "Testo sbagliato" && sottolineate(txtQ(2)).isEmpty());
        clic("cmdSalvaTestoModificato");
        QCOMPARE(dir.read("3A/Zorzettig Ilda.q2"), "Testo sbagliato\r\n");

        // Off in the utilities window: kept in Quaderlo.ini, and no box underlines any more.
        clic("cmdFineLavoro");
        clickAt(control<QPushButton>(window("frmSplash"), QString::fromUtf8("cmdUtilità")));
        auto *chk = control<QCheckBox>(window(QString::fromUtf8("frmUtilità")), "chkOrtografia");
        QVERIFY(chk && chk->isChecked());
        clickOption(chk);
        QCOMPARE(dir.read("Quaderlo.ini"), "[Ortografia]\nControllo=false\n");
        clickAt(control<QPushButton>(window(QString::fromUtf8("frmUtilità")), QString::fromUtf8("cmdEsciUtilità")));
        dir.write("3A/Zorzettig Ilda.q2", "Testo sbagliatto\r\n");
        QVERIFY(apriDalMenu() && scegli(classe(), "3A") && scegli(alunno(), "Zorzettig Ilda"));
        clic("cmdCaricaTesto");
        clickTab(schedeQuadri(), 1);
        QVERIFY(txtQ(2)->toPlainText() == "Testo sbagliatto" && sottolineate(txtQ(2)).isEmpty());
        m = menuSu(txtQ(2), "sbagliatto");
        QVERIFY(m && !voci(m).contains("Ignora"));
        m->close();
    }
};

QUADERLO_TEST_MAIN(TestOrtografiaFinestre)
#include "tst_OrtografiaFinestre.moc"
