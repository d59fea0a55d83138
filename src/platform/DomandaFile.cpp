#include "platform/DomandaFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DomandaFile::cartella() const
{
    if (!m_ultima.isEmpty() && QFileInfo(m_ultima).isDir())
        return m_ultima;
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documenti.isEmpty() && QFileInfo(documenti).isDir())
        return documenti;
    return QDir::homePath();
}

QString DomandaFile::chiedi(const QString &proposta, const Risposta &dialogo) const
{
    return m_risposta ? m_risposta(proposta) : dialogo(proposta);
}

void DomandaFile::ricorda(const QString &file)
{
    if (!file.isEmpty())
        m_ultima = QFileInfo(file).absolutePath();
}
