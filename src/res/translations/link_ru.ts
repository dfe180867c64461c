<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainWindowLink</name>
    <message>
        <source>打开成功</source>
        <translation>Получилось</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Открыть последовательный порт</translation>
    </message>
    <message>
        <source>关闭串口</source>
        <translation>Отключите последовательный порт</translation>
    </message>
    <message>
        <source>连接中</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>无有效串口设备！</source>
        <translation>Нет доступного последовательного порта!</translation>
    </message>
    <message>
        <source>请先建立连接！</source>
        <translation>Сначала установите соединение!</translation>
    </message>
</context>
<context>
    <name>CommunicationDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
</context>
</TS>
