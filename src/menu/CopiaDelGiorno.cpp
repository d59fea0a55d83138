#include "menu/CopiaDelGiorno.h"
#include "archive/CopieSicurezza.h"
#include "platform/Clessidra.h"
#include "platform/Form.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDate>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QTimer>

namespace {
QPointer<QThread> g_lavoro;
} // namespace

void CopiaDelGiorno::avvia(std::function<void()> lavoro)
{
    QTimer::singleShot(0, qApp, [lavoro] {
        if (g_lavoro || Forms::programEnded())
            return;
        const QString programma = Paths::programFolder();
        const QDate oggi = QDate::currentDate();
        g_lavoro = lavoro ? QThread::create(lavoro)
                          : QThread::create([programma, oggi] { CopieSicurezza::copiaDelGiorno(programma, oggi); });
        QObject::connect(g_lavoro, &QThread::finished, g_lavoro, &QObject::deleteLater);
        // The program never ends in the middle of a copy.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, g_lavoro, [] {
            if (g_lavoro)
                g_lavoro->wait();
        });
        g_lavoro->start(QThread::LowPriority);
    });
}

void CopiaDelGiorno::attendi()
{
    if (!g_lavoro || g_lavoro->isFinished())
        return;
    Clessidra clessidra;
    QEventLoop attesa;
    QObject::connect(g_lavoro, &QThread::finished, &attesa, &QEventLoop::quit);
    if (!g_lavoro->isFinished())
        attesa.exec(QEventLoop::ExcludeUserInputEvents);
}
