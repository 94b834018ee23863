#include "ResponsiveWait.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QThread>

namespace {

bool onGuiThread()
{
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}

} // namespace

ResponsiveWait::ResponsiveWait(bool deliverInput)
    : m_onGuiThread(onGuiThread()), m_deliverInput(deliverInput)
{
    if (m_onGuiThread)
        QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
}

ResponsiveWait::~ResponsiveWait()
{
    if (m_onGuiThread)
        QGuiApplication::restoreOverrideCursor();
}

void ResponsiveWait::pump()
{
    if (!m_onGuiThread)
        return;
    QCoreApplication::processEvents(m_deliverInput ? QEventLoop::AllEvents
                                                   : QEventLoop::ExcludeUserInputEvents);
}
