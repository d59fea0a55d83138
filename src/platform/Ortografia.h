#pragma once
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

class Hunspell;

// Italian spelling with Hunspell: the system's dictionary, the teacher's own words (Dizionario.txt,
// UTF-8, one word a line), words known for the class, and words ignored for this session.
// Without a dictionary every word counts as correct.
class Ortografia
{
public:
    // The folders looked in: $DICPATH, then the usual system folders.
    static QStringList cartelleSolite();
    // The .aff file of the Italian dictionary (it_IT or it) in the first folder that has one; empty when none.
    static QString trovaDizionario(const QStringList &cartelle = cartelleSolite());

    // aff empty or unreadable: no checking.
    explicit Ortografia(const QString &aff = trovaDizionario());
    ~Ortografia();
    Ortografia(const Ortografia &) = delete;
    Ortografia &operator=(const Ortografia &) = delete;

    bool disponibile() const { return bool(m_hunspell); }
    bool corretta(const QString &parola) const;
    // Up to max corrections, best first; none when the word is correct or there is no dictionary.
    QStringList suggerimenti(const QString &parola, int max = 5) const;

    // The teacher's dictionary file: read now, appended to by aggiungi().
    void usaDizionarioPersonale(const QString &path);
    QString dizionarioPersonale() const { return m_fileParole; }
    // Adds the word to the teacher's dictionary file, rewritten atomically; false with the reason.
    bool aggiungi(const QString &parola, QString *errore = nullptr);
    // Correct until the session ends.
    void ignora(const QString &parola);
    // Words of the class and of the phrase files; replaces the ones given before. True when they changed.
    bool impostaNote(const QStringList &parole);
    // Forgets the session's ignored words and the class's known words.
    void azzeraSessione();

    // Where the words of a text are: start and length of each run of letters (with apostrophes
    // inside, as in "l'alunno"); runs touching a digit are left out.
    struct Tratto {
        int inizio;
        int lunghezza;
    };
    static QList<Tratto> parole(const QString &testo);

    // The checker of the program folder in use: the teacher's dictionary is read again when that folder changes.
    static Ortografia &comune();

private:
    static QString chiave(const QString &parola);
    bool nota(const QString &k) const;
    bool verifica(const QString &parola) const;
    std::string codifica(const QString &parola, bool *ok) const;

    std::unique_ptr<Hunspell> m_hunspell;
    QString m_codifica;
    QString m_fileParole;
    QSet<QString> m_personali;
    QSet<QString> m_ignorate;
    QSet<QString> m_note;
    // Hunspell's answers, and the final answer for each word as written (cleared when the word sets change).
    mutable QHash<QString, bool> m_dizionario;
    mutable QHash<QString, bool> m_esiti;
};
