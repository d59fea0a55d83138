#include "TestSupport.h"

#include "platform/Form.h"
#include "platform/Help.h"
#include "platform/Msg.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <algorithm>

namespace {
const QString kGuida = QStringLiteral(QUADERLO_BUILD_DIR "/Guida");

QStringList pagine() { return QDir(kGuida).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name); }
} // namespace

class TestGuida : public QObject
{
    Q_OBJECT
private slots:
    void init() { Help::setSoloFinestraInterna(true); }
    void cleanup()
    {
        VERIFY_NO_UNANSWERED();
        delete Help::finestra();
    }

    // Every page: plain ASCII, its links and pictures present, listed in the project, the contents and the compiled guide.
    void everyPageIsWholeAndInTheCompiledGuide()
    {
        const QByteArray hhp = readFile(kGuida + QStringLiteral("/Aiuto.hhp"));
        const QByteArray hhc = readFile(kGuida + QStringLiteral("/Indice.hhc"));
#ifdef QUADERLO_CHM_COMPILATO
        const QByteArray chm = readFile(QStringLiteral(QUADERLO_BUILD_DIR "/Aiuto.chm"));
        QVERIFY2(chm.startsWith("ITSF"), "Aiuto.chm missing or not a compiled help file");
#else
        const QByteArray chm;
#endif
        QVERIFY(pagine().size() >= 10);
        const QRegularExpression ref(QStringLiteral("(?:href|src)=\"([^\"#]*)(#[^\"]*)?\""));
        for (const QString &page : pagine()) {
            const QByteArray bytes = readFile(kGuida + QLatin1Char('/') + page);
            // CHM viewers read pages in the code page of the guide's language: only character references.
            QVERIFY2(std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x80; }), qPrintable(page));
            const QString html = QString::fromLatin1(bytes);
            QVERIFY2(html.contains(QStringLiteral("<meta charset=\"utf-8\">")), qPrintable(page));
            for (auto m = ref.globalMatch(html); m.hasNext();) {
                const QString target = m.next().captured(1);
                if (!target.isEmpty() && !target.contains(QLatin1Char(':')))
                    QVERIFY2(QFileInfo::exists(kGuida + QLatin1Char('/') + target), qPrintable(page + " -> " + target));
            }
            const QByteArray name = page.toLatin1();
            QVERIFY2(hhp.contains("\n" + name) && hhc.contains("\"" + name + "\""), name.constData());
            QVERIFY2(chm.isNull() || chm.contains("/" + name), name.constData());
        }
    }

    void f1AndTheMenuLabelOpenTheGuideWindow()
    {
        ProgramFolder dir;
        dir.write(QStringLiteral("Anno.dat"), "2026/2027\r\n");
        Form *menu = startProgram();
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        // Without any guide the teacher is told.
        Msg::queueAnswer(Msg::ResOk);
        QTest::keyClick(menu, Qt::Key_F1);
        QCOMPARE(Msg::shown().at(0).text, QStringLiteral("Impossibile aprire la Guida \"Aiuto.chm\"."));
        QVERIFY(!Help::finestra());
        QVERIFY(QFile::link(kGuida, dir.file(QStringLiteral("Guida"))));
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QTest::keyClick(menu, Qt::Key_F1);
        QTRY_VERIFY(Help::finestra() && Help::finestra()->isVisible());
        auto *browser = Help::finestra()->findChild<QTextBrowser *>(QStringLiteral("txtGuida"));
        QCOMPARE(browser->source().toLocalFile(), dir.file(QStringLiteral("Guida/menu.html"))); // the page of F1's window

        // Esc leaves the guide as its exit button does.
        QVERIFY(QTest::qWaitForWindowActive(Help::finestra()));
        QTest::keyClick(browser, Qt::Key_Escape);
        QTRY_VERIFY(!Help::finestra());
        clickAt(menu->findChild<QLabel *>(QStringLiteral("Label1")));
        QTRY_VERIFY(Help::finestra() && Help::finestra()->isVisible());
        browser = Help::finestra()->findChild<QTextBrowser *>(QStringLiteral("txtGuida"));
        QCOMPARE(browser->source().toLocalFile(), dir.file(QStringLiteral("Guida/index.html")));
        // The contents page leads to every other page.
        for (const QString &page : pagine())
            QVERIFY2(page == QLatin1String("index.html") || browser->toHtml().contains(page), qPrintable(page));
        clickAt(Help::finestra()->findChild<QPushButton *>(QStringLiteral("cmdChiudi")));
        QTRY_VERIFY(!Help::finestra());
        QCOMPARE(Msg::shown().size(), 1);
        // Each window's F1 opens a page of its own.
        for (const char *f : {"frmModifica", "frmImportaAlunni", "frmCompila", "frmFormati", "frmPersonalizza", "frmLogin", "frmUtilità"})
            QVERIFY2(QFileInfo::exists(kGuida + QLatin1Char('/') + Help::pagina(QString::fromUtf8(f))), f);
        QCOMPARE(Help::pagina(QStringLiteral("frmModifica")), QStringLiteral("archivi.html"));
        QCOMPARE(Help::pagina(QStringLiteral("frmSconosciuta")), QStringLiteral("index.html"));
    }
};

QUADERLO_TEST_MAIN(TestGuida)
#include "tst_Guida.moc"
