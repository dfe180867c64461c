<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainWindowLink</name>
    <message>
        <source>请设置正确IP地址！</source>
        <translation>Пожалуйста, укажите правильный IP-адрес!</translation>
    </message>
    <message>
        <source>连接服务器</source>
        <translation>Подключиться к серверу</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>Connection failed! Please check and reconnect! 
1.Network interface loose 
2.Network configuration error
3.Whether it is occupied  by other programs
</source>
        <translation>Connection failed! Please check and reconnect! 
1.Network interface loose 
2.Network configuration error
3.Whether it is occupied  by other programs
</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>消息</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>读取成功！</source>
        <translation>Чтение выполнено успешно!</translation>
    </message>
    <message>
        <source>正在重新读取...(1/1)</source>
        <translation>Повторное чтение... (1/1)</translation>
    </message>
    <message>
        <source>读取失败！</source>
        <translation>Ошибка чтения!</translation>
    </message>
    <message>
        <source>连接错误</source>
        <translation>Ошибка соединения</translation>
    </message>
    <message>
        <source>连接已断开，请检查网络连接</source>
        <translation>Соединение разорвано, проверьте сетевое подключение</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2分辨率(%3,%4)</source>
        <translation>Окно %1, источник входа %2, разрешение (%3,%4)</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2-无信号，使用默认分辨率(%3x%4)</source>
        <translation>Окно %1, источник входа %2 - нет сигнала, используется разрешение по умолчанию (%3x%4)</translation>
    </message>
    <message>
        <source>MainWindow::send： %1</source>
        <translation>MainWindow::send： %1</translation>
    </message>
</context>
</TS>
