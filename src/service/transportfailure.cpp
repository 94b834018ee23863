#include "transportfailure.h"

#include "platform/HttpTransport.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace {

/** One failure cause and what it means; a cause whose meaning shifts once the request is out
 *  (an address that turned out bad is then the reply's address) says so in `onceSent`. */
struct Reason
{
    HttpFailureCause cause;
    const char* text;
    const char* onceSent = nullptr;
    const char* afterRedirect = nullptr;
};

using Cause = HttpFailureCause;

const Reason Reasons[] = {
    {Cause::AddressHasControlCharacter,
     QT_TRANSLATE_NOOP("transportfailure", "请求地址含有控制字符，请求未发送")},
    {Cause::LibraryUnavailable, QT_TRANSLATE_NOOP("transportfailure", "无法初始化网络库")},
    {Cause::RequestNotCreated, QT_TRANSLATE_NOOP("transportfailure", "无法创建网络请求")},
    {Cause::BadAddress, QT_TRANSLATE_NOOP("transportfailure", "请求地址无效"),
     QT_TRANSLATE_NOOP("transportfailure", "服务器的应答无法读取"),
     QT_TRANSLATE_NOOP("transportfailure", "重定向的目标地址无效")},
    {Cause::UnsupportedAddress, QT_TRANSLATE_NOOP("transportfailure", "请求地址无效"),
     QT_TRANSLATE_NOOP("transportfailure", "服务器的应答无法读取（不是 HTTP 应答）"),
     QT_TRANSLATE_NOOP("transportfailure", "重定向的目标地址不受支持")},
    {Cause::OutOfMemory, QT_TRANSLATE_NOOP("transportfailure", "内存不足"),
     QT_TRANSLATE_NOOP("transportfailure", "服务器的应答头过长")},
    {Cause::ProxyNotFound, QT_TRANSLATE_NOOP("transportfailure", "无法解析代理服务器名称")},
    {Cause::HostNotFound, QT_TRANSLATE_NOOP("transportfailure", "无法解析服务器名称")},
    {Cause::CannotConnect, QT_TRANSLATE_NOOP("transportfailure", "无法连接到服务器")},
    {Cause::TimedOut, QT_TRANSLATE_NOOP("transportfailure", "操作超时")},
    {Cause::SendFailed, QT_TRANSLATE_NOOP("transportfailure", "发送请求失败")},
    {Cause::ReceiveFailed, QT_TRANSLATE_NOOP("transportfailure", "接收应答失败")},
    {Cause::NothingReceived, QT_TRANSLATE_NOOP("transportfailure", "服务器未作应答就关闭了连接")},
    {Cause::AnswerCutShort, QT_TRANSLATE_NOOP("transportfailure", "服务器的应答不完整")},
    {Cause::AnswerUnreadable, QT_TRANSLATE_NOOP("transportfailure", "服务器的应答无法读取")},
    {Cause::ContentEncodingUnreadable,
     QT_TRANSLATE_NOOP("transportfailure", "服务器应答的内容编码无法解开")},
    {Cause::TooManyRedirects, QT_TRANSLATE_NOOP("transportfailure", "重定向次数过多")},
    {Cause::CertificateRejected,
     QT_TRANSLATE_NOOP("transportfailure", "服务器的证书未通过验证，请求未发送")},
    {Cause::SecureConnectionFailed,
     QT_TRANSLATE_NOOP("transportfailure", "无法与服务器建立安全连接，请求未发送")},
    {Cause::TrustedCertificatesUnreadable,
     QT_TRANSLATE_NOOP("transportfailure", "无法读取所信任的证书文件，请求未发送")},
};

QString reasonOf(const HttpFailureDetail& detail)
{
    switch (detail.cause) {
    case Cause::HeaderBreaksLine:
        return QCoreApplication::translate("transportfailure",
                                           "请求头“%1”含有回车或换行符，请求未发送")
            .arg(detail.text);
    case Cause::BodyTooLarge:
        return QCoreApplication::translate("transportfailure",
                                           "响应内容超过 %1 MiB 上限，已停止接收")
            .arg(MaxResponseBodyBytes / (1024 * 1024));
    case Cause::HeadersTooLarge:
        return QCoreApplication::translate("transportfailure", "响应头超过 %1 MiB 上限，已停止接收")
            .arg(MaxResponseHeaderBytes / (1024 * 1024));
    default:
        break;
    }
    const auto* reason =
        std::find_if(std::begin(Reasons), std::end(Reasons),
                     [&detail](const Reason& row) { return row.cause == detail.cause; });
    if (reason == std::end(Reasons))
        return QCoreApplication::translate("transportfailure", "网络请求失败");
    const char* text = reason->text;
    if (detail.stage != TransferStage::NothingSent && reason->onceSent)
        text = reason->onceSent;
    if (detail.stage == TransferStage::RedirectReceived && reason->afterRedirect)
        text = reason->afterRedirect;
    return QCoreApplication::translate("transportfailure", text);
}

} // namespace

QString TransportFailureText(const HttpResult& result)
{
    if (!result.failed())
        return {};
    if (result.failure == HttpFailure::Cancelled)
        return QCoreApplication::translate("transportfailure", "已取消");
    const QString reason = reasonOf(result.detail);
    // A refused header's name is part of the reason, not the library's words.
    if (result.detail.cause == Cause::HeaderBreaksLine || result.detail.text.isEmpty())
        return reason;
    return reason + QStringLiteral(" (") + result.detail.text + u')';
}
