#include "printing/FileFormati.h"
#include "platform/Conv.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "printing/ControlloValori.h"

#include <QFileInfo>

namespace {
QString nomeCasella(int i, const char *etichetta)
{
    return QStringLiteral("Formato%1 - %2").arg(i + 1).arg(QString::fromUtf8(etichetta));
}
} // namespace

QString FileFormati::percorso()
{
    return Paths::inProgram(QStringLiteral("Formati.dat"));
}

Formati FileFormati::predefiniti()
{
    Formati f;
    f.fill(FormatoStampa{QStringLiteral("Arial"), QStringLiteral("12"), QStringLiteral("190"), QStringLiteral("20"),
                         QStringLiteral("20")});
    return f;
}

bool FileFormati::CreaFormati(QString *errore)
{
    LineWriter w;
    for (int i = 0; i < 4; ++i)
        w.line(QStringLiteral("Arial")).number(12).number(190).number(20).number(20);
    return w.save(percorso(), errore);
}

std::optional<Formati> FileFormati::leggi()
{
    FieldReader in;
    if (!in.open(percorso()))
        return std::nullopt;
    Formati f;
    for (FormatoStampa &x : f)
        for (QString *v : {&x.carattere, &x.altezza, &x.lunghezzaRiga, &x.margineSinistro, &x.margineSuperiore})
            in.readField(v);
    return f;
}

Formati FileFormati::leggiOCrea(QString *errore)
{
    if (const auto f = leggi())
        return *f;
    // Only a missing file is created: one that cannot be read keeps the teacher's formats.
    if (QFileInfo::exists(percorso()))
        return predefiniti();
    if (!CreaFormati(errore))
        return predefiniti();
    return leggi().value_or(predefiniti());
}

bool FileFormati::scrivi(const Formati &formati, QString *errore)
{
    LineWriter w;
    for (const FormatoStampa &x : formati)
        w.line(x.carattere).line(x.altezza).line(x.lunghezzaRiga).line(x.margineSinistro).line(x.margineSuperiore);
    return w.save(percorso(), errore);
}

std::optional<FormatoNumerico> FileFormati::numerico(const FormatoStampa &f, QString *problema)
{
    const auto a = Conv::toInt16(f.altezza);
    const auto l = Conv::toInt16(f.lunghezzaRiga);
    const auto s = Conv::toInt16(f.margineSinistro);
    const auto t = Conv::toInt16(f.margineSuperiore);
    if (!a || *a <= 0 || !l || !s || !t || f.carattere.trimmed().isEmpty()) {
        if (problema)
            *problema = QStringLiteral("Il formato scelto non è valido: correggilo in \"Formati di stampa\" nel modulo Utilità.");
        return std::nullopt;
    }
    return FormatoNumerico{f.carattere, *a, *l, *s, *t};
}

FileFormati::Problema FileFormati::problema(const Formati &formati)
{
    using namespace ControlloValori;
    for (int i = 0; i < 4; ++i) {
        const FormatoStampa &x = formati[size_t(i)];
        QString r = rilettura(nomeCasella(i, "Carattere"), x.carattere);
        if (r.isEmpty() && x.carattere.trimmed().isEmpty())
            r = QStringLiteral("\"%1\" non può essere vuoto.").arg(nomeCasella(i, "Carattere"));
        const QString messaggi[] = {r, intero16(nomeCasella(i, "Altezza del carattere"), x.altezza),
                                    intero16(nomeCasella(i, "Lunghezza riga di stampa"), x.lunghezzaRiga),
                                    intero16(nomeCasella(i, "Margine sinistro"), x.margineSinistro),
                                    intero16(nomeCasella(i, "Margine superiore"), x.margineSuperiore)};
        for (int c = 0; c < 5; ++c)
            if (!messaggi[c].isEmpty())
                return {messaggi[c], i, c};
        if (*Conv::toInt16(x.altezza) <= 0)
            return {QStringLiteral("\"%1\" deve essere maggiore di zero.").arg(nomeCasella(i, "Altezza del carattere")), i, 1};
    }
    return {};
}
