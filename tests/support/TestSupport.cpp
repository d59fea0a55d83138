#include "TestSupport.h"

#include "app/Avvio.h"
#include "app/CarQuad.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

ProgramFolder::ProgramFolder()
{
    Forms::resetAll();
    CarQuad::reset();
    Msg::resetRecord();
    Paths::setProgramFolder(m_dir.path());
}

ProgramFolder::~ProgramFolder()
{
    Forms::resetAll();
}

void ProgramFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    QDir().mkpath(QFileInfo(f).absolutePath());
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray ProgramFolder::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool ProgramFolder::exists(const QString &name) const
{
    return QFileInfo::exists(file(name));
}

void ProgramFolder::mkdir(const QString &name) const
{
    QDir(m_dir.path()).mkpath(name);
}

QByteArray ansi(const char *utf8)
{
    QByteArray out;
    for (const QChar c : QString::fromUtf8(utf8)) {
        if (c.unicode() > 0xFF)
            qFatal("ansi(): character outside Latin-1 in a test literal");
        out.append(char(c.unicode()));
    }
    return out;
}

Form *window(const QString &name)
{
    return Forms::find(name);
}

Form *startProgram()
{
    Form *f = Forms::get(QStringLiteral("frmSplash"));
    f->Form_Load();
    return f;
}

void typeText(QWidget *w, const QString &text)
{
    w->setFocus();
    QTest::keyClicks(w, text);
    QTest::keyClick(w, Qt::Key_Return);
}

ReadOnlyFolder::ReadOnlyFolder(const QString &path) : m_path(path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                    | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
#ifdef Q_OS_UNIX
    // Root writes anywhere: act as nobody while the folder is read-only.
    if (::geteuid() == 0)
        m_dropped = ::seteuid(65534) == 0;
#endif
}

ReadOnlyFolder::~ReadOnlyFolder()
{
#ifdef Q_OS_UNIX
    if (m_dropped && ::seteuid(0) != 0)
        qFatal("ReadOnlyFolder: cannot act as root again");
#endif
    QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

int quaderloTestMain(int argc, char **argv, QObject *test)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Avvio::prepara(app);
    Msg::setTestMode(true);
    return QTest::qExec(test, argc, argv);
}
