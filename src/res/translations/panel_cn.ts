<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindowPanel</name>
    <message>
        <source>全部冻结</source>
        <translation>全部冻结</translation>
    </message>
    <message>
        <source>全部解冻</source>
        <translation>全部解冻</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>窗口%1为冻结模式，无法进行输入源切换！</source>
        <translation>窗口%1为冻结模式，无法进行输入源切换！</translation>
    </message>
    <message>
        <source>窗口%1为纯色填充模式下，无法进行输入源切换！</source>
        <translation>窗口%1为纯色填充模式下，无法进行输入源切换！</translation>
    </message>
    <message>
        <source>起始位置不能大于结束位置！</source>
        <translation>起始位置不能大于结束位置！</translation>
    </message>
    <message>
        <source>结束位置不能大于输入源分辨率(%1x%2)！</source>
        <translation>结束位置不能大于输入源分辨率(%1x%2)！</translation>
    </message>
    <message>
        <source>结束位置不能大于输入源分辨率(%1x%2) ！</source>
        <translation>结束位置不能大于输入源分辨率(%1x%2) ！</translation>
    </message>
</context>
</TS>
