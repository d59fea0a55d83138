#pragma once
#include "platform/Form.h"
#include "printing/Impaginazione.h"
#include "printing/LavoroStampa.h"

#include <optional>

class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class frmCompila;

// The print preview: a section drawn at one third of its size on a picture of the sheet,
// printed from here with the configuration or with one of the four formats.
class frmAnteprima : public Form
{
    Q_OBJECT
public:
    frmAnteprima();

    // Draws the text (consumed) with the configuration or the chosen format; never clears first.
    void AnteprimaStampa(QString &testo);
    // Prints the text with the chosen format or with the configuration; nome names the document.
    void StampaABlocchetto(QString &testo, const QString &nome = QString());
    // Shows cmdStampaQn alone.
    void mostraPulsanteStampa(int n);

    void checkFormato_Click();
    void optFormati_Click(int index);
    void cmdStampaQ_Click(int n); // cmdStampaQ1_Click .. cmdStampaQ4_Click
    void cmdEsciAnteprima_Click();

    // What is drawn, in millimetres of the window's drawing area.
    QList<Scritta> disegno() const;
    void cancellaDisegno();

protected:
    void closeByTitleBar() override { cmdEsciAnteprima_Click(); }
    void paintEvent(QPaintEvent *event) override;

private:
    void creaFoglio();
    void creaComandi();
    frmCompila *compila() const;
    void ridisegna();
    // The job the preview pictures: the chosen format or the configuration; nothing, after
    // telling why, when there is none to use.
    std::optional<LavoroStampa> lavoro();
    std::optional<LavoroStampa> lavoroFormato(const QString &nome);

    // The layouts drawn since the window was last cleared, each as the printer would print it.
    QList<Impaginazione> m_disegni;
    QFrame *Shape1 = nullptr;
    QPushButton *checkFormato = nullptr;
    QRadioButton *optFormati[4] = {};
    QButtonGroup *gruppoFormati = nullptr;
    QPushButton *cmdStampaQ[4] = {};
    QPushButton *cmdEsciAnteprima = nullptr;
    QLabel *lblRighe = nullptr; // how long the section prints with what the preview uses
};
