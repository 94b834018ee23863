// How one request becomes a curl transfer and its outcome a result; the batches that run
// transfers are in HttpTransport.cpp.
#include "HttpTransfer.h"

#include "HttpTransport.h"
#include "ResponseText.h"

#include <QByteArrayView>
#include <QFile>
#include <QUrl>
#include <algorithm>

namespace {

constexpr long MaxRedirects = 10;

using Reception = HttpTransfer::Reception;

size_t receiveBody(char* data, size_t size, size_t count, void* userData)
{
    auto* reception = static_cast<Reception*>(userData);
    const auto bytes = static_cast<qsizetype>(size * count);
    if (reception->body.size() + bytes > MaxResponseBodyBytes) {
        reception->bodyTooLarge = true;
        return CURL_WRITEFUNC_ERROR;
    }
    reception->body.append(data, bytes);
    return size * count;
}

// curl delivers one whole header line per call, status line included.
size_t receiveHeaderLine(char* data, size_t size, size_t count, void* userData)
{
    auto* reception = static_cast<Reception*>(userData);
    const QByteArrayView line(data, static_cast<qsizetype>(size * count));
    // A status line starts a new answer (after a redirect): keep only the final one.
    if (line.startsWith("HTTP/"))
        reception->headers.clear();
    if (reception->headers.size() + line.size() > MaxResponseHeaderBytes) {
        reception->headersTooLarge = true;
        return CURL_WRITEFUNC_ERROR;
    }
    reception->headers.append(line);
    return size * count;
}

bool breaksLine(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c == u'\r' || c == u'\n' || c == u'\0'; });
}

bool hasControlCharacter(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

/** Why the request must not be sent, or nothing when it may. */
std::optional<HttpFailureDetail> refusalOf(const HttpRequest& request)
{
    for (const HttpHeader& header : request.headers) {
        if (breaksLine(header.name) || breaksLine(header.value)) {
            QString name = header.name;
            name.remove(u'\r').remove(u'\n').remove(u'\0');
            return HttpFailureDetail{HttpFailureCause::HeaderBreaksLine, {}, name};
        }
    }
    if (hasControlCharacter(request.url))
        return HttpFailureDetail{HttpFailureCause::AddressHasControlCharacter, {}, {}};
    return std::nullopt;
}

/** The address as curl expects it: spaces and non-ASCII characters percent-encoded
 *  as UTF-8, everything else as given. */
QByteArray wireUrl(const QString& url)
{
    const QByteArray utf8 = url.toUtf8();
    QByteArray wire;
    wire.reserve(utf8.size());
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == ' ' || byte > 0x7e) {
            wire.append('%');
            wire.append(QByteArray::number(byte, 16).toUpper().rightJustified(2, '0'));
        } else {
            wire.append(c);
        }
    }
    return wire;
}

bool namesHeader(const HttpRequest& request, QLatin1StringView name)
{
    return std::any_of(request.headers.cbegin(), request.headers.cend(),
                       [name](const HttpHeader& header) {
                           return header.name.compare(name, Qt::CaseInsensitive) == 0;
                       });
}

/** True for a Host header that names the address's own host and port, as curl writes it
 *  (no port when it is the scheme's default). */
bool namesOwnHost(const HttpHeader& header, const QUrl& url)
{
    if (header.name.compare(QLatin1StringView("Host"), Qt::CaseInsensitive) != 0)
        return false;
    const int defaultPort = url.scheme() == QLatin1StringView("https") ? 443 : 80;
    QString own = url.host(QUrl::FullyEncoded);
    if (own.contains(u':'))
        own = u'[' + own + u']';
    if (url.port() != -1 && url.port() != defaultPort)
        own += u':' + QString::number(url.port());
    return header.value.compare(own, Qt::CaseInsensitive) == 0;
}

/** Fills the handle's header list: the caller's headers in order, then removals
 *  of the headers curl would otherwise add on its own. A Host header that says what curl
 *  would say anyway is left to curl, which puts it in the same place and, unlike a given
 *  one, names the new host and port after a redirect to another origin. */
bool buildHeaderList(CurlHandle& handle, const HttpRequest& request)
{
    const QUrl url(request.url);
    for (const HttpHeader& header : request.headers) {
        if (namesOwnHost(header, url))
            continue;
        // "Name:" would remove a header; "Name;" sends it with an empty value.
        const QByteArray line = header.value.isEmpty()
                                    ? header.name.toUtf8() + ';'
                                    : header.name.toUtf8() + ": " + header.value.toUtf8();
        if (!handle.appendHeader(line.constData()))
            return false;
    }
    for (const char* own : {"Accept", "Content-Type"}) {
        if (!namesHeader(request, QLatin1StringView(own)) &&
            !handle.appendHeader((QByteArray(own) + ':').constData()))
            return false;
    }
    if (!handle.appendHeader("Expect:"))
        return false;
    handle.applyHeaders();
    return true;
}

long wholeSecondsAtLeastOne(std::chrono::milliseconds limit)
{
    return std::max<long>(1, static_cast<long>((limit.count() + 999) / 1000));
}

// Resolution and connection share curl's connect limit; a stalled send or
// receive is one that moves less than a byte a second for the longer of the
// two limits; the sum of all four bounds the whole exchange.
void applyTimeouts(CURL* curl, const HttpTimeouts& limits)
{
    const auto connect = limits.resolve + limits.connect;
    const auto transfer = std::max(limits.send, limits.receive);
    const auto total = connect + limits.send + limits.receive;
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(connect.count()));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, wholeSecondsAtLeastOne(transfer));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(total.count()));
}

void applyMethodAndBody(CURL* curl, const HttpRequest& request)
{
    if (request.method == HttpMethod::Get && request.body.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
        return;
    }
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.constData());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE,
                     static_cast<curl_off_t>(request.body.size()));
    if (request.method == HttpMethod::Get)
        curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, "GET");
}

bool configure(CurlHandle& handle, const HttpRequest& request, const QByteArray& url,
               Reception& reception, CURLSH* share)
{
    CURL* curl = handle.get();
    if (share)
        curl_easy_setopt(curl, CURLOPT_SHARE, share);
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, MaxRedirects);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(MaxResponseBodyBytes));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &receiveBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reception);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &receiveHeaderLine);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &reception);
    // Certificates are checked against the system's store (curl's default CA path stays in
    // force when a file of further certificates is given).
    if (!request.extraCertificateFile.isEmpty())
        curl_easy_setopt(curl, CURLOPT_CAINFO,
                         QFile::encodeName(request.extraCertificateFile).constData());
    applyTimeouts(curl, request.timeouts);
    applyMethodAndBody(curl, request);
    return buildHeaderList(handle, request);
}

TransferStage stageOf(CURL* curl)
{
    long sent = 0;
    curl_easy_getinfo(curl, CURLINFO_REQUEST_SIZE, &sent);
    if (sent <= 0)
        return TransferStage::NothingSent;
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    return status >= 300 && status < 400 ? TransferStage::RedirectReceived
                                         : TransferStage::RequestSent;
}

/** curl's own words for a failure: its error buffer, else the code's description. */
QString libraryWords(CURLcode code, const CurlHandle& handle)
{
    return *handle.errorText() ? QString::fromUtf8(handle.errorText())
                               : QString::fromUtf8(curl_easy_strerror(code));
}

HttpResult answerOf(CURL* curl, const Reception& reception)
{
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    const char* contentType = nullptr;
    curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &contentType);
    HttpResult result;
    result.status = static_cast<int>(status);
    result.body = DecodeResponseText(reception.body, QByteArray(contentType));
    result.headers = QString::fromUtf8(reception.headers);
    return result;
}

// Worth another try later: the server was not there, did not answer in time, or cut the
// connection off. A refused request, an oversized answer or a bad address is not.
HttpFailure kindOf(CURLcode code)
{
    switch (code) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
        return HttpFailure::Transient;
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_RESOLVE_HOST:
        return HttpFailure::Unreachable;
    default:
        return HttpFailure::Other;
    }
}

HttpFailureCause causeOf(CURLcode code)
{
    using Cause = HttpFailureCause;
    switch (code) {
    case CURLE_URL_MALFORMAT:
        return Cause::BadAddress;
    case CURLE_UNSUPPORTED_PROTOCOL:
        return Cause::UnsupportedAddress;
    // curl reports a header line beyond its limit as a failed allocation.
    case CURLE_OUT_OF_MEMORY:
        return Cause::OutOfMemory;
    case CURLE_COULDNT_RESOLVE_PROXY:
        return Cause::ProxyNotFound;
    case CURLE_COULDNT_RESOLVE_HOST:
        return Cause::HostNotFound;
    case CURLE_COULDNT_CONNECT:
        return Cause::CannotConnect;
    case CURLE_OPERATION_TIMEDOUT:
        return Cause::TimedOut;
    case CURLE_SEND_ERROR:
        return Cause::SendFailed;
    case CURLE_RECV_ERROR:
        return Cause::ReceiveFailed;
    case CURLE_GOT_NOTHING:
        return Cause::NothingReceived;
    case CURLE_PARTIAL_FILE:
        return Cause::AnswerCutShort;
    case CURLE_WEIRD_SERVER_REPLY:
        return Cause::AnswerUnreadable;
    case CURLE_BAD_CONTENT_ENCODING:
        return Cause::ContentEncodingUnreadable;
    case CURLE_TOO_MANY_REDIRECTS:
        return Cause::TooManyRedirects;
    case CURLE_PEER_FAILED_VERIFICATION:
        return Cause::CertificateRejected;
    case CURLE_SSL_CONNECT_ERROR:
        return Cause::SecureConnectionFailed;
    case CURLE_SSL_CACERT_BADFILE:
        return Cause::TrustedCertificatesUnreadable;
    default:
        return Cause::Unknown;
    }
}

} // namespace

HttpResult FailedResult(HttpFailure kind, HttpFailureDetail detail)
{
    HttpResult result;
    result.failure = kind;
    result.detail = std::move(detail);
    return result;
}

HttpTransfer::HttpTransfer(const HttpRequest& request, CURLSH* share)
{
    if (std::optional<HttpFailureDetail> refusal = refusalOf(request)) {
        m_refusal = FailedResult(HttpFailure::Other, std::move(*refusal));
        return;
    }
    if (const CURLcode prepared = PrepareHttpLibrary(); prepared != CURLE_OK) {
        m_refusal =
            FailedResult(HttpFailure::Other, {HttpFailureCause::LibraryUnavailable,
                                              {},
                                              QString::fromUtf8(curl_easy_strerror(prepared))});
        return;
    }
    m_url = wireUrl(request.url);
    if (!m_handle || !configure(m_handle, request, m_url, m_reception, share))
        m_refusal = FailedResult(HttpFailure::Other, {HttpFailureCause::RequestNotCreated, {}, {}});
}

HttpResult HttpTransfer::result(CURLcode code) const
{
    if (code == CURLE_OK)
        return answerOf(m_handle.get(), m_reception);
    const TransferStage stage = stageOf(m_handle.get());
    QString words = libraryWords(code, m_handle);
    if (m_reception.bodyTooLarge || code == CURLE_FILESIZE_EXCEEDED)
        return FailedResult(HttpFailure::TooLarge,
                            {HttpFailureCause::BodyTooLarge, stage, std::move(words)});
    if (m_reception.headersTooLarge)
        return FailedResult(HttpFailure::TooLarge,
                            {HttpFailureCause::HeadersTooLarge, stage, std::move(words)});
    return FailedResult(kindOf(code), {causeOf(code), stage, std::move(words)});
}

CURLcode PrepareHttpLibrary()
{
    static const CURLcode prepared = curl_global_init(CURL_GLOBAL_DEFAULT);
    return prepared;
}
