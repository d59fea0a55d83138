#pragma once

// Unloads the main menu and loads it afresh, so that it runs its whole start-up again.
// The menu is enabled afterwards unless the access check it opened is waiting for the password.
void RicaricaMenu();
