<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindowLink</name>
    <message>
        <source>请设置正确IP地址！</source>
        <translation>请设置正确IP地址！</translation>
    </message>
    <message>
        <source>连接服务器</source>
        <translation>连接服务器</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>连接失败！请检查后重新连接！
1、网口松了
2、网络配置错误
3、是否被其他的程序占用
</source>
        <translation>连接失败！请检查后重新连接！
1、网口松了
2、网络配置错误
3、是否被其他的程序占用
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
        <translation>确定</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>消息</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>读取成功！</source>
        <translation>读取成功！</translation>
    </message>
    <message>
        <source>正在重新读取...(1/1)</source>
        <translation>正在重新读取...(1/1)</translation>
    </message>
    <message>
        <source>读取失败！</source>
        <translation>读取失败！</translation>
    </message>
    <message>
        <source>连接错误</source>
        <translation>连接错误</translation>
    </message>
    <message>
        <source>连接已断开，请检查网络连接</source>
        <translation>连接已断开，请检查网络连接</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2分辨率(%3,%4)</source>
        <translation>窗口%1，输入源%2分辨率(%3,%4)</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2-无信号，使用默认分辨率(%3x%4)</source>
        <translation>窗口%1，输入源%2-无信号，使用默认分辨率(%3x%4)</translation>
    </message>
    <message>
        <source>MainWindow::send： %1</source>
        <translation>MainWindow::send： %1</translation>
    </message>
</context>
</TS>
