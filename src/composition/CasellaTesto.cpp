#include "composition/CasellaTesto.h"
#include "platform/SottolineaturaOrtografica.h"
#include "platform/Ui.h"

#include <QTextDocument>

CasellaTesto::CasellaTesto(QWidget *parent, const QString &name) : QPlainTextEdit(parent)
{
    setObjectName(name);
    setFont(Ui::font(QStringLiteral("Arial"), 11));
    setTabChangesFocus(true);
    SottolineaturaOrtografica::installa(this);
}

QString CasellaTesto::testo() const
{
    // toPlainText() would turn non-breaking spaces into blanks.
    QString t = document()->toRawText();
    for (QChar &c : t)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    return t;
}
