<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>MainObject</name>
    <message>
        <source>初始化应用程序 ...</source>
        <translation>初始化应用程序 ...</translation>
    </message>
    <message>
        <source>control</source>
        <translation>control</translation>
    </message>
    <message>
        <source>初始化主界面 ...</source>
        <translation>初始化主界面 ...</translation>
    </message>
    <message>
        <source>加载中 ...</source>
        <translation>加载中 ...</translation>
    </message>
    <message>
        <source>加载完毕！</source>
        <translation>加载完毕！</translation>
    </message>
</context>
</TS>
