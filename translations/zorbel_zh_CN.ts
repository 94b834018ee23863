<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AccountCommands</name>
    <message>
        <source>the session for %1 has ended: run zorbel-extract login --account=%1</source>
        <translation>%1 的会话已结束：请运行 zorbel-extract login --account=%1</translation>
    </message>
    <message>
        <source>no OS keyring to keep the session in: %1; set the environment variable %2 for each run instead</source>
        <translation>没有可保存会话的系统密钥环：%1；请改为每次运行时设置环境变量 %2</translation>
    </message>
    <message>
        <source>signed in, but %1</source>
        <translation>已登录，但%1</translation>
    </message>
    <message>
        <source>cannot remove what is kept for %1: %2</source>
        <translation>无法删除为 %1 保存的内容：%2</translation>
    </message>
</context>
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
    <name>CommandLine</name>
    <message>
        <source>--service needs an address such as http://127.0.0.1:8123 or https://..., not &quot;%1&quot;</source>
        <translation>--service 需要形如 http://127.0.0.1:8123 或 https://... 的地址，而不是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--ca-file: cannot read &quot;%1&quot;</source>
        <translation>--ca-file：无法读取 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 needs a pattern, not &quot;%2&quot;</source>
        <translation>%1 需要一个匹配模式，而不是 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: the [ in &quot;%2&quot; is never closed by a ]</source>
        <translation>%1：&quot;%2&quot; 中的 [ 没有对应的 ]</translation>
    </message>
    <message>
        <source>%1 needs a size in bytes, or with K, M, G or T (such as 700M or 1.5G), not &quot;%2&quot;</source>
        <translation>%1 需要以字节计的大小，或带单位 K、M、G、T（如 700M 或 1.5G），而不是 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is more bytes than a file can have</source>
        <translation>%1：&quot;%2&quot; 超出了文件可能有的字节数</translation>
    </message>
    <message>
        <source>%1 takes no value, not &quot;%2&quot;</source>
        <translation>%1 不接受值，却给了 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 needs a value: %1=&lt;%2&gt;</source>
        <translation>%1 需要一个值：%1=&lt;%2&gt;</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>unknown option %1; did you mean %2?</source>
        <translation>未知选项 %1；是不是要用 %2？</translation>
    </message>
    <message>
        <source>--lang needs zh or en, not &quot;%1&quot;</source>
        <translation>--lang 需要 zh 或 en，而不是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Usage: %1 [--service=&lt;url&gt;] [--ca-file=&lt;path&gt;] [--tour=&lt;dir&gt;] [--lang=zh|en]
       %1 ls [options] [FOLDER]
       %1 export [options] [FOLDER]
       %1 login|logout --account=&lt;name&gt; [options]
</source>
        <translation>用法：%1 [--service=&lt;url&gt;] [--ca-file=&lt;path&gt;] [--tour=&lt;dir&gt;] [--lang=zh|en]
      %1 ls [选项] [FOLDER]
      %1 export [选项] [FOLDER]
      %1 login|logout --account=&lt;name&gt; [选项]
</translation>
    </message>
    <message>
        <source>Browse a Zorbel cloud drive and export its files in the standard extraction format.

Without a command the window opens. The commands run without a display:
  ls      list the entries of a folder, with SHA1s on request
  export  write the three export files of a folder, as the window&apos;s folder export does
  login   sign in once and keep the session in the OS keyring
  logout  remove what the keyring keeps for an account
&quot;%1 &lt;command&gt; --help&quot; shows a command&apos;s options.</source>
        <translation>浏览 Zorbel 网盘，并以标准提取格式导出其中的文件。

不带命令时打开窗口。以下命令无需显示器即可运行：
  ls      列出目录中的条目，可按需附带 SHA1
  export  写出目录的三个导出文件，与窗口的目录导出相同
  login   登录一次，并把会话保存在系统密钥环中
  logout  删除密钥环为账号保存的内容
&quot;%1 &lt;命令&gt; --help&quot; 显示命令的选项。</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; the commands are ls, export, login and logout</source>
        <translation>未知命令 &quot;%1&quot;；可用的命令有 ls、export、login 和 logout</translation>
    </message>
    <message>
        <source>--tour needs a folder for the screenshots</source>
        <translation>--tour 需要一个保存截图的文件夹</translation>
    </message>
    <message>
        <source>Usage: %1 %2 --account=&lt;name&gt; [options]%3
</source>
        <translation>用法：%1 %2 --account=&lt;name&gt; [选项]%3
</translation>
    </message>
    <message>
        <source>Lists the entries of FOLDER on standard output: path, size in bytes,
size text, pick code, time, shared, and with --sha1 the SHA1.
A folder&apos;s path ends in &quot;/&quot;.</source>
        <translation>在标准输出上列出 FOLDER 中的条目：路径、字节大小、
大小文字、提取码、时间、是否共享，加 --sha1 时还有 SHA1。
目录的路径以 &quot;/&quot; 结尾。</translation>
    </message>
    <message>
        <source>Appends one section with every file of FOLDER to each of the three
export files of the account (&lt;account&gt;.txt, &lt;account&gt;[贴吧+IE] .txt
and &lt;account&gt;[贴吧+Chrome] .txt), exactly as the window&apos;s folder
export does.</source>
        <translation>把 FOLDER 中的所有文件作为一节，追加到该账号的三个导出文件
（&lt;account&gt;.txt、&lt;account&gt;[贴吧+IE] .txt 和
&lt;account&gt;[贴吧+Chrome] .txt）中，与窗口的目录导出完全相同。</translation>
    </message>
    <message>
        <source>A path of folder names from the root, such as /电影/アニメ (default /), or a folder id such as cid:1002.</source>
        <translation>从根目录起的目录名路径，如 /电影/アニメ（默认 /），或目录编号，如 cid:1002。</translation>
    </message>
    <message>
        <source>Signs in with the password of ZORBEL_PASSWORD or one typed on the
terminal, and keeps the session cookie in the OS keyring (with
--save-password the password too), so that ls and export need no
password. Exits 1 when no keyring can be used.</source>
        <translation>用 ZORBEL_PASSWORD 中的密码或在终端上输入的密码登录，
并把会话凭据保存在系统密钥环中（加 --save-password
时密码也保存），这样 ls 和 export 就无需密码。
无法使用密钥环时以 1 退出。</translation>
    </message>
    <message>
        <source>Removes the session and the password that the OS keyring keeps for the
account at the service; done also when it keeps none.</source>
        <translation>删除系统密钥环为该服务上的账号保存的会话和密码；
没有保存任何内容时也算完成。</translation>
    </message>
    <message>
        <source>%1 takes no FOLDER, not &quot;%2&quot;</source>
        <translation>%1 不接受 FOLDER，却给了 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 needs --account=&lt;name&gt; (or the environment variable %2)</source>
        <translation>%1 需要 --account=&lt;name&gt;（或环境变量 %2）</translation>
    </message>
    <message>
        <source>--parallel needs a number from 1 to %1, not &quot;%2&quot;</source>
        <translation>--parallel 需要 1 到 %1 之间的数，而不是 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--rate needs a positive number of requests per second, not &quot;%1&quot;</source>
        <translation>--rate 需要一个正数（每秒的请求数），而不是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--sort needs name, size or time, with or without -asc, not &quot;%1&quot;</source>
        <translation>--sort 需要 name、size 或 time，可带 -asc，而不是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--format needs tsv or json, not &quot;%1&quot;</source>
        <translation>--format 需要 tsv 或 json，而不是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--out needs a folder</source>
        <translation>--out 需要一个文件夹</translation>
    </message>
    <message>
        <source>one FOLDER at most, not %1: &quot;%2&quot;</source>
        <translation>最多一个 FOLDER，而不是 %1 个：&quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no folder id: write cid: and the folder&apos;s digits, such as cid:1002</source>
        <translation>&quot;%1&quot; 不是目录编号：请写 cid: 加目录的数字，如 cid:1002</translation>
    </message>
    <message>
        <source>--min-size=%1 is above --max-size=%2, so no file could be taken</source>
        <translation>--min-size=%1 大于 --max-size=%2，没有文件能被选取</translation>
    </message>
    <message>
        <source>--max-depth needs a number of folders, 0 or more, not &quot;%1&quot;</source>
        <translation>--max-depth 需要 0 或更大的目录层数，而不是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--max-depth=%1 needs --recursive</source>
        <translation>--max-depth=%1 需要配合 --recursive</translation>
    </message>
    <message>
        <source>&quot;%1&quot; shows how to use it.</source>
        <translation>用法见 &quot;%1&quot;。</translation>
    </message>
</context>
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>The account to sign in with (required; default: the environment variable ZORBEL_ACCOUNT). The password comes from the environment variable ZORBEL_PASSWORD; without it ls and export use the session that login kept in the keyring, else the password is asked for on the terminal.</source>
        <translation>用于登录的账号（必填；默认取环境变量 ZORBEL_ACCOUNT）。密码取自环境变量 ZORBEL_PASSWORD；未设置时，ls 和 export 使用 login 保存在密钥环中的会话，否则在终端上询问密码。</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (e.g. http://127.0.0.1:8123 or https://...) instead of the built-in hosts (default for the commands: the environment variable ZORBEL_SERVICE).</source>
        <translation>连接位于 &lt;url&gt; 的服务（如 http://127.0.0.1:8123 或 https://...），而不是内置的主机（命令的默认值：环境变量 ZORBEL_SERVICE）。</translation>
    </message>
    <message>
        <source>Keep the password in the keyring too, so that a session the service ends is renewed without asking; without it a kept password is removed.</source>
        <translation>同时在密钥环中保存密码，以便服务结束会话时无需询问即可续期；不加此选项则删除已保存的密码。</translation>
    </message>
    <message>
        <source>Trust the certificates in the PEM file &lt;path&gt; for https, besides the system&apos;s.</source>
        <translation>除系统的证书外，https 还信任 PEM 文件 &lt;path&gt; 中的证书。</translation>
    </message>
    <message>
        <source>Speak &lt;lang&gt;: zh for Chinese, en for English (default: the language that LANGUAGE, LC_ALL, LC_MESSAGES or LANG names first, else English for the commands and Chinese for the window).</source>
        <translation>使用语言 &lt;lang&gt;：zh 为中文，en 为英文（默认：LANGUAGE、LC_ALL、LC_MESSAGES 或 LANG 中最先指明的语言，否则命令用英文、窗口用中文）。</translation>
    </message>
    <message>
        <source>Include every subfolder, depth first.</source>
        <translation>包含所有子目录，深度优先。</translation>
    </message>
    <message>
        <source>Keep up to &lt;n&gt; requests in flight at once, 1 to %1 (default %2); fewer, for a while, after the service answers 429 or 503.</source>
        <translation>同时最多保持 &lt;n&gt; 个请求，1 到 %1（默认 %2）；服务返回 429 或 503 后会暂时减少。</translation>
    </message>
    <message>
        <source>Start at most &lt;n&gt; requests per second, evenly spaced; decimals such as 0.5 allowed (default: no limit).</source>
        <translation>每秒最多发起 &lt;n&gt; 个请求，均匀间隔；可用小数，如 0.5（默认：不限）。</translation>
    </message>
    <message>
        <source>List in the order &lt;order&gt;: name, size or time, the last name, largest or newest first; with -asc appended (name-asc, size-asc, time-asc) the other way round (default time).</source>
        <translation>按 &lt;order&gt; 排序：name、size 或 time，名称最后、最大或最新的在前；加上 -asc（name-asc、size-asc、time-asc）则顺序相反（默认 time）。</translation>
    </message>
    <message>
        <source>Show no progress on standard error.</source>
        <translation>不在标准错误上显示进度。</translation>
    </message>
    <message>
        <source>Add each file&apos;s SHA1, read from its download page (several at once).</source>
        <translation>加上每个文件的 SHA1，从其下载页读取（同时读取多个）。</translation>
    </message>
    <message>
        <source>Leave out a file whose download page, or a folder whose listing, still fails after its retries, write everything else, name each on standard error and exit with 3.</source>
        <translation>某个文件的下载页或某个目录的列表在重试后仍然失败时，将其略去，写出其余内容，在标准错误上逐一列出，并以 3 退出。</translation>
    </message>
    <message>
        <source>Fetch every download page again instead of taking SHA1s from the store (~/.cache/zorbel-extract/), and update the store.</source>
        <translation>重新获取每个下载页，而不是从存储（~/.cache/zorbel-extract/）中取 SHA1，并更新存储。</translation>
    </message>
    <message>
        <source>Write &lt;format&gt;: tsv, tab-separated with a header line (default), or json, one array of objects.</source>
        <translation>以 &lt;format&gt; 格式输出：tsv，制表符分隔并带标题行（默认）；或 json，一个对象数组。</translation>
    </message>
    <message>
        <source>Write the three export files into &lt;dir&gt; (default: the working folder).</source>
        <translation>将三个导出文件写入 &lt;dir&gt;（默认：当前工作目录）。</translation>
    </message>
    <message>
        <source>Take only files whose path below FOLDER matches &lt;glob&gt;; repeatable, a file matching any one is taken. * matches within one folder name, ** across folders, ? one character, [...] one of a class; a glob without / matches the file name at any depth; one ending in / names folders, whose files it takes. Case is ignored.</source>
        <translation>只取 FOLDER 之下路径匹配 &lt;glob&gt; 的文件；可重复，匹配任意一个即取。* 在一个目录名之内匹配，** 跨越目录，? 匹配一个字符，[...] 匹配类中之一；不含 / 的模式匹配任意深度的文件名；以 / 结尾的模式指目录，取其中的文件。不区分大小写。</translation>
    </message>
    <message>
        <source>Leave out files whose path matches &lt;glob&gt; (as for --include); repeatable. A glob ending in / names folders, which are then not listed at all.</source>
        <translation>略去路径匹配 &lt;glob&gt; 的文件（规则同 --include）；可重复。以 / 结尾的模式指目录，这些目录将完全不列出。</translation>
    </message>
    <message>
        <source>Take only files of at least &lt;size&gt;: bytes, or with K, M, G or T (powers of 1024), such as 700M or 1.5G.</source>
        <translation>只取至少 &lt;size&gt; 的文件：字节数，或带单位 K、M、G、T（1024 的幂），如 700M 或 1.5G。</translation>
    </message>
    <message>
        <source>Take only files of at most &lt;size&gt;.</source>
        <translation>只取至多 &lt;size&gt; 的文件。</translation>
    </message>
    <message>
        <source>With --recursive, descend at most &lt;n&gt; folders below FOLDER (0: FOLDER alone).</source>
        <translation>配合 --recursive，最多深入 FOLDER 之下 &lt;n&gt; 层目录（0：仅 FOLDER 本身）。</translation>
    </message>
    <message>
        <source>Walk the window through the demo service&apos;s sample drive without waiting for input, save a screenshot of every step into &lt;dir&gt;, then exit (non-zero when a step went wrong). Runs offscreen when there is no display.</source>
        <translation>不等待输入，让窗口走一遍演示服务的示例网盘，把每一步的截图保存到 &lt;dir&gt;，然后退出（有步骤出错时返回非零）。没有显示器时在屏幕外运行。</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>显示本帮助。</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>显示程序的版本。</translation>
    </message>
</context>
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
    <name>FileListActions</name>
    <message>
        <source>复制选中文件的提取式</source>
        <translation>复制选中文件的提取式</translation>
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
    <name>FolderLocation</name>
    <message>
        <source>cannot list &quot;%1&quot;: %2</source>
        <translation>无法列出 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>no folder &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>&quot;%2&quot; 中没有目录 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 folders named &quot;%3&quot; (%4%5); name one by its id</source>
        <translation>&quot;%1&quot; 中有 %2 个名为 &quot;%3&quot; 的目录（%4%5）；请用编号指定其中一个</translation>
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
    <name>Interrupt</name>
    <message>
        <source>interrupted; nothing was written</source>
        <translation>已中断，未写入任何内容</translation>
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
    <name>ListingRows</name>
    <message>
        <source>是</source>
        <translation>是</translation>
    </message>
    <message>
        <source>否</source>
        <translation>否</translation>
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
    <name>OutFolder</name>
    <message>
        <source>cannot write into the folder &quot;%1&quot;: &quot;%2&quot; is a file</source>
        <translation>无法写入文件夹 &quot;%1&quot;：&quot;%2&quot; 是一个文件</translation>
    </message>
    <message>
        <source>cannot write into the folder &quot;%1&quot;: &quot;%2&quot; is read-only</source>
        <translation>无法写入文件夹 &quot;%1&quot;：&quot;%2&quot; 是只读的</translation>
    </message>
    <message>
        <source>cannot write the export file &quot;%1&quot;: it is a folder</source>
        <translation>无法写入导出文件 &quot;%1&quot;：它是一个文件夹</translation>
    </message>
    <message>
        <source>cannot write the export file &quot;%1&quot;: it is read-only</source>
        <translation>无法写入导出文件 &quot;%1&quot;：它是只读的</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <source>no password: set the environment variable %1, or run the command on a terminal to type it</source>
        <translation>没有密码：请设置环境变量 %1，或在终端上运行命令以输入密码</translation>
    </message>
    <message>
        <source>password for %1: </source>
        <translation>%1 的密码：</translation>
    </message>
    <message>
        <source>no password typed</source>
        <translation>没有输入密码</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>folders %1, files %2, pages %3 / %4, %5 s</source>
        <translation>目录 %1，文件 %2，页面 %3 / %4，%5 秒</translation>
    </message>
</context>
<context>
    <name>RecordingDesktop</name>
    <message>
        <source>  message box [%1]: %2</source>
        <translation>  消息框 [%1]：%2</translation>
    </message>
    <message>
        <source>  message box [%1] with [%2]: %3</source>
        <translation>  消息框 [%1]，带按钮 [%2]：%3</translation>
    </message>
    <message>
        <source>  clipboard: %1</source>
        <translation>  剪贴板：%1</translation>
    </message>
    <message>
        <source>  open: %1</source>
        <translation>  打开：%1</translation>
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
    <name>Subcommands</name>
    <message>
        <source>no folder with id %1</source>
        <translation>没有 id 为 %1 的文件夹</translation>
    </message>
    <message>
        <source>cannot write into the folder &quot;%1&quot;</source>
        <translation>无法写入文件夹 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>已跳过 %1：%2</translation>
    </message>
    <message>
        <source>cannot write the listing: %1</source>
        <translation>无法写出列表：%1</translation>
    </message>
    <message>
        <source>wrote %1 rows to each of the three export files in %2</source>
        <translation>已向 %2 中的三个导出文件各写入 %1 行</translation>
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
        <source>the folder just left is the current row</source>
        <translation>刚离开的目录是当前行</translation>
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
    <message>
        <source>账号</source>
        <comment>field</comment>
        <translation>账号</translation>
    </message>
    <message>
        <source>密码</source>
        <comment>field</comment>
        <translation>密码</translation>
    </message>
    <message>
        <source>账号</source>
        <comment>menu</comment>
        <translation>账号</translation>
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
    <name>main</name>
    <message>
        <source>use --tour=&lt;dir&gt; to walk the window offscreen, or the commands ls and export, which need no display (zorbel-extract --help)</source>
        <translation>请用 --tour=&lt;dir&gt; 在屏幕外演示窗口，或使用无需显示器的命令 ls 和 export（zorbel-extract --help）</translation>
    </message>
    <message>
        <source>cannot open the window (%1); %2</source>
        <translation>无法打开窗口（%1）；%2</translation>
    </message>
    <message>
        <source>no display to open the window on; %1</source>
        <translation>没有可打开窗口的显示器；%1</translation>
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
