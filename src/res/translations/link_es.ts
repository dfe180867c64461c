<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MainWindowLink</name>
    <message>
        <source>打开成功</source>
        <translation>Open Successfully</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Abrir puerto serie</translation>
    </message>
    <message>
        <source>关闭串口</source>
        <translation>Cerrar el puerto serie</translation>
    </message>
    <message>
        <source>连接中</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>无有效串口设备！</source>
        <translation>¡No hay ningún puerto serie válido!</translation>
    </message>
    <message>
        <source>请先建立连接！</source>
        <translation>¡Primero establezca una conexión!</translation>
    </message>
</context>
<context>
    <name>CommunicationDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
</context>
</TS>
