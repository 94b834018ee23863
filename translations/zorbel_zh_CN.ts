<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Interrupt</name>
    <message>
        <source>interrupted; nothing was written</source>
        <translation>已中断，未写入任何内容</translation>
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
    <name>Subcommands</name>
    <message>
        <source>no folder with id %1</source>
        <translation>没有 id 为 %1 的文件夹</translation>
    </message>
    <message>
        <source>cannot write into the folder &quot;%1&quot;</source>
        <translation>无法写入文件夹 &quot;%1&quot;</translation>
    </message>
</context>
</TS>
