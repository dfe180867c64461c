<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MyMessageBox</name>
    <message>
        <source>警告</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>消息</source>
        <translation>消息</translation>
    </message>
</context>
</TS>
