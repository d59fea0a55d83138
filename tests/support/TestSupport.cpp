#include "TestSupport.h"

#include "app/Avvio.h"
#include "app/CarQuad.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"

#include <QApplication>
#include <QDir>
#include <QFile>

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

int quaderloTestMain(int argc, char **argv, QObject *test)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Avvio::prepara(app);
    Msg::setTestMode(true);
    return QTest::qExec(test, argc, argv);
}
