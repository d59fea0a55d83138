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

signals:
    // The user ticked or unticked an item (never emitted for the program's own changes).
    void clickUtente();

private:
    bool m_programma = false;
};
