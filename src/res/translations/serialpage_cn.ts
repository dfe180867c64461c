<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BannaWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>串口连接</source>
        <translation>串口连接</translation>
    </message>
    <message>
        <source>串口刷新</source>
        <translation>串口刷新</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>打开串口</translation>
    </message>
    <message>
        <source>关闭串口</source>
        <translation>关闭串口</translation>
    </message>
    <message>
        <source>连接状态： 

COM1 通信端口未连接</source>
        <translation>连接状态： 

COM1 通信端口未连接</translation>
    </message>
    <message>
        <source>连接状态：</source>
        <translation>连接状态：</translation>
    </message>
    <message>
        <source>已连接</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>打开成功</source>
        <translation>打开成功</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>所选串口已不存在，请刷新串口列表！</source>
        <translation>所选串口已不存在，请刷新串口列表！</translation>
    </message>
</context>
</TS>
