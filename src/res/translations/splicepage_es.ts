<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CylinderWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>GroupBox</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>1X2拼接</source>
        <translation>Empalme 1X2</translation>
    </message>
    <message>
        <source>1X3拼接</source>
        <translation>Empalme 1X3</translation>
    </message>
    <message>
        <source>1X4拼接</source>
        <translation>Empalme 1X4</translation>
    </message>
    <message>
        <source>2X2拼接</source>
        <translation>Empalme 2X2</translation>
    </message>
    <message>
        <source>2X1拼接</source>
        <translation>Empalme 2X1</translation>
    </message>
    <message>
        <source>3X1拼接</source>
        <translation>Empalme 3X1</translation>
    </message>
    <message>
        <source>4X1拼接</source>
        <translation>Empalme 4X1</translation>
    </message>
    <message>
        <source>界面一</source>
        <translation>Pantalla 1</translation>
    </message>
    <message>
        <source>界面二</source>
        <translation>Pantalla 2</translation>
    </message>
    <message>
        <source>界面三</source>
        <translation>Pantalla 3</translation>
    </message>
    <message>
        <source>界面四</source>
        <translation>Pantalla 4</translation>
    </message>
</context>
</TS>
