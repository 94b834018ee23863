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
    <name>Interrupt</name>
    <message>
        <source>interrupted; nothing was written</source>
        <translation>interrupted; nothing was written</translation>
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
</TS>
