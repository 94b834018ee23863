#include "platform/ResponsiveWait.h"

#include "CaptureListener.h"
#include "platform/HttpTransport.h"

#include <QCursor>
#include <QGuiApplication>
#include <QThread>
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

TEST(ResponsiveWaitTest, WorkRunsOnAnotherThreadFromTheGuiThread)
{
    QThread* workThread = nullptr;
    RunResponsively([&] { workThread = QThread::currentThread(); });
    EXPECT_NE(workThread, nullptr);
    EXPECT_NE(workThread, QThread::currentThread());
}

TEST(ResponsiveWaitTest, WorkRunsInlineOffTheGuiThread)
{
    bool sameThread = false;
    std::thread caller([&] {
        const QThread* callerThread = QThread::currentThread();
        RunResponsively([&] { sameThread = QThread::currentThread() == callerThread; });
    });
    caller.join();
    EXPECT_TRUE(sameThread);
    EXPECT_EQ(overrideShape(), std::nullopt);
}

TEST(ResponsiveWaitTest, RequestFromAWorkerThreadSucceeds)
{
    CaptureListener listener;
    CaptureListener::Response answer;
    answer.body = "ok";
    listener.setResponse(answer);
    HttpResult result;
    std::thread caller([&] {
        HttpRequest request;
        request.url = listener.baseUrl() + "/";
        result = SendHttpRequest(request);
    });
    caller.join();
    EXPECT_EQ(result.body, "ok");
}

} // namespace
