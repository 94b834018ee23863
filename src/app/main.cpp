#include "AppIcon.h"
#include "QtDesktop.h"
#include "frmTest.h"
#include "platform/HttpTransport.h"
#include "service/endpoints.h"
#include "tour/Tour.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QUrl>
#include <cstdio>

namespace {

// The service is reached over plain HTTP at a host and an optional port.
bool isServiceBase(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && url.scheme() == QLatin1String("http") && !url.host().isEmpty() &&
           (url.path().isEmpty() || url.path() == QLatin1String("/")) && !url.hasQuery();
}

} // namespace

int main(int argc, char** argv)
{
    InitializeHttpTransport();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorbel-extract"));
    QApplication::setWindowIcon(MakeAppIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Browse a Zorbel cloud drive and export "
                       "its files in the standard extraction format."));
    parser.addHelpOption();
    const QCommandLineOption serviceOption(
        QStringLiteral("service"),
        QStringLiteral("Talk to the service at <url> (e.g. http://127.0.0.1:8123) instead of the "
                       "built-in hosts."),
        QStringLiteral("url"));
    parser.addOption(serviceOption);
    const QCommandLineOption tourOption(
        QStringLiteral("tour"),
        QStringLiteral("Walk the window through the demo service's sample drive without waiting "
                       "for input, save a screenshot of every step into <dir>, then exit "
                       "(non-zero when a step went wrong)."),
        QStringLiteral("dir"));
    parser.addOption(tourOption);
    parser.process(app);

    if (parser.isSet(serviceOption)) {
        const QString base = parser.value(serviceOption);
        if (!isServiceBase(base)) {
            std::fprintf(stderr,
                         "zorbel-extract: --service needs an address such as "
                         "http://127.0.0.1:8123, not \"%s\"\n",
                         qPrintable(base));
            return 2;
        }
        SetServiceBase(base);
    }

    QtDesktop desktop;
    SetDesktop(&desktop);
    frmTest window;
    window.show();
    if (parser.isSet(tourOption)) {
        Tour tour(window, parser.value(tourOption));
        return tour.run() ? 0 : 1;
    }
    return QApplication::exec();
}
