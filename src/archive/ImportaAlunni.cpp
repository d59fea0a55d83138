#include "archive/ImportaAlunni.h"
#include "archive/Archivio.h"
#include "archive/ConfrontoNomi.h"
#include "platform/Ansi.h"
#include "platform/TextFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace {

// A register's list is a few kilobytes: anything far larger is not one.
constexpr qint64 kByteMassimi = 1 << 20;

const QString kColonne[] = {QStringLiteral("cognome"), QStringLiteral("nome"), QStringLiteral("sesso")};

QString cartellaMancante()
{
    return QStringLiteral("Impossibile eseguire l'operazione.\n\r La cartella non esiste.");
}

QString nomeFile(const QString &path)
{
    return QFileInfo(path).fileName();
}

// The class's pupil list as it is now, or why it must not be rewritten.
QString leggiPresenti(const QString &classe, QString *path, QList<Archivio::Alunno> *presenti)
{
    const QString cartella = Archivio::cartellaClasse(classe);
    if (cartella.isEmpty() || !QFileInfo(cartella).isDir())
        return cartellaMancante();
    *path = Archivio::fileAlunni(classe);
    const Archivio::ElencoAlunni elenco = Archivio::leggiAlunni(*path);
    if (elenco.stato == Archivio::StatoFile::Illeggibile)
        return QStringLiteral("Impossibile leggere il file %1.").arg(nomeFile(*path));
    if (elenco.rigaDanneggiata > 0)
        return QStringLiteral("Il file %1 non si legge correttamente alla riga %2: non viene modificato.\n\r"
                              "Correggilo con il Blocco Note.")
            .arg(nomeFile(*path))
            .arg(elenco.rigaDanneggiata);
    *presenti = elenco.alunni;
    return QString();
}

// The first line holding more than blanks: the header, where the separator is found.
QString primaRiga(const QString &testo)
{
    static const QRegularExpression fineRiga(QStringLiteral("\r\n|\r|\n"));
    for (const QString &riga : testo.split(fineRiga))
        if (!riga.trimmed().isEmpty())
            return riga;
    return QString();
}

bool vuota(const QStringList &campi)
{
    return campi.join(QString()).trimmed().isEmpty();
}

int colonnaDi(const QStringList &titoli, const QString &nome)
{
    for (qsizetype j = 0; j < titoli.size(); ++j)
        if (titoli.at(j).trimmed().compare(nome, Qt::CaseInsensitive) == 0)
            return int(j);
    return -1;
}

QStringList nomi(const QList<Archivio::Alunno> &alunni)
{
    QStringList out;
    for (const Archivio::Alunno &a : alunni)
        out << a.nome;
    return out;
}
} // namespace

QString Archivio::decodificaElenco(const QByteArray &bytes)
{
    if (const auto bom = QStringConverter::encodingForData(bytes))
        return QStringDecoder(*bom).decode(bytes);
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? Ansi::decode(bytes) : text;
}

QChar Archivio::separatoreElenco(const QString &riga)
{
    const QChar candidati[] = {QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char(',')};
    int conta[3] = {0, 0, 0};
    bool virgolette = false;
    for (const QChar c : riga) {
        if (c == QLatin1Char('"'))
            virgolette = !virgolette;
        for (int k = 0; k < 3 && !virgolette; ++k)
            conta[k] += c == candidati[k];
    }
    // On a tie the rarer character in names wins: tab, then ';', then ','.
    int scelto = 0;
    for (int k = 1; k < 3; ++k)
        if (conta[k] > conta[scelto])
            scelto = k;
    return conta[scelto] > 0 ? candidati[scelto] : QLatin1Char(',');
}

QList<QStringList> Archivio::campiElenco(const QString &testo, QChar separatore)
{
    QList<QStringList> righe;
    QStringList riga;
    QString campo;
    bool virgolette = false, inizio = true, aperta = false;
    const auto chiudiCampo = [&] {
        riga << campo;
        campo.clear();
        inizio = true;
    };
    const auto chiudiRiga = [&] {
        chiudiCampo();
        righe << riga;
        riga.clear();
        aperta = false;
    };
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo.at(i);
        aperta = true;
        if (virgolette) {
            if (c != QLatin1Char('"'))
                campo += c;
            else if (i + 1 < testo.size() && testo.at(i + 1) == QLatin1Char('"'))
                campo += testo.at(++i);
            else
                virgolette = false;
        } else if (c == QLatin1Char('"') && inizio) {
            campo.clear(); // blanks before the opening quote
            virgolette = true;
            inizio = false;
        } else if (c == separatore) {
            chiudiCampo();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < testo.size() && testo.at(i + 1) == QLatin1Char('\n'))
                ++i;
            chiudiRiga();
        } else {
            campo += c;
            inizio = inizio && c.isSpace();
        }
    }
    if (aperta)
        chiudiRiga();
    return righe;
}

Archivio::Elenco Archivio::leggiElenco(const QByteArray &bytes)
{
    Elenco out;
    const QString testo = decodificaElenco(bytes);
    const QList<QStringList> righe = campiElenco(testo, separatoreElenco(primaRiga(testo)));
    qsizetype intestazione = 0;
    while (intestazione < righe.size() && vuota(righe.at(intestazione)))
        ++intestazione;
    if (intestazione == righe.size()) {
        out.errore = QStringLiteral("Il file è vuoto.");
        return out;
    }
    int colonna[3];
    QStringList mancanti;
    for (int k = 0; k < 3; ++k)
        if ((colonna[k] = colonnaDi(righe.at(intestazione), kColonne[k])) < 0)
            mancanti << kColonne[k];
    if (!mancanti.isEmpty()) {
        out.errore = QStringLiteral("La prima riga del file deve nominare le colonne cognome, nome e sesso; "
                                    "manca: %1.")
                         .arg(mancanti.join(QStringLiteral(", ")));
        return out;
    }
    for (qsizetype i = intestazione + 1; i < righe.size(); ++i) {
        const QStringList &campi = righe.at(i);
        if (vuota(campi))
            continue;
        out.righe << RigaElenco{campi.value(colonna[0]), campi.value(colonna[1]), campi.value(colonna[2])};
    }
    if (out.righe.isEmpty())
        out.errore = QStringLiteral("Il file non elenca alunni sotto la riga delle colonne.");
    return out;
}

int Archivio::codiceSesso(const QString &sesso)
{
    const QString s = sesso.trimmed();
    for (const char *m : {"M", "Maschio"})
        if (s.compare(QLatin1String(m), Qt::CaseInsensitive) == 0)
            return 1;
    for (const char *f : {"F", "Femmina"})
        if (s.compare(QLatin1String(f), Qt::CaseInsensitive) == 0)
            return 0;
    return -1;
}

int Archivio::Piano::nuovi() const
{
    return int(std::count_if(righe.begin(), righe.end(), [](const RigaPiano &r) { return r.esito == Esito::Nuovo; }));
}

Archivio::Piano Archivio::pianifica(const Elenco &elenco, const QList<Alunno> &presenti)
{
    Piano out;
    out.errore = elenco.errore;
    QStringList giaNomi = nomi(presenti);
    for (const RigaElenco &r : elenco.righe) {
        RigaPiano p;
        p.nome = QStringList{r.cognome.simplified(), r.nome.simplified()}.join(QLatin1Char(' ')).trimmed();
        p.sesso = r.sesso.trimmed();
        p.codice = codiceSesso(p.sesso);
        if (const QString problema = problemaAlunno(p.nome); !problema.isEmpty())
            p.motivo = problema;
        else if (trovaNome(giaNomi, p.nome) >= 0)
            p.esito = Esito::GiaPresente;
        else if (p.codice < 0)
            p.motivo = p.sesso.isEmpty() ? QStringLiteral("Manca il sesso (M o F).")
                                         : QStringLiteral("Sesso \"%1\" non riconosciuto: M, F, Maschio o Femmina.")
                                               .arg(p.sesso);
        else
            p.esito = Esito::Nuovo;
        if (p.esito == Esito::Nuovo)
            giaNomi << p.nome;
        out.righe << p;
    }
    return out;
}

QString Archivio::testoEsito(const RigaPiano &riga)
{
    switch (riga.esito) {
    case Esito::Nuovo:
        return QStringLiteral("nuovo");
    case Esito::GiaPresente:
        return QStringLiteral("già presente");
    case Esito::Scartato:
        break;
    }
    return riga.motivo;
}

Archivio::Piano Archivio::pianificaFile(const QString &file, const QString &classe)
{
    Piano out;
    const QFileInfo fi(file);
    if (fi.isFile() && fi.size() > kByteMassimi) {
        out.errore = QStringLiteral("Il file %1 è troppo grande per un elenco di alunni.").arg(nomeFile(file));
        return out;
    }
    const auto bytes = fi.isFile() ? TextFile::readBytes(file) : std::nullopt;
    if (!bytes) {
        out.errore = QStringLiteral("Impossibile leggere il file %1.").arg(nomeFile(file));
        return out;
    }
    const Elenco elenco = leggiElenco(*bytes);
    if (!elenco.errore.isEmpty()) {
        out.errore = elenco.errore;
        return out;
    }
    QString path;
    QList<Alunno> presenti;
    if (const QString errore = leggiPresenti(classe, &path, &presenti); !errore.isEmpty()) {
        out.errore = errore;
        return out;
    }
    return pianifica(elenco, presenti);
}

QString Archivio::applica(const Piano &piano, const QString &classe, int *aggiunti,
                          const std::function<bool()> &primaDiScrivere)
{
    if (aggiunti)
        *aggiunti = 0;
    QString path;
    QList<Alunno> elenco;
    if (const QString errore = leggiPresenti(classe, &path, &elenco); !errore.isEmpty())
        return errore;
    const bool cerano = !elenco.isEmpty();
    QStringList giaNomi = nomi(elenco);
    int n = 0;
    for (const RigaPiano &r : piano.righe) {
        // The list is read afresh: a pupil added meanwhile is not added twice.
        if (r.esito != Esito::Nuovo || trovaNome(giaNomi, r.nome) >= 0)
            continue;
        elenco << Alunno{r.nome, r.codice};
        giaNomi << r.nome;
        ++n;
    }
    if (n == 0)
        return QString();
    if (cerano && primaDiScrivere && !primaDiScrivere())
        return QStringLiteral("Impossibile fare la copia di sicurezza dell'archivio: "
                              "nessun alunno è stato importato.");
    std::stable_sort(elenco.begin(), elenco.end(),
                     [](const Alunno &a, const Alunno &b) { return confrontaNomi(a.nome, b.nome) < 0; });
    QString motivo;
    if (!scriviAlunni(path, elenco, &motivo))
        return QStringLiteral("Impossibile scrivere il file %1.").arg(nomeFile(path));
    if (aggiunti)
        *aggiunti = n;
    return QString();
}
