#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

class Form;

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

private:
    QTemporaryDir m_dir;
};

// Windows-1252 bytes of a UTF-8 literal, for byte-for-byte comparisons.
QByteArray ansi(const char *utf8);

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

// Types into the focused widget, then presses Enter, with events as a user would.
void typeText(QWidget *w, const QString &text);

// Makes a folder read-only for its lifetime; when the tests run as root, the process also acts
// as an ordinary user meanwhile, so that writing there really fails.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path);
    ~ReadOnlyFolder();

private:
    QString m_path;
    bool m_dropped = false;
};

// Checks, at the end of a test, that no message box appeared without an answer queued.
#define VERIFY_NO_UNANSWERED() QVERIFY2(Msg::unanswered().isEmpty(), qPrintable(Msg::unanswered().join(QLatin1String(" | "))))

// QTest main that prepares the application as the program does, with message boxes answered from a queue.
int quaderloTestMain(int argc, char **argv, QObject *test);
#define QUADERLO_TEST_MAIN(TestClass)                                                                                  \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        TestClass t;                                                                                                   \
        return quaderloTestMain(argc, argv, &t);                                                                       \
    }
