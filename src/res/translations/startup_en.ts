<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>MainObject</name>
    <message>
        <source>初始化应用程序 ...</source>
        <translation>Initializing the application...</translation>
    </message>
    <message>
        <source>control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>初始化主界面 ...</source>
        <translation>Initialize the home screen...</translation>
    </message>
    <message>
        <source>加载中 ...</source>
        <translation>Loading ...</translation>
    </message>
    <message>
        <source>加载完毕！</source>
        <translation>Load up!</translation>
    </message>
</context>
</TS>
