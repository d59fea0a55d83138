#pragma once
// Drives the archive window as a user would.
#include "TestSupport.h"

#include "archive/ComboAperto.h"
#include "platform/Form.h"
#include "platform/Msg.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

struct Archivi {
    Form *w = nullptr;
    ComboAperto *classi = nullptr, *alunni = nullptr;
    QRadioButton *maschio = nullptr, *femmina = nullptr;
    QPushButton *fine = nullptr;

    bool trova()
    {
        if (!(w = Forms::find(QStringLiteral("frmModifica"))))
            return false;
        classi = control<ComboAperto>(w, QStringLiteral("cmbClassi"));
        alunni = control<ComboAperto>(w, QStringLiteral("cmbAlunni"));
        maschio = control<QRadioButton>(w, QStringLiteral("optMaschio"));
        femmina = control<QRadioButton>(w, QStringLiteral("optFemmina"));
        fine = control<QPushButton>(w, QStringLiteral("cmdFine"));
        return classi && alunni && maschio && femmina && fine;
    }
    // Opens the window as the main menu does; true once the class box has the focus.
    bool apri()
    {
        Forms::get(QStringLiteral("frmModifica"))->Form_Load();
        return trova() && QTest::qWaitFor([this] { return w->isActiveWindow() && haFuoco(classi); });
    }
    bool haFuoco(ComboAperto *box) const { return box->editLine()->hasFocus(); }
    // Clicks into the box's edit line, replaces its text by typing, then presses key (Key_unknown: none).
    void scrivi(ComboAperto *box, const QString &text, Qt::Key key = Qt::Key_Return)
    {
        QLineEdit *edit = box->editLine();
        clickAt(edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        for (const QChar c : text) // keys that QTest cannot name: the character alone
            QTest::sendKeyEvent(QTest::Click, edit, c.unicode() < 128 ? Qt::Key(QTest::asciiToKey(c.toLatin1())) : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
        if (key != Qt::Key_unknown)
            QTest::keyClick(edit, key);
    }
    // Clicks the entry of the box's list that reads text; false when there is none.
    bool scegli(ComboAperto *box, const QString &text)
    {
        const auto found = box->list()->findItems(text, Qt::MatchExactly);
        if (!found.isEmpty())
            clickItem(box->list(), box->list()->row(found.first()));
        return !found.isEmpty();
    }
    void apriClasse(const QString &classe) { scrivi(classi, classe, Qt::Key_Tab); }
    // Types a pupil and chooses the gender (answering "Maschio o Femmina ? ").
    void aggiungi(const QString &alunno, bool maschile)
    {
        Msg::queueAnswer(Msg::ResOk);
        scrivi(alunni, alunno);
        clickOption(maschile ? maschio : femmina);
    }
};

inline void rispondi(std::initializer_list<Msg::Result> risposte)
{
    for (Msg::Result r : risposte)
        Msg::queueAnswer(r);
}

// A message box, shown last or expected, as one comparable line.
inline QString messaggio(const QString &text, const QString &title, Msg::Icon icon, Msg::Buttons buttons = Msg::Ok,
                         Msg::Result defaultButton = Msg::ResOk)
{
    return QStringLiteral("%1 | %2 | icon %3 | buttons %4 | default %5").arg(text, title).arg(int(icon)).arg(int(buttons)).arg(int(defaultButton));
}
inline QString avviso(const QString &text, Msg::Icon icon = Msg::Question) { return messaggio(text, "Attenzione", icon); }
inline QString errore(const QString &text) { return messaggio(text, "Archivi", Msg::Critical); }
inline QString ultimoMessaggio()
{
    const Msg::Shown s = Msg::shown().value(Msg::shown().size() - 1);
    return messaggio(s.text, s.title, s.icon, s.buttons, s.defaultButton);
}

// The message box an action shows, answered with risposta.
template <class F> QString mostrato(F azione, Msg::Result risposta = Msg::ResOk)
{
    Msg::queueAnswer(risposta);
    azione();
    return ultimoMessaggio();
}

// The names in a folder, folders with a final "/".
inline QStringList contenuto(const QString &folder)
{
    QStringList out;
    for (const QFileInfo &fi : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name))
        out << fi.fileName() + (fi.isDir() ? QStringLiteral("/") : QString());
    return out;
}
