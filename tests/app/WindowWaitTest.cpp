#include "CaseName.h"
#include "DemoDrive.h"
#include "WindowFixture.h"
#include "service/session.h"
#include "tour/WidgetDriver.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>
#include <functional>

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

QProgressDialog* ShownWaitDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("WaitDialog") && widget->isVisible())
            return qobject_cast<QProgressDialog*>(widget);
    }
    return nullptr;
}

/** Signed in and shown; the service answers one endpoint only after a long delay. */
class EndedWaitTest : public WindowFixture
{
public:
    using WindowFixture::control;
    using WindowFixture::desktop;
    using WindowFixture::list;

    void SetUp() override
    {
        WindowFixture::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(folder.isValid());
        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        window->show();
        signInAndEnter({DemoDriveIds::MoviesName});
    }
    void TearDown() override { QDir::setCurrent(previousFolder); }

    QTreeWidgetItem* firstFilm() const { return rowOfFile(DemoDriveIds::UnicomFirstFile); }

    QTemporaryDir folder;
    QString previousFolder;
};

/** Far beyond what the user waits for before the prompt is used. */
constexpr auto LongDelay = 30s;

struct EndedWaitCase
{
    std::string name;
    DemoService::Endpoint slowEndpoint;
    std::function<void(EndedWaitTest&)> start;             // sends the slow request
    std::function<void(QProgressDialog&)> end;             // the user ends the wait
    std::function<void(const EndedWaitTest&)> failurePath; // what the caller's failure leaves
};

void PrintTo(const EndedWaitCase& waitCase, std::ostream* out)
{
    *out << waitCase.name;
}

const auto pressCancel = [](QProgressDialog& dialog) { dialog.findChild<QPushButton*>()->click(); };
const auto pressEscape = [](QProgressDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); };

const EndedWaitCase endedWaitCases[] = {
    {"ListingByCancel", DemoService::Endpoint::Files,
     [](EndedWaitTest& t) { t.control<QPushButton>("Command3").click(); }, pressCancel,
     [](const EndedWaitTest& t) {
         EXPECT_EQ(t.list().topLevelItemCount(), 16); // rows kept
     }},
    {"LoginByEscape", DemoService::Endpoint::Login,
     [](EndedWaitTest& t) { t.control<QPushButton>("Command11").click(); }, pressEscape,
     [](const EndedWaitTest& t) {
         EXPECT_TRUE(SessionCookie().isEmpty()); // a failed login request signs out
         EXPECT_EQ(t.list().topLevelItemCount(), 0);
     }},
    {"RowClickByCancel", DemoService::Endpoint::DownloadPage,
     [](EndedWaitTest& t) { ClickRow(t.list(), t.firstFilm()); }, pressCancel,
     [](const EndedWaitTest& t) {
         EXPECT_TRUE(t.firstFilm()->text(4).startsWith(u'#'));
         EXPECT_TRUE(t.control<QLineEdit>("Text11").text().isEmpty());
     }},
    {"OneRowExportByEscape", DemoService::Endpoint::DownloadPage,
     [](EndedWaitTest& t) {
         t.firstFilm()->setCheckState(0, Qt::Checked);
         t.control<QPushButton>("Command16").click();
     },
     pressEscape, [](const EndedWaitTest& t) { EXPECT_TRUE(QDir(t.folder.path()).isEmpty()); }},
};

class EndedWaitByCaseTest : public EndedWaitTest,
                            public ::testing::WithParamInterface<EndedWaitCase>
{
};

TEST_P(EndedWaitByCaseTest, PromptAppearsAfterASecondAndEndsTheRequestLongBeforeItsAnswer)
{
    const EndedWaitCase& waitCase = GetParam();
    DemoService::Fault slow;
    slow.delay = LongDelay;
    service.setFault(waitCase.slowEndpoint, slow);

    QElapsedTimer clock;
    qint64 promptSeenAt = -1;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, window.get(), [&] {
        QProgressDialog* dialog = ShownWaitDialog();
        if (!dialog || promptSeenAt >= 0)
            return;
        promptSeenAt = clock.elapsed();
        EXPECT_EQ(dialog->labelText(), QStringLiteral("正在等待服务器…"));
        EXPECT_EQ(dialog->windowTitle(), window->windowTitle());
        waitCase.end(*dialog);
    });
    watcher.start(50ms);
    clock.start();

    waitCase.start(*this);

    const qint64 took = clock.elapsed();
    watcher.stop();
    EXPECT_GE(promptSeenAt, 1000); // never before a second
    EXPECT_LT(took, std::chrono::milliseconds(LongDelay).count() / 2);
    EXPECT_EQ(ShownWaitDialog(), nullptr);
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.value(0).text.toStdString();
    waitCase.failurePath(*this);
}

INSTANTIATE_TEST_SUITE_P(Waits, EndedWaitByCaseTest, ::testing::ValuesIn(endedWaitCases),
                         CaseName());

} // namespace
