<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MainWindowModes</name>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>行列的乘积不能大于</source>
        <translation>El producto de filas y columnas no puede ser mayor que </translation>
    </message>
    <message>
        <source>行和列不能超过12</source>
        <translation>Las filas y columnas no pueden superar 12</translation>
    </message>
    <message>
        <source>设备不支持该拼接配置！</source>
        <translation>¡El dispositivo no admite esta configuración de empalme!</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>拼接模式更新，请重新启动设备！</source>
        <translation>Modo de empalme actualizado, ¡reinicie el dispositivo!</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>Esperando</translation>
    </message>
    <message>
        <source>消息</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>保存成功！</source>
        <translation>¡Guardado correctamente!</translation>
    </message>
    <message>
        <source>确定要重置吗？</source>
        <translation>¿Está seguro de que desea restablecer?</translation>
    </message>
    <message>
        <source>恢复成功，请手动重启设备！</source>
        <translation>Restauración correcta, ¡reinicie el dispositivo manualmente!</translation>
    </message>
    <message>
        <source>请稍等(7/1)</source>
        <translation>Espere (1/7)</translation>
    </message>
    <message>
        <source>请稍等(7/2)</source>
        <translation>Espere (2/7)</translation>
    </message>
    <message>
        <source>请稍等(7/3)</source>
        <translation>Espere (3/7)</translation>
    </message>
    <message>
        <source>请稍等(7/4)</source>
        <translation>Espere (4/7)</translation>
    </message>
    <message>
        <source>请稍等(7/5)</source>
        <translation>Espere (5/7)</translation>
    </message>
    <message>
        <source>请稍等(7/6)</source>
        <translation>Espere (6/7)</translation>
    </message>
    <message>
        <source>请稍等(7/7)</source>
        <translation>Espere (7/7)</translation>
    </message>
</context>
</TS>
