<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>SetItemAttribute</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>通道：</source>
        <translation>Canal:</translation>
    </message>
    <message>
        <source>通道 1</source>
        <translation>Canal 1</translation>
    </message>
    <message>
        <source>通道 2</source>
        <translation>Canal 2</translation>
    </message>
    <message>
        <source>通道 3</source>
        <translation>Canal 3</translation>
    </message>
    <message>
        <source>通道 4</source>
        <translation>Canal 4</translation>
    </message>
    <message>
        <source>输入源：</source>
        <translation>Fuente de entrada:</translation>
    </message>
    <message>
        <source>无输入源</source>
        <translation>Sin fuente de entrada</translation>
    </message>
    <message>
        <source>输入源 1</source>
        <translation>Fuente 1</translation>
    </message>
    <message>
        <source>输入源 2</source>
        <translation>Fuente 2</translation>
    </message>
    <message>
        <source>输入源 3</source>
        <translation>Fuente 3</translation>
    </message>
    <message>
        <source>输入源 4</source>
        <translation>Fuente 4</translation>
    </message>
    <message>
        <source>坐标（左上角）</source>
        <translation>Posición (esquina superior izquierda)</translation>
    </message>
    <message>
        <source> x：</source>
        <translation> x:</translation>
    </message>
    <message>
        <source> y：</source>
        <translation> y:</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>长：</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>宽：</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>灰(默认)</source>
        <translation>Gris (predeterminado)</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>橘</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>层级</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>1 - 最底层</source>
        <translation>1 - Inferior</translation>
    </message>
    <message>
        <source>4 - 最高层</source>
        <translation>4 - Superior</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Botón</translation>
    </message>
    <message>
        <source>Page 1</source>
        <translation>Página 1</translation>
    </message>
    <message>
        <source>Page 2</source>
        <translation>Página 2</translation>
    </message>
    <message>
        <source>页</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>超出%1X%2分辨率</source>
        <translation>Supera la resolución %1X%2</translation>
    </message>
</context>
</TS>
