#include "DemoDrive.h"
#include "DemoService.h"

#include <QByteArray>
#include <QFile>
#include <csignal>
#include <cstdio>
#include <optional>
#include <pthread.h>

namespace {

struct Options
{
    int port = 0; // 0: a port the system picks
    const DemoDrive* drive = &DemoDrive::sample();
    std::optional<DemoDrive> generatedDrive; // --drive=large:N, served instead of `drive`
    std::optional<DemoService::TlsFiles> tls;
    bool oneAtATime = false;
};

// The most files a generated drive may have: far beyond any folder the program lists.
constexpr int MaxGeneratedFiles = 10000000;

std::optional<int> portOf(const QByteArray& text)
{
    bool ok = false;
    const int port = text.toInt(&ok);
    if (!ok || port < 0 || port > 65535)
        return std::nullopt;
    return port;
}

// "--port N" or "--port=N", "--drive=sample", "--drive=large" or "--drive=large:N",
// "--one-at-a-time", and "--tls-cert=FILE --tls-key=FILE" together or not at all, in any order.
std::optional<Options> optionsFrom(int argc, char** argv)
{
    Options options;
    QString certificate;
    QString key;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument = argv[i];
        if (argument == "--drive=sample" || argument == "--drive=large") {
            options.drive =
                argument == "--drive=sample" ? &DemoDrive::sample() : &DemoDrive::large();
            options.generatedDrive.reset();
            continue;
        }
        if (argument.startsWith("--drive=large:")) {
            bool ok = false;
            const int files = argument.mid(14).toInt(&ok);
            if (!ok || files < 1 || files > MaxGeneratedFiles)
                return std::nullopt;
            options.generatedDrive = DemoDrive::generated(files);
            continue;
        }
        if (argument == "--one-at-a-time") {
            options.oneAtATime = true;
            continue;
        }
        if (argument.startsWith("--tls-cert=")) {
            certificate = QFile::decodeName(argument.mid(11));
            continue;
        }
        if (argument.startsWith("--tls-key=")) {
            key = QFile::decodeName(argument.mid(10));
            continue;
        }
        QByteArray portText;
        if (argument == "--port" && i + 1 < argc)
            portText = argv[++i];
        else if (argument.startsWith("--port="))
            portText = argument.mid(7);
        else
            return std::nullopt;
        const std::optional<int> port = portOf(portText);
        if (!port)
            return std::nullopt;
        options.port = *port;
    }
    if (certificate.isEmpty() != key.isEmpty())
        return std::nullopt;
    if (!certificate.isEmpty())
        options.tls = DemoService::TlsFiles{certificate, key};
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = optionsFrom(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: zorbel-demo-service [--port N] [--drive=sample|large|large:N] "
                             "[--one-at-a-time] [--tls-cert=FILE --tls-key=FILE]\n");
        return 2;
    }

    // Blocked before the server's threads start, so that only sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    DemoService service(options->generatedDrive ? *options->generatedDrive : *options->drive);
    service.setOneAtATime(options->oneAtATime);
    if (!service.start(options->port, options->tls)) {
        std::fprintf(stderr, "zorbel-demo-service: cannot listen on 127.0.0.1:%d%s\n",
                     options->port, options->tls ? " with that certificate and key" : "");
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
