<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>matrix</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>单分割</source>
        <translation>Ventana única</translation>
    </message>
    <message>
        <source>双分割</source>
        <translation>Dos ventanas</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>Arriba y abajo</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Izquierda y derecha</translation>
    </message>
    <message>
        <source>等比左右</source>
        <translation>Iguales izq./der.</translation>
    </message>
    <message>
        <source>等比上下</source>
        <translation>Iguales arriba/abajo</translation>
    </message>
    <message>
        <source>四分割</source>
        <translation>Cuatro ventanas</translation>
    </message>
    <message>
        <source>田字形</source>
        <translation>Cuadrícula 2 x 2</translation>
    </message>
    <message>
        <source>H形分割</source>
        <translation>Forma de H</translation>
    </message>
    <message>
        <source>一大三小</source>
        <translation>Una grande, tres pequeñas</translation>
    </message>
    <message>
        <source>开窗</source>
        <translation>Imagen en imagen</translation>
    </message>
    <message>
        <source>HDMI 1</source>
        <translation>HDMI 1</translation>
    </message>
    <message>
        <source>HDMI 2</source>
        <translation>HDMI 2</translation>
    </message>
    <message>
        <source>HDMI 3</source>
        <translation>HDMI 3</translation>
    </message>
    <message>
        <source>HDMI 4</source>
        <translation>HDMI 4</translation>
    </message>
</context>
</TS>
