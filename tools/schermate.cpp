// Pictures of the program's windows for the guide and the README: opens each window with sample data
// in a temporary program folder, as a teacher would, and saves it as a PNG with a plain title bar.
// Usage: schermate <output folder>   (run headless: QT_QPA_PLATFORM=offscreen)
#include "Archivi.h"
#include "CompilaSupport.h"

#include "archive/CopieSicurezza.h"
#include "archive/frmImportaAlunni.h"
#include "menu/Avvio.h"
#include "platform/Drives.h"
#include "platform/Help.h"
#include "platform/Paths.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <cstdio>

namespace {
QString g_out;

// The window as the desktop shows it: a title bar with icon and caption above the window's own picture.
QImage conCornice(QWidget *w)
{
    const QPixmap content = w->grab();
    const int bar = 30;
    QImage img(content.width() + 2, content.height() + bar + 1, QImage::Format_ARGB32);
    img.fill(QColor(72, 80, 110));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, bar);
    g.setColorAt(0, QColor(96, 108, 150));
    g.setColorAt(1, QColor(64, 74, 112));
    p.fillRect(QRect(1, 1, content.width(), bar - 1), g);
    p.drawPixmap(9, 6, QApplication::windowIcon().pixmap(18, 18));
    QFont f(QStringLiteral("Liberation Sans"), 10, QFont::Bold);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(34, 1, content.width() - 120, bar - 1), Qt::AlignVCenter | Qt::AlignLeft, w->windowTitle());
    p.setPen(QPen(QColor(230, 232, 240), 1.6));
    const int x = content.width() - 20, y = bar / 2;
    p.drawLine(x - 5, y - 5, x + 5, y + 5);
    p.drawLine(x - 5, y + 5, x + 5, y - 5);
    p.drawRect(QRect(x - 35, y - 5, 10, 10));
    p.drawLine(x - 65, y + 5, x - 55, y + 5);
    p.drawPixmap(1, bar, content);
    return img;
}

void salva(const QImage &img, const QString &name)
{
    const QString path = QDir(g_out).filePath(name + QStringLiteral(".png"));
    if (img.save(path))
        std::printf("%s\n", qPrintable(path));
    else
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

void finestra(const QString &form, const QString &name)
{
    QWidget *w = Forms::find(form);
    if (!w || !w->isVisible()) {
        std::fprintf(stderr, "window %s not shown: no picture %s\n", qPrintable(form), qPrintable(name));
        return;
    }
    QApplication::processEvents();
    salva(conCornice(w), name);
}

void parte(QWidget *w, const QString &name)
{
    if (!w) {
        std::fprintf(stderr, "no picture %s\n", qPrintable(name));
        return;
    }
    QApplication::processEvents();
    salva(w->grab().toImage(), name);
}

QPushButton *pulsante(QWidget *top, const char *name)
{
    return top ? top->findChild<QPushButton *>(QString::fromUtf8(name)) : nullptr;
}

void clic(QPushButton *b)
{
    if (b && b->isVisible() && b->isEnabled())
        QTest::mouseClick(b, Qt::LeftButton);
}

// A class of five pupils with their sections, another class, the sample phrase files and print settings.
void preparaCartella(const ProgramFolder &dir)
{
    for (const QString &name : QDir(QStringLiteral(QUADERLO_SOURCE_DIR "/data")).entryList(QDir::Files))
        dir.write(name, [&] {
            QFile f(QStringLiteral(QUADERLO_SOURCE_DIR "/data/") + name);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }());
    dir.write(QStringLiteral("Anno.dat"), "2026/2027\r\n");
    dir.write(QStringLiteral("Classi.dat"), "3A\r\n4B\r\n5C\r\n");
    dir.write(QStringLiteral("3A/ALUNNI.3A"), "Bianchi Anna\r\n 0 \r\nColombo Marco\r\n 1 \r\nEsposito Giulia\r\n 0 \r\n"
                                              "Ferrari Luca\r\n 1 \r\nRossi Mario\r\n 1 \r\nRusso Sofia\r\n 0 \r\n");
    dir.write(QStringLiteral("4B/ALUNNI.4B"), "Greco Paolo\r\n 1 \r\nMarino Elena\r\n 0 \r\n");
    dir.write(QStringLiteral("5C/ALUNNI.5C"), "Conti Sara\r\n 0 \r\n");
    dir.write(QStringLiteral("3A/Bianchi Anna.q2"),
              ansi("Favorire l'autonomia nell'organizzazione del lavoro e la fiducia nelle proprie capacità.\r\n"));
    dir.write(QStringLiteral("3A/Colombo Marco.q2"),
              ansi("Favorire l'ascolto e il rispetto del proprio turno nelle conversazioni di classe.\r\n"));
    dir.write(QStringLiteral("3A/Esposito Giulia.q2"),
              ansi("Consolidare la lettura ad alta voce e l'ordine nel quaderno.\r\n"));
    dir.write(QStringLiteral("3A/Rossi Mario.q2"),
              ansi("Sostenere la concentrazione durante il lavoro individuale.\r\n"));
    dir.write(QStringLiteral("3A/Bianchi Anna.q3"),
              ansi("Anna ha lavorato con impegno costante e ha raggiunto gli obiettivi previsti.\r\n"));
    // Earlier choices of the other pupils, so that the lists show how often each phrase was chosen.
    const char *scelte[] = {"0 3 4 7 ", "1 3 5 7 ", "0 2 4 6 8 ", "0 3 5 7 ", "0 2 4 7 9 "};
    const char *altri[] = {"Colombo Marco", "Esposito Giulia", "Ferrari Luca", "Rossi Mario", "Russo Sofia"};
    for (int i = 0; i < 5; ++i)
        dir.write(QStringLiteral("3A/%1.dat").arg(QLatin1String(altri[i])), QByteArray(scelte[i]) + "\r\n\r\n\r\n\r\n");
    dir.write(QStringLiteral("Formati.dat"), "Arial\r\n 12 \r\n 190 \r\n 20 \r\n 20 \r\nArial\r\n 11 \r\n 180 \r\n 30 \r\n 40 \r\n"
                                             "Arial\r\n 12 \r\n 190 \r\n 20 \r\n 150 \r\nArial\r\n 10 \r\n 120 \r\n 20 \r\n 20 \r\n");
}

void menu()
{
    Form *m = startProgram();
    if (!QTest::qWaitForWindowExposed(m))
        std::fprintf(stderr, "menu not exposed\n");
    finestra(QStringLiteral("frmSplash"), QStringLiteral("menu"));
}

void archivi(const ProgramFolder &dir)
{
    Archivi a;
    if (!a.apri())
        return;
    a.apriClasse(QStringLiteral("3A"));
    QTest::qWait(50);
    finestra(QStringLiteral("frmModifica"), QStringLiteral("archivi"));

    // A register's list for 3A, as the import window shows it before anything is written.
    dir.write(QStringLiteral("elenco-3A.csv"),
              "Cognome;Nome;Sesso;Data di nascita\r\nBianchi;Anna;F;12/03/2017\r\nGallo;Pietro;M;02/11/2016\r\n"
              "Lombardi;Chiara;F;30/05/2017\r\nRossi;Mario;M;21/07/2017\r\nMoretti;Davide;;09/09/2017\r\n"
              "Romano;Giorgia;F;15/01/2017\r\n");
    frmImportaAlunni::setDomanda([&](const QString &) { return dir.file(QStringLiteral("elenco-3A.csv")); });
    clic(pulsante(a.w, "cmdImportaAlunni"));
    QTest::qWait(50);
    finestra(QStringLiteral("frmImportaAlunni"), QStringLiteral("importa-alunni"));
    clic(pulsante(Forms::find(QStringLiteral("frmImportaAlunni")), "cmdAnnulla"));
    frmImportaAlunni::setDomanda({});
    clic(a.fine);
}

// The phrase list with its counts, and the tool tip of one phrase as the mouse rests on it.
void usoFrasi(QListWidget *l)
{
    if (!l || l->count() < 4)
        return;
    const QPoint su = l->visualItemRect(l->item(3)).center();
    QHelpEvent riposo(QEvent::ToolTip, su, l->viewport()->mapToGlobal(su));
    QApplication::sendEvent(l->viewport(), &riposo);
    if (!QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000))
        std::fprintf(stderr, "no tool tip on the phrase list\n");
    QImage img = l->grab().toImage();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QTipLabel")) {
            QPainter p(&img);
            p.drawPixmap(l->mapFromGlobal(w->pos()), w->grab());
        }
    salva(img.copy(0, 0, img.width(), qMin(img.height(), 230)), QStringLiteral("uso"));
    QToolTip::hideText();
}

// A misspelled word typed in a section and its context menu, drawn over the window.
void ortografia()
{
    QPlainTextEdit *box = Compila::txtQ(1);
    QWidget *w = Compila::finestra();
    if (!box || !box->isVisible()) {
        std::fprintf(stderr, "no picture ortografia\n");
        return;
    }
    const QString prima = box->toPlainText();
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, QStringLiteral(" Legge con buona intonazzione."));
    QTextCursor c(box->document());
    c.setPosition(int(box->toPlainText().indexOf(QStringLiteral("intonazzione"))) + 11);
    const QPoint pos = box->cursorRect(c).center();
    QTest::mouseClick(w->windowHandle(), Qt::RightButton, {}, box->viewport()->mapTo(w, pos));
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000))
        std::fprintf(stderr, "no context menu\n");
    QWidget *menu = QApplication::activePopupWidget();
    QImage img = conCornice(w);
    if (menu) {
        QPainter p(&img);
        p.drawPixmap(menu->pos() - w->mapToGlobal(QPoint(0, 0)) + QPoint(1, 30), menu->grab());
        p.end();
        menu->close();
    }
    salva(img, QStringLiteral("ortografia"));
    box->setPlainText(prima);
}

void giudizi()
{
    Form *m = Forms::find(QStringLiteral("frmSplash"));
    clic(pulsante(m, "cmdCompila"));
    frmCompila *w = Compila::finestra();
    if (!w || !Compila::scegli(Compila::classe(), QStringLiteral("3A"))
        || !Compila::scegli(Compila::alunno(), QStringLiteral("Bianchi Anna")))
        return;
    Compila::clicScheda(Compila::schedeGiudizi(), 0);
    QListWidget *l = Compila::lista(0);
    for (int row : {0, 2, 5, 7, 8})
        if (l && row < l->count())
            Compila::spunta(l, row);
    clic(Compila::pulsante("cmdOkTestoGiudizio"));
    finestra(QStringLiteral("frmCompila"), QStringLiteral("giudizi"));
    usoFrasi(l);

    clic(Compila::pulsante("cmdCaricaTesto"));
    QTest::qWait(400); // the printed lengths are measured once typing has paused
    finestra(QStringLiteral("frmCompila"), QStringLiteral("correzione"));
    if (QWidget *pagina = Compila::txtQ(1) ? Compila::txtQ(1)->parentWidget() : nullptr) {
        const QImage img = pagina->grab().toImage();
        salva(img.copy(0, img.height() - 110, img.width(), 110), QStringLiteral("lunghezza"));
    }
    ortografia();

    clic(Compila::pulsante("cmdAnteprimaQ1"));
    finestra(QStringLiteral("frmAnteprima"), QStringLiteral("anteprima"));
    clic(pulsante(Forms::find(QStringLiteral("frmAnteprima")), "cmdEsciAnteprima"));
    clic(Compila::pulsante("cmdFineStampa"));
    clic(Compila::pulsante("cmdFineLavoro"));
}

Form *apriUtilita()
{
    clic(pulsante(Forms::find(QStringLiteral("frmSplash")), "cmdUtilità"));
    return Forms::find(QStringLiteral("frmUtilità"));
}

// One section for the whole class: the window, then its preview of the pages.
void stampaClasse()
{
    clic(pulsante(Forms::find(QStringLiteral("frmUtilità")), "cmdStampaClasse"));
    Form *w = Forms::find(QStringLiteral("frmStampaClasse"));
    if (!w)
        return;
    if (auto *classe = w->findChild<QComboBox *>(QStringLiteral("cmbClasse")))
        classe->setCurrentText(QStringLiteral("3A"));
    if (auto *quadro = w->findChild<QRadioButton *>(QStringLiteral("optQuadro1")))
        quadro->setChecked(true);
    finestra(QStringLiteral("frmStampaClasse"), QStringLiteral("stampa-classe"));
    QTimer::singleShot(300, [] {
        if (auto *d = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget())) {
            d->resize(820, 600);
            QTest::qWait(200);
            salva(conCornice(d), QStringLiteral("stampa-classe-anteprima"));
            d->reject();
        }
    });
    clic(pulsante(w, "cmdAnteprima"));
    clic(pulsante(w, "cmdEsci"));
}

// The phrase editor, an entry with a gendered pair being written.
void frasi()
{
    clic(pulsante(Forms::find(QStringLiteral("frmUtilità")), "cmdFrasi"));
    Form *f = Forms::find(QStringLiteral("frmFrasi"));
    auto *tabella = f ? f->findChild<QTableWidget *>(QStringLiteral("tblFrasi1")) : nullptr;
    if (!tabella || tabella->rowCount() == 0)
        return;
    tabella->selectRow(0);
    if (auto *frase = f->findChild<QLineEdit *>(QStringLiteral("txtFrase")))
        frase->setText(QString::fromUtf8("CognomeNome si è inserit§ nel gruppo con serenità: è {un|un'}alunn§ "
                                         "{sereno e curioso|serena e curiosa}."));
    finestra(QStringLiteral("frmFrasi"), QStringLiteral("frasi-editor"));
    clic(pulsante(f, "cmdEsci"));
}

void utilita(const ProgramFolder &dir)
{
    Form *u = apriUtilita();
    if (!u)
        return;
    finestra(QStringLiteral("frmUtilità"), QStringLiteral("utilita"));
    parte(u->findChild<QWidget *>(QStringLiteral("FrameImpostazioniStampa")), QStringLiteral("impostazioni"));

    dir.mkdir(QStringLiteral("CHIAVETTA"));
    Drives::setForTests({{QStringLiteral("CHIAVETTA (/media/maestra/CHIAVETTA)"), dir.file(QStringLiteral("CHIAVETTA"))},
                         {QStringLiteral("Cartella personale (/home/maestra)"), dir.path()}});
    clic(pulsante(u, "cmdEsporta"));
    if (auto *drive = u->findChild<QComboBox *>(QStringLiteral("drive"))) {
        drive->setFocus();
        QApplication::processEvents();
    }
    if (auto *lista = u->findChild<QListWidget *>(QStringLiteral("partenza"))) {
        const auto found = lista->findItems(QStringLiteral("3A"), Qt::MatchExactly);
        if (!found.isEmpty())
            QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(found.first()).center());
    }
    parte(u->findChild<QWidget *>(QStringLiteral("frameImportaEsporta")), QStringLiteral("esporta"));
    Drives::setForTests({});

    clic(pulsante(u, "cmdFormati"));
    finestra(QStringLiteral("frmFormati"), QStringLiteral("formati"));
    clic(pulsante(Forms::find(QStringLiteral("frmFormati")), "cmdEsciFormati"));

    stampaClasse();

    u = Forms::find(QStringLiteral("frmUtilità"));
    clic(pulsante(u, "cmdPersonalizza"));
    finestra(QStringLiteral("frmPersonalizza"), QStringLiteral("titoli"));
    clic(pulsante(Forms::find(QStringLiteral("frmPersonalizza")), "cmdEsciPersonalizza"));

    frasi();
    u = Forms::find(QStringLiteral("frmUtilità"));
    clic(pulsante(u, "cmdPreselezione"));
    if (frmCompila *c = Compila::finestra()) {
        Compila::clicScheda(Compila::schedeGiudizi(), 0);
        QListWidget *l = Compila::lista(0);
        for (int row : {0, 5})
            if (l && row < l->count())
                Compila::spunta(l, row);
        finestra(QStringLiteral("frmCompila"), QStringLiteral("preselezione"));
        clic(Compila::pulsante("cmdFineLavoro"));
    }
}

// The copies window after a few weeks of work, a copy chosen.
void copie(const ProgramFolder &dir)
{
    for (const QDate &giorno : {QDate(2026, 9, 14), QDate(2026, 9, 30), QDate(2026, 10, 5), QDate(2026, 10, 5)})
        CopieSicurezza::copia(dir.path(), giorno);
    Form *u = apriUtilita();
    clic(pulsante(u, "cmdRipristina"));
    Form *w = Forms::find(QStringLiteral("frmRipristina"));
    if (auto *lista = w ? w->findChild<QListWidget *>(QStringLiteral("lstCopie")) : nullptr; lista && lista->count() > 1)
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(1)).center());
    finestra(QStringLiteral("frmRipristina"), QStringLiteral("copie"));
    clic(pulsante(w, "cmdEsci"));
    clic(pulsante(Forms::find(QStringLiteral("frmUtilità")), "cmdEsciUtilità"));
}

void accesso(const ProgramFolder &dir)
{
    Forms::resetAll();
    dir.write(QStringLiteral("Qua.inf"), "Maestra Rossi\r\nsegreta\r\n");
    startProgram();
    finestra(QStringLiteral("frmLogin"), QStringLiteral("password"));
}
// The program's own help window, for the page that describes it.
void guida(const ProgramFolder &dir)
{
    const QString built = QStringLiteral(QUADERLO_BUILD_DIR "/Guida");
    for (const QString &name : QDir(built).entryList(QDir::Files))
        QFile::copy(built + QLatin1Char('/') + name, dir.file(QStringLiteral("Guida/") + name));
    dir.mkdir(QStringLiteral("Guida/img"));
    for (const QString &name : QDir(built + QStringLiteral("/img")).entryList(QDir::Files))
        QFile::copy(built + QStringLiteral("/img/") + name, dir.file(QStringLiteral("Guida/img/") + name));
    Help::setSoloFinestraInterna(true);
    Help::open();
    QWidget *w = Help::finestra();
    if (!w)
        return;
    w->resize(760, 560);
    // A page with a picture, reached from the contents as a teacher would.
    if (auto *browser = w->findChild<QTextBrowser *>(QStringLiteral("txtGuida")))
        browser->setSource(QUrl::fromLocalFile(dir.file(QStringLiteral("Guida/giudizi.html"))));
    QTest::qWait(50);
    salva(conCornice(w), QStringLiteral("guida"));
    w->close();
}
} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("QT_QPA_PLATFORM", laptopScreen(config));
    QApplication app(argc, argv);
    Avvio::prepara(app);
    Msg::setTestMode(true);
    g_out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(g_out);
    ProgramFolder dir;
    preparaCartella(dir);
    menu();
    archivi(dir);
    giudizi();
    utilita(dir);
    copie(dir);
    accesso(dir);
    dir.mkdir(QStringLiteral("Guida"));
    guida(dir);
    Forms::resetAll();
    return 0;
}
