<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>MainObject</name>
    <message>
        <source>初始化应用程序 ...</source>
        <translation>Инициализация приложения...</translation>
    </message>
    <message>
        <source>control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>初始化主界面 ...</source>
        <translation>Инициализация главного окна...</translation>
    </message>
    <message>
        <source>加载中 ...</source>
        <translation>Загрузка ...</translation>
    </message>
    <message>
        <source>加载完毕！</source>
        <translation>Загружено!</translation>
    </message>
</context>
</TS>
