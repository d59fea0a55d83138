#include "menu/Avvio.h"
#include "menu/CopiaDelGiorno.h"
#include "platform/Form.h"
#include "platform/MappaControlli.h"
#include "platform/Msg.h"
#include "platform/Finestre.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Avvio::prepara(app);
    MappaControlli::avviaSeRichiesta(app); // controls' screen positions, for scripted runs only
    // For scripted runs (benchmarks, installation tests): every box takes its default answer
    // and the program ends once the main menu has been shown.
    const bool exitAfterStart = qEnvironmentVariableIsSet("QUADERLO_EXIT_AFTER_START");
    if (exitAfterStart)
        Msg::setTestMode(true);
    Forms::get(Finestre::Menu)->Form_Load();
    CopiaDelGiorno::avvia();
    if (exitAfterStart)
        QTimer::singleShot(0, &app, [] {
            std::puts("menu shown");
            std::fflush(stdout);
            Forms::endProgram();
        });
    return QApplication::exec();
}
