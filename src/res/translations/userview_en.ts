<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>UserView</name>
    <message>
        <source>(数字键</source>
        <translation>(Number key </translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>纯色填充模式下禁止切换输入源</source>
        <translation>Switching the input source is not allowed in solid colour fill mode</translation>
    </message>
    <message>
        <source>纯色填充模式下禁止旋转</source>
        <translation>Rotation is not allowed in solid colour fill mode</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>Not Connected</translation>
    </message>
    <message>
        <source>请先建立连接</source>
        <translation>Please establish a connection first</translation>
    </message>
</context>
</TS>
