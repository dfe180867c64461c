<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>matrix</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>单分割</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>双分割</source>
        <translation>Two windows</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>Upper and lower</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Left and right</translation>
    </message>
    <message>
        <source>等比左右</source>
        <translation>Equal left/right</translation>
    </message>
    <message>
        <source>等比上下</source>
        <translation>Equal upper/lower</translation>
    </message>
    <message>
        <source>四分割</source>
        <translation>Four windows</translation>
    </message>
    <message>
        <source>田字形</source>
        <translation>2 x 2 grid</translation>
    </message>
    <message>
        <source>H形分割</source>
        <translation>H shape</translation>
    </message>
    <message>
        <source>一大三小</source>
        <translation>One large, three small</translation>
    </message>
    <message>
        <source>开窗</source>
        <translation>Picture in picture</translation>
    </message>
    <message>
        <source>HDMI 1</source>
        <translation>HDMI 1</translation>
    </message>
    <message>
        <source>HDMI 2</source>
        <translation>HDMI 2</translation>
    </message>
    <message>
        <source>HDMI 3</source>
        <translation>HDMI 3</translation>
    </message>
    <message>
        <source>HDMI 4</source>
        <translation>HDMI 4</translation>
    </message>
</context>
</TS>
