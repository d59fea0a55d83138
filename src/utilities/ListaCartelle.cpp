#include "utilities/ListaCartelle.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

namespace {
constexpr int kPercorso = Qt::UserRole;
} // namespace

ListaCartelle::ListaCartelle(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemDoubleClicked, this, &ListaCartelle::open);
}

bool ListaCartelle::setPath(const QString &folder)
{
    if (!apri(folder))
        return false;
    m_radice = QFileInfo(folder).canonicalFilePath();
    return true;
}

bool ListaCartelle::apri(const QString &folder)
{
    if (folder.isEmpty() || !QDir(folder).exists() || !QDir(folder).isReadable())
        return false;
    return mostra(folder, QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase), true);
}

bool ListaCartelle::setPath(const QString &folder, const QStringList &names)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        return false;
    return mostra(folder, names, false);
}

bool ListaCartelle::mostra(const QString &folder, const QStringList &names, bool apribili)
{
    m_path = QDir::cleanPath(folder);
    m_apribili = apribili;
    const QDir dir(m_path);
    clear();
    const QIcon chiusa = style()->standardIcon(QStyle::SP_DirIcon);
    for (const QString &nome : names) {
        auto *item = new QListWidgetItem(chiusa, nome, this);
        item->setData(kPercorso, dir.filePath(nome));
    }
    setToolTip(QDir::toNativeSeparators(m_path));
    emit pathChanged(m_path);
    return true;
}

QString ListaCartelle::selectedPath() const
{
    const QListWidgetItem *item = currentItem();
    return item && item->isSelected() ? item->data(kPercorso).toString() : QString();
}

int ListaCartelle::rowOf(const QString &name) const
{
    for (int r = 0; r < count(); ++r)
        if (item(r)->text() == name)
            return r;
    return -1;
}

QStringList ListaCartelle::names() const
{
    QStringList out;
    for (int r = 0; r < count(); ++r)
        out << item(r)->text();
    return out;
}

void ListaCartelle::open(QListWidgetItem *item)
{
    if (!item || !m_apribili)
        return;
    // A link may lead anywhere: only folders beneath the first one shown open.
    const QString cartella = item->data(kPercorso).toString();
    const QString sotto = m_radice.endsWith(QLatin1Char('/')) ? m_radice : m_radice + QLatin1Char('/');
    if (QFileInfo(cartella).canonicalFilePath().startsWith(sotto))
        apri(cartella);
}

void ListaCartelle::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        open(currentItem());
        return;
    }
    QListWidgetItem *prima = currentItem();
    QListWidget::keyPressEvent(event);
    if (currentItem() && currentItem() != prima) {
        currentItem()->setSelected(true);
        emit itemClicked(currentItem());
    }
}
