#pragma once
// Shared steps of the utilities window's tests.
#include "TestSupport.h"

#include "app/CarQuad.h"
#include "platform/Finestre.h"
#include "platform/Form.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "utilities/frmUtilita.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace UtilitaTest {
inline const QString kUtilita = Finestre::Utilita;

inline void impostazioni(const ProgramFolder &dir) { dir.writeSettings(); }

// From the main menu into the utilities window.
inline frmUtilita *entra()
{
    clickAt(control<QPushButton>(window(Finestre::Menu), QString::fromUtf8("cmdUtilità")));
    return qobject_cast<frmUtilita *>(window(kUtilita));
}

inline frmUtilita *apri(const ProgramFolder &dir)
{
    dir.writeSettings();
    startProgram();
    return entra();
}

inline QPushButton *pulsante(const QString &name) { return control<QPushButton>(window(kUtilita), name); }

// Clicks a button of the window, the answers to its messages queued first.
inline void clic(const QString &name, std::initializer_list<Msg::Result> risposte = {})
{
    for (Msg::Result r : risposte)
        Msg::queueAnswer(r);
    QPushButton *b = pulsante(name);
    QVERIFY2(b, qPrintable(name));
    clickAt(b);
}

inline void ultimo(const QString &text, const QString &title, Msg::Icon icon)
{
    QVERIFY(!Msg::shown().isEmpty());
    QCOMPARE(Msg::shown().last().text, text);
    QVERIFY(Msg::shown().last().title == title && Msg::shown().last().icon == icon);
}

// The focus arriving by a mouse click, as the window sees it.
inline void fuoco(QWidget *w)
{
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(w, &in);
}

inline void clicVoce(QListWidget *list, int row, bool doppio = false)
{
    doppio ? doubleClickAt(list->viewport(), list->visualItemRect(list->item(row)).center()) : clickItem(list, row);
}
} // namespace UtilitaTest
