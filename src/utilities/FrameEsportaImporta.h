#pragma once
#include <QGroupBox>

namespace EsportaImporta {
struct Piano;
}
class ListaCartelle;
class QComboBox;
class QLabel;
class QPushButton;

// The frame "Esporta/Importa Classi" of the utilities window: a class folder copied to a drive's
// root (export) or from a drive into the program folder (import).
class FrameEsportaImporta : public QGroupBox
{
    Q_OBJECT
public:
    explicit FrameEsportaImporta(QWidget *parent = nullptr);

    void cmdImporta_Click();
    void cmdEsporta_Click();
    void drive_Change();
    void drive_GotFocus();
    void DriveImporta_Change();
    void DriveImporta_GotFocus();
    void partenza_Click();
    void cmdEsportaImporta_Click();
    // Copies as the plan says, with the busy pointer; tells the outcome and sets ErroreCopia.
    void CopiaCartella(const EsportaImporta::Piano &piano);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void riempiDrive(QComboBox *lista);

    QPushButton *cmdImporta, *cmdEsporta, *cmdEsportaImporta;
    QLabel *lblDriveImporta, *lblDriveEsporta, *txtSceltaClasse, *Picture1;
    QComboBox *DriveImporta, *drive;
    ListaCartelle *partenza;
};
