#include "printing/SalvaPdf.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString g_ultimaCartella;
std::function<QString(const QString &)> g_domanda;

QString cartellaIniziale()
{
    if (!g_ultimaCartella.isEmpty() && QFileInfo(g_ultimaCartella).isDir())
        return g_ultimaCartella;
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documenti.isEmpty() && QFileInfo(documenti).isDir())
        return documenti;
    return QDir::homePath();
}

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
    return QDir(cartellaIniziale()).filePath(nomeFile(nome));
}

QString SalvaPdf::chiedi(const QString &nome)
{
    const QString p = proposta(nome);
    QString scelto = g_domanda ? g_domanda(p) : finestraDiDialogo(p);
    if (scelto.isEmpty())
        return QString();
    if (!scelto.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        scelto += QLatin1String(".pdf");
    scelto = QFileInfo(scelto).absoluteFilePath();
    g_ultimaCartella = QFileInfo(scelto).absolutePath();
    return scelto;
}

void SalvaPdf::setDomanda(std::function<QString(const QString &)> domanda)
{
    g_domanda = std::move(domanda);
}

void SalvaPdf::dimentica()
{
    g_ultimaCartella.clear();
}
