<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>FrameWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>切换输入源一</source>
        <translation>切换输入源一</translation>
    </message>
    <message>
        <source>切换输入源二</source>
        <translation>切换输入源二</translation>
    </message>
    <message>
        <source>切换输入源三</source>
        <translation>切换输入源三</translation>
    </message>
    <message>
        <source>切换输入源四</source>
        <translation>切换输入源四</translation>
    </message>
    <message>
        <source>HDMI IN 1</source>
        <translation>HDMI IN 1</translation>
    </message>
    <message>
        <source>HDMI IN 2</source>
        <translation>HDMI IN 2</translation>
    </message>
    <message>
        <source>HDMI IN 3</source>
        <translation>HDMI IN 3</translation>
    </message>
    <message>
        <source>HDMI IN 4</source>
        <translation>HDMI IN 4</translation>
    </message>
    <message>
        <source>HDMI OUT 1</source>
        <translation>HDMI OUT 1</translation>
    </message>
    <message>
        <source>HDMI OUT 2</source>
        <translation>HDMI OUT 2</translation>
    </message>
    <message>
        <source>HDMI OUT 3</source>
        <translation>HDMI OUT 3</translation>
    </message>
    <message>
        <source>HDMI OUT 4</source>
        <translation>HDMI OUT 4</translation>
    </message>
</context>
</TS>
