#pragma once
#include <QList>
#include <QString>
#include <QWidget>

class CasellaTesto;
class ListaSpunte;
class QPushButton;
class QTabWidget;
class SceltaAlunno;

// The composition window's view for composing: a section's phrases ticked on its tab, the text they
// make, corrected and saved; "Vai alla modifica e alla stampa dei giudizi" leads to the editing view.
class VistaScelta : public QWidget
{
    Q_OBJECT
public:
    VistaScelta(SceltaAlunno &alunno, QWidget *parent);
    // At the window's opening: nothing to confirm or save yet; in preselection mode no editing view.
    void avvia();
    // The tab captions: the section titles.
    void titoli();

    void MostraQuadro(int n); // MostraQuadro1 .. MostraQuadro4
    void CompQuadri();
    void Evidenzia(QString selezione);
    void lstLista_Click(int index);
    // False when the text could not be saved; a replacement the teacher refused counts as done.
    bool cmdOKTestoGiudizio_Click();
    void txtTesto_Change();
    // Whether everything was written; otherwise the text stays marked as changed.
    bool cmdSalvaTesto_Click();
    bool DeviSalvareTesto();
    // Ticks changed since the section was shown or confirmed: compose and save them (Yes), drop them (No)
    // or stay (Cancel, false).
    bool DeviConfermareSpunte();

    // The text box holds a change not saved.
    bool testoModificato() const;
    int schedaCorrente() const;
    void mostraScheda(int indice);
    // Another class: no list, no text, nothing to confirm or save.
    void svuota();
    void svuotaListe();
    void svuotaTesto();
    // OK waits for a section to be shown.
    void disattivaOk();
    // With no section shown there is no file the text could be saved to.
    void aggiornaTestoModificabile();
    void fuocoAllaLista();

signals:
    // A tab was clicked or reached with the keyboard.
    void schedaScelta();
    // "Vai alla modifica e alla stampa dei giudizi".
    void modifica();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void collega();
    // Whether the teacher lets OK replace section n's text corrected by hand.
    bool sostituzioneConfermata(int n);
    void rendiCorrenteCartellaClasse();
    // The current list's counts of the class's pupils who chose each phrase.
    void aggiornaUso();

    SceltaAlunno &m_alunno;
    QTabWidget *SSTabGiudizi = nullptr;
    ListaSpunte *lstLista[4] = {};
    QPushButton *cmdOkTestoGiudizio = nullptr;
    CasellaTesto *txtTesto = nullptr;
    QPushButton *cmdSalvaTesto = nullptr;
    QPushButton *cmdCaricaTesto = nullptr;
    bool m_mostraInCorso = false;
    // The ticks of the current list as shown or last confirmed with OK.
    QList<int> m_spunteConfermate;
};
