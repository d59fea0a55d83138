#include "utilities/UnioneGiudizi.h"
#include "archive/CartellaClasse.h"
#include "archive/ElencoClassi.h"
#include "platform/Ansi.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QFileInfo>

namespace UnioneGiudizi {

std::optional<QStringList> leggiClassi()
{
    const Archivio::ElencoClassi elenco = Archivio::leggiClassi();
    if (elenco.stato != Archivio::StatoFile::Letto)
        return std::nullopt;
    return elenco.classi;
}

QString nomeFile(const QString &classe, const QString &suffisso)
{
    return classe + suffisso + QStringLiteral(".txt");
}

QByteArray contenuto(const QString &cartella, const QByteArray &elenco, const QString &estensione)
{
    FieldReader in(elenco);
    QByteArray out;
    QString nome, sesso;
    // The list ends at its end or at the first empty name; every read moves on, so this ends.
    while (in.readField(&nome) && !nome.isEmpty()) {
        in.readField(&sesso);
        const QString quadro = Paths::resolve(cartella, nome + QLatin1Char('.') + estensione);
        out += Ansi::encode(nome) + "\r\n";
        out += TextFile::readBytes(quadro).value_or(QByteArray()) + "\r\n";
    }
    return out;
}

Risultato unisci(const QString &classe, const QString &estensione, const QString &suffisso)
{
    // Only a real class folder of the program folder, never a link leading elsewhere.
    const QString cartella = Archivio::cartellaClasse(classe);
    if (!Archivio::cartellaInterna(cartella))
        return {Esito::ClasseMancante, QString(), QString()};
    Paths::setCurrentFolder(cartella);

    const QString nome = nomeFile(classe, suffisso);
    const QString problema = Paths::nameProblem(nome);
    if (!problema.isEmpty())
        return {Esito::NomeNonValido, nome, problema};

    const auto elenco = TextFile::readBytes(Paths::resolve(cartella, QStringLiteral("Alunni.") + classe));
    if (!elenco)
        return {Esito::ElencoMancante, QString(), QString()};

    const QString file = Paths::resolve(cartella, nome);
    QString errore;
    if (!TextFile::writeBytes(file, contenuto(cartella, *elenco, estensione), &errore))
        return {Esito::ScritturaFallita, file, errore};
    return {Esito::Fatto, file, QString()};
}

} // namespace UnioneGiudizi
