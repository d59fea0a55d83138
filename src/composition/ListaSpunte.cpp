#include "composition/ListaSpunte.h"
#include "composition/UsoFrasi.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>

namespace {
// Draws a check box that follows the item's selection and, when the list shows them, the item's count
// in a column of its own at the right edge.
class DelegatoSpunta : public QStyledItemDelegate
{
public:
    explicit DelegatoSpunta(ListaSpunte *lista) : QStyledItemDelegate(lista), m_lista(lista) {}

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int n = m_lista->conteggio(index.row());
        if (n < 0) {
            QStyledItemDelegate::paint(p, option, index);
            return;
        }
        const QRect colonna = m_lista->rettangoloConteggio(option.rect);
        QStyleOptionViewItem testo = option;
        testo.rect.setRight(qMin(option.rect.right(), colonna.left() - 1));
        QStyledItemDelegate::paint(p, testo, index);

        QStyleOptionViewItem fondo = option;
        initStyleOption(&fondo, index);
        fondo.rect = colonna;
        fondo.text.clear();
        fondo.features &= ~QStyleOptionViewItem::HasCheckIndicator;
        fondo.state &= ~QStyle::State_HasFocus;
        m_lista->style()->drawPrimitive(QStyle::PE_PanelItemViewItem, &fondo, p, m_lista);
        const bool spuntata = option.state & QStyle::State_Selected;
        p->save();
        p->setFont(option.font);
        p->setPen(option.palette.color(spuntata ? QPalette::Active : (n == 0 ? QPalette::Disabled : QPalette::Active),
                                       spuntata ? QPalette::HighlightedText : QPalette::Text));
        p->drawText(colonna.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, QString::number(n));
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        if (m_lista->conteggio(index.row()) >= 0)
            s.rwidth() += m_lista->rettangoloConteggio(QRect()).width();
        return s;
    }

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        const int n = index.isValid() ? m_lista->conteggio(index.row()) : -1;
        if (event->type() != QEvent::ToolTip || n < 0)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QToolTip::showText(event->globalPos(), UsoFrasi::suggerimento(n, m_lista->alunni()), view->viewport(),
                           option.rect);
        return true;
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->features |= QStyleOptionViewItem::HasCheckIndicator;
        option->checkState = (option->state & QStyle::State_Selected) ? Qt::Checked : Qt::Unchecked;
    }

private:
    ListaSpunte *m_lista;
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
    m_conteggi.clear();
    m_programma = true;
    setUpdatesEnabled(false);
    clear();
    addItems(voci);
    setUpdatesEnabled(true);
    m_programma = false;
}

void ListaSpunte::svuota()
{
    m_conteggi.clear();
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

void ListaSpunte::mostraConteggi(const QList<int> &perFrase, int alunni)
{
    m_conteggi = perFrase;
    m_alunni = alunni;
    viewport()->update();
}

int ListaSpunte::conteggio(int riga) const
{
    return riga >= 0 && riga < m_conteggi.size() ? m_conteggi.at(riga) : -1;
}

QRect ListaSpunte::rettangoloConteggio(const QRect &rect) const
{
    const int larghezza = fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12;
    return QRect(viewport()->width() - larghezza, rect.top(), larghezza, rect.height());
}
