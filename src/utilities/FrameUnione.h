#pragma once
#include <QGroupBox>

class QComboBox;
class QPushButton;

// The frame "Unione Giudizi" of the utilities window: one section of a class's texts merged into one file.
class FrameUnione : public QGroupBox
{
    Q_OBJECT
public:
    explicit FrameUnione(QWidget *parent = nullptr);

    // The merge buttons take the current section titles.
    void riempi();

    void cmdUnisciQ1_Click() { unisciQuadro(1); }
    void cmdUnisciQ2_Click() { unisciQuadro(2); }
    void cmdUnisciQ3_Click() { unisciQuadro(3); }
    void cmdUnisciQ4_Click() { unisciQuadro(4); }
    void Unisci();
    void cmbClasse_GotFocus();
    void cmbClasse_Click();
    void cmbClasse_DragDrop();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void unisciQuadro(int n);
    void ricaricaClassi();

    QComboBox *cmbClasse;
    QPushButton *cmdUnisciQ[4];
};
