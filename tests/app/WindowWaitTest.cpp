#include "WindowFixture.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QTimer>
#include <chrono>

using namespace std::chrono_literals;

namespace {

/** Counts the paint events that reach one widget. */
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

using WindowWaitTest = WindowFixture;

TEST_F(WindowWaitTest, WindowPaintsWithABusyCursorWhileARequestRuns)
{
    logInAsDemo();
    window->show();
    DemoService::Fault slow;
    slow.delay = 800ms;
    service.setFault(DemoService::Endpoint::Files, slow);
    forgetTraffic();

    PaintCounter counter(*window);
    bool busyDuringRequest = false;
    int paintsDuringRequest = 0;
    QTimer::singleShot(100ms, window.get(), [&] {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        busyDuringRequest = cursor && cursor->shape() == Qt::BusyCursor;
        window->update();
    });
    QTimer::singleShot(400ms, window.get(), [&] { paintsDuringRequest = counter.paints; });

    control<QPushButton>("Command3").click();

    EXPECT_EQ(listingTargets().size(), 1);
    EXPECT_TRUE(busyDuringRequest);
    EXPECT_GT(paintsDuringRequest, 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
