#include "platform/ResponsiveWait.h"

#include "CaptureListener.h"
#include "platform/HttpTransport.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

using namespace std::chrono_literals;

namespace {

std::optional<Qt::CursorShape> overrideShape()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? std::optional(cursor->shape()) : std::nullopt;
}

TEST(ResponsiveWaitTest, GuiThreadKeepsHandlingEventsWithABusyCursorWhileWorkRuns)
{
    CaptureListener listener;
    CaptureListener::Response slow;
    slow.delay = 300ms;
    slow.body = "done";
    listener.setResponse(slow);

    bool timerFired = false;
    bool requestStillRunning = false;
    std::optional<Qt::CursorShape> cursorDuringRequest;
    bool requestDone = false;
    QTimer::singleShot(20ms, [&] {
        timerFired = true;
        requestStillRunning = !requestDone;
        cursorDuringRequest = overrideShape();
    });

    HttpRequest request;
    request.url = listener.baseUrl() + "/";
    const HttpResult result = SendHttpRequest(request);
    requestDone = true;

    EXPECT_EQ(result.body, "done");
    EXPECT_TRUE(timerFired);
    EXPECT_TRUE(requestStillRunning);
    EXPECT_EQ(cursorDuringRequest, Qt::BusyCursor);
    EXPECT_EQ(overrideShape(), std::nullopt);
}

TEST(ResponsiveWaitTest, PumpsTheGuiThreadOnly)
{
    bool delivered = false;
    std::thread other([&] {
        QObject receiver;
        QMetaObject::invokeMethod(
            &receiver, [&] { delivered = true; }, Qt::QueuedConnection);
        ResponsiveWait wait;
        wait.pump();
    });
    other.join();
    EXPECT_FALSE(delivered) << "a wait off the GUI thread ran that thread's events";
    EXPECT_EQ(overrideShape(), std::nullopt);

    QObject receiver;
    QMetaObject::invokeMethod(
        &receiver, [&] { delivered = true; }, Qt::QueuedConnection);
    ResponsiveWait wait;
    EXPECT_EQ(overrideShape(), Qt::BusyCursor);
    wait.pump();
    EXPECT_TRUE(delivered);
}

} // namespace
