#pragma once
#include "platform/Form.h"
#include "printing/Impaginazione.h"
#include "printing/SceltaLavoro.h"

#include <optional>

class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

// The print preview: a section drawn at one third of its size on a picture of the sheet,
// printed from here with the configuration or with one of the four formats.
class frmAnteprima : public Form
{
    Q_OBJECT
public:
    frmAnteprima();

    // cmdAnteprimaQn_Click's part here: section n's text (as stored) drawn under the document's name,
    // with cmdStampaQn alone; the text is kept for redrawing and printing.
    void AnteprimaQuadro(int n, const QString &testo, const QString &nome);
    // Draws the text (consumed) with the configuration or the chosen format; never clears first.
    void AnteprimaStampa(QString &testo);

    void checkFormato_Click();
    void optFormati_Click(int index);
    void cmdStampaQ_Click(int n); // cmdStampaQ1_Click .. cmdStampaQ4_Click
    void cmdEsciAnteprima_Click();

    // What is drawn, in millimetres of the window's drawing area.
    QList<Scritta> disegno() const;
    void cancellaDisegno();

signals:
    // Esci, or a print: the window that opened the preview comes back.
    void uscita();
    // "Stampa" of section n has run, whether or not the job could be made.
    void stampato(int n);

protected:
    void closeByTitleBar() override { cmdEsciAnteprima_Click(); }
    void paintEvent(QPaintEvent *event) override;

private:
    void creaFoglio();
    void creaComandi();
    void mostraPulsanteStampa(int n);
    void ridisegna();
    // The job for section n: the chosen format or the configuration.
    SceltaLavoro::Esito lavoro(int n) const;

    // The layouts drawn since the window was last cleared, each as the printer would print it.
    QList<Impaginazione> m_disegni;
    QString m_testo; // the section's text as stored
    QString m_nome;  // the document's name
    QFrame *Shape1 = nullptr;
    QPushButton *checkFormato = nullptr;
    QRadioButton *optFormati[4] = {};
    QButtonGroup *gruppoFormati = nullptr;
    QPushButton *cmdStampaQ[4] = {};
    QPushButton *cmdEsciAnteprima = nullptr;
    QLabel *lblRighe = nullptr; // how long the section prints with what the preview uses
};
