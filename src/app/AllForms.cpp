#include "app/Avvio.h"
#include "app/frmLogin.h"
#include "app/frmSplash.h"
#include "archive/frmModifica.h"
#include "composition/frmCompila.h"
#include "platform/Form.h"
#include "printing/frmAnteprima.h"
#include "printing/frmFormati.h"
#include "utilities/frmPersonalizza.h"
#include "utilities/frmUtilita.h"

// One line per window: its name and how it is created.
void Avvio::registraFinestre()
{
    Forms::registerForm(QStringLiteral("frmSplash"), [] { return new frmSplash; });
    Forms::registerForm(QStringLiteral("frmModifica"), [] { return new frmModifica; });
    Forms::registerForm(QStringLiteral("frmCompila"), [] { return new frmCompila; });
    Forms::registerForm(QStringLiteral("frmLogin"), [] { return new frmLogin; });
    Forms::registerForm(QStringLiteral("frmPersonalizza"), [] { return new frmPersonalizza; });
    Forms::registerForm(QStringLiteral("frmUtilità"), [] { return new frmUtilita; });
    Forms::registerForm(QStringLiteral("frmFormati"), [] { return new frmFormati; });
    Forms::registerForm(QStringLiteral("frmAnteprima"), [] { return new frmAnteprima; });
}
