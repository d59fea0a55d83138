#pragma once
#include "TestSupport.h"

#include "archive/ComboAperto.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

// Drives the archive window as a user would: typing, keys, clicks in the lists and on the options.
struct Archivi {
    Form *w = nullptr;
    ComboAperto *classi = nullptr;
    ComboAperto *alunni = nullptr;
    QRadioButton *maschio = nullptr;
    QRadioButton *femmina = nullptr;
    QPushButton *fine = nullptr;

    // Finds the loaded window's controls; false when the window is not loaded.
    bool trova();
    // Opens the window as the main menu does; true once the class box has the focus.
    bool apri();
    bool haFuoco(ComboAperto *box) const;
    // Clicks into the box's edit line, replaces its text by typing, then presses key (Key_unknown: none).
    void scrivi(ComboAperto *box, const QString &text, Qt::Key key = Qt::Key_Return);
    // Clicks the entry of the box's list that reads text; false when there is none.
    bool scegli(ComboAperto *box, const QString &text);
    void clicca(QRadioButton *option);
    // Chooses a class by typing it and leaving the box for the pupil box.
    void apriClasse(const QString &classe);
    // Types a pupil and chooses the gender (answering "Maschio o Femmina ? ").
    void aggiungi(const QString &alunno, bool maschile);
};

// A class folder with its pupil list, written directly.
void scriviClasse(const ProgramFolder &dir, const QString &classe, const QByteArray &alunni);
// The last message box shown, and an expected one, as comparable lines.
QString ultimoMessaggio();
QString messaggio(const QString &text, const QString &title, Msg::Icon icon, Msg::Buttons buttons = Msg::Ok,
                  Msg::Result defaultButton = Msg::ResOk);
// The names in a folder, folders with a final "/".
QStringList contenuto(const QString &folder);
