<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>SetItemAttribute</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>通道：</source>
        <translation>通道：</translation>
    </message>
    <message>
        <source>通道 1</source>
        <translation>通道 1</translation>
    </message>
    <message>
        <source>通道 2</source>
        <translation>通道 2</translation>
    </message>
    <message>
        <source>通道 3</source>
        <translation>通道 3</translation>
    </message>
    <message>
        <source>通道 4</source>
        <translation>通道 4</translation>
    </message>
    <message>
        <source>输入源：</source>
        <translation>输入源：</translation>
    </message>
    <message>
        <source>无输入源</source>
        <translation>无输入源</translation>
    </message>
    <message>
        <source>输入源 1</source>
        <translation>输入源 1</translation>
    </message>
    <message>
        <source>输入源 2</source>
        <translation>输入源 2</translation>
    </message>
    <message>
        <source>输入源 3</source>
        <translation>输入源 3</translation>
    </message>
    <message>
        <source>输入源 4</source>
        <translation>输入源 4</translation>
    </message>
    <message>
        <source>坐标（左上角）</source>
        <translation>坐标（左上角）</translation>
    </message>
    <message>
        <source> x：</source>
        <translation> x：</translation>
    </message>
    <message>
        <source> y：</source>
        <translation> y：</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>长：</source>
        <translation>长：</translation>
    </message>
    <message>
        <source>宽：</source>
        <translation>宽：</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>灰(默认)</source>
        <translation>灰(默认)</translation>
    </message>
    <message>
        <source>红</source>
        <translation>红</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>橘</source>
        <translation>橘</translation>
    </message>
    <message>
        <source>层级</source>
        <translation>层级</translation>
    </message>
    <message>
        <source>1 - 最底层</source>
        <translation>1 - 最底层</translation>
    </message>
    <message>
        <source>4 - 最高层</source>
        <translation>4 - 最高层</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>PushButton</translation>
    </message>
    <message>
        <source>Page 1</source>
        <translation>Page 1</translation>
    </message>
    <message>
        <source>Page 2</source>
        <translation>Page 2</translation>
    </message>
    <message>
        <source>页</source>
        <translation>页</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>超出%1X%2分辨率</source>
        <translation>超出%1X%2分辨率</translation>
    </message>
</context>
</TS>
