<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AccountFileName</name>
    <message>
        <source>账号不能用作导出文件名：%1
文件名不能含有 \ / : * ? &quot; &lt; &gt; |、控制字符或“..”。</source>
        <translation>账号不能用作导出文件名：%1
文件名不能含有 \ / : * ? &quot; &lt; &gt; |、控制字符或“..”。</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>ExtractionFiles</name>
    <message>
        <source>只写入了 %1 字节（共 %2 字节）</source>
        <translation>只写入了 %1 字节（共 %2 字节）</translation>
    </message>
    <message>
        <source>本次导出已写入：%1</source>
        <translation>本次导出已写入：%1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>错误原因:%1: %2</source>
        <translation>错误原因:%1: %2</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>本次导出没有写入任何文件。</source>
        <translation>本次导出没有写入任何文件。</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>解析出错</source>
        <translation>解析出错</translation>
    </message>
</context>
<context>
    <name>FolderExport</name>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>服务器返回了空白页面</source>
        <translation>服务器返回了空白页面</translation>
    </message>
    <message>
        <source>无法获取文件“%1”的下载页：%2</source>
        <translation>无法获取文件“%1”的下载页：%2</translation>
    </message>
    <message>
        <source>请先登录，再导出目录。</source>
        <translation>请先登录，再导出目录。</translation>
    </message>
    <message>
        <source>已写入 %1 行。
被筛选排除的文件：%2 个
跳过的文件和目录：%3 个
</source>
        <translation>已写入 %1 行。
被筛选排除的文件：%2 个
跳过的文件和目录：%3 个
</translation>
    </message>
    <message>
        <source>    %1：%2
</source>
        <translation>    %1：%2
</translation>
    </message>
    <message>
        <source>    ……另有 %1 个
</source>
        <translation>    ……另有 %1 个
</translation>
    </message>
    <message>
        <source>提取式文件：%1</source>
        <translation>提取式文件：%1</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>导出完成</translation>
    </message>
    <message>
        <source>打开所在文件夹</source>
        <translation>打开所在文件夹</translation>
    </message>
</context>
<context>
    <name>FolderWalk</name>
    <message>
        <source>当前目录</source>
        <translation>当前目录</translation>
    </message>
    <message>
        <source>目录“%1”</source>
        <translation>目录“%1”</translation>
    </message>
    <message>
        <source>%1与目录的条目数（%2）不符：目录在导出期间发生了变化，请稍后重新导出</source>
        <translation>%1与目录的条目数（%2）不符：目录在导出期间发生了变化，请稍后重新导出</translation>
    </message>
    <message>
        <source>%1的层级超过了 %2 层的上限</source>
        <translation>%1的层级超过了 %2 层的上限</translation>
    </message>
    <message>
        <source>%1有 %2 个条目，超过了 %3 个的上限</source>
        <translation>%1有 %2 个条目，超过了 %3 个的上限</translation>
    </message>
    <message>
        <source>%1的列表（第 %2 页）</source>
        <translation>%1的列表（第 %2 页）</translation>
    </message>
    <message>
        <source>无法读取%1：%2%3</source>
        <translation>无法读取%1：%2%3</translation>
    </message>
    <message>
        <source>无法读取%1：服务器的应答不是目录列表</source>
        <translation>无法读取%1：服务器的应答不是目录列表</translation>
    </message>
</context>
<context>
    <name>KeychainSecretStore</name>
    <message>
        <source>the keyring cannot be used (%1)</source>
        <translation>无法使用密钥环（%1）</translation>
    </message>
</context>
<context>
    <name>ListingRequest</name>
    <message>
        <source>按文件名顺序</source>
        <translation>按文件名顺序</translation>
    </message>
    <message>
        <source>按文件名倒序</source>
        <translation>按文件名倒序</translation>
    </message>
    <message>
        <source>时间从新到久</source>
        <translation>时间从新到久</translation>
    </message>
    <message>
        <source>时间从久到新</source>
        <translation>时间从久到新</translation>
    </message>
    <message>
        <source>文件从大到小</source>
        <translation>文件从大到小</translation>
    </message>
    <message>
        <source>文件从小到大</source>
        <translation>文件从小到大</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>请填写账号和密码！</source>
        <translation>请填写账号和密码！</translation>
    </message>
    <message>
        <source>登陆失败！请确认账户和密码</source>
        <translation>登陆失败！请确认账户和密码</translation>
    </message>
</context>
<context>
    <name>RetryingFetcher</name>
    <message>
        <source>（多次重试后仍然失败）</source>
        <translation>（多次重试后仍然失败）</translation>
    </message>
</context>
<context>
    <name>RowMenuActions</name>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>下载页中没有找到 SHA1。</source>
        <translation>下载页中没有找到 SHA1。</translation>
    </message>
    <message>
        <source>下载页中没有找到下载链接。</source>
        <translation>下载页中没有找到下载链接。</translation>
    </message>
</context>
<context>
    <name>Sha1Store</name>
    <message>
        <source>无法建立目录 %1</source>
        <translation>无法建立目录 %1</translation>
    </message>
    <message>
        <source>它由更新版本的程序建立（格式 %1）</source>
        <translation>它由更新版本的程序建立（格式 %1）</translation>
    </message>
    <message>
        <source>SHA1 存储“%1”无法使用（%2），本次不读取也不保存已知的 SHA1，其余照常进行。若文件已损坏，删除它即可重新建立。</source>
        <translation>SHA1 存储“%1”无法使用（%2），本次不读取也不保存已知的 SHA1，其余照常进行。若文件已损坏，删除它即可重新建立。</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>TickedRowsExport</name>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>exchange</name>
    <message>
        <source>错误原因:%1</source>
        <translation>错误原因:%1</translation>
    </message>
    <message>
        <source>Http错误代码:%1</source>
        <translation>Http错误代码:%1</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>httpxml</name>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>提示1</source>
        <translation>提示1</translation>
    </message>
</context>
<context>
    <name>transportfailure</name>
    <message>
        <source>请求地址含有控制字符，请求未发送</source>
        <translation>请求地址含有控制字符，请求未发送</translation>
    </message>
    <message>
        <source>无法初始化网络库</source>
        <translation>无法初始化网络库</translation>
    </message>
    <message>
        <source>无法创建网络请求</source>
        <translation>无法创建网络请求</translation>
    </message>
    <message>
        <source>请求地址无效</source>
        <translation>请求地址无效</translation>
    </message>
    <message>
        <source>服务器的应答无法读取</source>
        <translation>服务器的应答无法读取</translation>
    </message>
    <message>
        <source>重定向的目标地址无效</source>
        <translation>重定向的目标地址无效</translation>
    </message>
    <message>
        <source>服务器的应答无法读取（不是 HTTP 应答）</source>
        <translation>服务器的应答无法读取（不是 HTTP 应答）</translation>
    </message>
    <message>
        <source>重定向的目标地址不受支持</source>
        <translation>重定向的目标地址不受支持</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>服务器的应答头过长</source>
        <translation>服务器的应答头过长</translation>
    </message>
    <message>
        <source>无法解析代理服务器名称</source>
        <translation>无法解析代理服务器名称</translation>
    </message>
    <message>
        <source>无法解析服务器名称</source>
        <translation>无法解析服务器名称</translation>
    </message>
    <message>
        <source>无法连接到服务器</source>
        <translation>无法连接到服务器</translation>
    </message>
    <message>
        <source>操作超时</source>
        <translation>操作超时</translation>
    </message>
    <message>
        <source>发送请求失败</source>
        <translation>发送请求失败</translation>
    </message>
    <message>
        <source>接收应答失败</source>
        <translation>接收应答失败</translation>
    </message>
    <message>
        <source>服务器未作应答就关闭了连接</source>
        <translation>服务器未作应答就关闭了连接</translation>
    </message>
    <message>
        <source>服务器的应答不完整</source>
        <translation>服务器的应答不完整</translation>
    </message>
    <message>
        <source>服务器应答的内容编码无法解开</source>
        <translation>服务器应答的内容编码无法解开</translation>
    </message>
    <message>
        <source>重定向次数过多</source>
        <translation>重定向次数过多</translation>
    </message>
    <message>
        <source>服务器的证书未通过验证，请求未发送</source>
        <translation>服务器的证书未通过验证，请求未发送</translation>
    </message>
    <message>
        <source>无法与服务器建立安全连接，请求未发送</source>
        <translation>无法与服务器建立安全连接，请求未发送</translation>
    </message>
    <message>
        <source>无法读取所信任的证书文件，请求未发送</source>
        <translation>无法读取所信任的证书文件，请求未发送</translation>
    </message>
    <message>
        <source>请求头“%1”含有回车或换行符，请求未发送</source>
        <translation>请求头“%1”含有回车或换行符，请求未发送</translation>
    </message>
    <message>
        <source>响应内容超过 %1 MiB 上限，已停止接收</source>
        <translation>响应内容超过 %1 MiB 上限，已停止接收</translation>
    </message>
    <message>
        <source>响应头超过 %1 MiB 上限，已停止接收</source>
        <translation>响应头超过 %1 MiB 上限，已停止接收</translation>
    </message>
    <message>
        <source>网络请求失败</source>
        <translation>网络请求失败</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>已取消</translation>
    </message>
</context>
<context>
    <name>zuancun</name>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
</context>
</TS>
