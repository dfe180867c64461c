<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>NetworkDialog</name>
    <message>
        <source>Form</source>
        <translation>Connection Settings</translation>
    </message>
    <message>
        <source>语言切换</source>
        <translation>Language Switching</translation>
    </message>
    <message>
        <source>设备信息列表</source>
        <translation>Device list</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>MAC地址</source>
        <translation>MAC address</translation>
    </message>
    <message>
        <source>端口号</source>
        <translation>Port number</translation>
    </message>
    <message>
        <source>版本信息</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>连接协议</source>
        <translation>Connection protocol</translation>
    </message>
    <message>
        <source>所连网卡IP</source>
        <translation>Local IP address</translation>
    </message>
    <message>
        <source>设备类型</source>
        <translation>Device type</translation>
    </message>
    <message>
        <source>当前PC网卡地址</source>
        <translation>Local IP address</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>查找设备</source>
        <translation>Find device</translation>
    </message>
    <message>
        <source>修改IP和MAC</source>
        <translation>Modify the IP and MAC address</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>Connect the device</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>串口连接</source>
        <translation>Series Connection</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Open Serial Port</translation>
    </message>
    <message>
        <source>串口刷新</source>
        <translation>Serial Port Refresh</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
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
        <translation>Connection Settings</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>本机没有正在工作的网卡！</source>
        <translation>Please check your network!</translation>
    </message>
    <message>
        <source>停止查找(</source>
        <translation>Stop find (</translation>
    </message>
    <message>
        <source>请先选择要连接的设备！</source>
        <translation>Please select the device you want to connect!</translation>
    </message>
    <message>
        <source>IP地址、TCP端口号为必填！</source>
        <translation>IP address and TCP port number are required!</translation>
    </message>
    <message>
        <source>您已建立连接，若要建立新的连接，请先断开连接！</source>
        <translation>You've already connected, please disconnect first then reconnect!</translation>
    </message>
    <message>
        <source>请输入正确的IP地址</source>
        <translation>Please enter the correct IP address</translation>
    </message>
    <message>
        <source>请输入正确的MAC地址</source>
        <translation>Please enter the correct MAC address</translation>
    </message>
    <message>
        <source>要求MAC第一和第二位必须是偶数</source>
        <translation>It is required that the MAC first and second digits must be even</translation>
    </message>
    <message>
        <source>未确定连接协议，无法连接</source>
        <translation>The connection protocol was not determined and the connection could not be made.</translation>
    </message>
    <message>
        <source>您还未建立连接！</source>
        <translation>You haven't connected yet!</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>连接已断开</source>
        <translation>Disconnected!</translation>
    </message>
    <message>
        <source>请选择一行</source>
        <translation>Please select a line</translation>
    </message>
    <message>
        <source>MAC地址前三个字节不能修改</source>
        <translation>The first three bytes of MAC address cannot be modified!</translation>
    </message>
    <message>
        <source>正在更改...</source>
        <translation>Changing...</translation>
    </message>
</context>
<context>
    <name>NetworkHelp</name>
    <message>
        <source>Form</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>1.如果设置IP后无法再通过网络控制设备，有可能您设置的IP在本网段中已被使用，将网络复位后再尝试更改其他IP地址！

2.选择和设备通讯的网卡时，请确保与设备通讯的网卡为第一网卡，否则可能不能和设备通讯。

3.反复开关设备或以同一IP向同一路由器多次注册，在短时间内可能会出现无法连接的情况。</source>
        <translation>1.If the device can no longer be controlled over the network after its IP was set, the IP may already be in use in this network segment: reset the network, then try another IP address!

2.When choosing the network card that talks to the device, make sure it is the first network card, otherwise the program may not reach the device.

3.Switching the device on and off repeatedly, or registering the same IP with the same router many times, may make connecting fail for a short time.</translation>
    </message>
</context>
<context>
    <name>MainWindowLink</name>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>回传数据出现问题，请尝试重新连接</source>
        <translation>There is a problem with the returned data, please try to reconnect!</translation>
    </message>
    <message>
        <source>层级、拼接模式信息获取...</source>
        <translation>Layer/splice modes...</translation>
    </message>
    <message>
        <source>waiting...(3/1)</source>
        <translation>waiting...(3/1)</translation>
    </message>
    <message>
        <source>waiting...(3/2)</source>
        <translation>waiting...(3/2)</translation>
    </message>
    <message>
        <source>waiting...(3/3)</source>
        <translation>waiting...(3/3)</translation>
    </message>
    <message>
        <source>连接失败！</source>
        <translation>Connection failed!</translation>
    </message>
    <message>
        <source>通道</source>
        <translation>Channel </translation>
    </message>
    <message>
        <source>校正成功!</source>
        <translation> calibrated!</translation>
    </message>
    <message>
        <source>连接成功！</source>
        <translation>Connected!</translation>
    </message>
    <message>
        <source>您还没有网络连接下位机</source>
        <translation>There is no connection between computer and the device!</translation>
    </message>
    <message>
        <source>刷新失败！</source>
        <translation>Refresh failed!</translation>
    </message>
    <message>
        <source>刷新成功！</source>
        <translation>Refreshed!</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2-低分辨率不支持，使用720P分辨率(%3x%4)</source>
        <translation>Window %1, input source %2 - low resolution not supported, using the 720P resolution (%3x%4)</translation>
    </message>
    <message>
        <source>窗口%1，输入源%2-无信号或输入分辨率不识别，使用默认分辨率(%3x%4)</source>
        <translation>Window %1, input source %2 - no signal or input resolution not recognised, using the default resolution (%3x%4)</translation>
    </message>
</context>
</TS>
