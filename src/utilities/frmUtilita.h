#pragma once
#include "platform/Form.h"

class FrameImpostazioniStampa;
class FrameUnione;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class ListaCartelle;

// The utilities module: print settings, merging, export and import, new school year and other tools.
class frmUtilita : public Form
{
    Q_OBJECT
public:
    frmUtilita();
    void Form_Load() override;

    // Buttons that leave the window.
    void cmdFormati_Click();
    void cmdPersonalizza_Click();
    void cmdPreselezione_Click();
    void cmdFrasi_Click();
    void cmdEsciUtilita_Click();
    // Buttons that keep it open.
    void cmdPassword_Click();
    void cmdNotepad_Click();
    void cmdNuovoAnno_Click();

    // Export and import of a class.
    void cmdImporta_Click();
    void cmdEsporta_Click();
    void drive_Change();
    void drive_GotFocus();
    void DriveImporta_Change();
    void DriveImporta_GotFocus();
    void partenza_Click();
    void cmdEsportaImporta_Click();
    void CopiaCartella(const QStringList &daEliminare = {});

protected:
    void closeByTitleBar() override { cmdEsciUtilita_Click(); }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *creaEsportaImporta();
    QGroupBox *creaStrumento(const QString &frame, const QString &caption, const QString &button, const QIcon &icon,
                             void (frmUtilita::*handler)());
    QWidget *creaImpostazioniStampa();
    void riempiDrive(QComboBox *lista);
    void importaElencata();
    void leaveFor(const QString &form);

    QFrame *Frame2;
    FrameImpostazioniStampa *frameStampa = nullptr; // "FrameImpostazioniStampa"
    FrameUnione *frameUnione = nullptr;
    QPushButton *cmdNotepad, *cmdPersonalizza, *cmdPassword, *cmdNuovoAnno, *cmdPreselezione, *cmdFormati;
    QPushButton *cmdEsciUtilita;
    QPushButton *cmdImporta, *cmdEsporta, *cmdEsportaImporta;
    QLabel *lblDriveImporta, *lblDriveEsporta, *txtSceltaClasse, *Picture1;
    QComboBox *DriveImporta, *drive;
    ListaCartelle *partenza;
    QPushButton *cmdFrasi; // beside cmdNotepad: the phrase editor
};
