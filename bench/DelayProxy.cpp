#include "DelayProxy.h"

#include <arpa/inet.h>
#include <condition_variable>
#include <deque>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int PollSliceMs = 20;

int connectToLoopback(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void noDelay(int fd)
{
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

/** Bytes read from one side, to be written to the other at `due`; empty bytes: the end. */
struct Chunk
{
    Clock::time_point due;
    std::string bytes;
};

} // namespace

/** One proxied connection: the client's socket and the upstream one, closed with the last
 *  direction that uses them. */
struct DelayProxy::Link
{
    Link(int client, int upstream) : fds{client, upstream} {}
    ~Link()
    {
        ::close(fds[0]);
        ::close(fds[1]);
    }
    int fds[2];
};

DelayProxy::DelayProxy(int upstreamPort, std::chrono::milliseconds roundTrip)
    : m_upstreamPort(upstreamPort), m_roundTrip(roundTrip)
{
    m_listenFd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(m_listenFd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_listenFd, 64) != 0 ||
        ::getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(m_listenFd);
        m_listenFd = -1;
        return;
    }
    m_port = ntohs(address.sin_port);
    m_acceptor = std::thread([this] { acceptConnections(); });
}

DelayProxy::~DelayProxy()
{
    m_stopping = true;
    if (m_acceptor.joinable())
        m_acceptor.join();
    const std::lock_guard lock(m_threadsMutex);
    for (std::thread& thread : m_threads)
        thread.join();
    if (m_listenFd >= 0)
        ::close(m_listenFd);
}

QString DelayProxy::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

void DelayProxy::acceptConnections()
{
    while (!m_stopping) {
        pollfd ready{m_listenFd, POLLIN, 0};
        if (::poll(&ready, 1, PollSliceMs) <= 0)
            continue;
        const int client = ::accept(m_listenFd, nullptr, nullptr);
        if (client < 0)
            continue;
        const int upstream = connectToLoopback(m_upstreamPort);
        if (upstream < 0) {
            ::close(client);
            continue;
        }
        noDelay(client);
        noDelay(upstream);
        auto link = std::make_shared<Link>(client, upstream);
        const std::lock_guard lock(m_threadsMutex);
        // Each direction holds the link, so its sockets close when both have ended.
        m_threads.emplace_back([this, link] { forward(link->fds[0], link->fds[1], true); });
        m_threads.emplace_back([this, link] { forward(link->fds[1], link->fds[0], false); });
    }
}

// Reads `from` and writes `to` what it read half a round trip later (the client's first bytes
// one round trip more), on a writer of its own so that later bytes are not held up by earlier
// ones. Ends with a half-close of `to` when `from` ends.
void DelayProxy::forward(int from, int to, bool handshake)
{
    std::mutex mutex;
    std::condition_variable arrived;
    std::deque<Chunk> queue;
    std::thread writer([&] {
        while (true) {
            std::unique_lock lock(mutex);
            arrived.wait(lock, [&] { return !queue.empty(); });
            Chunk chunk = std::move(queue.front());
            queue.pop_front();
            lock.unlock();
            std::this_thread::sleep_until(chunk.due);
            if (chunk.bytes.empty()) {
                ::shutdown(to, SHUT_WR);
                return;
            }
            for (size_t sent = 0; sent < chunk.bytes.size();) {
                const ssize_t count =
                    ::send(to, chunk.bytes.data() + sent, chunk.bytes.size() - sent, MSG_NOSIGNAL);
                if (count <= 0)
                    break;
                sent += size_t(count);
            }
        }
    });
    auto delay = m_roundTrip / 2 + (handshake ? m_roundTrip : std::chrono::milliseconds(0));
    char buffer[65536];
    while (true) {
        pollfd ready{from, POLLIN, 0};
        const int polled = ::poll(&ready, 1, PollSliceMs);
        if (m_stopping)
            break;
        if (polled <= 0)
            continue;
        const ssize_t count = ::recv(from, buffer, sizeof buffer, 0);
        const std::lock_guard lock(mutex);
        queue.push_back(
            {Clock::now() + delay, count > 0 ? std::string(buffer, size_t(count)) : std::string()});
        arrived.notify_one();
        delay = m_roundTrip / 2;
        if (count <= 0)
            break;
    }
    {
        const std::lock_guard lock(mutex);
        if (m_stopping)
            queue.push_back({Clock::now(), std::string()});
        arrived.notify_one();
    }
    writer.join();
}
