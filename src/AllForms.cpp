#include "menu/Avvio.h"
#include "menu/frmLogin.h"
#include "menu/frmSplash.h"
#include "archive/frmImportaAlunni.h"
#include "archive/frmModifica.h"
#include "composition/frmCompila.h"
#include "platform/Form.h"
#include "platform/Help.h"
#include "printing/frmAnteprima.h"
#include "printing/frmFormati.h"
#include "utilities/frmFrasi.h"
#include "utilities/frmPersonalizza.h"
#include "utilities/frmStampaClasse.h"
#include "utilities/frmRipristina.h"
#include "utilities/frmUtilita.h"
#include "platform/Finestre.h"

// One line per window: its name and how it is created.
void Avvio::registraFinestre()
{
    Forms::setHelp([](const QString &finestra) { Help::open(finestra); });
    Forms::registerForm(Finestre::Menu, [] { return new frmSplash; });
    Forms::registerForm(Finestre::Archivio, [] { return new frmModifica; });
    Forms::registerForm(Finestre::Compila, [] { return new frmCompila; });
    Forms::registerForm(Finestre::Login, [] { return new frmLogin; });
    Forms::registerForm(Finestre::Personalizza, [] { return new frmPersonalizza; });
    Forms::registerForm(Finestre::Utilita, [] { return new frmUtilita; });
    Forms::registerForm(Finestre::Formati, [] { return new frmFormati; });
    Forms::registerForm(Finestre::Anteprima, [] { return new frmAnteprima; });
    Forms::registerForm(Finestre::Ripristina, [] { return new frmRipristina; });
    Forms::registerForm(Finestre::Frasi, [] { return new frmFrasi; });
    Forms::registerForm(Finestre::ImportaAlunni, [] { return new frmImportaAlunni; });
    Forms::registerForm(Finestre::StampaClasse, [] { return new frmStampaClasse; });
}
