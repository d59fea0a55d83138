#include "platform/Help.h"
#include "platform/CartellaProgramma.h"
#include "platform/Form.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "platform/Finestre.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QImage>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
bool g_soloInterna = false;
QPointer<QWidget> g_finestra;

QString trovaInCartelle(const QString &relativo)
{
    for (const QString &folder : Help::cartelle()) {
        const QString path = Paths::resolve(folder, relativo);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

// The guide's pictures are wider than its pages: they are shrunk smoothly to the width the page asks for.
class SfogliaGuida : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl &name) override
    {
        const QVariant data = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::ImageResource)
            return data;
        QImage image = data.value<QImage>();
        if (image.isNull())
            image.loadFromData(data.toByteArray());
        if (image.width() > kLarghezzaFigure)
            return image.scaledToWidth(kLarghezzaFigure, Qt::SmoothTransformation);
        return data;
    }
    static constexpr int kLarghezzaFigure = 640;
};

// The help window: the guide's pages with a contents link and back and forward buttons.
QWidget *creaFinestra()
{
    auto *w = new QWidget;
    w->setObjectName(QStringLiteral("frmGuida"));
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(QStringLiteral("Guida di Quaderlo"));
    w->resize(820, 640);
    auto *browser = new SfogliaGuida(w);
    browser->setObjectName(QStringLiteral("txtGuida"));
    browser->setOpenExternalLinks(true);
    auto *indice = new QPushButton(QStringLiteral("Indice"), w);
    indice->setObjectName(QStringLiteral("cmdIndice"));
    auto *indietro = new QPushButton(QStringLiteral("< Indietro"), w);
    indietro->setObjectName(QStringLiteral("cmdIndietro"));
    auto *avanti = new QPushButton(QStringLiteral("Avanti >"), w);
    avanti->setObjectName(QStringLiteral("cmdAvanti"));
    auto *chiudi = new QPushButton(QStringLiteral("Chiudi"), w);
    chiudi->setObjectName(QStringLiteral("cmdChiudi"));
    indietro->setEnabled(false);
    avanti->setEnabled(false);
    QObject::connect(indice, &QPushButton::clicked, browser, &QTextBrowser::home);
    QObject::connect(indietro, &QPushButton::clicked, browser, &QTextBrowser::backward);
    QObject::connect(avanti, &QPushButton::clicked, browser, &QTextBrowser::forward);
    QObject::connect(browser, &QTextBrowser::backwardAvailable, indietro, &QPushButton::setEnabled);
    QObject::connect(browser, &QTextBrowser::forwardAvailable, avanti, &QPushButton::setEnabled);
    QObject::connect(chiudi, &QPushButton::clicked, w, &QWidget::close);
    // Esc leaves the guide as its exit button does.
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), w);
    esc->setContext(Qt::WindowShortcut);
    QObject::connect(esc, &QShortcut::activated, w, &QWidget::close);
    auto *bar = new QHBoxLayout;
    for (QPushButton *b : {indice, indietro, avanti})
        bar->addWidget(b);
    bar->addStretch(1);
    bar->addWidget(chiudi);
    auto *layout = new QVBoxLayout(w);
    layout->addLayout(bar);
    layout->addWidget(browser, 1);
    return w;
}

// Opens the guide on a left click of the widget it watches.
class ApriAlClic : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            Help::open();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Centred on the main menu's screen, inside its free area, as the program's windows open.
void posiziona(QWidget *w)
{
    const Form *menu = Forms::find(Finestre::Menu);
    QScreen *screen = menu && menu->screen() ? menu->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QMargins deco(4, 32, 4, 4); // the window manager's frame, before the window is first shown
    w->resize(w->size().boundedTo(available.size().shrunkBy(deco)));
    const QSize outer = w->size().grownBy(deco);
    w->move(Forms::placeInside(available, outer).topLeft() + QPoint(deco.left(), deco.top()));
}

bool apriFinestra(const QString &nome)
{
    const QString indice = Help::paginaIniziale();
    if (indice.isEmpty())
        return false;
    const bool nuova = !g_finestra;
    if (nuova) {
        g_finestra = creaFinestra();
        posiziona(g_finestra);
    }
    auto *browser = g_finestra->findChild<QTextBrowser *>(QStringLiteral("txtGuida"));
    const QString pagina = QFileInfo(indice).dir().filePath(Help::pagina(nome));
    if (!nome.isEmpty() && QFileInfo(pagina).isFile())
        browser->setSource(QUrl::fromLocalFile(pagina));
    else if (browser->source().isEmpty())
        browser->setSource(QUrl::fromLocalFile(indice));
    g_finestra->show();
    g_finestra->raise();
    g_finestra->activateWindow();
    return true;
}

bool apriChm(const QString &nome)
{
    const QString chm = Help::fileChm();
    if (chm.isEmpty())
        return false;
#ifdef Q_OS_WIN
    // The system's HTML Help viewer is registered for .chm files.
    Q_UNUSED(nome);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(chm));
#else
    const QString viewer = Help::visualizzatoreChm();
    if (viewer.isEmpty())
        return false;
    // Of the viewers only KchmViewer opens a chosen page.
    if (!nome.isEmpty() && QFileInfo(viewer).baseName() == QLatin1String("kchmviewer"))
        return QProcess::startDetached(viewer, {QStringLiteral("-showPage"), Help::pagina(nome), chm});
    return QProcess::startDetached(viewer, {chm});
#endif
}
} // namespace

QStringList Help::cartelle()
{
    const QString exe = QCoreApplication::applicationDirPath();
    QStringList out{Paths::programFolder()};
    const QString dati = CartellaProgramma::cartellaDati(exe);
    if (!dati.isEmpty())
        out << dati;
    out << exe;
    out.removeDuplicates();
    return out;
}

QString Help::fileChm()
{
    return trovaInCartelle(QStringLiteral("Aiuto.chm"));
}

QString Help::paginaIniziale()
{
    return trovaInCartelle(QStringLiteral("Guida/index.html"));
}

QString Help::visualizzatoreChm()
{
    for (const char *name : {"xchm", "kchmviewer", "okular"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

QWidget *Help::finestra()
{
    return g_finestra;
}

void Help::rendiCliccabile(QWidget *label)
{
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(QStringLiteral("Apri la Guida"));
    label->installEventFilter(new ApriAlClic(label));
}

void Help::setSoloFinestraInterna(bool on)
{
    g_soloInterna = on;
}

QString Help::pagina(const QString &finestra)
{
    static const QHash<QString, QString> pagine{
        {Finestre::Menu, QStringLiteral("menu.html")},
        {Finestre::Login, QStringLiteral("password.html")},
        {Finestre::Archivio, QStringLiteral("archivi.html")},
        {Finestre::ImportaAlunni, QStringLiteral("importa-alunni.html")},
        {Finestre::Compila, QStringLiteral("giudizi.html")},
        {Finestre::Anteprima, QStringLiteral("anteprima.html")},
        {Finestre::Formati, QStringLiteral("anteprima.html")},
        {Finestre::Utilita, QStringLiteral("utilita.html")},
        {Finestre::Personalizza, QStringLiteral("titoli.html")},
        {Finestre::StampaClasse, QStringLiteral("stampa-classe.html")},
        {Finestre::Ripristina, QStringLiteral("copie.html")},
        {Finestre::Frasi, QStringLiteral("frasi-editor.html")},
    };
    return pagine.value(finestra, QStringLiteral("index.html"));
}

void Help::open(const QString &finestra)
{
    if (!g_soloInterna && apriChm(finestra))
        return;
    if (!apriFinestra(finestra))
        Msg::box(QStringLiteral("Impossibile aprire la Guida \"Aiuto.chm\"."), Msg::Ok, Msg::Information);
}
