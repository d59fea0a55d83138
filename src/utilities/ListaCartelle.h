#pragma once
#include <QListWidget>
#include <QStringList>

// A folder list: the subfolders of one folder, each entry holding its full path.
// A double click opens a subfolder; there is no way up past the folder first shown, not even by a link.
class ListaCartelle : public QListWidget
{
    Q_OBJECT
public:
    explicit ListaCartelle(QWidget *parent = nullptr);

    // Lists every subfolder of folder; false (nothing changes) when it cannot be read.
    bool setPath(const QString &folder);
    // Lists only the named subfolders of folder, in the given order; they do not open.
    bool setPath(const QString &folder, const QStringList &names);
    QString path() const { return m_path; }
    // The full path of the entry at the selected position; empty when none.
    QString selectedPath() const;
    // The row of the subfolder called name, or -1.
    int rowOf(const QString &name) const;
    // The names listed, in order.
    QStringList names() const;

signals:
    // The shown folder changed.
    void pathChanged(const QString &folder);

protected:
    // Arrow keys choose an entry as a click does; Enter opens it.
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool apri(const QString &folder);
    bool mostra(const QString &folder, const QStringList &names, bool apribili);
    void open(QListWidgetItem *item);
    QString m_path;
    QString m_radice; // canonical path of the folder first shown
    bool m_apribili = true;
};
