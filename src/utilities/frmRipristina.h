#pragma once
#include "platform/Form.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

// The archive's dated copies, and the way back to one of them.
class frmRipristina : public Form
{
    Q_OBJECT
public:
    frmRipristina();
    void Form_Load() override;

    void cmdRipristinaCopia_Click();
    void cmdEsci_Click();

protected:
    void closeByTitleBar() override { cmdEsci_Click(); }

private:
    void riempi();

    QFrame *Frame1;
    QLabel *lblCopie;
    QLabel *lblCartella;
    QListWidget *lstCopie;
    QLabel *lblNota;
    QPushButton *cmdRipristinaCopia;
    QPushButton *cmdEsci;
};
