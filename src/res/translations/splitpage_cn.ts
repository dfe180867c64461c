<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>matrix</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>单分割</source>
        <translation>单分割</translation>
    </message>
    <message>
        <source>双分割</source>
        <translation>双分割</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>上下</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>左右</translation>
    </message>
    <message>
        <source>等比左右</source>
        <translation>等比左右</translation>
    </message>
    <message>
        <source>等比上下</source>
        <translation>等比上下</translation>
    </message>
    <message>
        <source>四分割</source>
        <translation>四分割</translation>
    </message>
    <message>
        <source>田字形</source>
        <translation>田字形</translation>
    </message>
    <message>
        <source>H形分割</source>
        <translation>H形分割</translation>
    </message>
    <message>
        <source>一大三小</source>
        <translation>一大三小</translation>
    </message>
    <message>
        <source>开窗</source>
        <translation>开窗</translation>
    </message>
    <message>
        <source>HDMI 1</source>
        <translation>HDMI 1</translation>
    </message>
    <message>
        <source>HDMI 2</source>
        <translation>HDMI 2</translation>
    </message>
    <message>
        <source>HDMI 3</source>
        <translation>HDMI 3</translation>
    </message>
    <message>
        <source>HDMI 4</source>
        <translation>HDMI 4</translation>
    </message>
</context>
</TS>
