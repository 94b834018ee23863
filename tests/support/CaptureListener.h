#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QPair>
#include <QString>
#include <chrono>
#include <thread>

/** A raw HTTP/1.1 listener on 127.0.0.1 (port picked by the OS) for request
 *  tests: records each request's bytes exactly as they arrived and answers with
 *  a canned response. Serves one connection at a time on its own thread and
 *  closes each connection after its answer. Stops in its destructor. */
class CaptureListener
{
public:
    using Header = QPair<QByteArray, QByteArray>;

    enum class Behaviour
    {
        Answer,      // send the response
        Drop,        // close the connection without a word
        NeverAnswer, // keep the connection open, silent, until the client leaves
    };

    struct Response
    {
        QByteArray statusLine = "HTTP/1.1 200 OK";
        QList<Header> headers{}; // sent in this order
        QByteArray body{};
        std::chrono::milliseconds delay{0}; // wait before answering
        Behaviour behaviour = Behaviour::Answer;
        bool declareLength = true; // add Content-Length; else the body ends with the connection
    };

    struct Request
    {
        QByteArray raw;         // every byte of the request, as received
        QByteArray requestLine; // without its line break
        QList<Header> headers;  // in wire order; value without the blank after the colon
        QByteArray body;
    };

    CaptureListener();
    ~CaptureListener();
    CaptureListener(const CaptureListener&) = delete;
    CaptureListener& operator=(const CaptureListener&) = delete;

    bool isListening() const { return m_listenFd >= 0; }
    /** "http://127.0.0.1:<port>". */
    QString baseUrl() const;
    quint16 port() const { return m_port; }

    /** The answer to every request target without one of its own. */
    void setResponse(const Response& response);
    /** The answer to requests for `target` (path and query as in the request line). */
    void setResponse(const QByteArray& target, const Response& response);

    QList<Request> requests() const;
    /** Every byte of the one request received; empty unless exactly one arrived. */
    QByteArray onlyRequestBytes() const;

private:
    void serve();
    void serveConnection(int fd);
    bool readRequest(int fd, Request& request);
    void answer(int fd, const Response& response);
    /** Sends all of `bytes`; false when the client left or the listener stops. */
    bool sendAll(int fd, const QByteArray& bytes) const;
    Response responseFor(const Request& request) const;
    /** Waits until `fd` is ready for `events` or the listener stops; false on stop or time-out. */
    bool waitFor(int fd, short events, int timeoutMs = -1) const;
    bool stopping() const;

    int m_listenFd = -1;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    quint16 m_port = 0;
    mutable QMutex m_mutex;
    Response m_defaultResponse;
    QMap<QByteArray, Response> m_responses;
    QList<Request> m_requests;
    std::thread m_thread;
};
