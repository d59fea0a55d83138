// Pictures of the program's windows for the guide and the README: opens each window with sample data
// in a temporary program folder, as a teacher would, and saves it as a PNG with a plain title bar.
// Usage: schermate <output folder>   (run headless: QT_QPA_PLATFORM=offscreen)
#include "archive/ComboAperto.h"
#include "archive/CopieSicurezza.h"
#include "archive/frmImportaAlunni.h"
#include "menu/Avvio.h"
#include "platform/Ansi.h"
#include "platform/Drives.h"
#include "platform/Finestre.h"
#include "platform/Form.h"
#include "platform/Help.h"
#include "platform/Msg.h"
#include "platform/Paths.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <cstdio>
#include <functional>

namespace {
QString g_out;
QString g_cartella; // the program folder

QString percorso(const QString &name)
{
    return QDir(g_cartella).filePath(name);
}

void scrivi(const QString &name, const QByteArray &bytes)
{
    QFile f(percorso(name));
    QDir().mkpath(QFileInfo(f).absolutePath());
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray ansi(const char *utf8)
{
    return Ansi::encode(QString::fromUtf8(utf8));
}

// Lets the program run for ms milliseconds, or until fatto holds; false when it never did.
bool attendi(int ms, const std::function<bool()> &fatto = {})
{
    QElapsedTimer t;
    t.start();
    while (!(fatto && fatto())) {
        if (t.elapsed() >= ms)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(5);
    }
    return true;
}

template <class T = QPushButton> T *trova(QWidget *top, const QString &name)
{
    return top ? top->findChild<T *>(name) : nullptr;
}

// A left click at pos (the centre by default): the control takes the focus as a mouse click gives it,
// then gets the press and the release.
void clic(QWidget *w, QPoint pos = QPoint(-1, -1))
{
    if (!w || !w->isVisible() || !w->isEnabled())
        return;
    if (pos == QPoint(-1, -1))
        pos = w->rect().center();
    for (QWidget *f = w; f && !f->hasFocus(); f = f->parentWidget()) {
        if (f->isEnabled() && (f->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
            f->setFocus(Qt::MouseFocusReason);
            break;
        }
        if (f->isWindow())
            break;
    }
    const QPointF globale = w->mapToGlobal(QPointF(pos));
    QMouseEvent premi(QEvent::MouseButtonPress, QPointF(pos), globale, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &premi);
    QMouseEvent rilascia(QEvent::MouseButtonRelease, QPointF(pos), globale, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &rilascia);
    QApplication::processEvents();
}

void clicVoce(QAbstractItemView *view, const QModelIndex &index)
{
    view->scrollTo(index);
    clic(view->viewport(), view->visualRect(index).center());
}

void clicVoce(QListWidget *l, int row)
{
    if (l && row < l->count())
        clicVoce(l, l->model()->index(row, 0));
}

// Opens the combo box's list with the mouse and clicks the entry with that text.
bool scegli(QComboBox *box, const QString &text)
{
    clic(box);
    if (!box || !attendi(2000, [box] { return box->view()->isVisible(); }))
        return false;
    attendi(QApplication::doubleClickInterval() + 50); // the list takes no click as soon as it opens
    const int row = box->findText(text);
    if (row >= 0)
        clicVoce(box->view(), box->model()->index(row, box->modelColumn()));
    return box->currentText() == text;
}

void tasto(QWidget *w, Qt::Key key, const QString &text = QString())
{
    QKeyEvent premi(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &premi);
    QKeyEvent rilascia(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &rilascia);
}

void batti(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        tasto(w, c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown, QString(c));
    QApplication::processEvents();
}

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

Form *compila()
{
    return Forms::find(Finestre::Compila);
}

QListWidget *listaFrasi()
{
    return trova<QListWidget>(compila(), QStringLiteral("lstLista0"));
}

// The first tab of the phrase lists, with those phrases ticked.
void spunta(std::initializer_list<int> righe)
{
    if (auto *schede = trova<QTabWidget>(compila(), QStringLiteral("SSTabGiudizi")))
        clic(schede->tabBar(), schede->tabBar()->tabRect(0).center());
    for (int row : righe)
        clicVoce(listaFrasi(), row);
}

QPlainTextEdit *quadro1()
{
    return trova<QPlainTextEdit>(compila(), QStringLiteral("txtQ1"));
}

// A class of five pupils with their sections, another class, the sample phrase files and print settings.
void preparaCartella()
{
    for (const QString &name : QDir(QStringLiteral(QUADERLO_SOURCE_DIR "/data")).entryList(QDir::Files))
        QFile::copy(QStringLiteral(QUADERLO_SOURCE_DIR "/data/") + name, percorso(name));
    scrivi(QStringLiteral("Anno.dat"), "2026/2027\r\n");
    scrivi(QStringLiteral("Classi.dat"), "3A\r\n4B\r\n5C\r\n");
    scrivi(QStringLiteral("3A/ALUNNI.3A"), "Bianchi Anna\r\n 0 \r\nColombo Marco\r\n 1 \r\nEsposito Giulia\r\n 0 \r\n"
                                           "Ferrari Luca\r\n 1 \r\nRossi Mario\r\n 1 \r\nRusso Sofia\r\n 0 \r\n");
    scrivi(QStringLiteral("4B/ALUNNI.4B"), "Greco Paolo\r\n 1 \r\nMarino Elena\r\n 0 \r\n");
    scrivi(QStringLiteral("5C/ALUNNI.5C"), "Conti Sara\r\n 0 \r\n");
    scrivi(QStringLiteral("3A/Bianchi Anna.q2"),
           ansi("Favorire l'autonomia nell'organizzazione del lavoro e la fiducia nelle proprie capacità.\r\n"));
    scrivi(QStringLiteral("3A/Colombo Marco.q2"),
           ansi("Favorire l'ascolto e il rispetto del proprio turno nelle conversazioni di classe.\r\n"));
    scrivi(QStringLiteral("3A/Esposito Giulia.q2"), ansi("Consolidare la lettura ad alta voce e l'ordine nel quaderno.\r\n"));
    scrivi(QStringLiteral("3A/Rossi Mario.q2"), ansi("Sostenere la concentrazione durante il lavoro individuale.\r\n"));
    scrivi(QStringLiteral("3A/Bianchi Anna.q3"),
           ansi("Anna ha lavorato con impegno costante e ha raggiunto gli obiettivi previsti.\r\n"));
    // Earlier choices of the other pupils, so that the lists show how often each phrase was chosen.
    const char *scelte[] = {"0 3 4 7 ", "1 3 5 7 ", "0 2 4 6 8 ", "0 3 5 7 ", "0 2 4 7 9 "};
    const char *altri[] = {"Colombo Marco", "Esposito Giulia", "Ferrari Luca", "Rossi Mario", "Russo Sofia"};
    for (int i = 0; i < 5; ++i)
        scrivi(QStringLiteral("3A/%1.dat").arg(QLatin1String(altri[i])), QByteArray(scelte[i]) + "\r\n\r\n\r\n\r\n");
    scrivi(QStringLiteral("Formati.dat"), "Arial\r\n 12 \r\n 190 \r\n 20 \r\n 20 \r\nArial\r\n 11 \r\n 180 \r\n 30 \r\n 40 \r\n"
                                          "Arial\r\n 12 \r\n 190 \r\n 20 \r\n 150 \r\nArial\r\n 10 \r\n 120 \r\n 20 \r\n 20 \r\n");
}

void avvia()
{
    Forms::get(Finestre::Menu)->Form_Load();
}

void menu()
{
    avvia();
    QWidget *m = Forms::find(Finestre::Menu);
    if (!attendi(5000, [m] { return m->windowHandle() && m->windowHandle()->isExposed(); }))
        std::fprintf(stderr, "menu not exposed\n");
    finestra(Finestre::Menu, QStringLiteral("menu"));
}

void archivi()
{
    Forms::get(Finestre::Archivio)->Form_Load();
    Form *a = Forms::find(Finestre::Archivio);
    auto *classi = trova<ComboAperto>(a, QStringLiteral("cmbClassi"));
    if (!classi || !attendi(5000, [a, classi] { return a->isActiveWindow() && classi->editLine()->hasFocus(); }))
        return;
    // Class 3A typed in the class box, then Tab.
    QLineEdit *edit = classi->editLine();
    clic(edit);
    edit->selectAll();
    tasto(edit, Qt::Key_Delete);
    batti(edit, QStringLiteral("3A"));
    tasto(edit, Qt::Key_Tab);
    attendi(50);
    finestra(Finestre::Archivio, QStringLiteral("archivi"));

    // A register's list for 3A, as the import window shows it before anything is written.
    scrivi(QStringLiteral("elenco-3A.csv"),
           "Cognome;Nome;Sesso;Data di nascita\r\nBianchi;Anna;F;12/03/2017\r\nGallo;Pietro;M;02/11/2016\r\n"
           "Lombardi;Chiara;F;30/05/2017\r\nRossi;Mario;M;21/07/2017\r\nMoretti;Davide;;09/09/2017\r\n"
           "Romano;Giorgia;F;15/01/2017\r\n");
    frmImportaAlunni::setDomanda([](const QString &) { return percorso(QStringLiteral("elenco-3A.csv")); });
    clic(trova(a, QStringLiteral("cmdImportaAlunni")));
    attendi(50);
    finestra(Finestre::ImportaAlunni, QStringLiteral("importa-alunni"));
    clic(trova(Forms::find(Finestre::ImportaAlunni), QStringLiteral("cmdAnnulla")));
    frmImportaAlunni::setDomanda({});
    clic(trova(a, QStringLiteral("cmdFine")));
}

// The phrase list with its counts, and the tool tip of one phrase as the mouse rests on it.
void usoFrasi(QListWidget *l)
{
    if (!l || l->count() < 4)
        return;
    const QPoint su = l->visualItemRect(l->item(3)).center();
    QHelpEvent riposo(QEvent::ToolTip, su, l->viewport()->mapToGlobal(su));
    QApplication::sendEvent(l->viewport(), &riposo);
    if (!attendi(3000, [] { return QToolTip::isVisible(); }))
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
    QPlainTextEdit *box = quadro1();
    QWidget *w = compila();
    if (!box || !box->isVisible()) {
        std::fprintf(stderr, "no picture ortografia\n");
        return;
    }
    const QString prima = box->toPlainText();
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    batti(box, QStringLiteral(" Legge con buona intonazzione."));
    QTextCursor c(box->document());
    c.setPosition(int(box->toPlainText().indexOf(QStringLiteral("intonazzione"))) + 11);
    const QPoint pos = box->cursorRect(c).center();
    QContextMenuEvent destro(QContextMenuEvent::Mouse, pos, box->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(box->viewport(), &destro);
    if (!attendi(2000, [] { return QApplication::activePopupWidget() != nullptr; }))
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
    clic(trova(Forms::find(Finestre::Menu), QStringLiteral("cmdCompila")));
    if (!compila() || !scegli(trova<QComboBox>(compila(), QStringLiteral("cmbClasse")), QStringLiteral("3A"))
        || !scegli(trova<QComboBox>(compila(), QStringLiteral("cmbAlunno")), QStringLiteral("Bianchi Anna")))
        return;
    spunta({0, 2, 5, 7, 8});
    clic(trova(compila(), QStringLiteral("cmdOkTestoGiudizio")));
    finestra(Finestre::Compila, QStringLiteral("giudizi"));
    usoFrasi(listaFrasi());

    clic(trova(compila(), QStringLiteral("cmdCaricaTesto")));
    attendi(400); // the printed lengths are measured once typing has paused
    finestra(Finestre::Compila, QStringLiteral("correzione"));
    if (QWidget *pagina = quadro1() ? quadro1()->parentWidget() : nullptr) {
        const QImage img = pagina->grab().toImage();
        salva(img.copy(0, img.height() - 110, img.width(), 110), QStringLiteral("lunghezza"));
    }
    ortografia();

    clic(trova(compila(), QStringLiteral("cmdAnteprimaQ1")));
    finestra(Finestre::Anteprima, QStringLiteral("anteprima"));
    clic(trova(Forms::find(Finestre::Anteprima), QStringLiteral("cmdEsciAnteprima")));
    Msg::queueAnswer(Msg::ResYes); // the corrected text is saved
    clic(trova(compila(), QStringLiteral("cmdFineStampa")));
    clic(trova(compila(), QStringLiteral("cmdFineLavoro")));
}

Form *apriUtilita()
{
    clic(trova(Forms::find(Finestre::Menu), QString::fromUtf8("cmdUtilità")));
    return Forms::find(Finestre::Utilita);
}

// One section for the whole class: the window, then its preview of the pages.
void stampaClasse()
{
    clic(trova(Forms::find(Finestre::Utilita), QStringLiteral("cmdStampaClasse")));
    Form *w = Forms::find(Finestre::StampaClasse);
    if (!w)
        return;
    if (auto *classe = trova<QComboBox>(w, QStringLiteral("cmbClasse")))
        classe->setCurrentText(QStringLiteral("3A"));
    if (auto *quadro = trova<QRadioButton>(w, QStringLiteral("optQuadro1")))
        quadro->setChecked(true);
    finestra(Finestre::StampaClasse, QStringLiteral("stampa-classe"));
    QTimer::singleShot(300, [] {
        if (auto *d = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget())) {
            d->resize(820, 600);
            attendi(200);
            salva(conCornice(d), QStringLiteral("stampa-classe-anteprima"));
            d->reject();
        }
    });
    clic(trova(w, QStringLiteral("cmdAnteprima")));
    clic(trova(w, QStringLiteral("cmdEsci")));
}

// The phrase editor, an entry with a gendered pair being written.
void frasi()
{
    clic(trova(Forms::find(Finestre::Utilita), QStringLiteral("cmdFrasi")));
    Form *f = Forms::find(Finestre::Frasi);
    auto *tabella = trova<QTableWidget>(f, QStringLiteral("tblFrasi1"));
    if (!tabella || tabella->rowCount() == 0)
        return;
    tabella->selectRow(0);
    if (auto *frase = trova<QLineEdit>(f, QStringLiteral("txtFrase")))
        frase->setText(QString::fromUtf8("CognomeNome si è inserit§ nel gruppo con serenità: è {un|un'}alunn§ "
                                         "{sereno e curioso|serena e curiosa}."));
    finestra(Finestre::Frasi, QStringLiteral("frasi-editor"));
    if (auto *alunna = trova<QLabel>(f, QStringLiteral("lblAlunna")))
        parte(alunna->parentWidget(), QStringLiteral("coppie")); // the entry as it reads for a girl and a boy
    Msg::queueAnswer(Msg::ResNo); // the entry written stays out of the phrase file
    clic(trova(f, QStringLiteral("cmdEsci")));
}

void utilita()
{
    Form *u = apriUtilita();
    if (!u)
        return;
    finestra(Finestre::Utilita, QStringLiteral("utilita"));
    parte(trova<QWidget>(u, QStringLiteral("FrameImpostazioniStampa")), QStringLiteral("impostazioni"));

    QDir(g_cartella).mkdir(QStringLiteral("CHIAVETTA"));
    Drives::setForTests({{QStringLiteral("CHIAVETTA (/media/maestra/CHIAVETTA)"), percorso(QStringLiteral("CHIAVETTA"))},
                         {QStringLiteral("Cartella personale (/home/maestra)"), g_cartella}});
    clic(trova(u, QStringLiteral("cmdEsporta")));
    if (auto *drive = trova<QComboBox>(u, QStringLiteral("drive"))) {
        drive->setFocus();
        QApplication::processEvents();
    }
    if (auto *lista = trova<QListWidget>(u, QStringLiteral("partenza"))) {
        const auto found = lista->findItems(QStringLiteral("3A"), Qt::MatchExactly);
        if (!found.isEmpty())
            clic(lista->viewport(), lista->visualItemRect(found.first()).center());
    }
    parte(trova<QWidget>(u, QStringLiteral("frameImportaEsporta")), QStringLiteral("esporta"));
    Drives::setForTests({});

    clic(trova(u, QStringLiteral("cmdFormati")));
    finestra(Finestre::Formati, QStringLiteral("formati"));
    clic(trova(Forms::find(Finestre::Formati), QStringLiteral("cmdEsciFormati")));

    stampaClasse();

    u = Forms::find(Finestre::Utilita);
    clic(trova(u, QStringLiteral("cmdPersonalizza")));
    finestra(Finestre::Personalizza, QStringLiteral("titoli"));
    clic(trova(Forms::find(Finestre::Personalizza), QStringLiteral("cmdEsciPersonalizza")));

    frasi();
    clic(trova(Forms::find(Finestre::Utilita), QStringLiteral("cmdPreselezione")));
    if (compila()) {
        spunta({0, 5});
        finestra(Finestre::Compila, QStringLiteral("preselezione"));
        Msg::queueAnswer(Msg::ResYes); // the preselection is kept
        clic(trova(compila(), QStringLiteral("cmdFineLavoro")));
    }
}

// The copies window after a few weeks of work, a copy chosen.
void copie()
{
    for (const QDate &giorno : {QDate(2026, 9, 14), QDate(2026, 9, 30), QDate(2026, 10, 5), QDate(2026, 10, 5)})
        CopieSicurezza::copia(g_cartella, giorno);
    Form *u = apriUtilita();
    clic(trova(u, QStringLiteral("cmdRipristina")));
    Form *w = Forms::find(Finestre::Ripristina);
    clicVoce(trova<QListWidget>(w, QStringLiteral("lstCopie")), 1);
    finestra(Finestre::Ripristina, QStringLiteral("copie"));
    clic(trova(w, QStringLiteral("cmdEsci")));
    clic(trova(Forms::find(Finestre::Utilita), QString::fromUtf8("cmdEsciUtilità")));
}

void accesso()
{
    Forms::resetAll();
    scrivi(QStringLiteral("Qua.inf"), "Maestra Rossi\r\nsegreta\r\n");
    avvia();
    finestra(Finestre::Login, QStringLiteral("password"));
}

// The program's own help window, for the page that describes it.
void guida()
{
    const QString built = QStringLiteral(QUADERLO_BUILD_DIR "/Guida");
    QDir(g_cartella).mkpath(QStringLiteral("Guida/img"));
    for (const QString &sub : {QString(), QStringLiteral("/img")})
        for (const QString &name : QDir(built + sub).entryList(QDir::Files))
            QFile::copy(built + sub + QLatin1Char('/') + name, percorso(QStringLiteral("Guida") + sub + QLatin1Char('/') + name));
    Help::setSoloFinestraInterna(true);
    Help::open();
    QWidget *w = Help::finestra();
    if (!w)
        return;
    w->resize(760, 560);
    // A page with a picture, reached from the contents as a teacher would.
    if (auto *browser = trova<QTextBrowser>(w, QStringLiteral("txtGuida")))
        browser->setSource(QUrl::fromLocalFile(percorso(QStringLiteral("Guida/giudizi.html"))));
    attendi(50);
    salva(conCornice(w), QStringLiteral("guida"));
    w->close();
}
} // namespace

int main(int argc, char **argv)
{
    // An offscreen screen of a laptop's size, so that windows open as a teacher sees them.
    QTemporaryDir config;
    const QString schermo = config.filePath(QStringLiteral("schermo.json"));
    QFile json(schermo);
    if (json.open(QIODevice::WriteOnly))
        json.write(R"({"screens":[{"name":"laptop","x":0,"y":0,"width":1366,"height":768,)"
                   R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    json.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(schermo));
    QApplication app(argc, argv);
    Avvio::prepara(app);
    Msg::setTestMode(true);
    g_out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(g_out);
    QTemporaryDir cartella;
    g_cartella = cartella.path();
    Paths::setProgramFolder(g_cartella);
    preparaCartella();
    menu();
    archivi();
    giudizi();
    utilita();
    copie();
    accesso();
    guida();
    // A box answered by default may have changed the sample data of the pictures after it.
    for (const QString &box : Msg::unanswered())
        std::fprintf(stderr, "message answered by default: %s\n", qPrintable(box));
    Forms::resetAll();
    return 0;
}
