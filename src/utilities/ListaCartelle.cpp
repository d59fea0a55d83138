#include "utilities/ListaCartelle.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

namespace {
constexpr int kPercorso = Qt::UserRole;
constexpr int kSopra = Qt::UserRole + 1;
} // namespace

ListaCartelle::ListaCartelle(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemDoubleClicked, this, &ListaCartelle::open);
}

bool ListaCartelle::setPath(const QString &folder)
{
    if (folder.isEmpty() || !QDir(folder).exists() || !QDir(folder).isReadable())
        return false;
    m_path = QDir::cleanPath(folder);
    const QDir dir(m_path);
    clear();
    const QIcon chiusa = style()->standardIcon(QStyle::SP_DirIcon);
    QDir su(m_path);
    if (su.cdUp()) {
        auto *item = new QListWidgetItem(style()->standardIcon(QStyle::SP_FileDialogToParent), QStringLiteral(".."), this);
        item->setData(kPercorso, su.path());
        item->setData(kSopra, true);
        item->setToolTip(QDir::toNativeSeparators(su.path()));
    }
    const QStringList nomi = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &nome : nomi) {
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
        if (!item(r)->data(kSopra).toBool() && item(r)->text() == name)
            return r;
    return -1;
}

void ListaCartelle::open(QListWidgetItem *item)
{
    if (item)
        setPath(item->data(kPercorso).toString());
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
