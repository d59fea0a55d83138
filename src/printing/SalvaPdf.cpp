#include "printing/SalvaPdf.h"
#include "platform/DomandaFile.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {
DomandaFile g_domanda;

QString nomeFile(const QString &nome)
{
    QString n = nome.trimmed();
    for (QChar &c : n)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = QLatin1Char('-');
    if (n.isEmpty() || n.startsWith(QLatin1Char('.')))
        n.prepend(QStringLiteral("Stampa"));
    return n + QStringLiteral(".pdf");
}

QString finestraDiDialogo(const QString &proposta)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Salva la pagina in PDF"),
                                        proposta, QStringLiteral("Documenti PDF (*.pdf)"));
}
} // namespace

QString SalvaPdf::proposta(const QString &nome)
{
    return QDir(g_domanda.cartella()).filePath(nomeFile(nome));
}

QString SalvaPdf::chiedi(const QString &nome)
{
    const QString p = proposta(nome);
    QString scelto = g_domanda.chiedi(p, finestraDiDialogo);
    if (scelto.isEmpty())
        return QString();
    if (!scelto.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        scelto += QLatin1String(".pdf");
    scelto = QFileInfo(scelto).absoluteFilePath();
    g_domanda.ricorda(scelto);
    return scelto;
}

void SalvaPdf::setDomanda(std::function<QString(const QString &)> domanda)
{
    g_domanda.setRisposta(std::move(domanda));
}

void SalvaPdf::dimentica()
{
    g_domanda.dimentica();
}
