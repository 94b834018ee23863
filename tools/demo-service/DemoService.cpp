#include "DemoService.h"

#include "DemoDrive.h"
#include "DownloadPageHtml.h"
#include "DriveListing.h"
#include "KeepAliveServer.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QUrl>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

constexpr char HtmlType[] = "text/html; charset=utf-8";
constexpr char JsonType[] = "application/json; charset=utf-8";
constexpr auto StartTimeout = std::chrono::seconds(5);

// The web API refuses a listing without a valid session the way the service does: status 200
// and a JSON error that carries no "count", so a client cannot take it for a listing.
constexpr char LoginRequiredJson[] = R"({"state":false,"error":"login required","errNo":990001})";
constexpr char FolderMissingJson[] = R"({"state":false,"error":"folder not found","errNo":20006})";

// Headers that httplib adds to a request itself; they were never on the wire.
const QSet<QString> AddedHeaders = {"REMOTE_ADDR", "REMOTE_PORT", "LOCAL_ADDR", "LOCAL_PORT"};

QString textOf(const std::string& bytes)
{
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

QMap<QString, QString> queryParameters(const httplib::Request& request)
{
    QMap<QString, QString> parameters;
    for (const auto& [key, value] : request.params) {
        if (!parameters.contains(textOf(key)))
            parameters.insert(textOf(key), textOf(value));
    }
    return parameters;
}

// A form body: name=value pairs joined by "&", each part percent-encoded, "+" for a space.
QMap<QString, QString> formFields(const std::string& body)
{
    QMap<QString, QString> fields;
    const QByteArray bytes = QByteArray::fromStdString(body);
    for (QByteArray pair : bytes.split('&')) {
        pair.replace('+', ' ');
        const qsizetype equals = pair.indexOf('=');
        const QByteArray name = equals < 0 ? pair : pair.left(equals);
        const QByteArray value = equals < 0 ? QByteArray() : pair.mid(equals + 1);
        fields.insert(QString::fromUtf8(QByteArray::fromPercentEncoding(name)),
                      QString::fromUtf8(QByteArray::fromPercentEncoding(value)));
    }
    return fields;
}

QString sessionToken(const httplib::Request& request)
{
    const QString prefix = QStringLiteral("OOFA=");
    for (const QString& cookie : textOf(request.get_header_value("Cookie")).split(';')) {
        const QString trimmed = cookie.trimmed();
        if (trimmed.startsWith(prefix))
            return trimmed.mid(prefix.size());
    }
    return {};
}

QString newToken()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(words), sizeof words).toHex());
}

std::string hostName(const httplib::Request& request)
{
    const std::string host = request.get_header_value("Host");
    return host.empty() ? "127.0.0.1" : host.substr(0, host.rfind(':'));
}

std::string statusPage(int status)
{
    const std::string code = std::to_string(status);
    return "<html><head><title>" + code + "</title></head><body><h1>" + code +
           "</h1></body></html>\n";
}

void setBody(httplib::Response& response, const QByteArray& body, const char* type)
{
    response.set_content(body.toStdString(), type);
}

} // namespace

struct DemoService::Impl
{
    explicit Impl(const DemoDrive& served) : drive(served) {}

    const DemoDrive& drive;
    mutable std::mutex mutex;
    std::condition_variable stopRequested; // wakes handlers that wait out a fault's delay
    bool stopping = false;
    QMap<Endpoint, Fault> faults;
    ListingForm listingForm = ListingForm::List;
    QMap<QString, QString> passwords{{DemoService::account(), DemoService::password()}};
    QSet<QString> tokens;
    QList<LoggedRequest> log;
    bool keepAlive = true;
    std::atomic<bool> oneAtATime{false};
    std::atomic<int> serving{0};
    std::atomic<int> busyRefusals{0};

    std::unique_ptr<httplib::Server> server;
    KeepAliveServer* plainServer = nullptr; // the server when it speaks plain HTTP
    QString scheme;
    std::thread listener;
    int port = 0;

    void handle(const httplib::Request& request, httplib::Response& response);

private:
    void record(const httplib::Request& request, std::optional<Endpoint> endpoint);
    void answerAlone(const std::optional<Endpoint>& endpoint, const httplib::Request& request,
                     httplib::Response& response);
    std::optional<Fault> faultFor(const std::optional<Endpoint>& endpoint,
                                  const std::string& target);
    bool waitOut(std::chrono::milliseconds delay);
    void answer(const std::optional<Endpoint>& endpoint, const httplib::Request& request,
                httplib::Response& response);
    void answerLogin(const httplib::Request& request, httplib::Response& response);
    void answerListing(Endpoint endpoint, const httplib::Request& request,
                       httplib::Response& response);
    void answerDownloadPage(const httplib::Request& request, httplib::Response& response);
    bool signedIn(const httplib::Request& request) const;
};

namespace {

std::optional<DemoService::Endpoint> endpointOf(const httplib::Request& request)
{
    const bool get = request.method == "GET" || request.method == "HEAD";
    if (request.path == "/files" && get)
        return DemoService::Endpoint::Files;
    if (request.path == "/lists" && get)
        return DemoService::Endpoint::Lists;
    if (request.path != "/")
        return std::nullopt;
    if (request.method == "POST" && request.get_param_value("ac") == "login")
        return DemoService::Endpoint::Login;
    if (get && request.get_param_value("ct") == "pickcode" &&
        request.get_param_value("ac") == "download")
        return DemoService::Endpoint::DownloadPage;
    return std::nullopt;
}

// A fault's status stands for the whole answer: nothing of the usual one (no session) is given.
void answerStatus(const DemoService::Fault& fault, httplib::Response& response)
{
    response.status = fault.status;
    response.set_content(statusPage(fault.status), HtmlType);
    if (fault.status >= 300 && fault.status < 400)
        response.set_header("Location",
                            fault.location.isEmpty() ? "/" : fault.location.toStdString());
    if (!fault.retryAfter.isEmpty())
        response.set_header("Retry-After", fault.retryAfter.toStdString());
}

void replaceBody(const DemoService::Fault& fault, httplib::Response& response)
{
    const std::string type = fault.contentType.isEmpty() ? response.get_header_value("Content-Type")
                                                         : fault.contentType.toStdString();
    response.set_content(fault.body->toStdString(), type.c_str());
}

} // namespace

void DemoService::Impl::handle(const httplib::Request& request, httplib::Response& response)
{
    const std::optional<Endpoint> endpoint = endpointOf(request);
    record(request, endpoint);
    if (!oneAtATime) {
        answerAlone(endpoint, request, response);
        return;
    }
    if (serving.fetch_add(1) > 0) {
        --serving;
        ++busyRefusals;
        answerStatus({.status = 429, .retryAfter = "1"}, response);
        return;
    }
    waitOut(OneAtATimeServiceTime);
    answerAlone(endpoint, request, response);
    --serving;
}

// The answer as if this were the only request: the faults, else the endpoint's own.
void DemoService::Impl::answerAlone(const std::optional<Endpoint>& endpoint,
                                    const httplib::Request& request, httplib::Response& response)
{
    const std::optional<Fault> fault = faultFor(endpoint, request.target);
    if (fault && fault->delay.count() > 0 && !waitOut(fault->delay)) {
        KeepAliveServer::dropCurrentConnection();
        return;
    }
    if (fault && fault->dropConnection) {
        KeepAliveServer::dropCurrentConnection();
        return;
    }
    if (fault && fault->rawReply) {
        KeepAliveServer::replyRawAndClose(*fault->rawReply);
        return;
    }
    if (fault && fault->endSession) {
        const std::lock_guard lock(mutex);
        tokens.remove(sessionToken(request));
    }
    if (fault && fault->status != 0)
        answerStatus(*fault, response);
    else
        answer(endpoint, request, response);
    if (fault && fault->body)
        replaceBody(*fault, response);
}

void DemoService::Impl::record(const httplib::Request& request, std::optional<Endpoint> endpoint)
{
    LoggedRequest entry;
    entry.endpoint = endpoint;
    entry.method = textOf(request.method);
    entry.target = textOf(request.target);
    for (const auto& [name, value] : request.headers) {
        const QString key = textOf(name);
        if (AddedHeaders.contains(key))
            continue;
        const QString previous = entry.headers.value(key);
        entry.headers.insert(key, previous.isEmpty()
                                      ? textOf(value)
                                      : previous + QStringLiteral(", ") + textOf(value));
    }
    entry.body = QByteArray::fromStdString(request.body);
    const std::lock_guard lock(mutex);
    log.append(entry);
}

// A fault limited to some requests counts them down and is gone after the last.
std::optional<DemoService::Fault>
DemoService::Impl::faultFor(const std::optional<Endpoint>& endpoint, const std::string& target)
{
    const std::lock_guard lock(mutex);
    if (!endpoint || !faults.contains(*endpoint))
        return std::nullopt;
    const Fault fault = faults.value(*endpoint);
    if (!fault.targetContains.isEmpty() &&
        target.find(fault.targetContains.toStdString()) == std::string::npos)
        return std::nullopt;
    if (fault.times == 1)
        faults.remove(*endpoint);
    else if (fault.times > 1)
        --faults[*endpoint].times;
    return fault;
}

// False when the service stops meanwhile.
bool DemoService::Impl::waitOut(std::chrono::milliseconds delay)
{
    std::unique_lock lock(mutex);
    return !stopRequested.wait_for(lock, delay, [this] { return stopping; });
}

void DemoService::Impl::answer(const std::optional<Endpoint>& endpoint,
                               const httplib::Request& request, httplib::Response& response)
{
    if (!endpoint) {
        const bool home = request.path == "/" && request.method == "GET";
        response.status = home ? 200 : 404;
        response.set_content(home ? "<html><body><h1>Zorbel</h1></body></html>\n" : statusPage(404),
                             HtmlType);
        return;
    }
    switch (*endpoint) {
    case Endpoint::Login:
        answerLogin(request, response);
        break;
    case Endpoint::Files:
    case Endpoint::Lists:
        answerListing(*endpoint, request, response);
        break;
    case Endpoint::DownloadPage:
        answerDownloadPage(request, response);
        break;
    }
}

// Wrong credentials get status 200 without the session cookie, as the service answers them.
void DemoService::Impl::answerLogin(const httplib::Request& request, httplib::Response& response)
{
    const QMap<QString, QString> fields = formFields(request.body);
    const QString account = fields.value(QStringLiteral("login[account]"));
    const QString password = fields.value(QStringLiteral("login[passwd]"));
    const std::lock_guard lock(mutex);
    if (account.isEmpty() || !passwords.contains(account) || passwords.value(account) != password) {
        response.set_content("<html><body><p>账号或密码错误</p></body></html>\n", HtmlType);
        return;
    }
    const QString token = newToken();
    tokens.insert(token);
    const std::string domain = "; path=/; domain=" + hostName(request);
    response.set_header("Set-Cookie",
                        "UID=" + QUrl::toPercentEncoding(account).toStdString() + domain);
    response.set_header("Set-Cookie", "OOFA=" + token.toStdString() + domain);
    response.set_content("<html><body><p>登录成功</p></body></html>\n", HtmlType);
}

void DemoService::Impl::answerListing(Endpoint endpoint, const httplib::Request& request,
                                      httplib::Response& response)
{
    if (!signedIn(request)) {
        response.set_content(LoginRequiredJson, JsonType);
        return;
    }
    const ListingParameters query =
        ListingParameters::fromParameters(queryParameters(request), endpoint == Endpoint::Lists);
    const ListingForm form = [this] {
        const std::lock_guard lock(mutex);
        return listingForm;
    }();
    const std::optional<QByteArray> listing = RenderListing(drive, query, form);
    if (!listing) {
        response.set_content(FolderMissingJson, JsonType);
        return;
    }
    setBody(response, *listing, JsonType);
}

// The main site refuses a page without a valid session with 403, and an unknown pick code
// with 404; both pages hold no SHA1 and no buttons.
void DemoService::Impl::answerDownloadPage(const httplib::Request& request,
                                           httplib::Response& response)
{
    if (!signedIn(request)) {
        response.status = 403;
        response.set_content(statusPage(403), HtmlType);
        return;
    }
    const DemoFile* file = drive.fileByPickCode(textOf(request.get_param_value("pickcode")));
    if (!file) {
        response.status = 404;
        setBody(response, RenderMissingFilePage(), HtmlType);
        return;
    }
    setBody(response, RenderDownloadPage(*file), HtmlType);
}

bool DemoService::Impl::signedIn(const httplib::Request& request) const
{
    const QString token = sessionToken(request);
    const std::lock_guard lock(mutex);
    return !token.isEmpty() && tokens.contains(token);
}

DemoService::DemoService(const DemoDrive& drive) : m_impl(std::make_unique<Impl>(drive)) {}

DemoService::DemoService() : DemoService(DemoDrive::sample()) {}

DemoService::~DemoService()
{
    stop();
}

namespace {

std::unique_ptr<httplib::Server> makeServer(const std::optional<DemoService::TlsFiles>& tls)
{
    if (!tls)
        return std::make_unique<KeepAliveServer>();
    auto server =
        std::make_unique<httplib::SSLServer>(QFile::encodeName(tls->certificate).constData(),
                                             QFile::encodeName(tls->privateKey).constData());
    if (!server->is_valid())
        return nullptr;
    BindExclusively(*server);
    return server;
}

} // namespace

bool DemoService::start(int port, const std::optional<TlsFiles>& tls)
{
    if (m_impl->server)
        return false;
    std::unique_ptr<httplib::Server> server = makeServer(tls);
    if (!server)
        return false;
    if (!m_impl->keepAlive)
        server->set_keep_alive_max_count(1);
    const auto handler = [impl = m_impl.get()](const httplib::Request& request,
                                               httplib::Response& response) {
        impl->handle(request, response);
    };
    server->Get(".*", handler);
    server->Post(".*", handler);
    server->Put(".*", handler);
    server->Patch(".*", handler);
    server->Delete(".*", handler);
    server->Options(".*", handler);
    const int bound = port == 0 ? server->bind_to_any_port("127.0.0.1")
                                : (server->bind_to_port("127.0.0.1", port) ? port : -1);
    if (bound <= 0)
        return false;
    {
        const std::lock_guard lock(m_impl->mutex);
        m_impl->stopping = false;
    }
    m_impl->listener = std::thread([running = server.get()] { running->listen_after_bind(); });
    const auto deadline = std::chrono::steady_clock::now() + StartTimeout;
    while (!server->is_running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    m_impl->server = std::move(server);
    m_impl->port = bound;
    m_impl->scheme = tls ? QStringLiteral("https") : QStringLiteral("http");
    m_impl->plainServer = tls ? nullptr : static_cast<KeepAliveServer*>(m_impl->server.get());
    if (!m_impl->server->is_running()) {
        stop();
        return false;
    }
    return true;
}

void DemoService::stop()
{
    {
        const std::lock_guard lock(m_impl->mutex);
        m_impl->stopping = true;
    }
    m_impl->stopRequested.notify_all();
    if (!m_impl->server)
        return;
    m_impl->server->stop();
    m_impl->listener.join();
    m_impl->server.reset();
    m_impl->plainServer = nullptr;
    m_impl->port = 0;
}

QString DemoService::baseUrl() const
{
    if (!m_impl->server)
        return {};
    return QStringLiteral("%1://127.0.0.1:%2").arg(m_impl->scheme).arg(m_impl->port);
}

int DemoService::port() const
{
    return m_impl->port;
}

int DemoService::connectionsAccepted() const
{
    return m_impl->plainServer ? m_impl->plainServer->connectionsAccepted() : 0;
}

void DemoService::setKeepAlive(bool keepAlive)
{
    m_impl->keepAlive = keepAlive;
}

void DemoService::setOneAtATime(bool oneAtATime)
{
    m_impl->oneAtATime = oneAtATime;
}

int DemoService::busyRefusals() const
{
    return m_impl->busyRefusals;
}

void DemoService::setFault(Endpoint endpoint, const Fault& fault)
{
    const std::lock_guard lock(m_impl->mutex);
    m_impl->faults.insert(endpoint, fault);
}

void DemoService::clearFaults()
{
    const std::lock_guard lock(m_impl->mutex);
    m_impl->faults.clear();
}

void DemoService::setListingForm(ListingForm form)
{
    const std::lock_guard lock(m_impl->mutex);
    m_impl->listingForm = form;
}

QList<DemoService::LoggedRequest> DemoService::requests() const
{
    const std::lock_guard lock(m_impl->mutex);
    return m_impl->log;
}

QStringList DemoService::requestTargets(std::initializer_list<Endpoint> endpoints) const
{
    const std::lock_guard lock(m_impl->mutex);
    QStringList targets;
    for (const LoggedRequest& request : m_impl->log) {
        if (request.endpoint &&
            std::find(endpoints.begin(), endpoints.end(), *request.endpoint) != endpoints.end())
            targets.append(request.target);
    }
    return targets;
}

void DemoService::clearRequests()
{
    const std::lock_guard lock(m_impl->mutex);
    m_impl->log.clear();
}

void DemoService::addAccount(const QString& account, const QString& password)
{
    const std::lock_guard lock(m_impl->mutex);
    m_impl->passwords.insert(account, password);
}

QString DemoService::account()
{
    return QString::fromUtf8(DemoAccount::Name);
}

QString DemoService::password()
{
    return QString::fromUtf8(DemoAccount::Password);
}
