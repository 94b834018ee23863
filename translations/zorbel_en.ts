<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AccountCommands</name>
    <message>
        <source>the session for %1 has ended: run zorbel-extract login --account=%1</source>
        <translation>the session for %1 has ended: run zorbel-extract login --account=%1</translation>
    </message>
    <message>
        <source>no OS keyring to keep the session in: %1; set the environment variable %2 for each run instead</source>
        <translation>no OS keyring to keep the session in: %1; set the environment variable %2 for each run instead</translation>
    </message>
    <message>
        <source>signed in, but %1</source>
        <translation>signed in, but %1</translation>
    </message>
    <message>
        <source>cannot remove what is kept for %1: %2</source>
        <translation>cannot remove what is kept for %1: %2</translation>
    </message>
</context>
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
    <name>CommandLine</name>
    <message>
        <source>--service needs an address such as http://127.0.0.1:8123 or https://..., not &quot;%1&quot;</source>
        <translation>--service needs an address such as http://127.0.0.1:8123 or https://..., not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--ca-file: cannot read &quot;%1&quot;</source>
        <translation>--ca-file: cannot read &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 needs a pattern, not &quot;%2&quot;</source>
        <translation>%1 needs a pattern, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: the [ in &quot;%2&quot; is never closed by a ]</source>
        <translation>%1: the [ in &quot;%2&quot; is never closed by a ]</translation>
    </message>
    <message>
        <source>%1 needs a size in bytes, or with K, M, G or T (such as 700M or 1.5G), not &quot;%2&quot;</source>
        <translation>%1 needs a size in bytes, or with K, M, G or T (such as 700M or 1.5G), not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is more bytes than a file can have</source>
        <translation>%1: &quot;%2&quot; is more bytes than a file can have</translation>
    </message>
    <message>
        <source>%1 takes no value, not &quot;%2&quot;</source>
        <translation>%1 takes no value, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 needs a value: %1=&lt;%2&gt;</source>
        <translation>%1 needs a value: %1=&lt;%2&gt;</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>unknown option %1; did you mean %2?</source>
        <translation>unknown option %1; did you mean %2?</translation>
    </message>
    <message>
        <source>--lang needs zh or en, not &quot;%1&quot;</source>
        <translation>--lang needs zh or en, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Usage: %1 [--service=&lt;url&gt;] [--ca-file=&lt;path&gt;] [--tour=&lt;dir&gt;] [--lang=zh|en]
       %1 ls [options] [FOLDER]
       %1 export [options] [FOLDER]
       %1 login|logout --account=&lt;name&gt; [options]
</source>
        <translation>Usage: %1 [--service=&lt;url&gt;] [--ca-file=&lt;path&gt;] [--tour=&lt;dir&gt;] [--lang=zh|en]
       %1 ls [options] [FOLDER]
       %1 export [options] [FOLDER]
       %1 login|logout --account=&lt;name&gt; [options]
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
        <translation>Browse a Zorbel cloud drive and export its files in the standard extraction format.

Without a command the window opens. The commands run without a display:
  ls      list the entries of a folder, with SHA1s on request
  export  write the three export files of a folder, as the window&apos;s folder export does
  login   sign in once and keep the session in the OS keyring
  logout  remove what the keyring keeps for an account
&quot;%1 &lt;command&gt; --help&quot; shows a command&apos;s options.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; the commands are ls, export, login and logout</source>
        <translation>unknown command &quot;%1&quot;; the commands are ls, export, login and logout</translation>
    </message>
    <message>
        <source>--tour needs a folder for the screenshots</source>
        <translation>--tour needs a folder for the screenshots</translation>
    </message>
    <message>
        <source>Usage: %1 %2 --account=&lt;name&gt; [options]%3
</source>
        <translation>Usage: %1 %2 --account=&lt;name&gt; [options]%3
</translation>
    </message>
    <message>
        <source>Lists the entries of FOLDER on standard output: path, size in bytes,
size text, pick code, time, shared, and with --sha1 the SHA1.
A folder&apos;s path ends in &quot;/&quot;.</source>
        <translation>Lists the entries of FOLDER on standard output: path, size in bytes,
size text, pick code, time, shared, and with --sha1 the SHA1.
A folder&apos;s path ends in &quot;/&quot;.</translation>
    </message>
    <message>
        <source>Appends one section with every file of FOLDER to each of the three
export files of the account (&lt;account&gt;.txt, &lt;account&gt;[贴吧+IE] .txt
and &lt;account&gt;[贴吧+Chrome] .txt), exactly as the window&apos;s folder
export does.</source>
        <translation>Appends one section with every file of FOLDER to each of the three
export files of the account (&lt;account&gt;.txt, &lt;account&gt;[贴吧+IE] .txt
and &lt;account&gt;[贴吧+Chrome] .txt), exactly as the window&apos;s folder
export does.</translation>
    </message>
    <message>
        <source>A path of folder names from the root, such as /电影/アニメ (default /), or a folder id such as cid:1002.</source>
        <translation>A path of folder names from the root, such as /电影/アニメ (default /), or a folder id such as cid:1002.</translation>
    </message>
    <message>
        <source>Signs in with the password of ZORBEL_PASSWORD or one typed on the
terminal, and keeps the session cookie in the OS keyring (with
--save-password the password too), so that ls and export need no
password. Exits 1 when no keyring can be used.</source>
        <translation>Signs in with the password of ZORBEL_PASSWORD or one typed on the
terminal, and keeps the session cookie in the OS keyring (with
--save-password the password too), so that ls and export need no
password. Exits 1 when no keyring can be used.</translation>
    </message>
    <message>
        <source>Removes the session and the password that the OS keyring keeps for the
account at the service; done also when it keeps none.</source>
        <translation>Removes the session and the password that the OS keyring keeps for the
account at the service; done also when it keeps none.</translation>
    </message>
    <message>
        <source>%1 takes no FOLDER, not &quot;%2&quot;</source>
        <translation>%1 takes no FOLDER, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 needs --account=&lt;name&gt; (or the environment variable %2)</source>
        <translation>%1 needs --account=&lt;name&gt; (or the environment variable %2)</translation>
    </message>
    <message>
        <source>--parallel needs a number from 1 to %1, not &quot;%2&quot;</source>
        <translation>--parallel needs a number from 1 to %1, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--rate needs a positive number of requests per second, not &quot;%1&quot;</source>
        <translation>--rate needs a positive number of requests per second, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--sort needs name, size or time, with or without -asc, not &quot;%1&quot;</source>
        <translation>--sort needs name, size or time, with or without -asc, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--format needs tsv or json, not &quot;%1&quot;</source>
        <translation>--format needs tsv or json, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--out needs a folder</source>
        <translation>--out needs a folder</translation>
    </message>
    <message>
        <source>one FOLDER at most, not %1: &quot;%2&quot;</source>
        <translation>one FOLDER at most, not %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no folder id: write cid: and the folder&apos;s digits, such as cid:1002</source>
        <translation>&quot;%1&quot; is no folder id: write cid: and the folder&apos;s digits, such as cid:1002</translation>
    </message>
    <message>
        <source>--min-size=%1 is above --max-size=%2, so no file could be taken</source>
        <translation>--min-size=%1 is above --max-size=%2, so no file could be taken</translation>
    </message>
    <message>
        <source>--max-depth needs a number of folders, 0 or more, not &quot;%1&quot;</source>
        <translation>--max-depth needs a number of folders, 0 or more, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--max-depth=%1 needs --recursive</source>
        <translation>--max-depth=%1 needs --recursive</translation>
    </message>
    <message>
        <source>&quot;%1&quot; shows how to use it.</source>
        <translation>&quot;%1&quot; shows how to use it.</translation>
    </message>
</context>
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>The account to sign in with (required; default: the environment variable ZORBEL_ACCOUNT). The password comes from the environment variable ZORBEL_PASSWORD; without it ls and export use the session that login kept in the keyring, else the password is asked for on the terminal.</source>
        <translation>The account to sign in with (required; default: the environment variable ZORBEL_ACCOUNT). The password comes from the environment variable ZORBEL_PASSWORD; without it ls and export use the session that login kept in the keyring, else the password is asked for on the terminal.</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (e.g. http://127.0.0.1:8123 or https://...) instead of the built-in hosts (default for the commands: the environment variable ZORBEL_SERVICE).</source>
        <translation>Talk to the service at &lt;url&gt; (e.g. http://127.0.0.1:8123 or https://...) instead of the built-in hosts (default for the commands: the environment variable ZORBEL_SERVICE).</translation>
    </message>
    <message>
        <source>Keep the password in the keyring too, so that a session the service ends is renewed without asking; without it a kept password is removed.</source>
        <translation>Keep the password in the keyring too, so that a session the service ends is renewed without asking; without it a kept password is removed.</translation>
    </message>
    <message>
        <source>Trust the certificates in the PEM file &lt;path&gt; for https, besides the system&apos;s.</source>
        <translation>Trust the certificates in the PEM file &lt;path&gt; for https, besides the system&apos;s.</translation>
    </message>
    <message>
        <source>Speak &lt;lang&gt;: zh for Chinese, en for English (default: the language that LANGUAGE, LC_ALL, LC_MESSAGES or LANG names first, else English for the commands and Chinese for the window).</source>
        <translation>Speak &lt;lang&gt;: zh for Chinese, en for English (default: the language that LANGUAGE, LC_ALL, LC_MESSAGES or LANG names first, else English for the commands and Chinese for the window).</translation>
    </message>
    <message>
        <source>Include every subfolder, depth first.</source>
        <translation>Include every subfolder, depth first.</translation>
    </message>
    <message>
        <source>Keep up to &lt;n&gt; requests in flight at once, 1 to %1 (default %2); fewer, for a while, after the service answers 429 or 503.</source>
        <translation>Keep up to &lt;n&gt; requests in flight at once, 1 to %1 (default %2); fewer, for a while, after the service answers 429 or 503.</translation>
    </message>
    <message>
        <source>Start at most &lt;n&gt; requests per second, evenly spaced; decimals such as 0.5 allowed (default: no limit).</source>
        <translation>Start at most &lt;n&gt; requests per second, evenly spaced; decimals such as 0.5 allowed (default: no limit).</translation>
    </message>
    <message>
        <source>List in the order &lt;order&gt;: name, size or time, the last name, largest or newest first; with -asc appended (name-asc, size-asc, time-asc) the other way round (default time).</source>
        <translation>List in the order &lt;order&gt;: name, size or time, the last name, largest or newest first; with -asc appended (name-asc, size-asc, time-asc) the other way round (default time).</translation>
    </message>
    <message>
        <source>Show no progress on standard error.</source>
        <translation>Show no progress on standard error.</translation>
    </message>
    <message>
        <source>Add each file&apos;s SHA1, read from its download page (several at once).</source>
        <translation>Add each file&apos;s SHA1, read from its download page (several at once).</translation>
    </message>
    <message>
        <source>Leave out a file whose download page, or a folder whose listing, still fails after its retries, write everything else, name each on standard error and exit with 3.</source>
        <translation>Leave out a file whose download page, or a folder whose listing, still fails after its retries, write everything else, name each on standard error and exit with 3.</translation>
    </message>
    <message>
        <source>Fetch every download page again instead of taking SHA1s from the store (~/.cache/zorbel-extract/), and update the store.</source>
        <translation>Fetch every download page again instead of taking SHA1s from the store (~/.cache/zorbel-extract/), and update the store.</translation>
    </message>
    <message>
        <source>Write &lt;format&gt;: tsv, tab-separated with a header line (default), or json, one array of objects.</source>
        <translation>Write &lt;format&gt;: tsv, tab-separated with a header line (default), or json, one array of objects.</translation>
    </message>
    <message>
        <source>Write the three export files into &lt;dir&gt; (default: the working folder).</source>
        <translation>Write the three export files into &lt;dir&gt; (default: the working folder).</translation>
    </message>
    <message>
        <source>Take only files whose path below FOLDER matches &lt;glob&gt;; repeatable, a file matching any one is taken. * matches within one folder name, ** across folders, ? one character, [...] one of a class; a glob without / matches the file name at any depth; one ending in / names folders, whose files it takes. Case is ignored.</source>
        <translation>Take only files whose path below FOLDER matches &lt;glob&gt;; repeatable, a file matching any one is taken. * matches within one folder name, ** across folders, ? one character, [...] one of a class; a glob without / matches the file name at any depth; one ending in / names folders, whose files it takes. Case is ignored.</translation>
    </message>
    <message>
        <source>Leave out files whose path matches &lt;glob&gt; (as for --include); repeatable. A glob ending in / names folders, which are then not listed at all.</source>
        <translation>Leave out files whose path matches &lt;glob&gt; (as for --include); repeatable. A glob ending in / names folders, which are then not listed at all.</translation>
    </message>
    <message>
        <source>Take only files of at least &lt;size&gt;: bytes, or with K, M, G or T (powers of 1024), such as 700M or 1.5G.</source>
        <translation>Take only files of at least &lt;size&gt;: bytes, or with K, M, G or T (powers of 1024), such as 700M or 1.5G.</translation>
    </message>
    <message>
        <source>Take only files of at most &lt;size&gt;.</source>
        <translation>Take only files of at most &lt;size&gt;.</translation>
    </message>
    <message>
        <source>With --recursive, descend at most &lt;n&gt; folders below FOLDER (0: FOLDER alone).</source>
        <translation>With --recursive, descend at most &lt;n&gt; folders below FOLDER (0: FOLDER alone).</translation>
    </message>
    <message>
        <source>Walk the window through the demo service&apos;s sample drive without waiting for input, save a screenshot of every step into &lt;dir&gt;, then exit (non-zero when a step went wrong). Runs offscreen when there is no display.</source>
        <translation>Walk the window through the demo service&apos;s sample drive without waiting for input, save a screenshot of every step into &lt;dir&gt;, then exit (non-zero when a step went wrong). Runs offscreen when there is no display.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>Show the program&apos;s version.</translation>
    </message>
</context>
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
    <name>FileListActions</name>
    <message>
        <source>复制选中文件的提取式</source>
        <translation>Copy the ticked files&apos; extraction</translation>
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
    <name>FolderLocation</name>
    <message>
        <source>cannot list &quot;%1&quot;: %2</source>
        <translation>cannot list &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>no folder &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>no folder &quot;%1&quot; in &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 folders named &quot;%3&quot; (%4%5); name one by its id</source>
        <translation>&quot;%1&quot; holds %2 folders named &quot;%3&quot; (%4%5); name one by its id</translation>
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
    <name>Interrupt</name>
    <message>
        <source>interrupted; nothing was written</source>
        <translation>interrupted; nothing was written</translation>
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
    <name>ListingRows</name>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
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
    <name>OutFolder</name>
    <message>
        <source>cannot write into the folder &quot;%1&quot;: &quot;%2&quot; is a file</source>
        <translation>cannot write into the folder &quot;%1&quot;: &quot;%2&quot; is a file</translation>
    </message>
    <message>
        <source>cannot write into the folder &quot;%1&quot;: &quot;%2&quot; is read-only</source>
        <translation>cannot write into the folder &quot;%1&quot;: &quot;%2&quot; is read-only</translation>
    </message>
    <message>
        <source>cannot write the export file &quot;%1&quot;: it is a folder</source>
        <translation>cannot write the export file &quot;%1&quot;: it is a folder</translation>
    </message>
    <message>
        <source>cannot write the export file &quot;%1&quot;: it is read-only</source>
        <translation>cannot write the export file &quot;%1&quot;: it is read-only</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <source>no password: set the environment variable %1, or run the command on a terminal to type it</source>
        <translation>no password: set the environment variable %1, or run the command on a terminal to type it</translation>
    </message>
    <message>
        <source>password for %1: </source>
        <translation>password for %1: </translation>
    </message>
    <message>
        <source>no password typed</source>
        <translation>no password typed</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>folders %1, files %2, pages %3 / %4, %5 s</source>
        <translation>folders %1, files %2, pages %3 / %4, %5 s</translation>
    </message>
</context>
<context>
    <name>RecordingDesktop</name>
    <message>
        <source>  message box [%1]: %2</source>
        <translation>  message box [%1]: %2</translation>
    </message>
    <message>
        <source>  message box [%1] with [%2]: %3</source>
        <translation>  message box [%1] with [%2]: %3</translation>
    </message>
    <message>
        <source>  clipboard: %1</source>
        <translation>  clipboard: %1</translation>
    </message>
    <message>
        <source>  open: %1</source>
        <translation>  open: %1</translation>
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
    <name>Subcommands</name>
    <message>
        <source>no folder with id %1</source>
        <translation>no folder with id %1</translation>
    </message>
    <message>
        <source>cannot write into the folder &quot;%1&quot;</source>
        <translation>cannot write into the folder &quot;%1&quot;</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>skipped %1: %2</translation>
    </message>
    <message>
        <source>cannot write the listing: %1</source>
        <translation>cannot write the listing: %1</translation>
    </message>
    <message>
        <source>wrote %1 rows to each of the three export files in %2</source>
        <translation>wrote %1 rows to each of the three export files in %2</translation>
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
        <source>the folder just left is the current row</source>
        <translation>the folder just left is the current row</translation>
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
    <message>
        <source>账号</source>
        <comment>field</comment>
        <translation>Account</translation>
    </message>
    <message>
        <source>密码</source>
        <comment>field</comment>
        <translation>Password</translation>
    </message>
    <message>
        <source>账号</source>
        <comment>menu</comment>
        <translation>Account</translation>
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
    <name>main</name>
    <message>
        <source>use --tour=&lt;dir&gt; to walk the window offscreen, or the commands ls and export, which need no display (zorbel-extract --help)</source>
        <translation>use --tour=&lt;dir&gt; to walk the window offscreen, or the commands ls and export, which need no display (zorbel-extract --help)</translation>
    </message>
    <message>
        <source>cannot open the window (%1); %2</source>
        <translation>cannot open the window (%1); %2</translation>
    </message>
    <message>
        <source>no display to open the window on; %1</source>
        <translation>no display to open the window on; %1</translation>
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
