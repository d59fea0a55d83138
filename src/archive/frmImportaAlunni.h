#pragma once
#include "archive/ImportaAlunni.h"
#include "platform/Form.h"

#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

// What importing a register's list into a class would do, row by row; written only on "Conferma".
class frmImportaAlunni : public Form
{
    Q_OBJECT
public:
    frmImportaAlunni();
    // Plans the import of file into classe and shows the plan; false, after saying why, when the
    // file gives nothing to show.
    bool apri(const QString &classe, const QString &file);

    void cmdConferma_Click();
    void cmdAnnulla_Click();

    // The archive window's button that starts an import: its caption wraps onto two lines.
    static QPushButton *creaPulsante(QWidget *parent);
    // Asks for the list file; empty when the teacher gave up. The folder chosen is offered next time.
    static QString chiediFile();
    // Tests answer the question with a function of the folder offered (empty function: the dialog).
    static void setDomanda(std::function<QString(const QString &cartella)> domanda);

signals:
    // The window is gone; scritto when pupils were added to the class's list.
    void chiuso(bool scritto);

protected:
    void closeByTitleBar() override { cmdAnnulla_Click(); }

private:
    void mostraPiano();
    void chiudi(bool scritto);

    QString m_classe;
    Archivio::Piano m_piano;
    QFrame *Frame1;
    QLabel *lblClasse;
    QTableWidget *tblAlunni;
    QPushButton *cmdConferma;
    QPushButton *cmdAnnulla;
};
