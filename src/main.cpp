#include "app/Avvio.h"
#include "platform/Form.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Avvio::prepara(app);
    Forms::get(QStringLiteral("frmSplash"))->Form_Load();
    return QApplication::exec();
}
