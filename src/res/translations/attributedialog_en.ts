<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>SetItemAttribute</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>通道：</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <source>通道 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>通道 2</source>
        <translation>Channel 2</translation>
    </message>
    <message>
        <source>通道 3</source>
        <translation>Channel 3</translation>
    </message>
    <message>
        <source>通道 4</source>
        <translation>Channel 4</translation>
    </message>
    <message>
        <source>输入源：</source>
        <translation>Input source:</translation>
    </message>
    <message>
        <source>无输入源</source>
        <translation>No input source</translation>
    </message>
    <message>
        <source>输入源 1</source>
        <translation>Input source 1</translation>
    </message>
    <message>
        <source>输入源 2</source>
        <translation>Input source 2</translation>
    </message>
    <message>
        <source>输入源 3</source>
        <translation>Input source 3</translation>
    </message>
    <message>
        <source>输入源 4</source>
        <translation>Input source 4</translation>
    </message>
    <message>
        <source>坐标（左上角）</source>
        <translation>Position (top left)</translation>
    </message>
    <message>
        <source> x：</source>
        <translation> x:</translation>
    </message>
    <message>
        <source> y：</source>
        <translation> y:</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>长：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>宽：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>灰(默认)</source>
        <translation>Grey (default)</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>橘</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>层级</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>1 - 最底层</source>
        <translation>1 - Bottom</translation>
    </message>
    <message>
        <source>4 - 最高层</source>
        <translation>4 - Top</translation>
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
        <translation>Page</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <source>超出%1X%2分辨率</source>
        <translation>Beyond %1X%2 resolution</translation>
    </message>
</context>
</TS>
