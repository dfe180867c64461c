<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>UserView</name>
    <message>
        <source>(数字键</source>
        <translation>(Tecla numérica </translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>纯色填充模式下禁止切换输入源</source>
        <translation>No se permite cambiar la fuente de entrada en el modo de relleno de color sólido</translation>
    </message>
    <message>
        <source>纯色填充模式下禁止旋转</source>
        <translation>No se permite la rotación en el modo de relleno de color sólido</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>请先建立连接</source>
        <translation>Primero establezca una conexión</translation>
    </message>
</context>
</TS>
