<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MainWindowPanel</name>
    <message>
        <source>全部冻结</source>
        <translation>Freeze all Windows</translation>
    </message>
    <message>
        <source>全部解冻</source>
        <translation>Unfreeze all Windows</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>窗口%1为冻结模式，无法进行输入源切换！</source>
        <translation>Window %1 is frozen, the input source cannot be switched!</translation>
    </message>
    <message>
        <source>窗口%1为纯色填充模式下，无法进行输入源切换！</source>
        <translation>Window %1 is in solid colour fill mode, the input source cannot be switched!</translation>
    </message>
    <message>
        <source>起始位置不能大于结束位置！</source>
        <translation>The start position cannot be greater than the end position!</translation>
    </message>
    <message>
        <source>结束位置不能大于输入源分辨率(%1x%2)！</source>
        <translation>The end position cannot exceed the input source resolution (%1x%2)!</translation>
    </message>
    <message>
        <source>结束位置不能大于输入源分辨率(%1x%2) ！</source>
        <translation>The end position cannot exceed the input source resolution (%1x%2) !</translation>
    </message>
</context>
</TS>
