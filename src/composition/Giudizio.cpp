#include "composition/Giudizio.h"
#include "app/CarQuad.h"
#include "archive/Archivio.h"
#include "composition/AssemblaTesto.h"
#include "composition/Conferme.h"
#include "composition/FileGiudizio.h"
#include "composition/TestoQuadro.h"
#include "platform/Ansi.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QFileInfo>

using namespace CarQuad;

namespace {
// "Ж, 😀": each character once; one that cannot be seen by its code.
QString elenco(const QString &caratteri)
{
    QStringList out;
    for (qsizetype i = 0; i < caratteri.size(); ++i) {
        char32_t c = caratteri[i].unicode();
        QString uno = caratteri[i];
        if (caratteri[i].isHighSurrogate() && i + 1 < caratteri.size()) {
            c = QChar::surrogateToUcs4(caratteri[i], caratteri[i + 1]);
            uno += caratteri[++i];
        }
        out << (QChar::isPrint(c) && !QChar::isSpace(c) ? uno
                                                        : QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper());
    }
    return out.join(QStringLiteral(", "));
}

// The characters no file can hold, by text (an empty name: the one text composed); empty when none.
QString caratteriNonAmmessi(const QStringList &testi, const QStringList &nomi)
{
    QStringList righe;
    for (qsizetype i = 0; i < testi.size(); ++i) {
        const QString bad = Ansi::unencodable(testi[i]);
        if (bad.isEmpty())
            continue;
        righe << (nomi.value(i).isEmpty() ? QStringLiteral("Il testo contiene caratteri che non si possono salvare: %1").arg(elenco(bad))
                                    : QStringLiteral("Il quadro \"%1\" contiene caratteri che non si possono salvare: %2")
                                          .arg(nomi.value(i), elenco(bad)));
    }
    if (righe.isEmpty())
        return QString();
    righe << QStringLiteral("Cancellali o sostituiscili, poi salva di nuovo. Non è stato salvato nulla.");
    return righe.join(QStringLiteral("\n\r"));
}

Giudizio::File fileTesto(const Giudizio::Alunno &a, const QString &estensione, const QString &testo)
{
    const QString path = a.file(estensione);
    return {path, path.isEmpty() ? a.nome + estensione : QFileInfo(path).fileName(), TestoQuadro::perFile(testo)};
}

Conferme::Salvato salvato(const Giudizio::Alunno &a, int quadro)
{
    Conferme::Salvato s;
    const QString path = a.file(QStringLiteral(".q%1").arg(quadro));
    if (path.isEmpty())
        return s;
    s.esiste = QFileInfo(path).isFile();
    if (const auto bytes = TextFile::readBytes(path))
        s.testo = TestoQuadro::perCasella(*bytes);
    if (const auto righe = Selezione::leggi(a.file(QStringLiteral(".dat"))); righe && righe->size() >= quadro)
        s.scelta = righe->at(quadro - 1);
    return s;
}

void leggiRighe(const QString &path, QString &(*riga)(int))
{
    Selezione::Righe righe;
    for (int n = 1; n <= 4; ++n)
        righe[size_t(n - 1)] = riga(n);
    if (!path.isEmpty())
        Selezione::leggiIn(path, righe);
    for (int n = 1; n <= 4; ++n)
        riga(n) = righe[size_t(n - 1)];
}
} // namespace

QString Giudizio::Alunno::cartella() const
{
    return classe.isEmpty() ? Paths::programFolder() : Archivio::cartellaClasse(classe);
}

QString Giudizio::Alunno::file(const QString &estensione) const
{
    if (preselezione && estensione == QLatin1String(".dat"))
        return FileGiudizio::preselezione();
    return Archivio::fileAlunno(cartella(), nome, estensione);
}

void Giudizio::leggiScelte(const Alunno &a)
{
    leggiRighe(a.file(QStringLiteral(".dat")), Scelta);
}

void Giudizio::leggiPreselezione()
{
    leggiRighe(FileGiudizio::preselezione(), Preselezione);
}

Giudizio::Piano Giudizio::ok(const Alunno &a, bool alunnoScelto, int quadro, const QStringList &voci,
                             const QList<int> &spuntate, const QString &casella, Selezione::Righe scelte)
{
    Piano p;
    p.testo = casella;
    p.scelta = scelte[size_t(quadro - 1)];
    if (!spuntate.isEmpty()) {
        const AssemblaTesto::Risultato r = AssemblaTesto::assembla(voci, spuntate);
        p.scelta = r.indici;
        p.testo = TestoQuadro::conAcapo(r.testo);
    }
    if (p.testo.isEmpty())
        p.scelta.clear();
    if (!a.preselezione) {
        if (!alunnoScelto) {
            p.rifiuto = Rifiuto::SenzaAlunno;
            return p;
        }
        p.chiediSostituzione = Conferme::chiediSostituzione(voci, salvato(a, quadro), p.testo);
        p.messaggio = caratteriNonAmmessi({p.testo}, {QString()});
        if (!p.messaggio.isEmpty()) {
            p.rifiuto = Rifiuto::Caratteri;
            return p;
        }
        p.file << fileTesto(a, QStringLiteral(".q%1").arg(quadro), p.testo);
    }
    scelte[size_t(quadro - 1)] = p.scelta;
    LineWriter righe;
    for (const QString &r : scelte)
        righe.line(r);
    const QString dat = a.file(QStringLiteral(".dat"));
    p.file << File{dat, dat.isEmpty() ? a.nome + QStringLiteral(".dat") : QFileInfo(dat).fileName(), righe.bytes()};
    return p;
}

Giudizio::Piano Giudizio::testo(const Alunno &a, bool alunnoScelto, const QString &estensione, const QString &casella)
{
    Piano p;
    p.testo = casella;
    if (!alunnoScelto || estensione.isEmpty()) {
        p.rifiuto = Rifiuto::SenzaAlunno;
        return p;
    }
    p.messaggio = caratteriNonAmmessi({casella}, {QString()});
    if (!p.messaggio.isEmpty())
        p.rifiuto = Rifiuto::Caratteri;
    else
        p.file << fileTesto(a, estensione, casella);
    return p;
}

Giudizio::Piano Giudizio::quadri(const Alunno &a, const QStringList &testi, const QStringList &titoli)
{
    Piano p;
    p.quadri = true;
    p.messaggio = caratteriNonAmmessi(testi, titoli);
    if (!p.messaggio.isEmpty()) {
        p.rifiuto = Rifiuto::Caratteri;
        return p;
    }
    for (int n = 1; n <= 4; ++n) {
        File f = fileTesto(a, QStringLiteral(".q%1").arg(n), testi.value(n - 1));
        f.nome = QStringLiteral("%1 (%2)").arg(titoli.value(n - 1), f.nome);
        p.file << f;
    }
    return p;
}

QList<Giudizio::File> Giudizio::scrivi(const QList<File> &file)
{
    QList<File> nonScritti;
    for (const File &f : file)
        if (f.percorso.isEmpty() || !TextFile::writeBytes(f.percorso, f.bytes))
            nonScritti << f;
    return nonScritti;
}

QString Giudizio::nonSalvati(const Piano &piano, const QList<File> &file)
{
    QStringList nomi;
    for (const File &f : file)
        nomi << f.nome;
    QString testa;
    if (piano.quadri)
        testa = QStringLiteral("Questi quadri non sono stati salvati:\n\r%1").arg(nomi.join(QStringLiteral("\n\r")));
    else if (nomi.size() == 1)
        testa = QStringLiteral("Impossibile salvare il file \"%1\".").arg(nomi.first());
    else
        testa = QStringLiteral("Impossibile salvare i file \"%1\".").arg(nomi.join(QStringLiteral("\", \"")));
    return testa + QStringLiteral("\n\rControlla che la cartella della classe esista, che non sia protetta da "
                                  "scrittura e che il disco non sia pieno: il testo resta da salvare.");
}

QString Giudizio::domandaSalvataggio()
{
    return QStringLiteral("Il testo del giudizio è stato modificato. Desideri salvarlo ?");
}
