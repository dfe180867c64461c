<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BannaWidget</name>
    <message>
        <source>Form</source>
        <translation>Последовательное соединение</translation>
    </message>
    <message>
        <source>串口连接</source>
        <translation>Последовательное соединение</translation>
    </message>
    <message>
        <source>串口刷新</source>
        <translation>Обновить порты</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Открыть последовательный порт</translation>
    </message>
    <message>
        <source>关闭串口</source>
        <translation>Закрыть последовательный порт</translation>
    </message>
    <message>
        <source>连接状态： 

COM1 通信端口未连接</source>
        <translation>Статус соединения: 

COM1 порт связи не подключён</translation>
    </message>
    <message>
        <source>连接状态：</source>
        <translation>Статус соединения: </translation>
    </message>
    <message>
        <source>已连接</source>
        <translation> Связь установлена</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation> Нет связи</translation>
    </message>
    <message>
        <source>打开成功</source>
        <translation>Порт открыт</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>所选串口已不存在，请刷新串口列表！</source>
        <translation>Выбранный последовательный порт больше не существует, обновите список портов!</translation>
    </message>
</context>
</TS>
