#include "TransportFailure.h"

#include <algorithm>
#include <iterator>

namespace {

/** One failure code and what it means; a code whose meaning shifts once the request is out
 *  (an address that turned out bad is then the reply's address) says so in `onceSent`. */
struct Reason
{
    CURLcode code;
    const char16_t* text;
    const char16_t* onceSent = nullptr;
    const char16_t* afterRedirect = nullptr;
};

const Reason Reasons[] = {
    {CURLE_URL_MALFORMAT, u"请求地址无效", u"服务器的应答无法读取", u"重定向的目标地址无效"},
    {CURLE_UNSUPPORTED_PROTOCOL, u"请求地址无效", u"服务器的应答无法读取（不是 HTTP 应答）",
     u"重定向的目标地址不受支持"},
    // curl reports a header line beyond its limit as a failed allocation.
    {CURLE_OUT_OF_MEMORY, u"内存不足", u"服务器的应答头过长"},
    {CURLE_COULDNT_RESOLVE_PROXY, u"无法解析代理服务器名称"},
    {CURLE_COULDNT_RESOLVE_HOST, u"无法解析服务器名称"},
    {CURLE_COULDNT_CONNECT, u"无法连接到服务器"},
    {CURLE_OPERATION_TIMEDOUT, u"操作超时"},
    {CURLE_SEND_ERROR, u"发送请求失败"},
    {CURLE_RECV_ERROR, u"接收应答失败"},
    {CURLE_GOT_NOTHING, u"服务器未作应答就关闭了连接"},
    {CURLE_PARTIAL_FILE, u"服务器的应答不完整"},
    {CURLE_WEIRD_SERVER_REPLY, u"服务器的应答无法读取"},
    {CURLE_BAD_CONTENT_ENCODING, u"服务器应答的内容编码无法解开"},
    {CURLE_TOO_MANY_REDIRECTS, u"重定向次数过多"},
    {CURLE_PEER_FAILED_VERIFICATION, u"服务器的证书未通过验证，请求未发送"},
    {CURLE_SSL_CONNECT_ERROR, u"无法与服务器建立安全连接，请求未发送"},
    {CURLE_SSL_CACERT_BADFILE, u"无法读取所信任的证书文件，请求未发送"},
};

} // namespace

QString TransportFailureReason(CURLcode code, TransferStage stage)
{
    const auto* reason = std::find_if(std::begin(Reasons), std::end(Reasons),
                                      [code](const Reason& row) { return row.code == code; });
    if (reason == std::end(Reasons))
        return QStringLiteral("网络请求失败");
    const char16_t* text = reason->text;
    if (stage != TransferStage::NothingSent && reason->onceSent)
        text = reason->onceSent;
    if (stage == TransferStage::RedirectReceived && reason->afterRedirect)
        text = reason->afterRedirect;
    return QString::fromUtf16(text);
}
