<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>BannaControl</name>
    <message>
        <source>BannaWidget</source>
        <translation>Карусель баннеров</translation>
    </message>
</context>
<context>
    <name>CylinderControl</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>CommandLinkButton</source>
        <translation>Командная ссылка</translation>
    </message>
</context>
<context>
    <name>GraphicsMatrixDialog</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
</TS>
