#include "menu/Avvio.h"
#include "archive/CopiaArchivio.h"
#include "platform/CartellaProgramma.h"
#include "platform/Form.h"
#include "platform/Msg.h"

#include <QtGlobal>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QLibraryInfo>
#include <QList>
#include <QLocale>
#include <QPair>
#include <QTimer>
#include <QTranslator>

#include <clocale>
#ifdef Q_OS_UNIX
#include <locale.h>
#endif

// Resources of a static library are registered by hand, outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(quaderlo);
}

namespace {
// Qt's own dialogs write dates and numbers in the system's locale, which Qt reads from the
// environment while the application is being made: Italian is put there before main runs, and
// the teacher's own values come back for the programs started later.
const char *const kCategorie[] = {"LC_ALL", "LC_TIME", "LC_NUMERIC", "LC_MONETARY", "LC_MEASUREMENT"};
QList<QPair<QByteArray, QByteArray>> g_ambiente; // name and value before; an unset one as a null value

// Only where the system has the Italian locale: a locale it lacks makes the whole C library fall back
// to "C", and window titles then reach the window manager garbled.
bool localeDisponibile(const char *nome)
{
#ifdef Q_OS_UNIX
    const locale_t l = ::newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, nome, locale_t(0));
    if (l)
        ::freelocale(l);
    return l != locale_t(0);
#else
    Q_UNUSED(nome);
    return false;
#endif
}

const bool g_localeItaliano = [] {
    if (!localeDisponibile("it_IT.UTF-8"))
        return false;
    for (const char *nome : kCategorie)
        g_ambiente.append({nome, qEnvironmentVariableIsSet(nome) ? qgetenv(nome) : QByteArray()});
    // LC_ALL would hide the others: its value stays for the rest as LANG.
    if (!g_ambiente.first().second.isNull()) {
        g_ambiente.append({"LANG", qEnvironmentVariableIsSet("LANG") ? qgetenv("LANG") : QByteArray()});
        qputenv("LANG", g_ambiente.first().second);
        qunsetenv("LC_ALL");
    }
    for (const char *nome : kCategorie)
        if (qstrcmp(nome, "LC_ALL") != 0)
            qputenv(nome, "it_IT.UTF-8");
    return true;
}();

void ripristinaAmbiente()
{
    for (const auto &[nome, valore] : std::as_const(g_ambiente))
        valore.isNull() ? qunsetenv(nome.constData()) : qputenv(nome.constData(), valore);
    g_ambiente.clear();
}

// Texts of Qt's file dialog that its Italian translation lacks.
class TraduzioniMancanti : public QTranslator
{
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return QString();
        static const QHash<QByteArray, QString> testi{{"Folder", QStringLiteral("Cartella")},
                                                      {"File", QStringLiteral("File")},
                                                      {"%1 File", QStringLiteral("File %1")},
                                                      {"Drive", QStringLiteral("Unità")}};
        return testi.value(source);
    }
};
} // namespace

void Avvio::prepara(QApplication &app)
{
    initResources();
    QApplication::setApplicationName(QStringLiteral("Quaderlo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quaderlo"));
    QApplication::setDesktopFileName(QStringLiteral("quaderlo")); // the installed quaderlo.desktop and its icon
    QApplication::setApplicationVersion(QStringLiteral(QUADERLO_VERSION));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    Q_UNUSED(g_localeItaliano);
    QLocale::system(); // read by now: the environment can go back
    ripristinaAmbiente();

    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
    QApplication::installTranslator(new TraduzioniMancanti(&app));

    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quaderlo.png")));
    registraFinestre();
    // Beside the executable, or the user's own folder when the program is installed;
    // asked after the translation is loaded, so that the buttons read "Sì" and "No".
    const QString exe = QCoreApplication::applicationDirPath();
    if (!preparaCartella(exe, CartellaProgramma::scrivibile(exe), CartellaProgramma::cartellaUtente()))
        termina();
}

bool Avvio::preparaCartella(const QString &exe, bool exeScrivibile, const QString &utente)
{
    if (!CopiaArchivio::daOffrire(exe, exeScrivibile, utente)) {
        CartellaProgramma::usa(exe, exeScrivibile, utente);
        return true;
    }
    QString testo = QStringLiteral("La cartella del programma\n\r%1\n\rnon si può modificare e contiene un archivio "
                                   "(classi, alunni e password).\n\rVuoi copiarlo nella cartella\n\r%2\n\re lavorare lì?")
                        .arg(QDir::toNativeSeparators(exe), QDir::toNativeSeparators(utente));
    const QString daParte = CopiaArchivio::messaDaParte(utente);
    if (!daParte.isEmpty())
        testo += QStringLiteral("\n\rI file che vi si trovano saranno spostati in\n\r%1").arg(QDir::toNativeSeparators(daParte));
    testo += QStringLiteral("\n\rCon No il programma termina.");
    if (Msg::box(testo, Msg::YesNo, Msg::Question, QString(), Msg::ResYes) != Msg::ResYes)
        return false;
    const CopiaArchivio::Esito esito = CopiaArchivio::copia(exe, utente);
    if (!esito.ok) {
        Msg::box(QStringLiteral("Impossibile copiare l'archivio nella cartella\n\r%1:\n\r%2\n\rIl programma termina.")
                     .arg(QDir::toNativeSeparators(utente), esito.errore),
                 Msg::Ok, Msg::Critical);
        return false;
    }
    CartellaProgramma::usa(exe, false, utente);
    return true;
}

void Avvio::termina()
{
    Forms::endProgram();
    // Before the event loop runs, exit() has no effect: quit once it does.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
}
