<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MyFrame</name>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>这个预览框还没有保存过数据</source>
        <translation>Todavía no se ha guardado nada en esta vista previa</translation>
    </message>
</context>
<context>
    <name>MainWindowPresets</name>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>请选择预览框</source>
        <translation>Seleccione una vista previa</translation>
    </message>
    <message>
        <source>保存需要选择预览框</source>
        <translation>Seleccione una vista previa para guardar</translation>
    </message>
    <message>
        <source>应用需要选择预览框</source>
        <translation>Seleccione una vista previa para aplicar</translation>
    </message>
    <message>
        <source>这个预览框还没有保存过数据</source>
        <translation>Todavía no se ha guardado nada en esta vista previa</translation>
    </message>
</context>
</TS>
