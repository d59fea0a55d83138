#include "UtilitaSupport.h"

#include "app/CarQuad.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace UtilitaTest;

namespace {
Form *menu()
{
    return window(QStringLiteral("frmSplash"));
}

void tornatoAlMenu()
{
    QVERIFY(!window(kUtilita));
    QVERIFY(menu()->isVisible() && menu()->isEnabled());
    QCOMPARE(CarQuad::ModoImporta, 0);
}
} // namespace

class TestFrmUtilita : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void opensFromTheMenuWithEveryFrame()
    {
        ProgramFolder dir;
        frmUtilita *u = apri(dir);
        QVERIFY(u && u->isVisible());
        QVERIFY(!menu()->isVisible());
        QCOMPARE(u->windowTitle(), QString::fromUtf8("Utilità"));
        QVERIFY(CarQuad::RicaricaClassi);
        QCOMPARE(CarQuad::ModoImporta, 0);

        QWidget *frame2 = u->findChild<QWidget *>(QStringLiteral("Frame2"));
        const QList<std::pair<const char *, const char *>> frames{
            {"frameImportaEsporta", "Esporta/Importa Classi"}, {"Frame3", "Apri Blocco Note"},
            {"FramePersonalizza", "Personalizza"},             {"FramePassword", "Password"},
            {"FrameNuovoAnno", "Nuovo Anno"},                  {"FramePreselezione", "Preselezione"},
            {"frameUnione", "Unione Giudizi"},                 {"FrameImpostazioniStampa", "Impostazioni stampa"},
            {"Frame1", "Formati di stampa"}};
        for (const auto &[name, caption] : frames) {
            auto *box = u->findChild<QGroupBox *>(QLatin1String(name));
            QVERIFY2(box && box->isVisible() && frame2->isAncestorOf(box), name);
            QCOMPARE(box->title(), QString::fromUtf8(caption));
        }
        for (const char *name : {"cmdPersonalizza", "cmdPassword", "cmdNuovoAnno", "cmdPreselezione", "cmdFormati",
                                 "cmdEsciUtilità"}) {
            QPushButton *b = pulsante(QString::fromUtf8(name));
            QVERIFY2(b && b->isVisible() && b->text().isEmpty() && !b->icon().isNull(), name);
        }
        for (int n = 1; n <= 4; ++n)
            QVERIFY(pulsante(QStringLiteral("cmdUnisciQ%1").arg(n))->isEnabled());
        // The print settings are filled from Quaderlo.cfg.
        QCOMPARE(control<QLineEdit>(u, QStringLiteral("txtSizeFont"))->text(), QStringLiteral("12"));
        QCOMPARE(control<QLineEdit>(u, QStringLiteral("txtMargineSx"))->text(), QStringLiteral("20"));
    }

    void frameStaysCentredAndNothingElseMoves()
    {
        ProgramFolder dir;
        frmUtilita *u = apri(dir);
        QWidget *frame2 = u->findChild<QWidget *>(QStringLiteral("Frame2"));
        QWidget *classe = u->findChild<QWidget *>(QStringLiteral("cmbClasse"));
        const QRect dentro = classe->geometry();
        const QSize misura = frame2->size();
        for (const QSize s : {QSize(1600, 1000), QSize(300, 200), QSize(1200, 900)}) {
            u->resize(s);
            QTRY_COMPARE(u->size(), s);
            QCOMPARE(frame2->pos(), QPoint(qRound((s.width() - misura.width()) / 2.0), qRound((s.height() - misura.height()) / 2.0)));
            QCOMPARE(frame2->size(), misura);
            QCOMPARE(classe->geometry(), dentro);
        }
        u->resize(300, 200);
        QTRY_VERIFY(frame2->x() < 0 && frame2->y() < 0);
    }

    void leavingByTheButtonOrTheTitleBarGoesBackToTheMenu()
    {
        ProgramFolder dir;
        apri(dir);
        clic(QStringLiteral("cmdImporta"));
        QCOMPARE(CarQuad::ModoImporta, 1);
        clic(QString::fromUtf8("cmdEsciUtilità"));
        tornatoAlMenu();

        clickAt(control<QPushButton>(menu(), QString::fromUtf8("cmdUtilità")));
        clic(QStringLiteral("cmdImporta"));
        menu()->setEnabled(false);
        window(kUtilita)->close(); // the title bar's close button
        tornatoAlMenu();
    }

    void formatsAndPreselectionReplaceIt()
    {
        ProgramFolder dir;
        apri(dir);
        clic(QStringLiteral("cmdFormati"));
        QVERIFY(!window(kUtilita));
        Form *formati = window(QStringLiteral("frmFormati"));
        QVERIFY(formati && formati->isVisible());
        clickAt(control<QPushButton>(formati, QStringLiteral("cmdEsciFormati")));

        CarQuad::RicaricaAlunni = false;
        clic(QStringLiteral("cmdPreselezione"));
        QVERIFY(!window(kUtilita));
        Form *compila = window(QStringLiteral("frmCompila"));
        QVERIFY(compila && compila->isVisible());
        QCOMPARE(CarQuad::ModoPreselezione, 1);
        QVERIFY(CarQuad::RicaricaClassi && CarQuad::RicaricaAlunni);
        QVERIFY(!control<QWidget>(compila, QStringLiteral("cmbClasse"))->isEnabled());
    }

    void missingTextEditorIsToldInItalian()
    {
        ProgramFolder dir;
        apri(dir);
        QTemporaryDir vuota;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", vuota.path().toLocal8Bit());
        clic(QStringLiteral("cmdNotepad"), {Msg::ResOk});
        qputenv("PATH", path);
        QCOMPARE(Msg::shown().size(), 1);
        QVERIFY(Msg::shown().last().text.startsWith(QStringLiteral("Impossibile aprire il Blocco Note.\n\r")));
        QCOMPARE(Msg::shown().last().title, QString::fromUtf8("Utilità"));
        QVERIFY(window(kUtilita)->isVisible());
    }
};

QUADERLO_TEST_MAIN(TestFrmUtilita)
#include "tst_frmUtilita.moc"
