<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>BannaControl</name>
    <message>
        <source>BannaWidget</source>
        <translation>Banner carousel</translation>
    </message>
</context>
<context>
    <name>CylinderControl</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>CommandLinkButton</source>
        <translation>Command link</translation>
    </message>
</context>
<context>
    <name>GraphicsMatrixDialog</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
</TS>
