<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainWindowPanel</name>
    <message>
        <source>全部冻结</source>
        <translation>Заморозить все</translation>
    </message>
    <message>
        <source>全部解冻</source>
        <translation>Разморозить все</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>窗口%1为冻结模式，无法进行输入源切换！</source>
        <translation>Окно %1 заморожено, переключить источник входа нельзя!</translation>
    </message>
    <message>
        <source>窗口%1为纯色填充模式下，无法进行输入源切换！</source>
        <translation>Окно %1 в режиме заливки сплошным цветом, переключить источник входа нельзя!</translation>
    </message>
    <message>
        <source>起始位置不能大于结束位置！</source>
        <translation>Начальная позиция не может быть больше конечной!</translation>
    </message>
    <message>
        <source>结束位置不能大于输入源分辨率(%1x%2)！</source>
        <translation>Конечная позиция не может превышать разрешение источника входа (%1x%2)!</translation>
    </message>
    <message>
        <source>结束位置不能大于输入源分辨率(%1x%2) ！</source>
        <translation>Конечная позиция не может превышать разрешение источника входа (%1x%2) !</translation>
    </message>
</context>
</TS>
