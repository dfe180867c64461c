<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>NetworkDialog</name>
    <message>
        <source>Form</source>
        <translation>Configuración de conexión</translation>
    </message>
    <message>
        <source>语言切换</source>
        <translation>Cambio de idioma</translation>
    </message>
    <message>
        <source>设备信息列表</source>
        <translation>Lista de dispositivos</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>MAC地址</source>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>端口号</source>
        <translation>Número de puerto</translation>
    </message>
    <message>
        <source>版本信息</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>连接协议</source>
        <translation>Protocolo de conexión</translation>
    </message>
    <message>
        <source>所连网卡IP</source>
        <translation>Dirección IP local</translation>
    </message>
    <message>
        <source>设备类型</source>
        <translation>Tipo de dispositivo</translation>
    </message>
    <message>
        <source>当前PC网卡地址</source>
        <translation>Dirección IP local</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>查找设备</source>
        <translation>Buscar dispositivo</translation>
    </message>
    <message>
        <source>修改IP和MAC</source>
        <translation>Modificar la IP y la MAC</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>Conectar el dispositivo</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>串口连接</source>
        <translation>Conexión en serie</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Abrir puerto serie</translation>
    </message>
    <message>
        <source>串口刷新</source>
        <translation>Actualización del puerto serie</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
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
        <translation>Configuración de conexión</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>本机没有正在工作的网卡！</source>
        <translation>¡Compruebe su red!</translation>
    </message>
    <message>
        <source>停止查找(</source>
        <translation>Detener búsqueda (</translation>
    </message>
    <message>
        <source>请先选择要连接的设备！</source>
        <translation>¡Seleccione el dispositivo que desea conectar!</translation>
    </message>
    <message>
        <source>IP地址、TCP端口号为必填！</source>
        <translation>¡La dirección IP y el número de puerto TCP son obligatorios!</translation>
    </message>
    <message>
        <source>您已建立连接，若要建立新的连接，请先断开连接！</source>
        <translation>¡Ya está conectado! Desconéctese primero y vuelva a conectarse.</translation>
    </message>
    <message>
        <source>请输入正确的IP地址</source>
        <translation>Introduzca una dirección IP correcta</translation>
    </message>
    <message>
        <source>请输入正确的MAC地址</source>
        <translation>Introduzca una dirección MAC correcta</translation>
    </message>
    <message>
        <source>要求MAC第一和第二位必须是偶数</source>
        <translation>El primer y el segundo byte de la MAC deben ser pares</translation>
    </message>
    <message>
        <source>未确定连接协议，无法连接</source>
        <translation>No se ha determinado el protocolo de conexión; no se puede conectar.</translation>
    </message>
    <message>
        <source>您还未建立连接！</source>
        <translation>¡Todavía no se ha conectado!</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>连接已断开</source>
        <translation>¡Desconectado!</translation>
    </message>
    <message>
        <source>请选择一行</source>
        <translation>Seleccione una fila</translation>
    </message>
    <message>
        <source>MAC地址前三个字节不能修改</source>
        <translation>¡Los tres primeros bytes de la dirección MAC no se pueden modificar!</translation>
    </message>
    <message>
        <source>正在更改...</source>
        <translation>Cambiando...</translation>
    </message>
</context>
<context>
    <name>NetworkHelp</name>
    <message>
        <source>Form</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>1.如果设置IP后无法再通过网络控制设备，有可能您设置的IP在本网段中已被使用，将网络复位后再尝试更改其他IP地址！

2.选择和设备通讯的网卡时，请确保与设备通讯的网卡为第一网卡，否则可能不能和设备通讯。

3.反复开关设备或以同一IP向同一路由器多次注册，在短时间内可能会出现无法连接的情况。</source>
        <translation>1.Si tras cambiar la IP ya no puede controlar el dispositivo por la red, es posible que esa IP ya esté en uso en este segmento de red: restablezca la red e intente con otra dirección IP.

2.Al elegir la tarjeta de red que se comunica con el dispositivo, asegúrese de que sea la primera tarjeta de red; de lo contrario, es posible que no haya comunicación con el dispositivo.

3.Encender y apagar el dispositivo repetidamente o registrar la misma IP en el mismo router muchas veces puede impedir la conexión durante un breve tiempo.</translation>
    </message>
</context>
<context>
    <name>MainWindowLink</name>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>回传数据出现问题，请尝试重新连接</source>
        <translation>Hay un problema con los datos recibidos, intente volver a conectarse.</translation>
    </message>
    <message>
        <source>层级、拼接模式信息获取...</source>
        <translation>Leyendo capas y modo de empalme...</translation>
    </message>
    <message>
        <source>waiting...(3/1)</source>
        <translation>esperando...(3/1)</translation>
    </message>
    <message>
        <source>waiting...(3/2)</source>
        <translation>esperando...(3/2)</translation>
    </message>
    <message>
        <source>waiting...(3/3)</source>
        <translation>esperando...(3/3)</translation>
    </message>
    <message>
        <source>连接失败！</source>
        <translation>¡Error de conexión!</translation>
    </message>
    <message>
        <source>通道</source>
        <translation>Canal </translation>
    </message>
    <message>
        <source>校正成功!</source>
        <translation> calibrado!</translation>
    </message>
    <message>
        <source>连接成功！</source>
        <translation>¡Conectado!</translation>
    </message>
    <message>
        <source>您还没有网络连接下位机</source>
        <translation>¡No hay conexión entre el ordenador y el dispositivo!</translation>
    </message>
    <message>
        <source>刷新失败！</source>
        <translation>¡Error al actualizar!</translation>
    </message>
    <message>
        <source>刷新成功！</source>
        <translation>¡Actualizado!</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2-低分辨率不支持，使用720P分辨率(%3x%4)</source>
        <translation>Ventana %1, fuente de entrada %2 - resolución baja no admitida, se usa la resolución 720P (%3x%4)</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2-无信号或输入分辨率不识别，使用默认分辨率(%3x%4)</source>
        <translation>Ventana %1, fuente de entrada %2 - sin señal o resolución no reconocida, se usa la resolución predeterminada (%3x%4)</translation>
    </message>
</context>
</TS>
