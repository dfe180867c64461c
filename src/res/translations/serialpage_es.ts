<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BannaWidget</name>
    <message>
        <source>Form</source>
        <translation>Conexión serie</translation>
    </message>
    <message>
        <source>串口连接</source>
        <translation>Conexión en serie</translation>
    </message>
    <message>
        <source>串口刷新</source>
        <translation>Actualizar puertos</translation>
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
        <source>连接状态： 

COM1 通信端口未连接</source>
        <translation>Estado de conexión: 

COM1 puerto de comunicación no conectado</translation>
    </message>
    <message>
        <source>连接状态：</source>
        <translation>Estado de conexión: </translation>
    </message>
    <message>
        <source>已连接</source>
        <translation> Conectado</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation> No conectado</translation>
    </message>
    <message>
        <source>打开成功</source>
        <translation>Abierto correctamente</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>所选串口已不存在，请刷新串口列表！</source>
        <translation>El puerto serie seleccionado ya no existe, ¡actualice la lista de puertos!</translation>
    </message>
</context>
</TS>
