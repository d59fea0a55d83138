#pragma once

class QApplication;

// For scripted runs under a real window system: when QUADERLO_MAPPA names a file, that file is kept
// up to date with the screen position of every visible named control of every visible window, so that a
// script can click where a teacher would. One line each, in global screen pixels:
//   frmSplash 283 84 800 600                             a window (its client area)
//   frmSplash/cmdEsci Esci 500 400 120 40                a control, with its text when it shows one
//   frmModifica/cmbClassi_elenco[0] 3A 310 220 80 18     an entry of a list, a combo box's open list, a tab
//   msgbox/Sì Sì 600 380 80 30                           a message box ("msgbox") or input box ("inputbox")
//   attiva frmModifica                                   the active window
//   fuoco frmModifica/cmbClassi_testo                    the control with the keyboard focus
//   spunte frmCompila/lstLista0 0 3                      the selected entries of a list
namespace MappaControlli {
// Does nothing unless the variable is set.
void avviaSeRichiesta(QApplication &app);
} // namespace MappaControlli
