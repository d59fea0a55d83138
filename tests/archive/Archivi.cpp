#include "Archivi.h"

#include <QDir>
#include <QStyleOptionButton>

bool Archivi::trova()
{
    w = Forms::find(QStringLiteral("frmModifica"));
    if (!w)
        return false;
    classi = control<ComboAperto>(w, QStringLiteral("cmbClassi"));
    alunni = control<ComboAperto>(w, QStringLiteral("cmbAlunni"));
    maschio = control<QRadioButton>(w, QStringLiteral("optMaschio"));
    femmina = control<QRadioButton>(w, QStringLiteral("optFemmina"));
    fine = control<QPushButton>(w, QStringLiteral("cmdFine"));
    return classi && alunni && maschio && femmina && fine;
}

bool Archivi::apri()
{
    Forms::get(QStringLiteral("frmModifica"))->Form_Load();
    return trova() && QTest::qWaitFor([this] { return w->isActiveWindow() && haFuoco(classi); });
}

bool Archivi::haFuoco(ComboAperto *box) const
{
    return box->editLine()->hasFocus();
}

void Archivi::scrivi(ComboAperto *box, const QString &text, Qt::Key key)
{
    QLineEdit *edit = box->editLine();
    clickAt(edit);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(edit, c.toLatin1());
        else // keys that QTest cannot name: the character alone
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    if (key != Qt::Key_unknown)
        QTest::keyClick(edit, key);
}

bool Archivi::scegli(ComboAperto *box, const QString &text)
{
    QListWidget *list = box->list();
    const auto found = list->findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    list->scrollToItem(found.first());
    clickAt(list->viewport(), list->visualItemRect(found.first()).center());
    return true;
}

void Archivi::clicca(QRadioButton *option)
{
    clickOption(option);
}

void Archivi::apriClasse(const QString &classe)
{
    scrivi(classi, classe, Qt::Key_Tab);
}

void Archivi::aggiungi(const QString &alunno, bool maschile)
{
    Msg::queueAnswer(Msg::ResOk);
    scrivi(alunni, alunno);
    clicca(maschile ? maschio : femmina);
}

void scriviClasse(const ProgramFolder &dir, const QString &classe, const QByteArray &alunni)
{
    dir.write(classe + QStringLiteral("/ALUNNI.") + classe, alunni);
}

QString ultimoMessaggio()
{
    const auto all = Msg::shown();
    if (all.isEmpty())
        return QStringLiteral("<none>");
    const Msg::Shown &s = all.last();
    return messaggio(s.text, s.title, s.icon, s.buttons, s.defaultButton);
}

QString messaggio(const QString &text, const QString &title, Msg::Icon icon, Msg::Buttons buttons,
                  Msg::Result defaultButton)
{
    return QStringLiteral("%1 | %2 | icon %3 | buttons %4 | default %5")
        .arg(text, title)
        .arg(int(icon))
        .arg(int(buttons))
        .arg(int(defaultButton));
}

QStringList contenuto(const QString &folder)
{
    QStringList out;
    for (const QFileInfo &fi : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name))
        out << fi.fileName() + (fi.isDir() ? QStringLiteral("/") : QString());
    return out;
}
