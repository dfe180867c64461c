<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>UserView</name>
    <message>
        <source>(数字键</source>
        <translation>(数字键</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>纯色填充模式下禁止切换输入源</source>
        <translation>纯色填充模式下禁止切换输入源</translation>
    </message>
    <message>
        <source>纯色填充模式下禁止旋转</source>
        <translation>纯色填充模式下禁止旋转</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>请先建立连接</source>
        <translation>请先建立连接</translation>
    </message>
</context>
</TS>
