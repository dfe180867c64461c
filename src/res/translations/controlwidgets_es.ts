<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>BannaControl</name>
    <message>
        <source>BannaWidget</source>
        <translation>Carrusel de imágenes</translation>
    </message>
</context>
<context>
    <name>CylinderControl</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>CommandLinkButton</source>
        <translation>Enlace de comando</translation>
    </message>
</context>
<context>
    <name>GraphicsMatrixDialog</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
</TS>
