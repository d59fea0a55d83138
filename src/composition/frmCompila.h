#pragma once
#include "composition/SceltaAlunno.h"
#include "platform/Form.h"

#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class ComboTendina;
class VistaModifica;
class VistaScelta;

// The composition window "Giudizi": the class and pupil chosen, and two views of the pupil's four
// sections, one to compose them from phrases, one to edit, print and preview them; in preselection
// mode the phrases ticked for every pupil.
class frmCompila : public Form, public SceltaAlunno
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

    // A tab of the composition view: the section shown for the pupil chosen.
    void ssTabGiudizi_GotFocus();
    // Going between the views
    void cmdCaricaTesto_Click();
    void cmdFineStampa_Click();
    void cmdFineLavoro_Click();

    VistaScelta *vistaScelta() const { return m_scelta; }
    VistaModifica *vistaModifica() const { return m_modifica; }

    // SceltaAlunno
    QString alunno() const override;
    int sesso() const override;
    void NomeFile() override;
    Giudizio::Alunno giudizio() const override;
    void chiediAlunno() override;

protected:
    void closeByTitleBar() override { cmdFineLavoro_Click(); }

private:
    void creaControlli();
    void collega();
    void mostraVista(bool modifica);
    void daiFuoco(QWidget *w);
    // The changes of the view shown asked about; false when the teacher stays.
    bool salvaSeServe();
    // The preselection, then the pupil's own selection, read afresh before a section is shown.
    void rileggiSelezioni();
    bool rendiCorrenteCartellaClasse();
    // The spell check as chosen, knowing the words of the class's pupils and of the phrase files.
    void preparaOrtografia();

    QFrame *Frame1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    ComboTendina *cmbClasse = nullptr;
    ComboTendina *cmbAlunno = nullptr;
    VistaScelta *m_scelta = nullptr;
    VistaModifica *m_modifica = nullptr;
    QPushButton *cmdFineLavoro = nullptr;
};
