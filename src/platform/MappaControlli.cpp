#include "platform/MappaControlli.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {

// Texts on one line, short enough to read.
QString riga(QString text)
{
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.remove(QLatin1Char('\r'));
    return text.left(200);
}

QString coordinate(const QWidget *w, const QRect &local)
{
    const QPoint p = w->mapToGlobal(local.topLeft());
    return QStringLiteral("%1 %2 %3 %4").arg(p.x()).arg(p.y()).arg(local.width()).arg(local.height());
}

QString nomeFinestra(const QWidget *w)
{
    if (!w->objectName().isEmpty())
        return w->objectName();
    if (qobject_cast<const QMessageBox *>(w))
        return QStringLiteral("msgbox");
    if (qobject_cast<const QInputDialog *>(w))
        return QStringLiteral("inputbox");
    return QString::fromLatin1(w->metaObject()->className()).toLower();
}

// The name a script uses: the object name, a standard button by its caption, a box's message as "testo".
QString nomeControllo(const QWidget *w)
{
    const QString name = w->objectName();
    if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
        return name;
    if (auto *b = qobject_cast<const QAbstractButton *>(w); b && name.isEmpty())
        return riga(b->text());
    if (name == QLatin1String("qt_msgbox_label") || (qobject_cast<const QLabel *>(w) && qobject_cast<QInputDialog *>(w->window())))
        return QStringLiteral("testo");
    if (qobject_cast<const QLineEdit *>(w) && qobject_cast<QInputDialog *>(w->window()))
        return QStringLiteral("riga");
    return QString();
}

QString testoMostrato(const QWidget *w)
{
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return riga(b->text());
    if (auto *l = qobject_cast<const QLabel *>(w))
        return riga(l->text());
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return riga(e->text());
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return riga(c->currentText());
    if (auto *t = qobject_cast<const QPlainTextEdit *>(w))
        return riga(t->toPlainText());
    return QString();
}

void voci(QStringList &out, const QString &path, QAbstractItemView *view)
{
    QWidget *vp = view->viewport();
    QStringList spunte;
    for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r) {
        const QModelIndex i = view->model()->index(r, 0, view->rootIndex());
        const QRect rect = view->visualRect(i).intersected(vp->rect());
        if (view->selectionModel() && view->selectionModel()->isSelected(i))
            spunte << QString::number(r);
        if (!rect.isEmpty())
            out << QStringLiteral("%1[%2] %3 %4").arg(path).arg(r).arg(riga(i.data().toString()), coordinate(vp, rect));
    }
    if (!spunte.isEmpty())
        out << QStringLiteral("spunte %1 %2").arg(path, spunte.join(QLatin1Char(' ')));
}

void controlli(QStringList &out, const QString &finestra, QWidget *top)
{
    for (QWidget *w : top->findChildren<QWidget *>()) {
        const QString name = nomeControllo(w);
        if (name.isEmpty() || !w->isVisible() || w->visibleRegion().isEmpty())
            continue;
        const QString path = finestra + QLatin1Char('/') + name;
        const QString text = testoMostrato(w);
        out << QStringLiteral("%1 %2%3").arg(path, text.isEmpty() ? QString() : text + QLatin1Char(' '),
                                             coordinate(w, w->rect()));
        if (auto *l = qobject_cast<QListWidget *>(w))
            voci(out, path, l);
        if (auto *c = qobject_cast<QComboBox *>(w); c && c->view()->isVisible())
            voci(out, path, c->view());
        if (auto *t = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < t->count(); ++i)
                out << QStringLiteral("%1[%2] %3 %4").arg(path).arg(i).arg(riga(t->tabText(i)),
                                                                     coordinate(t->tabBar(), t->tabBar()->tabRect(i)));
    }
}

class Mappa : public QObject
{
public:
    explicit Mappa(const QString &path, QObject *parent) : QObject(parent), m_path(path)
    {
        m_timer.setSingleShot(true);
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, &Mappa::scrivi);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::FocusIn:
        case QEvent::WindowActivate:
            if (watched->isWidgetType() && !m_timer.isActive())
                m_timer.start();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void scrivi()
    {
        QStringList out;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            const Qt::WindowType type = top->windowType();
            if (!top->isVisible() || type == Qt::ToolTip || type == Qt::Popup)
                continue;
            const QString name = nomeFinestra(top);
            out << QStringLiteral("%1 %2").arg(name, coordinate(top, top->rect()));
            controlli(out, name, top);
        }
        if (QWidget *a = QApplication::activeWindow())
            out << QStringLiteral("attiva ") + nomeFinestra(a);
        if (QWidget *f = QApplication::focusWidget())
            out << QStringLiteral("fuoco %1/%2").arg(nomeFinestra(f->window()), nomeControllo(f));
        const QByteArray bytes = out.join(QLatin1Char('\n')).toUtf8() + '\n';
        if (bytes == m_written)
            return;
        // Written whole and renamed into place: a reader never sees half a map.
        QSaveFile file(m_path);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
            m_written = bytes;
    }

    QString m_path;
    QTimer m_timer;
    QByteArray m_written;
};

} // namespace

void MappaControlli::avviaSeRichiesta(QApplication &app)
{
    const QString path = qEnvironmentVariable("QUADERLO_MAPPA");
    if (path.isEmpty())
        return;
    app.installEventFilter(new Mappa(path, &app));
}
