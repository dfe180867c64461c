<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MainWindowLink</name>
    <message>
        <source>打开成功</source>
        <translation>Open Successfully</translation>
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
        <source>连接中</source>
        <translation>Connecting</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>无有效串口设备！</source>
        <translation>No valid serial port device!</translation>
    </message>
    <message>
        <source>请先建立连接！</source>
        <translation>Please establish a connection first!</translation>
    </message>
</context>
<context>
    <name>CommunicationDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
</TS>
