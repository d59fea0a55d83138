#pragma once
#include "platform/Form.h"

class FrameImpostazioniStampa;
class FrameUnione;
class QComboBox;
class QFrame;
class QGroupBox;
class QPushButton;

// The utilities module: print settings, merging, export and import, new school year and other tools.
class frmUtilita : public Form
{
    Q_OBJECT
public:
    frmUtilita();
    void Form_Load() override;

    // Buttons that leave the window.
    void cmdFormati_Click();
    void cmdStampaClasse_Click();
    void cmdPersonalizza_Click();
    void cmdPreselezione_Click();
    void cmdFrasi_Click();
    void cmdEsciUtilita_Click();
    // Buttons that keep it open.
    void cmdPassword_Click();
    void cmdNotepad_Click();
    void cmdNuovoAnno_Click();

protected:
    void closeByTitleBar() override { cmdEsciUtilita_Click(); }

private:
    QGroupBox *creaStrumento(const QString &frame, const QString &caption, const QString &button, const QIcon &icon,
                             void (frmUtilita::*handler)());
    QWidget *creaImpostazioniStampa();
    void leaveFor(const QString &form);

    QFrame *Frame2;
    FrameImpostazioniStampa *frameStampa = nullptr; // "FrameImpostazioniStampa"
    FrameUnione *frameUnione = nullptr;
    QPushButton *cmdNotepad, *cmdPersonalizza, *cmdPassword, *cmdNuovoAnno, *cmdPreselezione, *cmdFormati;
    QPushButton *cmdEsciUtilita;
    QPushButton *cmdFrasi; // beside cmdNotepad: the phrase editor
};
