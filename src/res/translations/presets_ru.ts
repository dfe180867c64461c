<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MyFrame</name>
    <message>
        <source>警告</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>这个预览框还没有保存过数据</source>
        <translation>В этом окне предпросмотра ещё ничего не сохранено</translation>
    </message>
</context>
<context>
    <name>MainWindowPresets</name>
    <message>
        <source>警告</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>请选择预览框</source>
        <translation>Выберите окно предпросмотра</translation>
    </message>
    <message>
        <source>保存需要选择预览框</source>
        <translation>Для сохранения выберите окно предпросмотра</translation>
    </message>
    <message>
        <source>应用需要选择预览框</source>
        <translation>Для применения выберите окно предпросмотра</translation>
    </message>
    <message>
        <source>这个预览框还没有保存过数据</source>
        <translation>В этом окне предпросмотра ещё ничего не сохранено</translation>
    </message>
</context>
</TS>
