#pragma once
#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The frame "Impostazioni stampa" of the utilities window: the print configuration
// (Quaderlo.cfg) shown in its boxes and saved by "Salva Configurazione".
class FrameImpostazioniStampa : public QGroupBox
{
    Q_OBJECT
public:
    explicit FrameImpostazioniStampa(QWidget *parent = nullptr);

    // Fills the boxes from Quaderlo.cfg (read into the configuration) and the section titles.
    // A missing file shows empty boxes and leaves an empty, unusable configuration.
    void riempi();

    void cmbFont_GotFocus();
    void OptOrizzontale_Click();
    void OptVerticale_Click();
    // Checks the boxes, then writes Quaderlo.cfg; false (and nothing written) after a message.
    bool cmdOkCfg_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *casella(const QString &name);
    QLabel *unita(const QString &name, const QString &text);
    QWidget *creaOrientamento();
    // Shows the first value that cannot be saved and puts the focus on its box; true when all are good.
    bool controlla();

    QComboBox *cmbFont = nullptr;
    QLineEdit *txtSizeFont = nullptr;
    QLineEdit *txtLunghezzaRiga = nullptr;
    QLineEdit *txtMargineSx = nullptr;
    QLabel *LblMargineSupQ[4] = {};
    QLineEdit *txtSup[4] = {};
    QRadioButton *OptOrizzontale = nullptr;
    QRadioButton *OptVerticale = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QPushButton *cmdOkCfg = nullptr;
};
