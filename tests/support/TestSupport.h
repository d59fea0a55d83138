#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <utility>

class Form;
class QAbstractButton;
class QAbstractItemView;
class QComboBox;
class QListWidget;
class QModelIndex;
class QTabWidget;

// A fresh program folder for one test: shared variables, windows and message record start anew.
class ProgramFolder
{
public:
    ProgramFolder();
    ~ProgramFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;
    void mkdir(const QString &name) const;

    // A program in use: school year, user without password (or that Qua.inf), default titles,
    // the installed print configuration; the main menu then asks nothing.
    void writeSettings(const QByteArray &quaInf = "Quaderlo\r\n\r\n", const QString &under = QString()) const;
    // Classi.dat and each class's pupil list ("ALUNNI." + class), a pupil as name and gender code.
    // Both write under a subfolder of the program folder when given ("exe/").
    using Pupils = QList<std::pair<QString, int>>;
    void writeArchive(const QList<std::pair<QString, Pupils>> &classes, const QString &under = QString()) const;

private:
    QTemporaryDir m_dir;
};

// A file's bytes, "<missing>" when it cannot be read.
QByteArray readFile(const QString &path);
// Windows-1252 bytes of a UTF-8 literal, for byte-for-byte comparisons.
QByteArray ansi(const char *utf8);
// Titoli.dat with the four default titles.
QByteArray defaultTitles();
// Quaderlo.cfg as installed (Arial 12, line 190, top margins 40 105 170 235, left 20), in that orientation.
QByteArray printConfig(int orientation = 1);

// Finds a control by object name inside a window (or anywhere when top is null).
template <class T> T *control(QWidget *top, const QString &name)
{
    if (top)
        return top->findChild<T *>(name);
    return nullptr;
}
// The loaded window of that name, or null.
Form *window(const QString &name);
// Runs the program's start-up: the main menu's set-up.
Form *startProgram();
// Starts the program again on the same folder, as a new process would.
Form *restartProgram();

// Mouse clicks as a user's mouse makes them: sent to the top-level window at the control's place
// (its centre by default), so that Qt's own hit-testing picks the widget. A control that is hidden,
// disabled or covered by another widget fails the test with the name of what lies on top.
void clickAt(QWidget *w, QPoint pos = QPoint(-1, -1), Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = {});
void doubleClickAt(QWidget *w, QPoint pos = QPoint(-1, -1));
// Presses and releases the mouse on a list entry, a tab, a radio or check box's indicator.
void clickItem(QAbstractItemView *view, const QModelIndex &index);
void clickItem(QListWidget *list, int row);
void clickTab(QTabWidget *tabs, int index);
void clickOption(QAbstractButton *option);
// Opens a combo box's list with the mouse and clicks the entry with that text; false if absent.
bool chooseInCombo(QComboBox *box, const QString &text);

// Rests the mouse on a control (at pos) as a user does; the tool tip that shows, empty when none does.
QString toolTipAt(QWidget *w, QPoint pos = QPoint(-1, -1));

// Types into the focused widget, then presses Enter, with events as a user would.
void typeText(QWidget *w, const QString &text);

// Makes a folder read-only for its lifetime, or only the files given unreadable in a folder anybody may
// write; when the tests run as root, the process also acts as an ordinary user meanwhile, so that
// writing or reading there really fails.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path, const QStringList &unreadableFiles = {});
    ~ReadOnlyFolder();

private:
    QString m_path;
    QStringList m_files;
    bool m_dropped = false;
};

// Checks, at the end of a test, that no message box appeared without an answer queued.
#define VERIFY_NO_UNANSWERED() QVERIFY2(Msg::unanswered().isEmpty(), qPrintable(Msg::unanswered().join(QLatin1String(" | "))))

// The offscreen platform with a laptop's 1366x768 screen described in a file of config, so that
// windows open at the size a teacher sees: the value for -platform or QT_QPA_PLATFORM.
QByteArray laptopScreen(const QTemporaryDir &config);

// QTest main that prepares the application as the program does, with message boxes answered from a queue.
int quaderloTestMain(int argc, char **argv, QObject *test);
#define QUADERLO_TEST_MAIN(TestClass)                                                                                  \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        TestClass t;                                                                                                   \
        return quaderloTestMain(argc, argv, &t);                                                                       \
    }
