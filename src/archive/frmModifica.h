#pragma once
#include "platform/Form.h"
#include "platform/Msg.h"

class ComboAperto;
namespace Archivio {
struct ElencoClassi;
}
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

// The archive editor: classes and pupils are added by typing their names, deleted by choosing them.
class frmModifica : public Form
{
    Q_OBJECT
public:
    frmModifica();
    void Form_Load() override;

    void AggiungiClasse();
    void EliminaClasse();
    void CreaClassi();
    void AggiungiAlunno();
    void EliminaAlunno();
    void NomeFile();

    void cmbClassi_GotFocus();
    void cmbClassi_KeyDown(int key);
    void cmbClassi_LostFocus();
    void cmbClassi_Click();
    void cmbAlunni_GotFocus();
    void cmbAlunni_KeyDown(int key);
    void cmbAlunni_Click();
    void optMaschio_Click();
    void optFemmina_Click();
    void cmdFine_Click();
    void cmdImportaAlunni_Click();

protected:
    void closeByTitleBar() override { cmdFine_Click(); }

private:
    void creaControlli();
    void collegaEventi();
    void spegniOpzioni();
    void rifiutaNome(ComboAperto *box, const QString &problem);
    int sceltaIn(ComboAperto *box) const;
    void avviso(const QString &text, Msg::Icon icon = Msg::Exclamation);
    void errore(const QString &text);
    bool chiedi(const QString &text, const QString &title, Msg::Icon icon);
    void erroreScrittura(const QString &path);
    void erroreLettura(const QString &path);
    bool elencoDanneggiato(const QString &path, int riga);
    void erroreEliminazione(const QStringList &files);
    void riattiva();
    QString classeNota(const Archivio::ElencoClassi &elenco) const;
    bool scriviElencoAlunni(const QString &path, int senza = -1);
    void importaAlunni_Chiuso(bool scritto);

    QFrame *Frame1;
    QFrame *Frame2;
    QFrame *Frame3;
    ComboAperto *cmbClassi;
    ComboAperto *cmbAlunni;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Image1;
    QRadioButton *optMaschio;
    QRadioButton *optFemmina;
    QPushButton *cmdFine;
    QPushButton *cmdImportaAlunni;
};
