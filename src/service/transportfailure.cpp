#include "transportfailure.h"

#include "platform/HttpTransport.h"

#include <algorithm>
#include <iterator>

namespace {

/** One failure cause and what it means; a cause whose meaning shifts once the request is out
 *  (an address that turned out bad is then the reply's address) says so in `onceSent`. */
struct Reason
{
    HttpFailureCause cause;
    const char16_t* text;
    const char16_t* onceSent = nullptr;
    const char16_t* afterRedirect = nullptr;
};

using Cause = HttpFailureCause;

const Reason Reasons[] = {
    {Cause::AddressHasControlCharacter, u"请求地址含有控制字符，请求未发送"},
    {Cause::LibraryUnavailable, u"无法初始化网络库"},
    {Cause::RequestNotCreated, u"无法创建网络请求"},
    {Cause::BadAddress, u"请求地址无效", u"服务器的应答无法读取", u"重定向的目标地址无效"},
    {Cause::UnsupportedAddress, u"请求地址无效", u"服务器的应答无法读取（不是 HTTP 应答）",
     u"重定向的目标地址不受支持"},
    {Cause::OutOfMemory, u"内存不足", u"服务器的应答头过长"},
    {Cause::ProxyNotFound, u"无法解析代理服务器名称"},
    {Cause::HostNotFound, u"无法解析服务器名称"},
    {Cause::CannotConnect, u"无法连接到服务器"},
    {Cause::TimedOut, u"操作超时"},
    {Cause::SendFailed, u"发送请求失败"},
    {Cause::ReceiveFailed, u"接收应答失败"},
    {Cause::NothingReceived, u"服务器未作应答就关闭了连接"},
    {Cause::AnswerCutShort, u"服务器的应答不完整"},
    {Cause::AnswerUnreadable, u"服务器的应答无法读取"},
    {Cause::ContentEncodingUnreadable, u"服务器应答的内容编码无法解开"},
    {Cause::TooManyRedirects, u"重定向次数过多"},
    {Cause::CertificateRejected, u"服务器的证书未通过验证，请求未发送"},
    {Cause::SecureConnectionFailed, u"无法与服务器建立安全连接，请求未发送"},
    {Cause::TrustedCertificatesUnreadable, u"无法读取所信任的证书文件，请求未发送"},
};

QString reasonOf(const HttpFailureDetail& detail)
{
    switch (detail.cause) {
    case Cause::HeaderBreaksLine:
        return QStringLiteral("请求头“%1”含有回车或换行符，请求未发送").arg(detail.text);
    case Cause::BodyTooLarge:
        return QStringLiteral("响应内容超过 %1 MiB 上限，已停止接收")
            .arg(MaxResponseBodyBytes / (1024 * 1024));
    case Cause::HeadersTooLarge:
        return QStringLiteral("响应头超过 %1 MiB 上限，已停止接收")
            .arg(MaxResponseHeaderBytes / (1024 * 1024));
    default:
        break;
    }
    const auto* reason =
        std::find_if(std::begin(Reasons), std::end(Reasons),
                     [&detail](const Reason& row) { return row.cause == detail.cause; });
    if (reason == std::end(Reasons))
        return QStringLiteral("网络请求失败");
    const char16_t* text = reason->text;
    if (detail.stage != TransferStage::NothingSent && reason->onceSent)
        text = reason->onceSent;
    if (detail.stage == TransferStage::RedirectReceived && reason->afterRedirect)
        text = reason->afterRedirect;
    return QString::fromUtf16(text);
}

} // namespace

QString TransportFailureText(const HttpResult& result)
{
    if (!result.failed())
        return {};
    if (result.failure == HttpFailure::Cancelled)
        return QStringLiteral("已取消");
    const QString reason = reasonOf(result.detail);
    // A refused header's name is part of the reason, not the library's words.
    if (result.detail.cause == Cause::HeaderBreaksLine || result.detail.text.isEmpty())
        return reason;
    return reason + QStringLiteral(" (") + result.detail.text + u')';
}
