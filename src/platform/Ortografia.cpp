#include "Ortografia.h"

#include "Paths.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell/hunspell.hxx>

namespace {
const QChar kApostrofoTipografico(0x2019);

bool apostrofo(QChar c)
{
    return c == QLatin1Char('\'') || c == kApostrofoTipografico;
}

bool lettera(QChar c)
{
    return c.isLetter() || c.isMark();
}

QString normale(QString parola)
{
    return parola.replace(kApostrofoTipografico, QLatin1Char('\''));
}
} // namespace

QStringList Ortografia::cartelleSolite()
{
    QStringList out;
    const QString dicpath = qEnvironmentVariable("DICPATH");
    if (!dicpath.isEmpty())
        out += dicpath.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    out << QStringLiteral("/usr/share/hunspell") << QStringLiteral("/usr/share/myspell")
        << QStringLiteral("/usr/share/myspell/dicts") << QStringLiteral("/usr/local/share/hunspell");
    return out;
}

QString Ortografia::trovaDizionario(const QStringList &cartelle)
{
    for (const QString &cartella : cartelle) {
        for (const char *nome : {"it_IT", "it"}) {
            const QString base = QDir(cartella).filePath(QLatin1String(nome));
            const QString aff = base + QLatin1String(".aff");
            if (QFileInfo(aff).isReadable() && QFileInfo(base + QLatin1String(".dic")).isReadable())
                return aff;
        }
    }
    return {};
}

Ortografia::Ortografia(const QString &aff)
{
    if (aff.isEmpty() || !aff.endsWith(QLatin1String(".aff")))
        return;
    const QString dic = aff.chopped(4) + QLatin1String(".dic");
    if (!QFileInfo(aff).isReadable() || !QFileInfo(dic).isReadable())
        return;
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
    m_codifica = QString::fromStdString(m_hunspell->get_dict_encoding());
    // A dictionary in a code page Qt cannot convert would give wrong answers: no checking instead.
    if (!QStringEncoder(m_codifica.toLatin1().constData()).isValid())
        m_hunspell.reset();
}

Ortografia::~Ortografia() = default;

QString Ortografia::chiave(const QString &parola)
{
    return normale(parola).toLower();
}

bool Ortografia::nota(const QString &k) const
{
    return m_note.contains(k) || m_personali.contains(k) || m_ignorate.contains(k);
}

std::string Ortografia::codifica(const QString &parola, bool *ok) const
{
    QStringEncoder enc(m_codifica.toLatin1().constData());
    const QByteArray bytes = enc.encode(parola);
    *ok = !enc.hasError();
    return bytes.toStdString();
}

bool Ortografia::corretta(const QString &parola) const
{
    if (!m_hunspell || parola.isEmpty())
        return true;
    const auto esito = m_esiti.constFind(parola);
    if (esito != m_esiti.constEnd())
        return *esito;
    return m_esiti[parola] = verifica(parola);
}

bool Ortografia::verifica(const QString &parola) const
{
    const QString k = chiave(parola);
    if (nota(k))
        return true;
    const QString p = normale(parola);
    auto it = m_dizionario.constFind(p);
    if (it == m_dizionario.constEnd()) {
        bool ok = false;
        const std::string s = codifica(p, &ok);
        it = m_dizionario.insert(p, ok && m_hunspell->spell(s));
    }
    if (*it)
        return true;
    // "dell'Ilda": a known name after an elided article.
    const int a = k.lastIndexOf(QLatin1Char('\''));
    return a > 0 && nota(k.mid(a + 1));
}

QStringList Ortografia::suggerimenti(const QString &parola, int max) const
{
    if (corretta(parola))
        return {};
    bool ok = false;
    const std::string s = codifica(normale(parola), &ok);
    if (!ok)
        return {};
    QStringDecoder dec(m_codifica.toLatin1().constData());
    QStringList out;
    for (const std::string &v : m_hunspell->suggest(s)) {
        const QString d = dec.decode(QByteArray::fromStdString(v));
        if (!out.contains(d))
            out << d;
        if (out.size() == max)
            break;
    }
    return out;
}

void Ortografia::usaDizionarioPersonale(const QString &path)
{
    m_fileParole = path;
    m_personali.clear();
    m_esiti.clear();
    const std::optional<QByteArray> bytes = TextFile::readBytes(path);
    if (!bytes)
        return;
    QString testo = QString::fromUtf8(*bytes);
    if (testo.startsWith(QChar(0xFEFF)))
        testo.remove(0, 1);
    for (const QString &riga : testo.split(QLatin1Char('\n'))) {
        const QString parola = riga.trimmed();
        if (!parola.isEmpty())
            m_personali.insert(chiave(parola));
    }
}

bool Ortografia::aggiungi(const QString &parola, QString *errore)
{
    const QString p = normale(parola).trimmed();
    if (p.isEmpty() || m_fileParole.isEmpty()) {
        if (errore)
            *errore = QStringLiteral("Nessuna parola da aggiungere.");
        return false;
    }
    if (m_personali.contains(chiave(p)))
        return true;
    QByteArray bytes = TextFile::readBytes(m_fileParole).value_or(QByteArray());
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += '\n';
    bytes += p.toUtf8() + '\n';
    if (!TextFile::writeBytes(m_fileParole, bytes, errore))
        return false;
    m_personali.insert(chiave(p));
    m_esiti.clear();
    return true;
}

void Ortografia::ignora(const QString &parola)
{
    m_ignorate.insert(chiave(parola));
    m_esiti.clear();
}

bool Ortografia::impostaNote(const QStringList &parole)
{
    QSet<QString> note;
    for (const QString &p : parole)
        note.insert(chiave(p));
    if (note == m_note)
        return false;
    m_note = note;
    m_esiti.clear();
    return true;
}

void Ortografia::azzeraSessione()
{
    m_ignorate.clear();
    m_note.clear();
    m_esiti.clear();
}

QList<Ortografia::Tratto> Ortografia::parole(const QString &testo)
{
    QList<Tratto> out;
    const int n = int(testo.size());
    int i = 0;
    while (i < n) {
        if (!testo[i].isLetterOrNumber()) {
            ++i;
            continue;
        }
        const int inizio = i;
        bool cifre = false;
        while (i < n) {
            const QChar c = testo[i];
            if (c.isNumber())
                cifre = true;
            else if (!lettera(c) && !(apostrofo(c) && i + 1 < n && lettera(testo[i + 1]) && i > inizio))
                break;
            ++i;
        }
        if (!cifre)
            out.append({inizio, i - inizio});
    }
    return out;
}

Ortografia &Ortografia::comune()
{
    static Ortografia istanza;
    static QString cartella;
    static bool prima = true;
    if (prima || cartella != Paths::programFolder()) {
        prima = false;
        cartella = Paths::programFolder();
        istanza.usaDizionarioPersonale(Paths::inProgram(QStringLiteral("Dizionario.txt")));
        istanza.azzeraSessione();
    }
    return istanza;
}
