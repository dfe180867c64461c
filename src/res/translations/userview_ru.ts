<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>UserView</name>
    <message>
        <source>(数字键</source>
        <translation>(Цифровая клавиша </translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>纯色填充模式下禁止切换输入源</source>
        <translation>В режиме заливки сплошным цветом переключение источника ввода запрещено</translation>
    </message>
    <message>
        <source>纯色填充模式下禁止旋转</source>
        <translation>В режиме заливки сплошным цветом поворот запрещён</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>Нет связи</translation>
    </message>
    <message>
        <source>请先建立连接</source>
        <translation>Сначала установите соединение</translation>
    </message>
</context>
</TS>
