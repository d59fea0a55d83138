#pragma once
#include "platform/Form.h"
#include "printing/Geometria.h"
#include "printing/Superficie.h"

#include <memory>
#include <optional>

class QButtonGroup;
class QFrame;
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
    // Prints the text with the chosen format or with the configuration.
    void StampaABlocchetto(QString &testo);
    // Shows cmdStampaQn alone.
    void mostraPulsanteStampa(int n);

    void checkFormato_Click();
    void optFormati_Click(int index);
    void cmdStampaQ_Click(int n); // cmdStampaQ1_Click .. cmdStampaQ4_Click
    void cmdEsciAnteprima_Click();

    // What is drawn, in millimetres of the window's drawing area.
    const QList<Scritta> &disegno() const;
    void cancellaDisegno();

protected:
    void closeByTitleBar() override { cmdEsciAnteprima_Click(); }
    void paintEvent(QPaintEvent *event) override;

private:
    void creaFoglio();
    void creaComandi();
    frmCompila *compila() const;
    void ridisegna();
    std::optional<Geometria> geometria();

    std::unique_ptr<SuperficieRegistrata> m_superficie;
    QFrame *Shape1 = nullptr;
    QPushButton *checkFormato = nullptr;
    QRadioButton *optFormati[4] = {};
    QButtonGroup *gruppoFormati = nullptr;
    QPushButton *cmdStampaQ[4] = {};
    QPushButton *cmdEsciAnteprima = nullptr;
};
