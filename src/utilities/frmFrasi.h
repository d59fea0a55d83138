#pragma once
#include "platform/Form.h"
#include "utilities/FileFrasi.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

// The phrase editor: the entries of the four phrase files, edited without moving any index.
class frmFrasi : public Form
{
    Q_OBJECT
public:
    frmFrasi();
    void Form_Load() override;

    void cmdModificaVoce_Click();
    void cmdAggiungi_Click();
    void cmdElimina_Click();
    void cmdSposta_Click();
    void cmdSalva_Click();
    void cmdEsci_Click();

protected:
    void closeByTitleBar() override { cmdEsci_Click(); }

private:
    struct Sezione {
        FileFrasi::Contenuto contenuto;
        QByteArray letto; // the file's bytes when read or last saved
        QTableWidget *tabella = nullptr;
        bool modificata() const { return FileFrasi::bytes(contenuto) != letto; }
    };
    QTableWidget *creaTabella(int n);
    void mostraRiga(Sezione &s, int riga);
    void riempiTabella();
    void scegliRiga(int riga);
    void rigaScelta();
    void aggiornaAnteprima();
    void sceltaClasse();
    FileFrasi::Parti partiScritte() const;
    // Text typed in the entry's boxes and not yet put into the table.
    bool voceInSospeso() const;
    bool controllaParti(const FileFrasi::Parti &p);
    bool salvaSezione(int n);
    void aggiornaPulsanti();
    Sezione &corrente();
    int rigaCorrente() const;

    Sezione m_sezioni[4];
    QString m_alunna, m_alunno; // the names the preview line fills in

    QFrame *FrameFrasi;
    QTabWidget *tabFrasi;
    QLabel *lblCoda, *lblAlunna, *lblAlunno;
    QComboBox *cmbClasse;
    QLineEdit *txtTesta, *txtFrase;
    QCheckBox *chkACapo;
    QPushButton *cmdModificaVoce, *cmdAggiungi, *cmdElimina, *cmdSposta, *cmdSalva, *cmdEsci;
};
