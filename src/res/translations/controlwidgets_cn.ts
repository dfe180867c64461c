<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>BannaControl</name>
    <message>
        <source>BannaWidget</source>
        <translation>轮播图</translation>
    </message>
</context>
<context>
    <name>CylinderControl</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>CommandLinkButton</source>
        <translation>命令链接按钮</translation>
    </message>
</context>
<context>
    <name>GraphicsMatrixDialog</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
</TS>
