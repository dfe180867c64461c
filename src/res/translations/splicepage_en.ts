<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CylinderWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>GroupBox</source>
        <translation>GroupBox</translation>
    </message>
    <message>
        <source>1X2拼接</source>
        <translation>1X2 splice</translation>
    </message>
    <message>
        <source>1X3拼接</source>
        <translation>1X3 splice</translation>
    </message>
    <message>
        <source>1X4拼接</source>
        <translation>1X4 splice</translation>
    </message>
    <message>
        <source>2X2拼接</source>
        <translation>2X2 splice</translation>
    </message>
    <message>
        <source>2X1拼接</source>
        <translation>2X1 splice</translation>
    </message>
    <message>
        <source>3X1拼接</source>
        <translation>3X1 splice</translation>
    </message>
    <message>
        <source>4X1拼接</source>
        <translation>4X1 splice</translation>
    </message>
    <message>
        <source>界面一</source>
        <translation>Screen 1</translation>
    </message>
    <message>
        <source>界面二</source>
        <translation>Screen 2</translation>
    </message>
    <message>
        <source>界面三</source>
        <translation>Screen 3</translation>
    </message>
    <message>
        <source>界面四</source>
        <translation>Screen 4</translation>
    </message>
</context>
</TS>
