#pragma once
#include <QListWidget>

// A phrase list in which several items are ticked at once: a click ticks or unticks an item,
// and each ticked item shows a check mark as well as the highlight.
class ListaSpunte : public QListWidget
{
    Q_OBJECT
public:
    explicit ListaSpunte(QWidget *parent = nullptr);
    // Replaces the items; none ticked.
    void riempi(const QStringList &voci);
    void svuota();
    void spunta(const QList<int> &indici);
    // Indices of the ticked items, in list order.
    QList<int> spuntate() const;
    QStringList voci() const;
    // At the list's right edge, apart from each item's text: how many pupils of alunni chose it.
    // An empty perFrase shows none.
    void mostraConteggi(const QList<int> &perFrase, int alunni);
    // The count shown beside item riga; -1 when none is shown.
    int conteggio(int riga) const;
    int alunni() const { return m_alunni; }
    // Where the count of the item drawn in rect goes, in the viewport's coordinates.
    QRect rettangoloConteggio(const QRect &rect) const;

signals:
    // The user ticked or unticked an item (never emitted for the program's own changes).
    void clickUtente();

private:
    bool m_programma = false;
    QList<int> m_conteggi;
    int m_alunni = 0;
};
