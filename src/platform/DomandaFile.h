#pragma once
#include <QString>
#include <functional>

// A question for a file: first offered in Documents, then in the folder chosen last while the
// program runs. Tests answer it with a function instead of the dialog.
class DomandaFile
{
public:
    using Risposta = std::function<QString(const QString &proposta)>;
    // The folder to offer.
    QString cartella() const;
    // The test's answer when one is set, else the dialog's; empty when the teacher gave up.
    QString chiedi(const QString &proposta, const Risposta &dialogo) const;
    // The chosen file's folder is offered next time.
    void ricorda(const QString &file);
    void setRisposta(Risposta risposta) { m_risposta = std::move(risposta); }
    void dimentica() { m_ultima.clear(); }

private:
    QString m_ultima;
    Risposta m_risposta;
};
