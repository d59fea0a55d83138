#pragma once
#include "platform/Form.h"
#include "printing/FileFormati.h"

class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;

// "Formati di stampa": the four print formats of Formati.dat, edited as text.
class frmFormati : public Form
{
    Q_OBJECT
public:
    frmFormati();
    void Form_Load() override;

    void cmbFontFormati_GotFocus(int index);
    void cmdOkFormati_Click();
    void cmdEsciFormati_Click();

protected:
    void closeByTitleBar() override { cmdEsciFormati_Click(); }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *creaFormato(int i);
    Formati valori() const;
    QWidget *casella(int formato, int campo) const;
    void tornaAUtilita();

    QFrame *Frame1 = nullptr;
    QComboBox *cmbFontFormati[4] = {};
    QLineEdit *txtAltCar[4] = {};
    QLineEdit *txtLungRiga[4] = {};
    QLineEdit *txtMargSin[4] = {};
    QLineEdit *txtMargSup[4] = {};
    QPushButton *cmdEsciFormati = nullptr;
    QPushButton *cmdOkFormati = nullptr;
};
