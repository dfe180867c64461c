<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MainWindowPanel</name>
    <message>
        <source>全部冻结</source>
        <translation>Congelar todas</translation>
    </message>
    <message>
        <source>全部解冻</source>
        <translation>Descongelar todas</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>窗口%1为冻结模式，无法进行输入源切换！</source>
        <translation>La ventana %1 está congelada, ¡no se puede cambiar la fuente de entrada!</translation>
    </message>
    <message>
        <source>窗口%1为纯色填充模式下，无法进行输入源切换！</source>
        <translation>La ventana %1 está en modo de relleno de color sólido, ¡no se puede cambiar la fuente de entrada!</translation>
    </message>
    <message>
        <source>起始位置不能大于结束位置！</source>
        <translation>¡La posición inicial no puede ser mayor que la posición final!</translation>
    </message>
    <message>
        <source>结束位置不能大于输入源分辨率(%1x%2)！</source>
        <translation>¡La posición final no puede superar la resolución de la fuente de entrada (%1x%2)!</translation>
    </message>
    <message>
        <source>结束位置不能大于输入源分辨率(%1x%2) ！</source>
        <translation>¡La posición final no puede superar la resolución de la fuente de entrada (%1x%2) !</translation>
    </message>
</context>
</TS>
