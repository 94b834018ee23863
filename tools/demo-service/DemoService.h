#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <chrono>
#include <initializer_list>
#include <memory>
#include <optional>

class DemoDrive;

/** A local HTTP server that answers like the cloud drive service: login,
 *  listings (/files, /lists) and download pages, over a DemoDrive (the sample drive unless
 *  another is given). Binds to 127.0.0.1 only. Thread-safe: handlers run on the server's pool.
 *  Refusals: wrong credentials get status 200 without the "OOFA" cookie; a listing without a
 *  valid "OOFA" cookie gets status 200 with {"state":false,"error":"login required",...} (no
 *  "count"); a download page without one gets 403, an unknown pick code 404. Connections are
 *  kept alive for many requests and closed after a few idle seconds. */
class DemoService
{
public:
    enum class Endpoint
    {
        Login,
        Files,
        Lists,
        DownloadPage
    };
    enum class ListingForm
    {
        List,
        Keyed
    };

    /** What an endpoint does instead of its normal answer, for tests. */
    struct Fault
    {
        int status = 0;                     // answer with this status (0: normal status)
        std::chrono::milliseconds delay{0}; // wait this long before answering
        bool dropConnection = false;        // close the connection without an answer
        std::optional<QByteArray> body{};   // answer with this body
        QByteArray contentType{};           // Content-Type for `body` (empty: the usual one)
        QByteArray location{};              // Location of a 3xx `status` (empty: "/")
        QByteArray retryAfter{};            // a Retry-After header for the answer (empty: none)
        int times =
            0; // the fault hits this many requests of the endpoint, then it is gone (0: all)
        std::optional<QByteArray> rawReply{}; // send these bytes instead of an answer, then close
        QByteArray targetContains{}; // hits only requests whose target holds this (empty: all)
        bool endSession = false;     // forget the request's session first, as a service ending it
    };

    /** A certificate and its private key, PEM files, for serving https. */
    struct TlsFiles
    {
        QString certificate;
        QString privateKey;
    };

    /** One request as the server saw it. Header names are as received; order is not kept. */
    struct LoggedRequest
    {
        QString method;
        QString target; // path and query, as sent
        QMap<QString, QString> headers;
        QByteArray body;
        std::optional<Endpoint> endpoint; // none: a request no endpoint serves
    };

    /** Serves `drive`, which must outlive the service. */
    explicit DemoService(const DemoDrive& drive);
    DemoService();  // serves DemoDrive::sample()
    ~DemoService(); // stops the server

    DemoService(const DemoService&) = delete;
    DemoService& operator=(const DemoService&) = delete;

    /** Starts listening on 127.0.0.1:`port` (0: a port the OS picks), over https with `tls`
     *  when given; false when it cannot (the port is taken, the TLS files do not load). Over
     *  https the dropped-connection and raw-reply faults are not available (the answer is then
     *  empty). */
    bool start(int port = 0, const std::optional<TlsFiles>& tls = std::nullopt);
    void stop();
    /** "http://127.0.0.1:<port>" ("https://" over TLS) once started. */
    QString baseUrl() const;
    /** The port listened on once started; 0 before. */
    int port() const;

    /** Off: every connection carries one request and is closed after its answer, as a service
     *  without keep-alive does. Takes effect at the next start(); on by default. */
    void setKeepAlive(bool keepAlive);

    /** On: a service that serves one request at a time. Each answer takes OneAtATimeServiceTime,
     *  and a request that comes while another is being answered gets 429 with "Retry-After: 1"
     *  at once. Off by default. */
    void setOneAtATime(bool oneAtATime);
    /** The 429 answers the one-at-a-time mode gave. */
    int busyRefusals() const;
    static constexpr std::chrono::milliseconds OneAtATimeServiceTime{10};

    void setFault(Endpoint endpoint, const Fault& fault);
    void clearFaults();
    void setListingForm(ListingForm form);

    QList<LoggedRequest> requests() const;
    /** The targets of the requests received so far for one of `endpoints`, in arrival order. */
    QStringList requestTargets(std::initializer_list<Endpoint> endpoints) const;
    void clearRequests();

    /** Connections accepted since the service started. */
    int connectionsAccepted() const;

    /** Lets one more account log in (the demo account always can); all see the same drive. */
    void addAccount(const QString& account, const QString& password);

    static QString account();  // the demo account
    static QString password(); // its password

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
