#pragma once

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <httplib.h>

/** Lets `server` bind its port without SO_REUSEPORT (httplib's default), so that no second
 *  server can share the port while it listens. */
void BindExclusively(httplib::Server& server);

/** An httplib server that keeps connections alive for many requests, closes a connection idle
 *  for IdleTimeout, counts the connections it accepted, and lets a handler close its connection
 *  without sending any answer. Runs its handlers on a pool large enough for many clients at once.
 *  Its port is its own: a second server cannot bind it while it listens. */
class KeepAliveServer : public httplib::Server
{
public:
    /** How long a connection may wait for its next request before the server closes it. */
    static constexpr std::chrono::seconds IdleTimeout{5};
    /** Requests one connection may carry unless set_keep_alive_max_count says otherwise; the
     *  last answer says "Connection: close". */
    static constexpr int MaxRequestsPerConnection = 1000;

    KeepAliveServer();

    /** Called from a handler: the connection it serves is closed once the handler returns,
     *  and nothing of the response is sent. */
    static void dropCurrentConnection();
    /** Called from a handler: sends `bytes` as they are instead of an answer, then closes. */
    static void replyRawAndClose(const QByteArray& bytes);

    /** Connections accepted since the server was created. */
    int connectionsAccepted() const { return m_connectionsAccepted; }

private:
    bool process_and_close_socket(socket_t sock) override;

    std::atomic<int> m_connectionsAccepted{0};
};
