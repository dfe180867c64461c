<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MyFrame</name>
    <message>
        <source>警告</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>这个预览框还没有保存过数据</source>
        <translation>这个预览框还没有保存过数据</translation>
    </message>
</context>
<context>
    <name>MainWindowPresets</name>
    <message>
        <source>警告</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>请选择预览框</source>
        <translation>请选择预览框</translation>
    </message>
    <message>
        <source>保存需要选择预览框</source>
        <translation>保存需要选择预览框</translation>
    </message>
    <message>
        <source>应用需要选择预览框</source>
        <translation>应用需要选择预览框</translation>
    </message>
    <message>
        <source>这个预览框还没有保存过数据</source>
        <translation>这个预览框还没有保存过数据</translation>
    </message>
</context>
</TS>
