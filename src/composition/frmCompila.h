#pragma once
#include "platform/Form.h"

#include <QString>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class ComboTendina;
class ListaSpunte;

// The composition window "Giudizi": a pupil's four sections composed from phrases, corrected and
// saved; in preselection mode the phrases ticked for every pupil.
class frmCompila : public Form
{
    Q_OBJECT
public:
    frmCompila();
    void Form_Load() override;

    // Class and pupil
    bool cmbClasse_DropDown();
    void cmbClasse_GotFocus();
    void cmbClasse_Click();
    void cmbClasse_LostFocus();
    bool cmbAlunno_DropDown();
    void cmbAlunno_Click();
    void cmbAlunno_LostFocus();
    void NomeFile();

    // Composition view
    void ssTabGiudizi_GotFocus();
    void MostraQuadro(int n); // MostraQuadro1 .. MostraQuadro4
    void CompQuadri();
    void Evidenzia(QString selezione);
    void lstLista_Click(int index);
    // False when the text could not be saved; a replacement the teacher refused counts as done.
    bool cmdOKTestoGiudizio_Click();

    // Views
    void cmdCaricaTesto_Click();
    void cmdFineStampa_Click();
    void cmdFineLavoro_Click();

    // Saving
    // Each save returns whether everything was written; otherwise the text stays marked as changed.
    bool cmdSalvaTesto_Click();
    bool cmdSalvaTestoModificato_Click();
    bool SalvaModifiche();
    bool DeviSalvareTesto();
    bool DeviSalvareTestoModificato();
    // Ticks changed since the section was shown or confirmed: compose and save them (Yes), drop them (No)
    // or stay (Cancel, false).
    bool DeviConfermareSpunte();
    void txtTesto_Change();
    void txtQ_Change(int n);

    // For printing: the text of txtQn (n = 1..4) with CR LF line breaks.
    QString testoQuadro(int n) const;
    // txtQn of section quadroBlu dark blue, the others black; 0: all black.
    void coloraTesti(int quadroBlu);
    QPushButton *cmdAnteprima(int n) const;
    QPushButton *cmdStampaCompila(int n) const;
    // MousePointer: 11 hourglass, 0 default.

protected:
    void closeByTitleBar() override { cmdFineLavoro_Click(); }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void creaControlli();
    QWidget *creaVistaComposizione();
    QWidget *creaVistaModifica();
    QWidget *creaPulsanti();
    void collega();
    void mostraVista(bool modifica);
    void daiFuoco(QWidget *w);
    bool salvaSeServe();
    void svuotaListe();
    // The current list's counts of the class's pupils who chose each phrase.
    void aggiornaUso();
    void leggiPreselezione();
    void leggiScelte();
    // The preselection, then the pupil's own selection, read afresh before a section is shown.
    void rileggiSelezioni();
    QString cartellaClasse() const;
    bool rendiCorrenteCartellaClasse();
    QString fileAlunno(const QString &estensione) const;
    // file: the files not written, or (quadri) "title (file name)" of the sections not written.
    void avvisaNonSalvato(const QStringList &file, bool quadri = false);
    void mostraScheda(int indice);
    bool controllaCaratteri(const QStringList &testi, const QStringList &nomi);
    void aggiornaTestoModificabile();
    // The spell check as chosen, knowing the words of the class's pupils and of the phrase files.
    void preparaOrtografia();
    // Writes the composed text (pupils only) and the selection file; the files not written.
    QStringList scriviComposizione(const QString &testo, bool *testoSalvato, bool *sceltaSalvata);
    // Whether OK may store nuovo as section n's text: asked when the stored text was corrected by hand.
    bool sostituzioneConsentita(int n, const QString &nuovo);
    // A box's text with "\n" line breaks, every character as typed.
    static QString testoDi(const QPlainTextEdit *box);

    QFrame *Frame1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    ComboTendina *cmbClasse = nullptr;
    ComboTendina *cmbAlunno = nullptr;
    QWidget *vistaComposizione = nullptr;
    QTabWidget *SSTabGiudizi = nullptr;
    ListaSpunte *lstLista[4] = {};
    QPushButton *cmdOkTestoGiudizio = nullptr;
    QPlainTextEdit *txtTesto = nullptr;
    QTabWidget *ssTabQuadri = nullptr;
    QPlainTextEdit *txtQ[4] = {};
    QPushButton *cmdAnteprimaQ[4] = {};
    QPushButton *cmdStampaCompilaQ[4] = {};
    QPushButton *cmdSalvaTesto = nullptr;
    QPushButton *cmdCaricaTesto = nullptr;
    QPushButton *cmdSalvaTestoModificato = nullptr;
    QPushButton *cmdFineStampa = nullptr;
    QPushButton *cmdFineLavoro = nullptr;
    bool m_mostraInCorso = false;
    // The ticks of the current list as shown or last confirmed with OK.
    QList<int> m_spunteConfermate;
};
