#include "KeepAliveServer.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr auto IoTimeout = std::chrono::seconds(5);
constexpr int PollSliceMs = 50;
constexpr int PoolThreads = 32;

std::string addressText(const sockaddr_storage& address, int& port)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto& ipv4 = reinterpret_cast<const sockaddr_in&>(address);
        inet_ntop(AF_INET, &ipv4.sin_addr, text, sizeof text);
        port = ntohs(ipv4.sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto& ipv6 = reinterpret_cast<const sockaddr_in6&>(address);
        inet_ntop(AF_INET6, &ipv6.sin6_addr, text, sizeof text);
        port = ntohs(ipv6.sin6_port);
    }
    return text;
}

// A blocking socket stream with time limits, reading ahead so that a request is not taken a
// byte per system call. Once muted it sends nothing more, so the connection ends without an
// answer.
class SocketStream final : public httplib::Stream
{
public:
    SocketStream(int socket, const std::atomic<socket_t>& listener)
        : m_socket(socket), m_listener(listener)
    {
    }

    void mute() { m_muted = true; }
    bool muted() const { return m_muted; }

    void writeAll(const QByteArray& bytes)
    {
        for (qsizetype sent = 0; sent < bytes.size();) {
            const ssize_t wrote =
                write(bytes.constData() + sent, static_cast<size_t>(bytes.size() - sent));
            if (wrote <= 0)
                return;
            sent += wrote;
        }
    }

    /** Waits up to `limit` for the next request (or the client's close); false when none came
     *  or the server stops. */
    bool awaitNextRequest(std::chrono::milliseconds limit) const
    {
        return m_readAhead < m_received || waitFor(POLLIN, limit);
    }

    bool is_readable() const override
    {
        return m_readAhead < m_received || waitFor(POLLIN, IoTimeout);
    }
    bool is_writable() const override { return !m_muted && waitFor(POLLOUT, IoTimeout); }

    ssize_t read(char* ptr, size_t size) override
    {
        if (m_readAhead == m_received) {
            if (!is_readable())
                return -1;
            ssize_t received;
            do {
                received = ::recv(m_socket, m_buffer, sizeof m_buffer, 0);
            } while (received < 0 && errno == EINTR);
            if (received <= 0)
                return received;
            m_readAhead = 0;
            m_received = size_t(received);
        }
        const size_t taken = std::min(size, m_received - m_readAhead);
        std::memcpy(ptr, m_buffer + m_readAhead, taken);
        m_readAhead += taken;
        return ssize_t(taken);
    }

    ssize_t write(const char* ptr, size_t size) override
    {
        if (!is_writable())
            return -1;
        ssize_t sent;
        do {
            sent = ::send(m_socket, ptr, size, MSG_NOSIGNAL);
        } while (sent < 0 && errno == EINTR);
        return sent;
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override
    {
        sockaddr_storage address{};
        socklen_t length = sizeof address;
        if (::getpeername(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            ip = addressText(address, port);
    }

    void get_local_ip_and_port(std::string& ip, int& port) const override
    {
        sockaddr_storage address{};
        socklen_t length = sizeof address;
        if (::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            ip = addressText(address, port);
    }

    socket_t socket() const override { return m_socket; }

private:
    // Waits in short slices, so that a silent client cannot hold up the server's stop.
    bool waitFor(short events, std::chrono::milliseconds limit) const
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (m_listener != INVALID_SOCKET && std::chrono::steady_clock::now() < deadline) {
            pollfd request{m_socket, events, 0};
            const int ready = ::poll(&request, 1, PollSliceMs);
            if (ready > 0)
                return true;
            if (ready < 0 && errno != EINTR)
                return false;
        }
        return false;
    }

    int m_socket;
    const std::atomic<socket_t>& m_listener;
    bool m_muted = false;
    char m_buffer[4096];
    size_t m_readAhead = 0; // the next unread byte of m_buffer
    size_t m_received = 0;  // bytes of m_buffer filled
};

thread_local SocketStream* t_currentStream = nullptr;

} // namespace

void BindExclusively(httplib::Server& server)
{
    // httplib's default also sets SO_REUSEPORT, which lets a second server share the port.
    server.set_socket_options([](socket_t sock) {
        const int on = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    });
}

KeepAliveServer::KeepAliveServer()
{
    new_task_queue = [] { return new httplib::ThreadPool(PoolThreads); };
    set_keep_alive_max_count(MaxRequestsPerConnection);
    set_keep_alive_timeout(IdleTimeout.count());
    BindExclusively(*this);
}

void KeepAliveServer::dropCurrentConnection()
{
    if (t_currentStream)
        t_currentStream->mute();
}

void KeepAliveServer::replyRawAndClose(const QByteArray& bytes)
{
    if (!t_currentStream)
        return;
    t_currentStream->writeAll(bytes);
    t_currentStream->mute();
}

bool KeepAliveServer::process_and_close_socket(socket_t sock)
{
    ++m_connectionsAccepted;
    // An answer goes out in several writes; on a connection that stays open they must not
    // wait for the client's acknowledgement of the first.
    const int on = 1;
    ::setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    SocketStream stream(sock, svr_sock_);
    t_currentStream = &stream;
    bool answered = true;
    const auto limit = keep_alive_max_count_;
    for (std::size_t served = 1; served <= limit; ++served) {
        if (served > 1 && !stream.awaitNextRequest(IdleTimeout))
            break;
        bool connectionClosed = false;
        answered = process_request(stream, served == limit, connectionClosed, nullptr);
        if (!answered || connectionClosed || stream.muted())
            break;
    }
    t_currentStream = nullptr;
    ::shutdown(sock, SHUT_RDWR);
    ::close(sock);
    return answered;
}
