#include "DemoService.h"

#include <QByteArray>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <pthread.h>

namespace {

// "--port N" or "--port=N"; no argument means a port the system picks.
std::optional<int> PortFrom(int argc, char** argv)
{
    if (argc == 1)
        return 0;
    QByteArray text;
    if (argc == 3 && std::strcmp(argv[1], "--port") == 0)
        text = argv[2];
    else if (argc == 2 && std::strncmp(argv[1], "--port=", 7) == 0)
        text = argv[1] + 7;
    else
        return std::nullopt;
    bool ok = false;
    const int port = text.toInt(&ok);
    if (!ok || port < 0 || port > 65535)
        return std::nullopt;
    return port;
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<int> port = PortFrom(argc, argv);
    if (!port) {
        std::fprintf(stderr, "usage: zorbel-demo-service [--port N]\n");
        return 2;
    }

    // Blocked before the server's threads start, so that only sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    DemoService service;
    if (!service.start(*port)) {
        std::fprintf(stderr, "zorbel-demo-service: cannot listen on 127.0.0.1:%d\n", *port);
        return 1;
    }
    std::printf("%s\naccount: %s\npassword: %s\n", qPrintable(service.baseUrl()),
                qPrintable(DemoService::account()), qPrintable(DemoService::password()));
    std::fflush(stdout);

    int received = 0;
    sigwait(&stopSignals, &received);
    service.stop();
    return 0;
}
