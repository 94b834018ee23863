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

// Read and written on the GUI thread only, where every prompt is made.
WaitPromptMaker& promptMaker()
{
    static WaitPromptMaker maker;
    return maker;
}

} // namespace

WaitPrompt::~WaitPrompt() = default;

void SetWaitPromptMaker(WaitPromptMaker maker)
{
    promptMaker() = std::move(maker);
}

ResponsiveWait::ResponsiveWait(bool deliverInput)
    : m_onGuiThread(onGuiThread()), m_deliverInput(deliverInput)
{
    if (!m_onGuiThread)
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    m_waited.start();
}

ResponsiveWait::~ResponsiveWait()
{
    m_prompt.reset();
    if (m_onGuiThread)
        QGuiApplication::restoreOverrideCursor();
}

void ResponsiveWait::pump()
{
    if (!m_onGuiThread)
        return;
    QCoreApplication::processEvents(
        m_deliverInput || m_prompt ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    // After the events due so far, so that nothing that came before the delay sees the prompt.
    if (!m_deliverInput && !m_prompt && promptMaker() &&
        m_waited.elapsed() >= WaitPromptDelay.count())
        m_prompt = promptMaker()();
}

bool ResponsiveWait::cancelled() const
{
    return m_prompt && m_prompt->cancelRequested();
}
