<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>NetworkDialog</name>
    <message>
        <source>Form</source>
        <translation>Настройки подключения</translation>
    </message>
    <message>
        <source>语言切换</source>
        <translation>Смена языка</translation>
    </message>
    <message>
        <source>设备信息列表</source>
        <translation>Список устройств</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>№</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>MAC地址</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>端口号</source>
        <translation>Номер порта</translation>
    </message>
    <message>
        <source>版本信息</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>连接协议</source>
        <translation>Протокол связи</translation>
    </message>
    <message>
        <source>所连网卡IP</source>
        <translation>Локальный IP-адрес</translation>
    </message>
    <message>
        <source>设备类型</source>
        <translation>Тип устройства</translation>
    </message>
    <message>
        <source>当前PC网卡地址</source>
        <translation>Локальный IP-адрес</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>查找设备</source>
        <translation>Найти устройство</translation>
    </message>
    <message>
        <source>修改IP和MAC</source>
        <translation>Изменить IP и MAC</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>Подключить устройство</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>串口连接</source>
        <translation>Последовательное соединение</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Открыть последовательный порт</translation>
    </message>
    <message>
        <source>串口刷新</source>
        <translation>Обновление последовательного порта</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spain</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>连接设置</source>
        <translation>Настройки подключения</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>本机没有正在工作的网卡！</source>
        <translation>Проверьте подключение к сети!</translation>
    </message>
    <message>
        <source>停止查找(</source>
        <translation>Остановить поиск (</translation>
    </message>
    <message>
        <source>请先选择要连接的设备！</source>
        <translation>Выберите устройство для подключения!</translation>
    </message>
    <message>
        <source>IP地址、TCP端口号为必填！</source>
        <translation>IP-адрес и номер TCP-порта обязательны!</translation>
    </message>
    <message>
        <source>您已建立连接，若要建立新的连接，请先断开连接！</source>
        <translation>Соединение уже установлено: сначала отключитесь, затем подключитесь снова!</translation>
    </message>
    <message>
        <source>请输入正确的IP地址</source>
        <translation>Введите правильный IP-адрес</translation>
    </message>
    <message>
        <source>请输入正确的MAC地址</source>
        <translation>Введите правильный MAC-адрес</translation>
    </message>
    <message>
        <source>要求MAC第一和第二位必须是偶数</source>
        <translation>Первый и второй байты MAC-адреса должны быть чётными</translation>
    </message>
    <message>
        <source>未确定连接协议，无法连接</source>
        <translation>Протокол подключения не определён, подключиться невозможно.</translation>
    </message>
    <message>
        <source>您还未建立连接！</source>
        <translation>Соединение ещё не установлено!</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>连接已断开</source>
        <translation>Соединение разорвано!</translation>
    </message>
    <message>
        <source>请选择一行</source>
        <translation>Выберите строку</translation>
    </message>
    <message>
        <source>MAC地址前三个字节不能修改</source>
        <translation>Первые три байта MAC-адреса изменить нельзя!</translation>
    </message>
    <message>
        <source>正在更改...</source>
        <translation>Изменение...</translation>
    </message>
</context>
<context>
    <name>NetworkHelp</name>
    <message>
        <source>Form</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>1.如果设置IP后无法再通过网络控制设备，有可能您设置的IP在本网段中已被使用，将网络复位后再尝试更改其他IP地址！

2.选择和设备通讯的网卡时，请确保与设备通讯的网卡为第一网卡，否则可能不能和设备通讯。

3.反复开关设备或以同一IP向同一路由器多次注册，在短时间内可能会出现无法连接的情况。</source>
        <translation>1.Если после смены IP устройством больше нельзя управлять по сети, возможно, этот IP уже занят в данном сегменте сети: сбросьте сеть и попробуйте другой IP-адрес!

2.Выбирая сетевую карту для связи с устройством, убедитесь, что это первая сетевая карта, иначе связь с устройством может не установиться.

3.При частом включении и выключении устройства или многократной регистрации одного IP на одном маршрутизаторе подключение может быть недоступно в течение короткого времени.</translation>
    </message>
</context>
<context>
    <name>MainWindowLink</name>
    <message>
        <source>警告</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>回传数据出现问题，请尝试重新连接</source>
        <translation>Ошибка в полученных данных, попробуйте подключиться снова!</translation>
    </message>
    <message>
        <source>层级、拼接模式信息获取...</source>
        <translation>Чтение слоёв и режима склейки...</translation>
    </message>
    <message>
        <source>waiting...(3/1)</source>
        <translation>ожидание...(3/1)</translation>
    </message>
    <message>
        <source>waiting...(3/2)</source>
        <translation>ожидание...(3/2)</translation>
    </message>
    <message>
        <source>waiting...(3/3)</source>
        <translation>ожидание...(3/3)</translation>
    </message>
    <message>
        <source>连接失败！</source>
        <translation>Ошибка подключения!</translation>
    </message>
    <message>
        <source>通道</source>
        <translation>Канал </translation>
    </message>
    <message>
        <source>校正成功!</source>
        <translation> откалиброван!</translation>
    </message>
    <message>
        <source>连接成功！</source>
        <translation>Подключено!</translation>
    </message>
    <message>
        <source>您还没有网络连接下位机</source>
        <translation>Нет сетевого подключения компьютера к устройству!</translation>
    </message>
    <message>
        <source>刷新失败！</source>
        <translation>Не удалось обновить!</translation>
    </message>
    <message>
        <source>刷新成功！</source>
        <translation>Обновлено!</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2-低分辨率不支持，使用720P分辨率(%3x%4)</source>
        <translation>Окно %1, источник входа %2 - низкое разрешение не поддерживается, используется разрешение 720P (%3x%4)</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2-无信号或输入分辨率不识别，使用默认分辨率(%3x%4)</source>
        <translation>Окно %1, источник входа %2 - нет сигнала или разрешение не распознано, используется разрешение по умолчанию (%3x%4)</translation>
    </message>
</context>
</TS>
