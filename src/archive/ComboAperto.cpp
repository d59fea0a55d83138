#include "archive/ComboAperto.h"
#include "archive/ConfrontoNomi.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

ComboAperto::ComboAperto(QWidget *parent, const QString &name)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_list(new QListWidget(this))
{
    setObjectName(name);
    m_edit->setObjectName(name + QLatin1String("_testo"));
    m_list->setObjectName(name + QLatin1String("_elenco"));
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    // A name wider than the list is cut short and shown whole in its tool tip.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideRight);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_edit);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_list, 1);

    m_edit->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
    connect(m_edit, &QLineEdit::textEdited, this, &ComboAperto::showMatch);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const int row = m_list->row(item);
        m_edit->setText(item->text());
        emit clicked(row);
    });
}

bool ComboAperto::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress)
        emit keyDown(static_cast<QKeyEvent *>(event)->key());
    // Clicking the list puts the focus in the control first, as clicking any control does.
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress && !m_edit->hasFocus())
        m_edit->setFocus(Qt::MouseFocusReason);
    return QWidget::eventFilter(watched, event);
}

void ComboAperto::showMatch(const QString &typed)
{
    m_list->clearSelection();
    if (typed.isEmpty())
        return;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->text().startsWith(typed, Qt::CaseInsensitive)) {
            m_list->setCurrentRow(i);
            m_list->scrollToItem(m_list->item(i), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

QString ComboAperto::text() const
{
    return m_edit->text();
}

void ComboAperto::setText(const QString &text)
{
    m_edit->setText(text);
}

void ComboAperto::selectText()
{
    m_edit->selectAll();
}

int ComboAperto::count() const
{
    return m_list->count();
}

QString ComboAperto::itemText(int index) const
{
    const QListWidgetItem *item = m_list->item(index);
    return item ? item->text() : QString();
}

int ComboAperto::itemData(int index) const
{
    const QListWidgetItem *item = m_list->item(index);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

QStringList ComboAperto::items() const
{
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        out << m_list->item(i)->text();
    return out;
}

int ComboAperto::addItem(const QString &text, int data)
{
    int row = 0;
    while (row < m_list->count() && Archivio::confrontaNomi(m_list->item(row)->text(), text) <= 0)
        ++row;
    auto *item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, data);
    item->setToolTip(text);
    m_list->insertItem(row, item);
    return row;
}

void ComboAperto::removeItem(int index)
{
    delete m_list->takeItem(index);
}

void ComboAperto::clear()
{
    m_list->clear();
    m_edit->clear();
}

int ComboAperto::listIndex() const
{
    return m_list->currentRow();
}
