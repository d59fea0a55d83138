#pragma once
#include "platform/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The password window: the access check at start-up, or the change of user name and password.
class frmLogin : public Form
{
    Q_OBJECT
public:
    frmLogin();
    void Form_Load() override;

    void ModificaPassword();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void closeByTitleBar() override { cmdCancel_Click(); }

private:
    bool valoriRileggibili();
    void centraSulMenu();

    QLabel *lblLabels0;
    QLabel *lblLabels1;
    QLineEdit *txtUserName;
    QLineEdit *txtPassword;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
};
