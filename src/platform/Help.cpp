#include "platform/Help.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void Help::open()
{
    const QString chm = Paths::inProgram(QStringLiteral("Aiuto.chm"));
    if (!QFileInfo::exists(chm) || !QDesktopServices::openUrl(QUrl::fromLocalFile(chm)))
        Msg::box(QStringLiteral("Impossibile aprire la Guida \"Aiuto.chm\"."), Msg::Ok, Msg::Information);
}
