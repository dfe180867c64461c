<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MyFrame</name>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>这个预览框还没有保存过数据</source>
        <translation>Nothing has been saved in this preview yet</translation>
    </message>
</context>
<context>
    <name>MainWindowPresets</name>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>请选择预览框</source>
        <translation>Please select a preview</translation>
    </message>
    <message>
        <source>保存需要选择预览框</source>
        <translation>Select a preview to save into</translation>
    </message>
    <message>
        <source>应用需要选择预览框</source>
        <translation>Select a preview to apply</translation>
    </message>
    <message>
        <source>这个预览框还没有保存过数据</source>
        <translation>Nothing has been saved in this preview yet</translation>
    </message>
</context>
</TS>
