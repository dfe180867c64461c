<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>ControlTabWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>轮播图</source>
        <translation>Carousel</translation>
    </message>
    <message>
        <source> 柱状图</source>
        <translation> Bar chart</translation>
    </message>
    <message>
        <source>面板</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>页</source>
        <translation>Page</translation>
    </message>
</context>
</TS>
