#include "composition/ListaSpunte.h"

#include <QStyledItemDelegate>
#include <algorithm>

namespace {
// Draws a check box that follows the item's selection.
class DelegatoSpunta : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->features |= QStyleOptionViewItem::HasCheckIndicator;
        option->checkState = (option->state & QStyle::State_Selected) ? Qt::Checked : Qt::Unchecked;
    }
};
} // namespace

ListaSpunte::ListaSpunte(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::MultiSelection);
    setUniformItemSizes(true);
    setItemDelegate(new DelegatoSpunta(this));
    // Ticks stay as visible when the list does not have the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_programma)
            emit clickUtente();
    });
}

void ListaSpunte::riempi(const QStringList &voci)
{
    m_programma = true;
    setUpdatesEnabled(false);
    clear();
    addItems(voci);
    setUpdatesEnabled(true);
    m_programma = false;
}

void ListaSpunte::svuota()
{
    m_programma = true;
    clear();
    m_programma = false;
}

void ListaSpunte::spunta(const QList<int> &indici)
{
    QItemSelection sel;
    for (const int i : indici) {
        const QModelIndex idx = model()->index(i, 0);
        if (idx.isValid())
            sel.select(idx, idx);
    }
    m_programma = true;
    selectionModel()->select(sel, QItemSelectionModel::Select);
    m_programma = false;
}

QList<int> ListaSpunte::spuntate() const
{
    QList<int> out;
    for (const QModelIndex &idx : selectionModel()->selectedIndexes())
        out << idx.row();
    std::sort(out.begin(), out.end());
    return out;
}

QStringList ListaSpunte::voci() const
{
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i)
        out << item(i)->text();
    return out;
}
