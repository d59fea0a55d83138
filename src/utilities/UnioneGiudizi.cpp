#include "utilities/UnioneGiudizi.h"
#include "archive/Archivio.h"
#include "archive/ElencoClassi.h"
#include "platform/Ansi.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

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

QByteArray contenuto(const QString &cartella, const QList<Archivio::Alunno> &alunni, const QString &estensione)
{
    QByteArray out;
    for (const Archivio::Alunno &a : alunni) {
        const QString quadro = Archivio::fileAlunno(cartella, a.nome, QLatin1Char('.') + estensione);
        out += Ansi::encode(a.nome) + "\r\n";
        out += TextFile::readBytes(quadro).value_or(QByteArray()) + "\r\n";
    }
    return out;
}

Risultato unisci(const QString &classe, const QString &estensione, const QString &suffisso)
{
    const QString cartella = Archivio::cartellaEsistente(classe);
    if (cartella.isEmpty())
        return {Esito::ClasseMancante, QString(), QString()};
    Paths::setCurrentFolder(cartella);

    const QString nome = nomeFile(classe, suffisso);
    const QString problema = Archivio::problemaFile(nome);
    if (!problema.isEmpty())
        return {Esito::NomeNonValido, nome, problema};

    const Archivio::ElencoAlunni elenco = Archivio::leggiAlunni(Archivio::fileAlunni(classe));
    if (elenco.stato != Archivio::StatoFile::Letto)
        return {Esito::ElencoMancante, QString(), QString()};

    const QString file = Paths::resolve(cartella, nome);
    QString errore;
    if (!TextFile::writeBytes(file, contenuto(cartella, elenco.alunni, estensione), &errore))
        return {Esito::ScritturaFallita, file, errore};
    return {Esito::Fatto, file, QString()};
}

} // namespace UnioneGiudizi
