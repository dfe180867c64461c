<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MainWindowLink</name>
    <message>
        <source>请设置正确IP地址！</source>
        <translation>¡Configure la dirección IP correcta!</translation>
    </message>
    <message>
        <source>连接服务器</source>
        <translation>Conectar al servidor</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Connection failed! Please check and reconnect! 
1.Network interface loose 
2.Network configuration error
3.Whether it is occupied  by other programs
</source>
        <translation>Connection failed! Please check and reconnect! 
1.Network interface loose 
2.Network configuration error
3.Whether it is occupied  by other programs
</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>Esperando</translation>
    </message>
    <message>
        <source>消息</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>读取成功！</source>
        <translation>¡Lectura correcta!</translation>
    </message>
    <message>
        <source>正在重新读取...(1/1)</source>
        <translation>Releyendo... (1/1)</translation>
    </message>
    <message>
        <source>读取失败！</source>
        <translation>¡Error de lectura!</translation>
    </message>
    <message>
        <source>连接错误</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>连接已断开，请检查网络连接</source>
        <translation>La conexión se ha interrumpido, compruebe la conexión de red</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2分辨率(%3,%4)</source>
        <translation>Ventana %1, fuente de entrada %2, resolución (%3,%4)</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2-无信号，使用默认分辨率(%3x%4)</source>
        <translation>Ventana %1, fuente de entrada %2 - sin señal, se usa la resolución predeterminada (%3x%4)</translation>
    </message>
    <message>
        <source>MainWindow::send： %1</source>
        <translation>MainWindow::send： %1</translation>
    </message>
</context>
</TS>
