<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
    <name>Subcommands</name>
    <message>
        <source>no folder with id %1</source>
        <translation>no folder with id %1</translation>
    </message>
    <message>
        <source>cannot write into the folder &quot;%1&quot;</source>
        <translation>cannot write into the folder &quot;%1&quot;</translation>
    </message>
</context>
</TS>
