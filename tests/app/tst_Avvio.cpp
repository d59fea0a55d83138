#include "TestSupport.h"

#include "app/CarQuad.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {
const QByteArray kTitoli = ansi("Sit. Iniziale\r\nFinalità\r\nVal. 1° Q.\r\nVal. 2° Q.\r\n");

QString label(const QString &name)
{
    return window("frmSplash")->findChild<QLabel *>(name)->text();
}

// Starts the program again on the same folder, as a new process would.
Form *restart()
{
    Forms::resetAll();
    CarQuad::reset();
    return startProgram();
}
} // namespace

class TestAvvio : public QObject
{
    Q_OBJECT
private slots:
    void init() { Msg::resetRecord(); }
    void cleanup() { VERIFY_NO_UNANSWERED(); }

    void firstStartInAnEmptyFolder()
    {
        ProgramFolder dir;
        Msg::queueInput(QStringLiteral("2026/2027"));
        Form *menu = startProgram();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->windowTitle(), QString::fromUtf8("Menù"));
        QCOMPARE(Msg::shown().size(), 1);
        QVERIFY(Msg::shown()[0].isInput);
        QCOMPARE(Msg::shown()[0].text, QStringLiteral("Anno Scolastico ?"));
        QCOMPARE(Msg::shown()[0].title, QStringLiteral("Anno Scolastico"));
        QVERIFY(Msg::shown()[0].width >= Msg::titleWidth(QStringLiteral("Anno Scolastico")));
        QCOMPARE(dir.read("Anno.dat"), QByteArray("2026/2027\r\n"));
        QCOMPARE(dir.read("Qua.inf"), QByteArray("Quaderlo\r\n\r\n"));
        QCOMPARE(dir.read("Titoli.dat"), kTitoli);
        QCOMPARE(label("lblAnnoScolastico"), QStringLiteral("Anno Scolastico 2026/2027"));
        QCOMPARE(label("lblVersion"), QStringLiteral("Versione %1.%2").arg(QUADERLO_VERSION_MAJOR).arg(QUADERLO_VERSION_MINOR));
        QCOMPARE(label("lblProductName"), QStringLiteral("Quaderlo"));
        QVERIFY(!Forms::isLoaded("frmLogin"));

        // The second start asks nothing and changes no file.
        restart();
        QCOMPARE(Msg::shown().size(), 1);
        QCOMPARE(label("lblAnnoScolastico"), QStringLiteral("Anno Scolastico 2026/2027"));
        QCOMPARE(dir.read("Titoli.dat"), kTitoli);
    }

    void boxesAreWideEnoughForTheirWholeTitle()
    {
        // The title as the window manager shows it, with the program's name, and its buttons beside it.
        QFont bar = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        bar.setBold(true);
        const QString decorato = QString::fromUtf8("Conferma eliminazione \u2014 Quaderlo");
        QVERIFY(Msg::titleWidth(QStringLiteral("Conferma eliminazione")) >= QFontMetrics(bar).horizontalAdvance(decorato) + 100);
        QCOMPARE(Msg::titleWidth(QStringLiteral("Attenzione")), Msg::titleWidth(QString::fromUtf8("Attenzione \u2014 Quaderlo")));
        QVERIFY(Msg::titleWidth(QStringLiteral("Attenzione")) < Msg::titleWidth(QStringLiteral("Conferma eliminazione")));

        ProgramFolder dir;
        dir.write("Anno.dat", "2026/27\r\n");
        startProgram();
        const struct {
            Msg::Buttons buttons;
            const char *title;
        } boxes[] = {{Msg::Ok, "Attenzione"}, {Msg::YesNo, "Conferma eliminazione"}, {Msg::Ok, "Fatto"}};
        for (const auto &b : boxes) {
            Msg::queueAnswer(Msg::ResOk);
            Msg::box(QStringLiteral("Sì."), b.buttons, Msg::Question, QLatin1String(b.title));
            QVERIFY2(Msg::shown().last().width >= Msg::titleWidth(QLatin1String(b.title)), b.title);
        }
    }

    void italianWhateverTheSystemsLocale()
    {
        // The tests run under LANG=C.UTF-8, as on a machine set to English.
        QCOMPARE(QLocale().name(), QStringLiteral("it_IT"));
        QCOMPARE(QLocale().toString(12.5), QStringLiteral("12,5"));
        const QDateTime data(QDate(2026, 12, 6), QTime(10, 30));
        // What Qt's own file dialog shows: dates in the system's locale, the kind of an entry translated.
        QCOMPARE(QLocale::system().toString(data, QLocale::ShortFormat),
                 QLocale(QLocale::Italian, QLocale::Italy).toString(data, QLocale::ShortFormat));
        QCOMPARE(QLocale::system().monthName(12, QLocale::ShortFormat), QStringLiteral("dic"));
        QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"),
                 QStringLiteral("Cartella"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "New Folder"), QStringLiteral("Nuova cartella"));
        // Programs started from here get the teacher's own environment.
        QVERIFY(qgetenv("LC_TIME") != "it_IT.UTF-8");
    }

    void cancelOnTheYearAsksAgainNextTime()
    {
        ProgramFolder dir;
        Msg::queueInput(QString(), false);
        startProgram();
        QCOMPARE(label("lblAnnoScolastico"), QStringLiteral("Anno Scolastico "));
        QCOMPARE(dir.read("Anno.dat"), QByteArray("\r\n"));
        Msg::queueInput(QStringLiteral("2027"));
        restart();
        QCOMPARE(Msg::shown().size(), 2);
        QCOMPARE(dir.read("Anno.dat"), QByteArray("2027\r\n"));
    }

    void yearFileReadAsAllButItsLastTwoBytes()
    {
        ProgramFolder dir;
        dir.write("Anno.dat", "2026-2027");
        startProgram();
        QVERIFY(Msg::shown().isEmpty());
        QCOMPARE(label("lblAnnoScolastico"), QStringLiteral("Anno Scolastico 2026-20"));
        QCOMPARE(dir.read("Anno.dat"), QByteArray("2026-2027"));

        // A file shorter than two bytes holds no year: it is asked for.
        ProgramFolder other;
        other.write("Anno.dat", "x");
        Msg::queueInput(QStringLiteral("2030"));
        startProgram();
        QCOMPARE(other.read("Anno.dat"), QByteArray("2030\r\n"));
    }

    void missingPasswordFileKeepsCustomTitles()
    {
        ProgramFolder dir;
        dir.write("Anno.dat", "2026\r\n");
        const QByteArray titles = ansi("Ingresso\r\nObiettivi\r\nPrimo\r\nSecondo\r\n");
        dir.write("titoli.DAT", titles);
        startProgram();
        QCOMPARE(dir.read("Qua.inf"), QByteArray("Quaderlo\r\n\r\n"));
        QCOMPARE(dir.read("titoli.DAT"), titles);
        QVERIFY(!dir.exists("Titoli.dat"));
        QCOMPARE(CarQuad::TitoloQuadro1, QStringLiteral("Ingresso"));
        QCOMPARE(CarQuad::TitoloQuadro4, QStringLiteral("Secondo"));
        QCOMPARE(CarQuad::NomeUtente, QStringLiteral("Quaderlo"));
        QVERIFY(CarQuad::PasswordUtente.isEmpty());
    }

    void settingsFilesReadAsCommaSeparatedFields()
    {
        ProgramFolder dir;
        dir.write("Anno.dat", "2026\r\n");
        // Further lines overwrite the values again; a comma splits a value.
        dir.write("Qua.inf", "primo\r\nuno\r\n  Maestra Anna  \r\n\r\n");
        dir.write("Titoli.dat", "A, B\r\nC\r\nD\r\n");
        startProgram();
        QCOMPARE(CarQuad::NomeUtente, QStringLiteral("Maestra Anna"));
        QVERIFY(CarQuad::PasswordUtente.isEmpty());
        QCOMPARE(CarQuad::TitoloQuadro1, QStringLiteral("A"));
        QCOMPARE(CarQuad::TitoloQuadro2, QStringLiteral("B"));
        QCOMPARE(CarQuad::TitoloQuadro3, QStringLiteral("C"));
        QCOMPARE(CarQuad::TitoloQuadro4, QStringLiteral("D"));
        QVERIFY(!Forms::isLoaded("frmLogin"));
    }

    void esciAndTheTitleBarEndTheProgram()
    {
        ProgramFolder dir;
        dir.write("Anno.dat", "2026\r\n");
        Form *menu = startProgram();
        clickAt(menu->findChild<QPushButton *>("cmdEsci"));
        QVERIFY(Forms::programEnded());
        QVERIFY(!Forms::isLoaded("frmSplash"));

        menu = restart();
        QVERIFY(!Forms::programEnded());
        menu->close();
        QVERIFY(Forms::programEnded());
    }

    void framesStayCentred()
    {
        ProgramFolder dir;
        dir.write("Anno.dat", "2026\r\n");
        Form *menu = startProgram();
        auto *f1 = menu->findChild<QWidget *>("Frame1");
        auto *f2 = menu->findChild<QWidget *>("Frame2");
        for (const QSize size : {QSize(1000, 700), QSize(200, 150)}) {
            menu->resize(size);
            for (QWidget *f : {f1, f2}) {
                QVERIFY(qAbs(f->x() - (size.width() - f->width()) / 2) <= 1);
                QVERIFY(qAbs(f->y() - (size.height() - f->height()) / 2) <= 1);
            }
        }
        QVERIFY(f1->x() < 0 && f1->y() < 0);
        QVERIFY(f2->width() > f1->width() && f2->height() > f1->height());
    }
};

QUADERLO_TEST_MAIN(TestAvvio)
#include "tst_Avvio.moc"
