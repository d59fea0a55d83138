#include "utilities/RicaricaMenu.h"
#include "platform/Form.h"

void RicaricaMenu()
{
    Forms::unload(QStringLiteral("frmSplash"));
    Form *menu = Forms::get(QStringLiteral("frmSplash"));
    if (!menu)
        return;
    menu->Form_Load();
    // Enabling it now would open a way around the password.
    const Form *login = Forms::find(QStringLiteral("frmLogin"));
    if (!login || !login->isVisible())
        menu->setEnabled(true);
}
