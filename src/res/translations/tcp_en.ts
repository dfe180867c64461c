<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MainWindowLink</name>
    <message>
        <source>请设置正确IP地址！</source>
        <translation>Please set the correct IP address!</translation>
    </message>
    <message>
        <source>连接服务器</source>
        <translation>Connect to server</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>连接失败！请检查后重新连接！
1、网口松了
2、网络配置错误
3、是否被其他的程序占用
</source>
        <translation>Connection failed! Please check and reconnect! 
1.Network interface loose 
2.Network configuration error
3.Whether it is occupied  by other programs
</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>消息</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>读取成功！</source>
        <translation>Read successfully!</translation>
    </message>
    <message>
        <source>正在重新读取...(1/1)</source>
        <translation>Rereading... (1/1)</translation>
    </message>
    <message>
        <source>读取失败！</source>
        <translation>Read failed!</translation>
    </message>
    <message>
        <source>连接错误</source>
        <translation>Connection Error</translation>
    </message>
    <message>
        <source>连接已断开，请检查网络连接</source>
        <translation>The connection has been disconnected. Please check the network connection</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2分辨率(%3,%4)</source>
        <translation>Window %1, input source %2 resolution (%3,%4)</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2-无信号，使用默认分辨率(%3x%4)</source>
        <translation>Window %1, input source %2 - no signal, using the default resolution (%3x%4)</translation>
    </message>
    <message>
        <source>MainWindow::send： %1</source>
        <translation>MainWindow::send： %1</translation>
    </message>
</context>
</TS>
