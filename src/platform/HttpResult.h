#pragma once

#include <QString>

/** What kind of failure ended a request, which decides what its caller does next. */
enum class HttpFailure
{
    None,        // an answer arrived (any status)
    Unreachable, // the server's or the proxy's name could not be resolved
    Transient,   // a refused or cut-off connection or a time-out: a later try may do
    Cancelled,   // the caller's token or the user's Cancel ended it before an answer
    TooLarge,    // the answer's body or header block went beyond its cap
    Other        // a refused request, a bad address or answer, a failed verification, …
};

/** What exactly went wrong, in the transport's neutral terms; the HTTP library's own codes stay
 *  inside the transport. */
enum class HttpFailureCause
{
    None,
    HeaderBreaksLine,           // a header would break the request line; not sent
    AddressHasControlCharacter, // not sent
    LibraryUnavailable,         // the HTTP library could not be set up
    RequestNotCreated,          // no transfer could be made for the request
    BadAddress,
    UnsupportedAddress, // a scheme other than http and https
    OutOfMemory,        // also a header line beyond the library's limit
    ProxyNotFound,
    HostNotFound,
    CannotConnect,
    TimedOut,
    SendFailed,
    ReceiveFailed,
    NothingReceived, // the connection closed before any answer
    AnswerCutShort,
    AnswerUnreadable,
    ContentEncodingUnreadable,
    TooManyRedirects,
    CertificateRejected,
    SecureConnectionFailed,
    TrustedCertificatesUnreadable,
    BodyTooLarge,
    HeadersTooLarge,
    Unknown
};

/** How far a failed exchange got, which decides what a failure cause blames. */
enum class TransferStage
{
    NothingSent,     // the failure came before a byte of the request went out
    RequestSent,     // the request went out; the reply is at fault
    RedirectReceived // a redirect arrived and following it failed
};

/** What the transport knows of a failure beyond its kind. */
struct HttpFailureDetail
{
    HttpFailureCause cause = HttpFailureCause::None;
    TransferStage stage = TransferStage::NothingSent;
    QString text; // the HTTP library's own words; for HeaderBreaksLine the header's name
};

/** The outcome of one request, as a value: either the answer (any status) or a failure. */
struct HttpResult
{
    int status = 0;
    QString body;    // decoded by the charset the answer declares, UTF-8 when none
    QString headers; // the final answer's header lines as received, status line first
    HttpFailure failure = HttpFailure::None; // why no answer arrived
    HttpFailureDetail detail;                // empty when an answer arrived

    bool failed() const { return failure != HttpFailure::None; }
};
