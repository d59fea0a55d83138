#pragma once
// Helpers of the composition window's tests: an archive on disk and a teacher's gestures.
#include "TestSupport.h"

#include "app/CarQuad.h"
#include "composition/frmCompila.h"
#include "platform/Form.h"
#include "platform/Msg.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace Compila {
// Classes 3A (Bianchi Anna, female; Rossi Mario, male) and 4B (Verdi Luca), the worked example
// as section 1, and short phrase files for the other sections.
inline void preparaArchivio(const ProgramFolder &dir)
{
    dir.writeSettings();
    dir.writeArchive({{"3A", {{"Bianchi Anna", 0}, {"Rossi Mario", 1}}}, {"4B", {{"Verdi Luca", 1}}}});
    dir.write("quadro1.txt", ansi("1=CognomeNome si è mostrat§ attent§\r\n2=, partecipe\r\n"
                                  "3<=Ha lavorato con impegno \r\n4=e con costanza.\r\n"));
    dir.write("quadro2.txt", ansi("Obiettivo=Favorire la socializzazione\r\nMetodo=attraverso il gioco.\r\n"
                                  "Altro<=CognomeNome sarà seguit§ con attenzione.\r\n"));
    dir.write("quadro3.txt", ansi("Sì=CognomeNome ha raggiunto gli obiettivi\r\nNo=CognomeNome non è ancora pront§\r\n"
                                  "Fine=.\r\n"));
    dir.write("quadro4.txt", ansi("A=Ottimo il percorso di CognomeNome\r\nB=, sempre sereno\r\n"));
}

inline frmCompila *finestra() { return qobject_cast<frmCompila *>(Forms::find(QStringLiteral("frmCompila"))); }

template <class T = QPushButton> T *c(const char *name) { return control<T>(finestra(), QString::fromLatin1(name)); }

inline QComboBox *classe() { return c<QComboBox>("cmbClasse"); }
inline QComboBox *alunno() { return c<QComboBox>("cmbAlunno"); }
inline QTabWidget *schedeGiudizi() { return c<QTabWidget>("SSTabGiudizi"); }
inline QTabWidget *schedeQuadri() { return c<QTabWidget>("ssTabQuadri"); }
inline QListWidget *lista(int i) { return control<QListWidget>(finestra(), QStringLiteral("lstLista%1").arg(i)); }
inline QPlainTextEdit *testo() { return c<QPlainTextEdit>("txtTesto"); }
inline QPlainTextEdit *txtQ(int n) { return control<QPlainTextEdit>(finestra(), QStringLiteral("txtQ%1").arg(n)); }
inline QPushButton *pulsante(const char *name) { return c<QPushButton>(name); }
inline void clic(const char *name) { clickAt(c(name)); }
inline void clicScheda(QTabWidget *tabs, int i) { clickTab(tabs, i); }

inline frmCompila *apriDalMenu()
{
    clickAt(control<QPushButton>(startProgram(), QStringLiteral("cmdCompila")));
    return finestra();
}

inline bool scegli(QComboBox *box, const QString &voce) { return chooseInCombo(box, voce) && box->currentText() == voce; }

inline bool apri(const ProgramFolder &dir, const char *cl = "3A", const char *al = "Bianchi Anna")
{
    preparaArchivio(dir);
    return apriDalMenu() && scegli(classe(), QString::fromUtf8(cl)) && scegli(alunno(), QString::fromUtf8(al));
}

inline void apriEChiudi(QComboBox *box)
{
    clickAt(box);
    if (box->view()->isVisible())
        QTest::keyClick(box->view(), Qt::Key_Escape);
}

inline QStringList voci(QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

inline void spunta(QListWidget *l, int riga)
{
    l->scrollToItem(l->item(riga));
    clickAt(l->viewport(), l->visualItemRect(l->item(riga)).center());
}

inline QList<int> spuntate(QListWidget *l)
{
    QList<int> out;
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->isSelected())
            out << i;
    return out;
}

inline void componi(int lst, const QList<int> &righe)
{
    for (const int r : righe)
        spunta(lista(lst), r);
    clic("cmdOkTestoGiudizio");
}

inline void aggiungi(QPlainTextEdit *t, const QString &s)
{
    t->setFocus();
    t->moveCursor(QTextCursor::End);
    t->insertPlainText(s);
}

inline void rispondi(std::initializer_list<Msg::Result> risposte)
{
    for (const Msg::Result r : risposte)
        Msg::queueAnswer(r);
}

inline int quanteDomande()
{
    const QList<Msg::Shown> v = Msg::shown();
    return int(std::count_if(v.begin(), v.end(), [](const Msg::Shown &s) { return s.title == "Salva le modifiche"; }));
}

inline Msg::Shown ultimo() { return Msg::shown().isEmpty() ? Msg::Shown{} : Msg::shown().last(); }
} // namespace Compila
