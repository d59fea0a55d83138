#include "menu/frmLogin.h"
#include "app/CarQuad.h"
#include "app/Impostazioni.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "platform/Finestre.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

using namespace CarQuad;

namespace {

// The password box shows "*" for every character.
class Asterischi : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void abilita(Form *f)
{
    if (f) {
        f->show();
        f->setEnabled(true);
    }
}
} // namespace

frmLogin::frmLogin() : Form(Finestre::Login)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Accesso"));

    lblLabels0 = Ui::label(this, QStringLiteral("lblLabels0"), QStringLiteral("Nome utente:"));
    lblLabels1 = Ui::label(this, QStringLiteral("lblLabels1"), QStringLiteral("Password:"));
    txtUserName = new QLineEdit(this);
    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    auto *style = new Asterischi;
    style->setParent(txtPassword);
    txtPassword->setStyle(style);
    cmdOK = Ui::button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdCancel = Ui::button(this, QStringLiteral("cmdCancel"), QStringLiteral("Annulla"));
    lblLabels0->setBuddy(txtUserName);
    lblLabels1->setBuddy(txtPassword);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(14, 14, 14, 12);
    grid->addWidget(lblLabels0, 0, 0);
    grid->addWidget(txtUserName, 0, 1, 1, 2);
    grid->addWidget(lblLabels1, 1, 0);
    grid->addWidget(txtPassword, 1, 1, 1, 2);
    grid->setRowMinimumHeight(2, 8);
    grid->addWidget(cmdOK, 3, 1);
    grid->addWidget(cmdCancel, 3, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    setFixedSize(Ui::px(4650), Ui::px(2100));

    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);
    // Enter is OK and Esc is Annulla, as in a dialog.
    connect(txtUserName, &QLineEdit::returnPressed, this, &frmLogin::cmdOK_Click);
    connect(txtPassword, &QLineEdit::returnPressed, this, &frmLogin::cmdOK_Click);
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &frmLogin::cmdCancel_Click);
}

void frmLogin::Form_Load()
{
    if (Form *menu = Forms::find(Finestre::Menu))
        menu->setEnabled(false);
    txtUserName->clear();
    txtPassword->clear();
    const bool cambia = ModoPassword == 1;
    if (cambia) {
        setWindowTitle(QStringLiteral("Cambia password"));
        cmdOK->setText(QStringLiteral("Cambia"));
        if (Form *utilita = Forms::find(Finestre::Utilita))
            utilita->setEnabled(false);
    } else {
        setWindowTitle(QStringLiteral("Accesso"));
        cmdOK->setText(QStringLiteral("OK"));
        txtPassword->setEchoMode(QLineEdit::Password);
    }

    Paths::setCurrentFolder(Paths::programFolder());
    // Without Qua.inf there is nothing to change from: both boxes stay empty.
    if (Impostazioni::leggiPassword() == Impostazioni::Lettura::Letto || !cambia) {
        txtUserName->setText(NomeUtente);
        if (cambia)
            txtPassword->setText(PasswordUtente);
    }
    if (cambia)
        txtPassword->setEchoMode(QLineEdit::Normal);

    centraSulMenu();
    show();
    raise();
    activateWindow();
    txtPassword->setFocus();
}

void frmLogin::centraSulMenu()
{
    const QWidget *sotto = nullptr;
    for (const QString &name : {Finestre::Menu, Finestre::Utilita})
        if (const Form *f = Forms::find(name); f && f->isVisible() && !sotto)
            sotto = f;
    QRect area = sotto ? sotto->frameGeometry() : QRect();
    if (!sotto && QGuiApplication::primaryScreen())
        area = QGuiApplication::primaryScreen()->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
    // Kept above the window it works on, without being its child (the menu may be unloaded).
    create();
    if (windowHandle())
        windowHandle()->setTransientParent(sotto ? sotto->windowHandle() : nullptr);
}

bool frmLogin::valoriRileggibili()
{
    const struct {
        QLineEdit *box;
        QString subject;
    } boxes[] = {{txtUserName, QStringLiteral("Il nome utente ")}, {txtPassword, QStringLiteral("La password ")}};
    for (const auto &b : boxes) {
        const QString problem = Impostazioni::valoreNonRileggibile(b.box->text());
        if (!problem.isEmpty()) {
            Msg::warn(b.subject + problem);
            b.box->setFocus();
            b.box->selectAll();
            return false;
        }
    }
    return true;
}

void frmLogin::cmdOK_Click()
{
    if (ModoPassword == 1) {
        if (valoriRileggibili())
            ModificaPassword();
        return;
    }
    if (txtPassword->text() == PasswordUtente) {
        hide();
        abilita(Forms::find(Finestre::Menu));
        return;
    }
    Msg::box(QStringLiteral("Password non valida. Riprovare."), Msg::Ok, Msg::NoIcon, QStringLiteral("Accesso"));
    activateWindow();
    txtPassword->setFocus();
    txtPassword->selectAll();
}

void frmLogin::ModificaPassword()
{
    Paths::setCurrentFolder(Paths::programFolder());
    QString error;
    if (!Impostazioni::scriviPassword(txtUserName->text(), txtPassword->text(), &error)) {
        // The old Qua.inf stays; the window stays open in change mode.
        Msg::box(QStringLiteral("Impossibile salvare la password.\n\r ") + error, Msg::Ok, Msg::Critical,
                 windowTitle());
        return;
    }
    ModoPassword = 0;
    hide();
    // Without the utilities window, the menu is the window to go back to.
    abilita(Forms::find(Finestre::Utilita) ? Forms::find(Finestre::Utilita) : Forms::find(Finestre::Menu));
}

void frmLogin::cmdCancel_Click()
{
    if (ModoPassword != 1) {
        Forms::unload(Finestre::Login);
        Forms::endProgram();
        return;
    }
    ModoPassword = 0;
    hide();
    Form *menu = Forms::find(Finestre::Menu);
    Form *utilita = Forms::find(Finestre::Utilita);
    if (menu && menu->isVisible())
        menu->setEnabled(true);
    if (utilita && utilita->isVisible())
        abilita(utilita);
    else if (!utilita)
        abilita(menu);
}
