#include "app/Avvio.h"
#include "platform/CartellaProgramma.h"

#include <QtGlobal>

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// Resources of a static library are registered by hand, outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(quaderlo);
}

void Avvio::prepara(QApplication &app)
{
    initResources();
    QApplication::setApplicationName(QStringLiteral("Quaderlo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quaderlo"));
    QApplication::setDesktopFileName(QStringLiteral("quaderlo")); // the installed quaderlo.desktop and its icon
    QApplication::setApplicationVersion(QStringLiteral(QUADERLO_VERSION));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // Beside the executable, or the user's own folder when the program is installed.
    CartellaProgramma::imposta();

    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);

    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quaderlo.png")));
    registraFinestre();
}
