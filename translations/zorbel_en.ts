<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ExportOptionsDialog</name>
    <message>
        <source>“%1”不是模式</source>
        <translation>“%1” is not a pattern</translation>
    </message>
    <message>
        <source>“%1”中的 [ 缺少对应的 ]</source>
        <translation>The [ in “%1” has no matching ]</translation>
    </message>
    <message>
        <source>“%1”不是大小：请写字节数，或加 K、M、G、T（按 1024 进位），如 700M、1.5G</source>
        <translation>“%1” is not a size: write a number of bytes, or add K, M, G or T (steps of 1024), such as 700M or 1.5G</translation>
    </message>
    <message>
        <source>“%1”超出了文件可能的大小</source>
        <translation>“%1” is larger than any file can be</translation>
    </message>
    <message>
        <source>请选择导出文件夹</source>
        <translation>Choose a folder to export to</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>The folder does not exist</translation>
    </message>
    <message>
        <source>这不是文件夹</source>
        <translation>This is not a folder</translation>
    </message>
    <message>
        <source>无法写入这个文件夹</source>
        <translation>This folder cannot be written to</translation>
    </message>
    <message>
        <source>导出选项</source>
        <translation>Export options</translation>
    </message>
    <message>
        <source>只导出</source>
        <translation>Export only</translation>
    </message>
    <message>
        <source>如 *.mkv; 工作/**/*.pdf，以 ; 分隔</source>
        <translation>e.g. *.mkv; work/**/*.pdf, separated by ;</translation>
    </message>
    <message>
        <source>不导出</source>
        <translation>Leave out</translation>
    </message>
    <message>
        <source>如 临时/; *.tmp</source>
        <translation>e.g. temp/; *.tmp</translation>
    </message>
    <message>
        <source>最小</source>
        <translation>Minimum size</translation>
    </message>
    <message>
        <source>如 700M</source>
        <translation>e.g. 700M</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Maximum size</translation>
    </message>
    <message>
        <source>如 4.5G</source>
        <translation>e.g. 4.5G</translation>
    </message>
    <message>
        <source>导出到</source>
        <translation>Export to</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>跳过无法获取的文件</source>
        <translation>Skip files that cannot be fetched</translation>
    </message>
    <message>
        <source>模式比对目录下的路径，不分大小写：* 不跨目录，** 跨目录，? 一个字符，[...] 其中一个字符；不含 / 的模式比对文件名，以 / 结尾的模式指目录。大小可加 K、M、G、T，含边界。</source>
        <translation>Patterns match the paths below the folder, ignoring case: * stays within a folder, ** crosses folders, ? is one character, [...] one of the characters in it; a pattern without / matches file names, a pattern ending in / means a folder. Sizes may end in K, M, G or T; the bounds are included.</translation>
    </message>
    <message>
        <source>选择导出文件夹</source>
        <translation>Choose the export folder</translation>
    </message>
    <message>
        <source>小于最小值 %1</source>
        <translation>Less than the minimum %1</translation>
    </message>
    <message>
        <source>只导出 %1</source>
        <translation>export only %1</translation>
    </message>
    <message>
        <source>不导出 %1</source>
        <translation>leave out %1</translation>
    </message>
    <message>
        <source>至少 %1</source>
        <translation>at least %1</translation>
    </message>
    <message>
        <source>至多 %1</source>
        <translation>at most %1</translation>
    </message>
    <message>
        <source>；</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>ExportProgressDialog</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>已遍历目录 %1 个，找到文件 %2 个
已获取页面 %3</source>
        <translation>Folders walked: %1, files found: %2
Pages fetched: %3</translation>
    </message>
</context>
<context>
    <name>FileListActions</name>
    <message>
        <source>复制选中文件的提取式</source>
        <translation>Copy the ticked files&apos; extraction</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>提取码</source>
        <translation>Pick code</translation>
    </message>
    <message>
        <source>更新时间</source>
        <translation>Updated</translation>
    </message>
    <message>
        <source>标准式</source>
        <translation>Standard form</translation>
    </message>
    <message>
        <source>文件ID</source>
        <translation>File ID</translation>
    </message>
    <message>
        <source>共享</source>
        <translation>Shared</translation>
    </message>
</context>
<context>
    <name>Tour</name>
    <message>
        <source>tour: cannot create %1</source>
        <translation>tour: cannot create %1</translation>
    </message>
    <message>
        <source>start-up</source>
        <translation>start-up</translation>
    </message>
    <message>
        <source>wrong-password</source>
        <translation>wrong-password</translation>
    </message>
    <message>
        <source>login</source>
        <translation>login</translation>
    </message>
    <message>
        <source>tour: stopped, every further step needs a signed-in window</source>
        <translation>tour: stopped, every further step needs a signed-in window</translation>
    </message>
    <message>
        <source>tour: %1 steps, %2 failed; screenshots in %3</source>
        <translation>tour: %1 steps, %2 failed; screenshots in %3</translation>
    </message>
    <message>
        <source>root-listing</source>
        <translation>root-listing</translation>
    </message>
    <message>
        <source>enter-folder</source>
        <translation>enter-folder</translation>
    </message>
    <message>
        <source>folder-of-95</source>
        <translation>folder-of-95</translation>
    </message>
    <message>
        <source>next-page</source>
        <translation>next-page</translation>
    </message>
    <message>
        <source>last-page</source>
        <translation>last-page</translation>
    </message>
    <message>
        <source>up</source>
        <translation>up</translation>
    </message>
    <message>
        <source>shared-category</source>
        <translation>shared-category</translation>
    </message>
    <message>
        <source>video-marking</source>
        <translation>video-marking</translation>
    </message>
    <message>
        <source>ticked-rows</source>
        <translation>ticked-rows</translation>
    </message>
    <message>
        <source>row-click-link</source>
        <translation>row-click-link</translation>
    </message>
    <message>
        <source>copy-link</source>
        <translation>copy-link</translation>
    </message>
    <message>
        <source>export</source>
        <translation>export</translation>
    </message>
    <message>
        <source>open-export</source>
        <translation>open-export</translation>
    </message>
    <message>
        <source>tour: %1-%2</source>
        <translation>tour: %1-%2</translation>
    </message>
    <message>
        <source>  FAILED: %1</source>
        <translation>  FAILED: %1</translation>
    </message>
    <message>
        <source>screenshot saved to %1</source>
        <translation>screenshot saved to %1</translation>
    </message>
    <message>
        <source>the sort choice shows %1</source>
        <translation>the sort choice shows %1</translation>
    </message>
    <message>
        <source>no session before login</source>
        <translation>no session before login</translation>
    </message>
    <message>
        <source>the list is empty</source>
        <translation>the list is empty</translation>
    </message>
    <message>
        <source>the window %1 lies inside the screen&apos;s available area %2</source>
        <translation>the window %1 lies inside the screen&apos;s available area %2</translation>
    </message>
    <message>
        <source>the refusal is shown</source>
        <translation>the refusal is shown</translation>
    </message>
    <message>
        <source>still signed out</source>
        <translation>still signed out</translation>
    </message>
    <message>
        <source>the list stays empty</source>
        <translation>the list stays empty</translation>
    </message>
    <message>
        <source>signed in</source>
        <translation>signed in</translation>
    </message>
    <message>
        <source>the root folder is listed</source>
        <translation>the root folder is listed</translation>
    </message>
    <message>
        <source>the total count is shown</source>
        <translation>the total count is shown</translation>
    </message>
    <message>
        <source>the page item count matches the rows</source>
        <translation>the page item count matches the rows</translation>
    </message>
    <message>
        <source>the folder %1 is listed</source>
        <translation>the folder %1 is listed</translation>
    </message>
    <message>
        <source>a full page is listed</source>
        <translation>a full page is listed</translation>
    </message>
    <message>
        <source>the last 30 entries are listed</source>
        <translation>the last 30 entries are listed</translation>
    </message>
    <message>
        <source>the root folder is listed again</source>
        <translation>the root folder is listed again</translation>
    </message>
    <message>
        <source>shared entries are listed</source>
        <translation>shared entries are listed</translation>
    </message>
    <message>
        <source>row %1 is shared</source>
        <translation>row %1 is shared</translation>
    </message>
    <message>
        <source>%1 is red</source>
        <translation>%1 is red</translation>
    </message>
    <message>
        <source>%1 is not red</source>
        <translation>%1 is not red</translation>
    </message>
    <message>
        <source>some video names are marked</source>
        <translation>some video names are marked</translation>
    </message>
    <message>
        <source>row %1 shows its tick</source>
        <translation>row %1 shows its tick</translation>
    </message>
    <message>
        <source>an unticked file row is listed</source>
        <translation>an unticked file row is listed</translation>
    </message>
    <message>
        <source>a download link is shown</source>
        <translation>a download link is shown</translation>
    </message>
    <message>
        <source>the row&apos;s SHA1 is found</source>
        <translation>the row&apos;s SHA1 is found</translation>
    </message>
    <message>
        <source>the resolved cell is blue</source>
        <translation>the resolved cell is blue</translation>
    </message>
    <message>
        <source>the link is on the clipboard</source>
        <translation>the link is on the clipboard</translation>
    </message>
    <message>
        <source>no message is shown</source>
        <translation>no message is shown</translation>
    </message>
    <message>
        <source>ticked rows gain their SHA1s (%1 unresolved before, %2 after)</source>
        <translation>ticked rows gain their SHA1s (%1 unresolved before, %2 after)</translation>
    </message>
    <message>
        <source>%1 is written</source>
        <translation>%1 is written</translation>
    </message>
    <message>
        <source>the plain export file is opened</source>
        <translation>the plain export file is opened</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot; (expected &quot;%3&quot;)</source>
        <translation>%1 is &quot;%2&quot; (expected &quot;%3&quot;)</translation>
    </message>
    <message>
        <source>the folder just left is the current row</source>
        <translation>the folder just left is the current row</translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>正在等待服务器…</source>
        <translation>Waiting for the server…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>frmTest</name>
    <message>
        <source>Zorbel 提取助手</source>
        <translation>Zorbel Extraction Helper</translation>
    </message>
    <message>
        <source>账号</source>
        <translation>User</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>登陆</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>标出视频</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>导出选中文件</source>
        <translation>Export ticked</translation>
    </message>
    <message>
        <source>导出当前目录</source>
        <translation>Export folder</translation>
    </message>
    <message>
        <source>含子目录</source>
        <translation>Subdirs</translation>
    </message>
    <message>
        <source>已分享</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>Sort order</translation>
    </message>
    <message>
        <source>※去作者博客※</source>
        <translation>※Author&apos;s blog※</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>All</translation>
    </message>
    <message>
        <source>根目录</source>
        <translation>Root</translation>
    </message>
    <message>
        <source>路径</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>偏移</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>总数</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>文件列表</source>
        <translation>File list</translation>
    </message>
    <message>
        <source>目录ID路径</source>
        <translation>Folder ID path</translation>
    </message>
    <message>
        <source>分类代码</source>
        <translation>Category code</translation>
    </message>
    <message>
        <source>目录ID</source>
        <translation>Folder ID</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>本页条目数</source>
        <translation>Entries on this page</translation>
    </message>
    <message>
        <source>列宽</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>排序参数</source>
        <translation>Sort parameter</translation>
    </message>
    <message>
        <source>列表响应</source>
        <translation>Listing response</translation>
    </message>
    <message>
        <source>解析</source>
        <translation>Parse</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>提取码</source>
        <translation>Pick code</translation>
    </message>
    <message>
        <source>获取</source>
        <translation>Fetch</translation>
    </message>
    <message>
        <source>下载链接</source>
        <translation>Download link</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>我的网盘</source>
        <translation>My drive</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Docs</translation>
    </message>
    <message>
        <source>相册</source>
        <translation>Pics</translation>
    </message>
    <message>
        <source>音乐</source>
        <translation>Song</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>最新</source>
        <translation>New</translation>
    </message>
    <message>
        <source>密码未能记住：%1</source>
        <translation>The password could not be remembered: %1</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>登录已失效，请重新登录</source>
        <translation>The session has ended; please log in again</translation>
    </message>
    <message>
        <source>上一级</source>
        <translation>Up one folder</translation>
    </message>
    <message>
        <source>第一页</source>
        <translation>First page</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>最后一页</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>复制提取码</source>
        <translation>Copy pick code</translation>
    </message>
    <message>
        <source>复制 SHA1</source>
        <translation>Copy SHA1</translation>
    </message>
    <message>
        <source>复制标准提取式</source>
        <translation>Copy standard form</translation>
    </message>
    <message>
        <source>复制下载链接</source>
        <translation>Copy download link</translation>
    </message>
    <message>
        <source>打开下载链接</source>
        <translation>Open download link</translation>
    </message>
    <message>
        <source>导出此目录</source>
        <translation>Export this folder</translation>
    </message>
    <message>
        <source>导出此目录（含子目录）</source>
        <translation>Export this folder with subfolders</translation>
    </message>
    <message>
        <source>复制选中文件的提取式</source>
        <translation>Copy the ticked files&apos; extraction</translation>
    </message>
    <message>
        <source>菜单栏</source>
        <translation>Menu bar</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Remember password</translation>
    </message>
    <message>
        <source>没有可用的系统密钥环，密码无法记住：%1</source>
        <translation>No system keyring is available, so the password cannot be remembered: %1</translation>
    </message>
    <message>
        <source>导出选项…</source>
        <translation>Export options…</translation>
    </message>
    <message>
        <source>导出选项（已筛选）…</source>
        <translation>Export options (filtered)…</translation>
    </message>
    <message>
        <source>导出当前目录时的筛选、导出文件夹和出错时的做法</source>
        <translation>Filters, export folder and what to do on errors when exporting the current folder</translation>
    </message>
    <message>
        <source>已筛选：%1</source>
        <translation>Filtered: %1</translation>
    </message>
</context>
</TS>
