<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AccountFileName</name>
    <message>
        <source>账号不能用作导出文件名：%1
文件名不能含有 \ / : * ? &quot; &lt; &gt; |、控制字符或“..”。</source>
        <translation>The account cannot name the export files: %1
A file name cannot hold \ / : * ? &quot; &lt; &gt; |, control characters or &quot;..&quot;.</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>ExtractionFiles</name>
    <message>
        <source>只写入了 %1 字节（共 %2 字节）</source>
        <translation>Only %1 of %2 bytes were written</translation>
    </message>
    <message>
        <source>本次导出已写入：%1</source>
        <translation>This export wrote: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>错误原因:%1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>本次导出没有写入任何文件。</source>
        <translation>This export wrote no file.</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>解析出错</source>
        <translation>Parse error</translation>
    </message>
</context>
<context>
    <name>FolderExport</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>服务器返回了空白页面</source>
        <translation>The server returned an empty page</translation>
    </message>
    <message>
        <source>无法获取文件“%1”的下载页：%2</source>
        <translation>Cannot get the download page of the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>请先登录，再导出目录。</source>
        <translation>Sign in first, then export the folder.</translation>
    </message>
    <message>
        <source>已写入 %1 行。
被筛选排除的文件：%2 个
跳过的文件和目录：%3 个
</source>
        <translation>Rows written: %1.
Files left out by the filter: %2
Files and folders skipped: %3
</translation>
    </message>
    <message>
        <source>    %1：%2
</source>
        <translation>    %1: %2
</translation>
    </message>
    <message>
        <source>    ……另有 %1 个
</source>
        <translation>    … and %1 more
</translation>
    </message>
    <message>
        <source>提取式文件：%1</source>
        <translation>Extraction file: %1</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Export done</translation>
    </message>
    <message>
        <source>打开所在文件夹</source>
        <translation>Open its folder</translation>
    </message>
</context>
<context>
    <name>FolderWalk</name>
    <message>
        <source>当前目录</source>
        <translation>the current folder</translation>
    </message>
    <message>
        <source>目录“%1”</source>
        <translation>the folder &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1与目录的条目数（%2）不符：目录在导出期间发生了变化，请稍后重新导出</source>
        <translation>Mismatch between %1 and the folder&apos;s entry count (%2): the folder changed during the export; export it again later</translation>
    </message>
    <message>
        <source>%1的层级超过了 %2 层的上限</source>
        <translation>Cannot walk %1: it lies deeper than the limit of %2 levels</translation>
    </message>
    <message>
        <source>%1有 %2 个条目，超过了 %3 个的上限</source>
        <translation>Cannot walk %1: it holds %2 entries, more than the limit of %3</translation>
    </message>
    <message>
        <source>%1的列表（第 %2 页）</source>
        <translation>the listing of %1 (page %2)</translation>
    </message>
    <message>
        <source>无法读取%1：%2%3</source>
        <translation>Cannot read %1: %2%3</translation>
    </message>
    <message>
        <source>无法读取%1：服务器的应答不是目录列表</source>
        <translation>Cannot read %1: the server&apos;s answer is not a folder listing</translation>
    </message>
</context>
<context>
    <name>KeychainSecretStore</name>
    <message>
        <source>the keyring cannot be used (%1)</source>
        <translation>the keyring cannot be used (%1)</translation>
    </message>
</context>
<context>
    <name>ListingRequest</name>
    <message>
        <source>按文件名顺序</source>
        <translation>Name, A to Z</translation>
    </message>
    <message>
        <source>按文件名倒序</source>
        <translation>Name, Z to A</translation>
    </message>
    <message>
        <source>时间从新到久</source>
        <translation>Newest first</translation>
    </message>
    <message>
        <source>时间从久到新</source>
        <translation>Oldest first</translation>
    </message>
    <message>
        <source>文件从大到小</source>
        <translation>Largest first</translation>
    </message>
    <message>
        <source>文件从小到大</source>
        <translation>Smallest first</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>请填写账号和密码！</source>
        <translation>Please enter the account and the password!</translation>
    </message>
    <message>
        <source>登陆失败！请确认账户和密码</source>
        <translation>Sign-in failed! Check the account and the password</translation>
    </message>
</context>
<context>
    <name>RetryingFetcher</name>
    <message>
        <source>（多次重试后仍然失败）</source>
        <translation> (still failing after several retries)</translation>
    </message>
</context>
<context>
    <name>RowMenuActions</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>下载页中没有找到 SHA1。</source>
        <translation>The download page holds no SHA1.</translation>
    </message>
    <message>
        <source>下载页中没有找到下载链接。</source>
        <translation>The download page holds no download link.</translation>
    </message>
</context>
<context>
    <name>Sha1Store</name>
    <message>
        <source>无法建立目录 %1</source>
        <translation>cannot make the folder %1</translation>
    </message>
    <message>
        <source>它由更新版本的程序建立（格式 %1）</source>
        <translation>it was made by a newer version of the program (format %1)</translation>
    </message>
    <message>
        <source>SHA1 存储“%1”无法使用（%2），本次不读取也不保存已知的 SHA1，其余照常进行。若文件已损坏，删除它即可重新建立。</source>
        <translation>The SHA1 store &quot;%1&quot; cannot be used (%2): this run neither reads nor keeps known SHA1s, everything else goes on as usual. If the file is damaged, delete it and it will be made anew.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>TickedRowsExport</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>exchange</name>
    <message>
        <source>错误原因:%1</source>
        <translation>Request failed: %1</translation>
    </message>
    <message>
        <source>Http错误代码:%1</source>
        <translation>HTTP error code: %1</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>httpxml</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>提示1</source>
        <translation>Sign-in notice</translation>
    </message>
</context>
<context>
    <name>transportfailure</name>
    <message>
        <source>请求地址含有控制字符，请求未发送</source>
        <translation>The request address holds a control character; the request was not sent</translation>
    </message>
    <message>
        <source>无法初始化网络库</source>
        <translation>Cannot start the network library</translation>
    </message>
    <message>
        <source>无法创建网络请求</source>
        <translation>Cannot create the network request</translation>
    </message>
    <message>
        <source>请求地址无效</source>
        <translation>The request address is not valid</translation>
    </message>
    <message>
        <source>服务器的应答无法读取</source>
        <translation>The server&apos;s answer cannot be read</translation>
    </message>
    <message>
        <source>重定向的目标地址无效</source>
        <translation>The redirect&apos;s target address is not valid</translation>
    </message>
    <message>
        <source>服务器的应答无法读取（不是 HTTP 应答）</source>
        <translation>The server&apos;s answer cannot be read (not an HTTP answer)</translation>
    </message>
    <message>
        <source>重定向的目标地址不受支持</source>
        <translation>The redirect&apos;s target address is not supported</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>服务器的应答头过长</source>
        <translation>The server&apos;s answer headers are too long</translation>
    </message>
    <message>
        <source>无法解析代理服务器名称</source>
        <translation>Cannot resolve the proxy server&apos;s name</translation>
    </message>
    <message>
        <source>无法解析服务器名称</source>
        <translation>Cannot resolve the server&apos;s name</translation>
    </message>
    <message>
        <source>无法连接到服务器</source>
        <translation>Cannot connect to the server</translation>
    </message>
    <message>
        <source>操作超时</source>
        <translation>The operation timed out</translation>
    </message>
    <message>
        <source>发送请求失败</source>
        <translation>Sending the request failed</translation>
    </message>
    <message>
        <source>接收应答失败</source>
        <translation>Receiving the answer failed</translation>
    </message>
    <message>
        <source>服务器未作应答就关闭了连接</source>
        <translation>The server closed the connection without answering</translation>
    </message>
    <message>
        <source>服务器的应答不完整</source>
        <translation>The server&apos;s answer is incomplete</translation>
    </message>
    <message>
        <source>服务器应答的内容编码无法解开</source>
        <translation>The content encoding of the server&apos;s answer cannot be decoded</translation>
    </message>
    <message>
        <source>重定向次数过多</source>
        <translation>Too many redirects</translation>
    </message>
    <message>
        <source>服务器的证书未通过验证，请求未发送</source>
        <translation>The server&apos;s certificate failed verification; the request was not sent</translation>
    </message>
    <message>
        <source>无法与服务器建立安全连接，请求未发送</source>
        <translation>Cannot make a secure connection to the server; the request was not sent</translation>
    </message>
    <message>
        <source>无法读取所信任的证书文件，请求未发送</source>
        <translation>Cannot read the trusted certificates file; the request was not sent</translation>
    </message>
    <message>
        <source>请求头“%1”含有回车或换行符，请求未发送</source>
        <translation>The request header &quot;%1&quot; holds a carriage return or a line feed; the request was not sent</translation>
    </message>
    <message>
        <source>响应内容超过 %1 MiB 上限，已停止接收</source>
        <translation>The answer&apos;s body exceeds the limit of %1 MiB; receiving stopped</translation>
    </message>
    <message>
        <source>响应头超过 %1 MiB 上限，已停止接收</source>
        <translation>The answer&apos;s headers exceed the limit of %1 MiB; receiving stopped</translation>
    </message>
    <message>
        <source>网络请求失败</source>
        <translation>The network request failed</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelled</translation>
    </message>
</context>
<context>
    <name>zuancun</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
</TS>
