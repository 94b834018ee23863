<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ExportOptionsDialog</name>
    <message>
        <source>“%1”不是模式</source>
        <translation>“%1”不是模式</translation>
    </message>
    <message>
        <source>“%1”中的 [ 缺少对应的 ]</source>
        <translation>“%1”中的 [ 缺少对应的 ]</translation>
    </message>
    <message>
        <source>“%1”不是大小：请写字节数，或加 K、M、G、T（按 1024 进位），如 700M、1.5G</source>
        <translation>“%1”不是大小：请写字节数，或加 K、M、G、T（按 1024 进位），如 700M、1.5G</translation>
    </message>
    <message>
        <source>“%1”超出了文件可能的大小</source>
        <translation>“%1”超出了文件可能的大小</translation>
    </message>
    <message>
        <source>请选择导出文件夹</source>
        <translation>请选择导出文件夹</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>这不是文件夹</source>
        <translation>这不是文件夹</translation>
    </message>
    <message>
        <source>无法写入这个文件夹</source>
        <translation>无法写入这个文件夹</translation>
    </message>
    <message>
        <source>导出选项</source>
        <translation>导出选项</translation>
    </message>
    <message>
        <source>只导出</source>
        <translation>只导出</translation>
    </message>
    <message>
        <source>如 *.mkv; 工作/**/*.pdf，以 ; 分隔</source>
        <translation>如 *.mkv; 工作/**/*.pdf，以 ; 分隔</translation>
    </message>
    <message>
        <source>不导出</source>
        <translation>不导出</translation>
    </message>
    <message>
        <source>如 临时/; *.tmp</source>
        <translation>如 临时/; *.tmp</translation>
    </message>
    <message>
        <source>最小</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>如 700M</source>
        <translation>如 700M</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>如 4.5G</source>
        <translation>如 4.5G</translation>
    </message>
    <message>
        <source>导出到</source>
        <translation>导出到</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>跳过无法获取的文件</source>
        <translation>跳过无法获取的文件</translation>
    </message>
    <message>
        <source>模式比对目录下的路径，不分大小写：* 不跨目录，** 跨目录，? 一个字符，[...] 其中一个字符；不含 / 的模式比对文件名，以 / 结尾的模式指目录。大小可加 K、M、G、T，含边界。</source>
        <translation>模式比对目录下的路径，不分大小写：* 不跨目录，** 跨目录，? 一个字符，[...] 其中一个字符；不含 / 的模式比对文件名，以 / 结尾的模式指目录。大小可加 K、M、G、T，含边界。</translation>
    </message>
    <message>
        <source>选择导出文件夹</source>
        <translation>选择导出文件夹</translation>
    </message>
    <message>
        <source>小于最小值 %1</source>
        <translation>小于最小值 %1</translation>
    </message>
    <message>
        <source>只导出 %1</source>
        <translation>只导出 %1</translation>
    </message>
    <message>
        <source>不导出 %1</source>
        <translation>不导出 %1</translation>
    </message>
    <message>
        <source>至少 %1</source>
        <translation>至少 %1</translation>
    </message>
    <message>
        <source>至多 %1</source>
        <translation>至多 %1</translation>
    </message>
    <message>
        <source>；</source>
        <translation>；</translation>
    </message>
</context>
<context>
    <name>ExportProgressDialog</name>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>已遍历目录 %1 个，找到文件 %2 个
已获取页面 %3</source>
        <translation>已遍历目录 %1 个，找到文件 %2 个
已获取页面 %3</translation>
    </message>
</context>
<context>
    <name>FileListActions</name>
    <message>
        <source>复制选中文件的提取式</source>
        <translation>复制选中文件的提取式</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>文件名</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>提取码</source>
        <translation>提取码</translation>
    </message>
    <message>
        <source>更新时间</source>
        <translation>更新时间</translation>
    </message>
    <message>
        <source>标准式</source>
        <translation>标准式</translation>
    </message>
    <message>
        <source>文件ID</source>
        <translation>文件ID</translation>
    </message>
    <message>
        <source>共享</source>
        <translation>共享</translation>
    </message>
</context>
<context>
    <name>Tour</name>
    <message>
        <source>tour: cannot create %1</source>
        <translation>导览：无法创建 %1</translation>
    </message>
    <message>
        <source>start-up</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>wrong-password</source>
        <translation>错误密码</translation>
    </message>
    <message>
        <source>login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>tour: stopped, every further step needs a signed-in window</source>
        <translation>导览：已停止，后续每一步都需要已登录的窗口</translation>
    </message>
    <message>
        <source>tour: %1 steps, %2 failed; screenshots in %3</source>
        <translation>导览：共 %1 步，%2 步失败；截图在 %3</translation>
    </message>
    <message>
        <source>root-listing</source>
        <translation>根目录列表</translation>
    </message>
    <message>
        <source>enter-folder</source>
        <translation>进入目录</translation>
    </message>
    <message>
        <source>folder-of-95</source>
        <translation>95 项的目录</translation>
    </message>
    <message>
        <source>next-page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>last-page</source>
        <translation>最后一页</translation>
    </message>
    <message>
        <source>up</source>
        <translation>上一级</translation>
    </message>
    <message>
        <source>shared-category</source>
        <translation>已分享分类</translation>
    </message>
    <message>
        <source>video-marking</source>
        <translation>标出视频</translation>
    </message>
    <message>
        <source>ticked-rows</source>
        <translation>勾选行</translation>
    </message>
    <message>
        <source>row-click-link</source>
        <translation>点击行获取链接</translation>
    </message>
    <message>
        <source>copy-link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>open-export</source>
        <translation>打开导出文件</translation>
    </message>
    <message>
        <source>tour: %1-%2</source>
        <translation>导览：%1-%2</translation>
    </message>
    <message>
        <source>  FAILED: %1</source>
        <translation>  失败：%1</translation>
    </message>
    <message>
        <source>screenshot saved to %1</source>
        <translation>截图已保存到 %1</translation>
    </message>
    <message>
        <source>the sort choice shows %1</source>
        <translation>排序选项显示“%1”</translation>
    </message>
    <message>
        <source>no session before login</source>
        <translation>登录前没有会话</translation>
    </message>
    <message>
        <source>the list is empty</source>
        <translation>列表为空</translation>
    </message>
    <message>
        <source>the window %1 lies inside the screen&apos;s available area %2</source>
        <translation>窗口 %1 位于屏幕可用区域 %2 之内</translation>
    </message>
    <message>
        <source>the refusal is shown</source>
        <translation>显示了登录被拒的消息</translation>
    </message>
    <message>
        <source>still signed out</source>
        <translation>仍未登录</translation>
    </message>
    <message>
        <source>the list stays empty</source>
        <translation>列表仍为空</translation>
    </message>
    <message>
        <source>signed in</source>
        <translation>已登录</translation>
    </message>
    <message>
        <source>the root folder is listed</source>
        <translation>列出了根目录</translation>
    </message>
    <message>
        <source>the total count is shown</source>
        <translation>显示了总数</translation>
    </message>
    <message>
        <source>the page item count matches the rows</source>
        <translation>本页条目数与行数一致</translation>
    </message>
    <message>
        <source>the folder %1 is listed</source>
        <translation>列出了目录 %1</translation>
    </message>
    <message>
        <source>a full page is listed</source>
        <translation>列出了整页</translation>
    </message>
    <message>
        <source>the last 30 entries are listed</source>
        <translation>列出了最后 30 项</translation>
    </message>
    <message>
        <source>the root folder is listed again</source>
        <translation>再次列出了根目录</translation>
    </message>
    <message>
        <source>shared entries are listed</source>
        <translation>列出了已分享的条目</translation>
    </message>
    <message>
        <source>row %1 is shared</source>
        <translation>第 %1 行已分享</translation>
    </message>
    <message>
        <source>%1 is red</source>
        <translation>%1 为红色</translation>
    </message>
    <message>
        <source>%1 is not red</source>
        <translation>%1 不是红色</translation>
    </message>
    <message>
        <source>some video names are marked</source>
        <translation>部分视频名已标出</translation>
    </message>
    <message>
        <source>row %1 shows its tick</source>
        <translation>第 %1 行显示其勾选状态</translation>
    </message>
    <message>
        <source>an unticked file row is listed</source>
        <translation>列出了未勾选的文件行</translation>
    </message>
    <message>
        <source>a download link is shown</source>
        <translation>显示了下载链接</translation>
    </message>
    <message>
        <source>the row&apos;s SHA1 is found</source>
        <translation>找到了该行的 SHA1</translation>
    </message>
    <message>
        <source>the resolved cell is blue</source>
        <translation>已获取的单元格为蓝色</translation>
    </message>
    <message>
        <source>the link is on the clipboard</source>
        <translation>链接已在剪贴板上</translation>
    </message>
    <message>
        <source>no message is shown</source>
        <translation>没有显示消息</translation>
    </message>
    <message>
        <source>ticked rows gain their SHA1s (%1 unresolved before, %2 after)</source>
        <translation>勾选的行获得了 SHA1（之前 %1 行未获取，之后 %2 行）</translation>
    </message>
    <message>
        <source>%1 is written</source>
        <translation>已写入 %1</translation>
    </message>
    <message>
        <source>the plain export file is opened</source>
        <translation>打开了普通导出文件</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot; (expected &quot;%3&quot;)</source>
        <translation>%1 为“%2”（应为“%3”）</translation>
    </message>
    <message>
        <source>the folder just left is the current row</source>
        <translation>刚离开的目录是当前行</translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>正在等待服务器…</source>
        <translation>正在等待服务器…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>frmTest</name>
    <message>
        <source>Zorbel 提取助手</source>
        <translation>Zorbel 提取助手</translation>
    </message>
    <message>
        <source>账号</source>
        <translation>账号</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>登陆</source>
        <translation>登陆</translation>
    </message>
    <message>
        <source>标出视频</source>
        <translation>标出视频</translation>
    </message>
    <message>
        <source>导出选中文件</source>
        <translation>导出选中文件</translation>
    </message>
    <message>
        <source>导出当前目录</source>
        <translation>导出当前目录</translation>
    </message>
    <message>
        <source>含子目录</source>
        <translation>含子目录</translation>
    </message>
    <message>
        <source>已分享</source>
        <translation>已分享</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>排序</translation>
    </message>
    <message>
        <source>※去作者博客※</source>
        <translation>※去作者博客※</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>根目录</source>
        <translation>根目录</translation>
    </message>
    <message>
        <source>路径</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>偏移</source>
        <translation>偏移</translation>
    </message>
    <message>
        <source>总数</source>
        <translation>总数</translation>
    </message>
    <message>
        <source>文件列表</source>
        <translation>文件列表</translation>
    </message>
    <message>
        <source>目录ID路径</source>
        <translation>目录ID路径</translation>
    </message>
    <message>
        <source>分类代码</source>
        <translation>分类代码</translation>
    </message>
    <message>
        <source>目录ID</source>
        <translation>目录ID</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>本页条目数</source>
        <translation>本页条目数</translation>
    </message>
    <message>
        <source>列宽</source>
        <translation>列宽</translation>
    </message>
    <message>
        <source>排序参数</source>
        <translation>排序参数</translation>
    </message>
    <message>
        <source>列表响应</source>
        <translation>列表响应</translation>
    </message>
    <message>
        <source>解析</source>
        <translation>解析</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>提取码</source>
        <translation>提取码</translation>
    </message>
    <message>
        <source>获取</source>
        <translation>获取</translation>
    </message>
    <message>
        <source>下载链接</source>
        <translation>下载链接</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>我的网盘</source>
        <translation>我的网盘</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>相册</source>
        <translation>相册</translation>
    </message>
    <message>
        <source>音乐</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>最新</source>
        <translation>最新</translation>
    </message>
    <message>
        <source>密码未能记住：%1</source>
        <translation>密码未能记住：%1</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>登录已失效，请重新登录</source>
        <translation>登录已失效，请重新登录</translation>
    </message>
    <message>
        <source>上一级</source>
        <translation>上一级</translation>
    </message>
    <message>
        <source>第一页</source>
        <translation>第一页</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>最后一页</source>
        <translation>最后一页</translation>
    </message>
    <message>
        <source>复制提取码</source>
        <translation>复制提取码</translation>
    </message>
    <message>
        <source>复制 SHA1</source>
        <translation>复制 SHA1</translation>
    </message>
    <message>
        <source>复制标准提取式</source>
        <translation>复制标准提取式</translation>
    </message>
    <message>
        <source>复制下载链接</source>
        <translation>复制下载链接</translation>
    </message>
    <message>
        <source>打开下载链接</source>
        <translation>打开下载链接</translation>
    </message>
    <message>
        <source>导出此目录</source>
        <translation>导出此目录</translation>
    </message>
    <message>
        <source>导出此目录（含子目录）</source>
        <translation>导出此目录（含子目录）</translation>
    </message>
    <message>
        <source>复制选中文件的提取式</source>
        <translation>复制选中文件的提取式</translation>
    </message>
    <message>
        <source>菜单栏</source>
        <translation>菜单栏</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>记住密码</translation>
    </message>
    <message>
        <source>没有可用的系统密钥环，密码无法记住：%1</source>
        <translation>没有可用的系统密钥环，密码无法记住：%1</translation>
    </message>
    <message>
        <source>导出选项…</source>
        <translation>导出选项…</translation>
    </message>
    <message>
        <source>导出选项（已筛选）…</source>
        <translation>导出选项（已筛选）…</translation>
    </message>
    <message>
        <source>导出当前目录时的筛选、导出文件夹和出错时的做法</source>
        <translation>导出当前目录时的筛选、导出文件夹和出错时的做法</translation>
    </message>
    <message>
        <source>已筛选：%1</source>
        <translation>已筛选：%1</translation>
    </message>
</context>
</TS>
