<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>matrix</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>单分割</source>
        <translation>Одно окно</translation>
    </message>
    <message>
        <source>双分割</source>
        <translation>Два окна</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>Верх и низ</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Слева и справа</translation>
    </message>
    <message>
        <source>等比左右</source>
        <translation>Равные слева/справа</translation>
    </message>
    <message>
        <source>等比上下</source>
        <translation>Равные верх/низ</translation>
    </message>
    <message>
        <source>四分割</source>
        <translation>Четыре окна</translation>
    </message>
    <message>
        <source>田字形</source>
        <translation>Сетка 2 x 2</translation>
    </message>
    <message>
        <source>H形分割</source>
        <translation>H-образное</translation>
    </message>
    <message>
        <source>一大三小</source>
        <translation>Одно большое, три малых</translation>
    </message>
    <message>
        <source>开窗</source>
        <translation>Картинка в картинке</translation>
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
