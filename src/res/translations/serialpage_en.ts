<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BannaWidget</name>
    <message>
        <source>Form</source>
        <translation>Serial Connection</translation>
    </message>
    <message>
        <source>串口连接</source>
        <translation>Serial Connection</translation>
    </message>
    <message>
        <source>串口刷新</source>
        <translation>Serial Port Refresh</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Open Serial Port</translation>
    </message>
    <message>
        <source>关闭串口</source>
        <translation>Close the Serial Port</translation>
    </message>
    <message>
        <source>连接状态： 

COM1 通信端口未连接</source>
        <translation>Connection status: 

COM1 communication port not connected</translation>
    </message>
    <message>
        <source>连接状态：</source>
        <translation>Connection status: </translation>
    </message>
    <message>
        <source>已连接</source>
        <translation> Connected</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation> Not Connected</translation>
    </message>
    <message>
        <source>打开成功</source>
        <translation>Open Successfully</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>所选串口已不存在，请刷新串口列表！</source>
        <translation>The selected serial port no longer exists, please refresh the port list!</translation>
    </message>
</context>
</TS>
