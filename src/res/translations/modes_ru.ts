<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainWindowModes</name>
    <message>
        <source>错误</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>行列的乘积不能大于</source>
        <translation>Произведение строк и столбцов не может быть больше </translation>
    </message>
    <message>
        <source>行和列不能超过12</source>
        <translation>Строки и столбцы не могут превышать 12</translation>
    </message>
    <message>
        <source>设备不支持该拼接配置！</source>
        <translation>Устройство не поддерживает эту конфигурацию сращивания!</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>拼接模式更新，请重新启动设备！</source>
        <translation>Режим сращивания обновлён, перезапустите устройство!</translation>
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
        <source>保存成功！</source>
        <translation>Сохранено успешно!</translation>
    </message>
    <message>
        <source>确定要重置吗？</source>
        <translation>Вы уверены, что хотите сбросить?</translation>
    </message>
    <message>
        <source>恢复成功，请手动重启设备！</source>
        <translation>Восстановлено успешно, перезапустите устройство вручную!</translation>
    </message>
    <message>
        <source>请稍等(7/1)</source>
        <translation>Подождите (1/7)</translation>
    </message>
    <message>
        <source>请稍等(7/2)</source>
        <translation>Подождите (2/7)</translation>
    </message>
    <message>
        <source>请稍等(7/3)</source>
        <translation>Подождите (3/7)</translation>
    </message>
    <message>
        <source>请稍等(7/4)</source>
        <translation>Подождите (4/7)</translation>
    </message>
    <message>
        <source>请稍等(7/5)</source>
        <translation>Подождите (5/7)</translation>
    </message>
    <message>
        <source>请稍等(7/6)</source>
        <translation>Подождите (6/7)</translation>
    </message>
    <message>
        <source>请稍等(7/7)</source>
        <translation>Подождите (7/7)</translation>
    </message>
</context>
</TS>
