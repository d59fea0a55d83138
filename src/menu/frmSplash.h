#pragma once
#include "platform/Form.h"

class QLabel;
class QPushButton;
class QFrame;

// The main menu: the program's start-up window.
class frmSplash : public Form
{
    Q_OBJECT
public:
    frmSplash();
    void Form_Load() override;

    void CreaAnnoScolastico();
    void CreaPassword();
    void CreaTitoli();

    void cmdCompila_Click();
    void cmdModifica_Click();
    void cmdUtilita_Click();
    void cmdEsci_Click();

protected:
    void closeByTitleBar() override { cmdEsci_Click(); }
    void showEvent(QShowEvent *event) override;

private:
    void openModule(const QString &form);

    QFrame *Frame1;
    QFrame *Frame2;
    QPushButton *cmdCompila;
    QPushButton *cmdModifica;
    QPushButton *cmdUtilita;
    QPushButton *cmdEsci;
    QLabel *lblProductName;
    QLabel *lblVersion;
    QLabel *lblAnnoScolastico;
};
