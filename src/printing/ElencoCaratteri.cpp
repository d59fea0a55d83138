#include "printing/ElencoCaratteri.h"

#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QSet>

namespace {
struct Sostituto {
    const char *nome;
    const char *sostituto;
};
// Fonts of the original platform and the installed faces that take their place.
constexpr Sostituto kSostituti[] = {
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Comic Sans MS", "Comic Neue"},
};

bool installato(const QString &famiglia)
{
    return QFontDatabase::families().contains(famiglia, Qt::CaseInsensitive);
}
} // namespace

void ElencoCaratteri::aggiungiA(QComboBox *box)
{
    const QString testo = box->currentText();
    QSet<QString> presenti;
    for (int i = 0; i < box->count(); ++i)
        presenti.insert(box->itemText(i));
    QStringList nuovi;
    for (const QString &f : QFontDatabase::families())
        if (!presenti.contains(f)) {
            presenti.insert(f);
            nuovi << f;
        }
    box->addItems(nuovi);
    box->setCurrentText(testo); // the typed text stays as it was
}

bool ElencoCaratteri::noto(const QString &nome)
{
    const QString n = nome.trimmed();
    if (n.isEmpty())
        return false;
    if (installato(n))
        return true;
    for (const Sostituto &s : kSostituti)
        if (n.compare(QLatin1String(s.nome), Qt::CaseInsensitive) == 0 && installato(QLatin1String(s.sostituto)))
            return true;
    for (const QString &s : QFont::substitutes(n))
        if (installato(s))
            return true;
    return false;
}
