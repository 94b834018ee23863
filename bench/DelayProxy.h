#pragma once

#include <QString>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

/** An emulated network path on loopback: listens on 127.0.0.1 (a port the system picks) and
 *  forwards every connection to 127.0.0.1:`upstreamPort`, each direction's bytes delayed by
 *  half the round trip and the first bytes of a new connection by one more round trip (its
 *  handshake), so that connection reuse and concurrency show as on a real link. Stops in its
 *  destructor. */
class DelayProxy
{
public:
    DelayProxy(int upstreamPort, std::chrono::milliseconds roundTrip);
    ~DelayProxy();
    DelayProxy(const DelayProxy&) = delete;
    DelayProxy& operator=(const DelayProxy&) = delete;

    bool isListening() const { return m_listenFd >= 0; }
    /** "http://127.0.0.1:<port>". */
    QString baseUrl() const;

private:
    struct Link;

    void acceptConnections();
    void forward(int from, int to, bool handshake);

    int m_upstreamPort;
    std::chrono::milliseconds m_roundTrip;
    int m_listenFd = -1;
    int m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::mutex m_threadsMutex;
    std::vector<std::thread> m_threads;
    std::thread m_acceptor;
};
