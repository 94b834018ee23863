#include "WindowBenchSupport.h"
#include "browser/Login.h"
#include "service/endpoints.h"

#include <QApplication>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

// Memory of the program for a 60 MB listing answer, given by the demo service, and after
// widening the window: run alone, `listing_memory_bench [megabytes]` prints the rise of the
// peak resident size while the answer is listed and while the window is resized. The demo
// service runs in a child process, so that its copies of the answer are not counted.

namespace {

// Serves the listing from a child process; the port arrives through `pipe` and the child
// stops when the parent closes it.
int ServeListingInChild(const QByteArray& body, int& childPid)
{
    int toParent[2];
    int fromParent[2];
    if (pipe(toParent) != 0 || pipe(fromParent) != 0)
        return 0;
    childPid = fork();
    if (childPid == 0) {
        close(toParent[0]);
        close(fromParent[1]);
        DemoService service;
        const int port = service.start() ? service.port() : 0;
        service.setFault(DemoService::Endpoint::Files, {.body = body});
        (void)!write(toParent[1], &port, sizeof port);
        char done;
        (void)!read(fromParent[0], &done, 1);
        _exit(0);
    }
    close(toParent[1]);
    close(fromParent[0]);
    int port = 0;
    if (read(toParent[0], &port, sizeof port) != sizeof port)
        port = 0;
    return port;
}

} // namespace

int main(int argc, char** argv)
{
    const double megabytes = argc > 1 ? std::atof(argv[1]) : 60.0;
    const QByteArray body = ListingOfSize(qsizetype(megabytes * 1000 * 1000));
    int child = 0;
    const int port = ServeListingInChild(body, child);
    if (port == 0) {
        std::fprintf(stderr, "the demo service did not start\n");
        return 1;
    }

    EnsureWidgetApplication();
    RecordingDesktop desktop;
    frmTest window;
    window.show();
    SetServiceBase(QStringLiteral("http://127.0.0.1:%1").arg(port));
    QApplication::processEvents();

    const long before = ProcessMemoryKiB("VmRSS");
    ResetPeakMemory();
    const LoginOutcome outcome =
        SignInAndList(DemoService::account(), DemoService::password(), window.browser());
    QApplication::processEvents();
    const long listedPeak = ProcessMemoryKiB("VmHWM");
    const long listed = ProcessMemoryKiB("VmRSS");

    ResetPeakMemory();
    window.resize(window.width() * 2, window.height());
    QApplication::processEvents();
    const long resizedPeak = ProcessMemoryKiB("VmHWM");

    std::printf("answer: %.1f MB, %d rows, signed in: %s, messages: %lld\n",
                double(body.size()) / 1e6, window.fileList().rowCount(),
                outcome == LoginOutcome::SignedIn ? "yes" : "no",
                static_cast<long long>(desktop.messages.size()));
    std::printf("resident before: %.1f MiB; peak rise while listing: %.1f MiB (%.1f x the "
                "answer); resident after: %.1f MiB\n",
                before / 1024.0, (listedPeak - before) / 1024.0,
                (listedPeak - before) * 1024.0 / double(body.size()), listed / 1024.0);
    std::printf("peak rise while the window doubles its width: %.1f MiB\n",
                (resizedPeak - listed) / 1024.0);
    waitpid(child, nullptr, WNOHANG);
    return 0;
}
