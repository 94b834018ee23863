#pragma once

#include <httplib.h>

/** An httplib server that answers one request per connection ("Connection: close") and lets a
 *  handler close its connection without sending any answer. Runs its handlers on its pool.
 *  Its port is its own: a second server cannot bind it while it listens. */
class OneRequestServer : public httplib::Server
{
public:
    OneRequestServer();

    /** Called from a handler: the connection it serves is closed once the handler returns,
     *  and nothing of the response is sent. */
    static void dropCurrentConnection();

private:
    bool process_and_close_socket(socket_t sock) override;
};
