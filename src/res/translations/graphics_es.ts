<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>SliceUpScene</name>
    <message>
        <source> 分辨率： 
 %1 x %2</source>
        <translation> Resolución: 
 %1 x %2</translation>
    </message>
</context>
</TS>
