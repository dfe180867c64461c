<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>ControlTabWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>轮播图</source>
        <translation>轮播图</translation>
    </message>
    <message>
        <source> 柱状图</source>
        <translation> 柱状图</translation>
    </message>
    <message>
        <source>面板</source>
        <translation>面板</translation>
    </message>
    <message>
        <source>页</source>
        <translation>页</translation>
    </message>
</context>
</TS>
