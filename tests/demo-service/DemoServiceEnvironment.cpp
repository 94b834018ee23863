#include "DemoServiceEnvironment.h"

#include <QJsonDocument>
#include <arpa/inet.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

std::unique_ptr<DemoService> g_service;
std::string g_cookie;

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new DemoServiceEnvironment);

} // namespace

DemoService& DemoServiceEnvironment::service()
{
    return *g_service;
}

void DemoServiceEnvironment::SetUp()
{
    g_service = std::make_unique<DemoService>();
    ASSERT_TRUE(g_service->start());
    g_cookie = LogIn();
    ASSERT_FALSE(g_cookie.empty());
}

void DemoServiceEnvironment::TearDown()
{
    g_service.reset();
}

httplib::Client DemoClient()
{
    httplib::Client client("127.0.0.1", DemoServiceEnvironment::service().port());
    client.set_connection_timeout(5);
    client.set_read_timeout(10);
    return client;
}

std::string PercentEveryByte(const QString& text)
{
    std::string encoded;
    for (const char byte : text.toUtf8())
        encoded += QStringLiteral("%%1")
                       .arg(quint8(byte), 2, 16, QLatin1Char('0'))
                       .toUpper()
                       .toStdString();
    return encoded;
}

std::string LoginBody(const QString& account, const QString& password)
{
    return "login[account]=" + PercentEveryByte(account) +
           "&login[passwd]=" + PercentEveryByte(password) +
           "&login[time]=on&goto=http://zorbel.example";
}

std::string SessionCookieOf(const httplib::Result& result)
{
    if (!result)
        return {};
    for (size_t i = 0; i < result->get_header_value_count("Set-Cookie"); ++i) {
        const std::string line = result->get_header_value("Set-Cookie", i);
        if (line.rfind("OOFA=", 0) == 0)
            return line.substr(0, line.find(';'));
    }
    return {};
}

std::string LogIn()
{
    return SessionCookieOf(
        DemoClient().Post("/?ac=login", LoginBody(DemoService::account(), DemoService::password()),
                          "application/x-www-form-urlencoded"));
}

std::string DemoCookie()
{
    return g_cookie;
}

httplib::Result Get(const std::string& target, const std::string& cookie)
{
    httplib::Headers headers;
    if (!cookie.empty())
        headers.emplace("Cookie", cookie);
    return DemoClient().Get(target, headers);
}

QJsonObject ListingJson(const std::string& target)
{
    const httplib::Result result = Get(target, DemoCookie());
    if (!result || result->status != 200)
        return {};
    return QJsonDocument::fromJson(QByteArray::fromStdString(result->body)).object();
}

QByteArray RawExchange(int port, const QByteArray& request)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval limit{10, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    QByteArray received;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::send(socket, request.constData(), size_t(request.size()), MSG_NOSIGNAL) ==
            request.size()) {
        // Nothing more to send: the server answers, then sees the end and closes.
        ::shutdown(socket, SHUT_WR);
        char buffer[4096];
        ssize_t count;
        while ((count = ::recv(socket, buffer, sizeof buffer, 0)) > 0)
            received.append(buffer, count);
    }
    ::close(socket);
    return received;
}
