#pragma once
#include "platform/Form.h"
#include "printing/Impaginazione.h"
#include "printing/StampaClasse.h"

#include <optional>

class QButtonGroup;
class QComboBox;
class QFrame;
class QPushButton;
class QRadioButton;

// One section printed for every pupil of a class, one page each, with the configuration or a format.
class frmStampaClasse : public Form
{
    Q_OBJECT
public:
    frmStampaClasse();
    void Form_Load() override;

    void checkFormato_Click();
    void cmdAnteprima_Click();
    void cmdStampa_Click();
    void cmdEsci_Click();

protected:
    void closeByTitleBar() override { cmdEsci_Click(); }

private:
    // What one print of the class is made of, laid out.
    struct Lavoro {
        LavoroStampa lavoro; // named after the class and the section
        StampaClasse::Pagine pagine;
        QList<Impaginazione> impaginate;
    };
    void creaScelte(QFrame *frame);
    // Chooses, reads and lays out, showing the progress; nothing, after saying why, when there is
    // nothing to print or the teacher stopped.
    std::optional<Lavoro> prepara();
    void stampa(const Lavoro &l);
    int quadro() const;

    QComboBox *cmbClasse = nullptr;
    QRadioButton *optQuadro[4] = {};
    QPushButton *checkFormato = nullptr;
    QRadioButton *optFormati[4] = {};
    QButtonGroup *gruppoFormati = nullptr;
    QPushButton *cmdAnteprima = nullptr;
    QPushButton *cmdStampa = nullptr;
    QPushButton *cmdEsci = nullptr;
};
