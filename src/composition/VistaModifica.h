#pragma once
#include <QString>
#include <QWidget>

class CasellaTesto;
class QPushButton;
class QTabWidget;
class SceltaAlunno;

// The composition window's editing view: the pupil's four saved texts on tabs, edited, saved,
// printed and previewed; "Vai alla compilazione dei giudizi" leads back to composing.
class VistaModifica : public QWidget
{
    Q_OBJECT
public:
    VistaModifica(SceltaAlunno &alunno, QWidget *parent);
    // At the window's opening: nothing to save, no way back yet.
    void avvia();
    // The tab captions: the section titles.
    void titoli();
    // The pupil's four texts loaded; loading is not a change.
    void carica();
    void svuota();

    void txtQ_Change(int n);
    // Each save returns whether everything was written; otherwise the texts stay marked as changed.
    bool cmdSalvaTestoModificato_Click();
    bool SalvaModifiche();
    bool DeviSalvareTestoModificato();
    void cmdStampaCompilaQ_Click(int n); // cmdStampaCompilaQ1_Click .. cmdStampaCompilaQ4_Click
    void cmdAnteprimaQ_Click(int n);     // cmdAnteprimaQ1_Click .. cmdAnteprimaQ4_Click

    // Section n's text (1..4) as it is stored: CR LF line breaks, then the CR LF that saving adds.
    QString testoQuadro(int n) const;
    // txtQn of section quadroBlu dark blue, the others black; 0: all black.
    void coloraTesti(int quadroBlu);
    // A text holds a change not saved.
    bool testoModificato() const;
    int schedaCorrente() const;
    void mostraScheda(int indice);

signals:
    // "Vai alla compilazione dei giudizi".
    void composizione();

private:
    QWidget *pagina(int i);
    // The document's name: the pupil's file name, " - ", section n's title.
    QString nomeDocumento(int n) const;

    SceltaAlunno &m_alunno;
    QTabWidget *ssTabQuadri = nullptr;
    CasellaTesto *txtQ[4] = {};
    QPushButton *cmdAnteprimaQ[4] = {};
    QPushButton *cmdStampaCompilaQ[4] = {};
    QPushButton *cmdSalvaTestoModificato = nullptr;
    QPushButton *cmdFineStampa = nullptr;
};
