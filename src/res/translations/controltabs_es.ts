<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>ControlTabWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>轮播图</source>
        <translation>Carrusel</translation>
    </message>
    <message>
        <source> 柱状图</source>
        <translation> Gráfico de barras</translation>
    </message>
    <message>
        <source>面板</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>页</source>
        <translation>Página</translation>
    </message>
</context>
</TS>
