#pragma once
#include <QListWidget>

// A folder list: the subfolders of one folder, each entry holding its full path.
// A double click opens a folder; the first entry goes back to the folder above.
class ListaCartelle : public QListWidget
{
    Q_OBJECT
public:
    explicit ListaCartelle(QWidget *parent = nullptr);

    // The folder whose subfolders are listed; false (nothing changes) when it cannot be read.
    bool setPath(const QString &folder);
    QString path() const { return m_path; }
    // The full path of the entry at the selected position; empty when none.
    QString selectedPath() const;
    // The row of the subfolder called name, or -1.
    int rowOf(const QString &name) const;

signals:
    // The shown folder changed.
    void pathChanged(const QString &folder);

protected:
    // Arrow keys choose an entry as a click does; Enter opens it.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void open(QListWidgetItem *item);
    QString m_path;
};
