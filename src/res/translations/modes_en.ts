<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MainWindowModes</name>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>行列的乘积不能大于</source>
        <translation>The product of rows and columns cannot be greater than </translation>
    </message>
    <message>
        <source>行和列不能超过12</source>
        <translation>Rows and columns cannot exceed 12</translation>
    </message>
    <message>
        <source>设备不支持该拼接配置！</source>
        <translation>The device does not support this splicing configuration!</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>拼接模式更新，请重新启动设备！</source>
        <translation>Splicing mode updated, please restart the device!</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>消息</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>保存成功！</source>
        <translation>Saved successfully!</translation>
    </message>
    <message>
        <source>确定要重置吗？</source>
        <translation>Are you sure you want to reset?</translation>
    </message>
    <message>
        <source>恢复成功，请手动重启设备！</source>
        <translation>Restored successfully, please restart the device manually!</translation>
    </message>
    <message>
        <source>请稍等(7/1)</source>
        <translation>Please wait (1/7)</translation>
    </message>
    <message>
        <source>请稍等(7/2)</source>
        <translation>Please wait (2/7)</translation>
    </message>
    <message>
        <source>请稍等(7/3)</source>
        <translation>Please wait (3/7)</translation>
    </message>
    <message>
        <source>请稍等(7/4)</source>
        <translation>Please wait (4/7)</translation>
    </message>
    <message>
        <source>请稍等(7/5)</source>
        <translation>Please wait (5/7)</translation>
    </message>
    <message>
        <source>请稍等(7/6)</source>
        <translation>Please wait (6/7)</translation>
    </message>
    <message>
        <source>请稍等(7/7)</source>
        <translation>Please wait (7/7)</translation>
    </message>
</context>
</TS>
