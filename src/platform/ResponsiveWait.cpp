#include "ResponsiveWait.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QThread>
#include <memory>

namespace {

class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

bool onGuiThread()
{
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}

} // namespace

void RunResponsively(const std::function<void()>& work)
{
    if (!onGuiThread()) {
        work();
        return;
    }
    const BusyCursor busy;
    QEventLoop loop;
    const std::unique_ptr<QThread> worker(QThread::create([&work] { work(); }));
    // Queued to this thread: a worker that ends before exec() still ends the loop.
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    // The loop can also end early when the application quits; the work still
    // owns its data until it is done.
    worker->wait();
}
