#include "app/Avvio.h"
#include "app/frmLogin.h"
#include "app/frmSplash.h"
#include "composition/frmCompila.h"
#include "platform/Form.h"
#include "utilities/frmPersonalizza.h"

// One line per window: its name and how it is created.
void Avvio::registraFinestre()
{
    Forms::registerForm(QStringLiteral("frmSplash"), [] { return new frmSplash; });
    Forms::registerForm(QStringLiteral("frmCompila"), [] { return new frmCompila; });
    Forms::registerForm(QStringLiteral("frmLogin"), [] { return new frmLogin; });
    Forms::registerForm(QStringLiteral("frmPersonalizza"), [] { return new frmPersonalizza; });
}
