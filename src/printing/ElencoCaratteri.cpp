#include "printing/ElencoCaratteri.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QSet>

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
