#pragma once
#include "platform/Form.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The section titles window.
class frmPersonalizza : public Form
{
    Q_OBJECT
public:
    frmPersonalizza();
    void Form_Load() override;

    void cmdOkPersomalizza_Click();
    void cmdEsciPersonalizza_Click();

protected:
    void closeByTitleBar() override { cmdEsciPersonalizza_Click(); }

private:
    QFrame *Frame1;
    QLabel *lblPers_Quadro[4];
    QLineEdit *txtTitoloQuadro[4];
    QLabel *lblPersonalizza;
    QPushButton *cmdOkPersomalizza;
    QPushButton *cmdEsciPersonalizza;
};
