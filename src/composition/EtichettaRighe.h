#pragma once
#include <QLabel>
#include <QTimer>
#include <functional>

// Under a section's box: how long its text prints with the configuration, measured a moment after
// the teacher stops typing, so that typing stays fluent.
class EtichettaRighe : public QLabel
{
    Q_OBJECT
public:
    // testo: the section's text as it is printed.
    EtichettaRighe(int quadro, std::function<QString()> testo, QWidget *parent = nullptr);
    // Measures again shortly; called on every change of the text.
    void pianifica();
    void aggiorna();

private:
    int m_quadro;
    std::function<QString()> m_testo;
    QTimer m_attesa;
};
