<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>ControlTabWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>轮播图</source>
        <translation>Карусель</translation>
    </message>
    <message>
        <source> 柱状图</source>
        <translation> Гистограмма</translation>
    </message>
    <message>
        <source>面板</source>
        <translation>Панель</translation>
    </message>
    <message>
        <source>页</source>
        <translation>Страница</translation>
    </message>
</context>
</TS>
