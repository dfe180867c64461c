<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>SetItemAttribute</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>通道：</source>
        <translation>Канал:</translation>
    </message>
    <message>
        <source>通道 1</source>
        <translation>Канал 1</translation>
    </message>
    <message>
        <source>通道 2</source>
        <translation>Канал 2</translation>
    </message>
    <message>
        <source>通道 3</source>
        <translation>Канал 3</translation>
    </message>
    <message>
        <source>通道 4</source>
        <translation>Канал 4</translation>
    </message>
    <message>
        <source>输入源：</source>
        <translation>Источник ввода:</translation>
    </message>
    <message>
        <source>无输入源</source>
        <translation>Нет источника</translation>
    </message>
    <message>
        <source>输入源 1</source>
        <translation>Источник 1</translation>
    </message>
    <message>
        <source>输入源 2</source>
        <translation>Источник 2</translation>
    </message>
    <message>
        <source>输入源 3</source>
        <translation>Источник 3</translation>
    </message>
    <message>
        <source>输入源 4</source>
        <translation>Источник 4</translation>
    </message>
    <message>
        <source>坐标（左上角）</source>
        <translation>Координаты (левый верхний угол)</translation>
    </message>
    <message>
        <source> x：</source>
        <translation> x:</translation>
    </message>
    <message>
        <source> y：</source>
        <translation> y:</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>长：</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>宽：</source>
        <translation>Высота:</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>灰(默认)</source>
        <translation>Серый (по умолчанию)</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>橘</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <source>层级</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>1 - 最底层</source>
        <translation>1 - нижний</translation>
    </message>
    <message>
        <source>4 - 最高层</source>
        <translation>4 - верхний</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Кнопка</translation>
    </message>
    <message>
        <source>Page 1</source>
        <translation>Страница 1</translation>
    </message>
    <message>
        <source>Page 2</source>
        <translation>Страница 2</translation>
    </message>
    <message>
        <source>页</source>
        <translation>Страница</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>超出%1X%2分辨率</source>
        <translation>Превышено разрешение %1X%2</translation>
    </message>
</context>
</TS>
