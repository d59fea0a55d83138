#include "TestSupport.h"

#include "menu/Avvio.h"
#include "app/CarQuad.h"
#include "platform/Form.h"
#include "platform/Msg.h"
#include "platform/Paths.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QWindow>

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
    return readFile(file(name));
}

bool ProgramFolder::exists(const QString &name) const
{
    return QFileInfo::exists(file(name));
}

void ProgramFolder::mkdir(const QString &name) const
{
    QDir(m_dir.path()).mkpath(name);
}

void ProgramFolder::writeSettings(const QByteArray &quaInf, const QString &under) const
{
    write(under + QStringLiteral("Anno.dat"), "2026/27\r\n");
    write(under + QStringLiteral("Qua.inf"), quaInf);
    write(under + QStringLiteral("Titoli.dat"), defaultTitles());
    write(under + QStringLiteral("Quaderlo.cfg"), printConfig());
}

void ProgramFolder::writeArchive(const QList<std::pair<QString, Pupils>> &classes, const QString &under) const
{
    QByteArray list;
    for (const auto &[name, pupils] : classes) {
        list += name.toLatin1() + "\r\n";
        QByteArray alunni;
        for (const auto &[pupil, gender] : pupils)
            alunni += pupil.toLatin1() + "\r\n " + QByteArray::number(gender) + " \r\n";
        write(under + name + QStringLiteral("/ALUNNI.") + name, alunni);
    }
    write(under + QStringLiteral("Classi.dat"), list);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray defaultTitles()
{
    return ansi("Sit. Iniziale\r\nFinalità\r\nVal. 1° Q.\r\nVal. 2° Q.\r\n");
}

QByteArray printConfig(int orientation)
{
    return "Arial\r\n12\r\n190\r\n " + QByteArray::number(orientation) + " \r\n40\r\n105\r\n170\r\n235\r\n 20 \r\n";
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

Form *restartProgram()
{
    Forms::resetAll();
    CarQuad::reset();
    return startProgram();
}

namespace {
QString describe(const QWidget *w)
{
    if (!w)
        return QStringLiteral("(nothing)");
    const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    return w->parentWidget() && w->objectName().isEmpty() ? describe(w->parentWidget()) + QLatin1Char('/') + name : name;
}

// The window and the point in it where a click on w at pos lands; null when w cannot be reached.
QWindow *target(QWidget *w, QPoint &pos)
{
    if (!w) {
        QTest::qFail("click on a control that does not exist", __FILE__, __LINE__);
        return nullptr;
    }
    if (pos == QPoint(-1, -1))
        pos = w->rect().center();
    QWidget *top = w->window();
    if (!w->isVisible() || !top->windowHandle()) {
        QTest::qFail(qPrintable(QStringLiteral("click on %1, which is not shown").arg(describe(w))), __FILE__, __LINE__);
        return nullptr;
    }
    const QPoint inTop = w->mapTo(top, pos);
    QWidget *hit = top->childAt(inTop);
    if (!hit)
        hit = top;
    if (hit != w && !w->isAncestorOf(hit)) {
        QTest::qFail(qPrintable(QStringLiteral("click on %1 lands on %2").arg(describe(w), describe(hit))), __FILE__,
                     __LINE__);
        return nullptr;
    }
    pos = inTop;
    return top->windowHandle();
}
} // namespace

QString toolTipAt(QWidget *w, QPoint pos)
{
    // A tip still shown from before goes first, so the one read is this control's.
    QToolTip::hideText();
    QWindow *win = target(w, pos);
    if (!win || !QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 3000))
        return QString();
    QTest::mouseMove(win, pos);
    const bool visto = QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000);
    const QString testo = visto ? QToolTip::text() : QString();
    QToolTip::hideText();
    return testo;
}

void clickAt(QWidget *w, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (QWindow *win = target(w, pos))
        QTest::mouseClick(win, button, modifiers, pos);
}

void doubleClickAt(QWidget *w, QPoint pos)
{
    if (QWindow *win = target(w, pos)) {
        QTest::mouseClick(win, Qt::LeftButton, {}, pos);
        QTest::mouseDClick(win, Qt::LeftButton, {}, pos);
    }
}

void clickItem(QAbstractItemView *view, const QModelIndex &index)
{
    view->scrollTo(index);
    clickAt(view->viewport(), view->visualRect(index).center());
}

void clickItem(QListWidget *list, int row)
{
    clickItem(list, list->model()->index(row, 0));
}

void clickTab(QTabWidget *tabs, int index)
{
    clickAt(tabs->tabBar(), tabs->tabBar()->tabRect(index).center());
}

void clickOption(QAbstractButton *option)
{
    QStyleOptionButton opt;
    opt.initFrom(option);
    if (qobject_cast<QRadioButton *>(option))
        clickAt(option, option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, option).center());
    else if (qobject_cast<QCheckBox *>(option))
        clickAt(option, option->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, option).center());
    else
        clickAt(option);
}

bool chooseInCombo(QComboBox *box, const QString &text)
{
    clickAt(box);
    QAbstractItemView *view = box->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }, 2000))
        return false;
    const int row = box->findText(text);
    if (row < 0) {
        QTest::keyClick(view, Qt::Key_Escape);
        return false;
    }
    clickItem(view, box->model()->index(row, box->modelColumn()));
    return true;
}

void typeText(QWidget *w, const QString &text)
{
    w->setFocus();
    QTest::keyClicks(w, text);
    QTest::keyClick(w, Qt::Key_Return);
}

ReadOnlyFolder::ReadOnlyFolder(const QString &path, const QStringList &unreadableFiles) : m_path(path), m_files(unreadableFiles)
{
    for (const QString &f : m_files)
        QFile::setPermissions(QDir(path).filePath(f), QFileDevice::WriteOwner);
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                        | QFileDevice::ReadOther | QFileDevice::ExeOther;
    QFile::setPermissions(path, m_files.isEmpty() ? readOnly : QFileDevice::Permissions(0x7777));
#ifdef Q_OS_UNIX
    // Root reads and writes anywhere: act as nobody meanwhile.
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
    for (const QString &f : m_files)
        QFile::setPermissions(QDir(m_path).filePath(f), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QByteArray laptopScreen(const QTemporaryDir &config)
{
    const QString screens = config.filePath(QStringLiteral("schermo.json"));
    QFile json(screens);
    if (json.open(QIODevice::WriteOnly))
        json.write(R"({"screens":[{"name":"laptop","x":0,"y":0,"width":1366,"height":768,)"
                   R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    return "offscreen:configfile=" + QFile::encodeName(screens);
}

int quaderloTestMain(int argc, char **argv, QObject *test)
{
    QTemporaryDir config;
    QByteArray platform = laptopScreen(config);
    std::vector<char *> args;
    for (int i = 0; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 && i + 1 < argc) {
            ++i;
            continue;
        }
        args.push_back(argv[i]);
    }
    args.push_back(const_cast<char *>("-platform"));
    args.push_back(platform.data());
    args.push_back(nullptr);
    int n = int(args.size()) - 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(n, args.data());
    Avvio::prepara(app);
    Msg::setTestMode(true);
    return QTest::qExec(test, n, args.data());
}
