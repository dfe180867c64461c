<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>相关信息</source>
        <translation>Related Information</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>软件名称：</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>发行公司：</source>
        <translation>Publisher:</translation>
    </message>
    <message>
        <source>V1R1C00</source>
        <translation>V1R1C10</translation>
    </message>
    <message>
        <source>Halden控制</source>
        <translation>Halden Control</translation>
    </message>
    <message>
        <source>halden.example/cn</source>
        <translation>halden.example/en</translation>
    </message>
    <message>
        <source>更多信息：</source>
        <translation>Website :</translation>
    </message>
</context>
<context>
    <name>SystemTray</name>
    <message>
        <source>关于Corvane </source>
        <translation>About Corvane </translation>
    </message>
    <message>
        <source>控制</source>
        <translation>control</translation>
    </message>
</context>
<context>
    <name>error</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>当前串口号无法打开！请检查后重新打开！</source>
        <translation>The current serial number cannot be opened! Please check and re-open!</translation>
    </message>
    <message>
        <source>1.USB串口松了？</source>
        <translation>1.Is the USB serial cable loose?</translation>
    </message>
    <message>
        <source>2.是否被其他程序占用了串口号？</source>
        <translation>2.Is another program using the serial port?</translation>
    </message>
</context>
<context>
    <name>messagebox</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>当前串口号无法打开！请检查后重新打开！

   1、USB串口松了

   2、是否被其他的程序占用
</source>
        <translation>The current serial port cannot be opened! Please check and re-open!

   1. The USB serial cable is loose

   2. Another program is using the port
</translation>
    </message>
</context>
<context>
    <name>messagerboxen</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>  The current serial number cannot be opened!
  Please check and reopen! 
  1.USB serial port loose 
  2.Whether it is occupied  by other programs
</source>
        <translation>  The current serial number cannot be opened!
  Please check and reopen! 
  1.USB serial port loose 
  2.Whether it is occupied  by other programs
</translation>
    </message>
</context>
</TS>
