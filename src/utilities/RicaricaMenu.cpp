#include "utilities/RicaricaMenu.h"
#include "platform/Form.h"
#include "platform/Finestre.h"

void RicaricaMenu()
{
    Forms::unload(Finestre::Menu);
    Form *menu = Forms::get(Finestre::Menu);
    if (!menu)
        return;
    menu->Form_Load();
    // Enabling it now would open a way around the password.
    const Form *login = Forms::find(Finestre::Login);
    if (!login || !login->isVisible())
        menu->setEnabled(true);
}
