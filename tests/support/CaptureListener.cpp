#include "CaptureListener.h"

#include <QMutexLocker>
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr qsizetype MaxRequestBytes = 16 * 1024 * 1024;

QList<CaptureListener::Header> parseHeaders(const QByteArray& block)
{
    QList<CaptureListener::Header> headers;
    const QList<QByteArray> lines = block.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        QByteArray value = line.mid(colon + 1);
        if (value.startsWith(' '))
            value.remove(0, 1);
        headers.append({line.left(colon), value});
    }
    return headers;
}

qsizetype contentLengthOf(const QList<CaptureListener::Header>& headers)
{
    for (const auto& [name, value] : headers) {
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
            return value.trimmed().toLongLong();
    }
    return 0;
}

bool hasHeader(const QList<CaptureListener::Header>& headers, const char* name)
{
    for (const auto& header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

CaptureListener::CaptureListener()
{
    int wake[2];
    if (pipe2(wake, O_CLOEXEC) != 0)
        return;
    m_wakeRead = wake[0];
    m_wakeWrite = wake[1];

    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 16) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (fd >= 0)
            close(fd);
        return;
    }
    m_listenFd = fd;
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

CaptureListener::~CaptureListener()
{
    if (m_wakeWrite >= 0) {
        const char stop = 's';
        [[maybe_unused]] const auto written = write(m_wakeWrite, &stop, 1);
    }
    if (m_thread.joinable())
        m_thread.join();
    for (const int fd : {m_listenFd, m_wakeRead, m_wakeWrite}) {
        if (fd >= 0)
            close(fd);
    }
}

QString CaptureListener::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

void CaptureListener::setResponse(const Response& response)
{
    const QMutexLocker lock(&m_mutex);
    m_defaultResponse = response;
}

void CaptureListener::setResponse(const QByteArray& target, const Response& response)
{
    const QMutexLocker lock(&m_mutex);
    m_responses.insert(target, response);
}

QList<CaptureListener::Request> CaptureListener::requests() const
{
    const QMutexLocker lock(&m_mutex);
    return m_requests;
}

QByteArray CaptureListener::onlyRequestBytes() const
{
    const QMutexLocker lock(&m_mutex);
    return m_requests.size() == 1 ? m_requests.first().raw : QByteArray();
}

bool CaptureListener::stopping() const
{
    pollfd wake{m_wakeRead, POLLIN, 0};
    return poll(&wake, 1, 0) > 0;
}

bool CaptureListener::waitFor(int fd, short events, int timeoutMs) const
{
    pollfd fds[2] = {{fd, events, 0}, {m_wakeRead, POLLIN, 0}};
    const int ready = poll(fds, 2, timeoutMs);
    return ready > 0 && fds[1].revents == 0 && fds[0].revents != 0;
}

void CaptureListener::serve()
{
    while (waitFor(m_listenFd, POLLIN)) {
        const int fd = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        serveConnection(fd);
        close(fd);
    }
}

void CaptureListener::serveConnection(int fd)
{
    Request request;
    if (!readRequest(fd, request))
        return;
    {
        const QMutexLocker lock(&m_mutex);
        m_requests.append(request);
    }
    const Response response = responseFor(request);
    if (response.delay.count() > 0 && !stopping()) {
        // Ends early when the listener stops; the client's leaving does not cut the delay short.
        pollfd wake{m_wakeRead, POLLIN, 0};
        poll(&wake, 1, static_cast<int>(response.delay.count()));
    }
    switch (response.behaviour) {
    case Behaviour::Answer:
        answer(fd, response);
        break;
    case Behaviour::Drop:
        break;
    case Behaviour::NeverAnswer: {
        char sink[4096];
        while (waitFor(fd, POLLIN) && read(fd, sink, sizeof sink) > 0) {
        }
        break;
    }
    }
}

bool CaptureListener::readRequest(int fd, Request& request)
{
    char buffer[65536];
    qsizetype headerEnd = -1;
    qsizetype expected = -1;
    while (expected < 0 || request.raw.size() < expected) {
        if (!waitFor(fd, POLLIN))
            return false;
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        request.raw.append(buffer, got);
        if (request.raw.size() > MaxRequestBytes)
            return false;
        if (headerEnd < 0 && (headerEnd = request.raw.indexOf("\r\n\r\n")) >= 0) {
            const QByteArray block = request.raw.left(headerEnd);
            request.requestLine = block.left(block.indexOf("\r\n"));
            request.headers = parseHeaders(block);
            expected = headerEnd + 4 + contentLengthOf(request.headers);
        }
    }
    request.body = request.raw.mid(headerEnd + 4);
    return true;
}

bool CaptureListener::sendAll(int fd, const QByteArray& bytes) const
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        if (!waitFor(fd, POLLOUT))
            return false;
        const ssize_t wrote = send(fd, bytes.constData() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (wrote <= 0)
            return false;
        sent += wrote;
    }
    return true;
}

CaptureListener::Response CaptureListener::responseFor(const Request& request) const
{
    const QList<QByteArray> parts = request.requestLine.split(' ');
    const QByteArray target = parts.size() > 1 ? parts[1] : QByteArray();
    const QMutexLocker lock(&m_mutex);
    return m_responses.value(target, m_defaultResponse);
}

void CaptureListener::answer(int fd, const Response& response)
{
    QByteArray head = response.statusLine + "\r\n";
    for (const auto& [name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    if (response.declareLength && !hasHeader(response.headers, "Content-Length"))
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    if (!hasHeader(response.headers, "Connection"))
        head += "Connection: close\r\n";
    head += "\r\n";
    if (sendAll(fd, head))
        sendAll(fd, response.body);
}
