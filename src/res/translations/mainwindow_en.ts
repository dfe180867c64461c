<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>ControlTreeWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入 1</source>
        <translation>IN 1</translation>
    </message>
    <message>
        <source>输入 2</source>
        <translation>IN 2</translation>
    </message>
    <message>
        <source>输入 3</source>
        <translation>IN 3</translation>
    </message>
    <message>
        <source>输入 4</source>
        <translation>IN 4</translation>
    </message>
    <message>
        <source>串口连接</source>
        <translation>Serial connection</translation>
    </message>
    <message>
        <source>串口刷新</source>
        <translation>Serial Port Refresh</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Open Serial Port</translation>
    </message>
    <message>
        <source>拼接模式</source>
        <translation>Wall Mode</translation>
    </message>
    <message>
        <source>行</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>连接设置</source>
        <translation>Connection settings</translation>
    </message>
    <message>
        <source>连接服务器</source>
        <translation>Connect to Server</translation>
    </message>
    <message>
        <source>IP：</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>端口号：</source>
        <translation>Lan Port:</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP ：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入源(尝试拖动？)</source>
        <translation>Input source (Drag &amp;&amp; Drop)</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>中文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>русский</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测试速率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCU103 复位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测试MyMessagebox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输出分辨率</source>
        <translation>Output resolution</translation>
    </message>
    <message>
        <source>1080P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1200P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1400 x 1050</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1280 x 960</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存所有配置</source>
        <translation>Save all config</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>上一步</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>下一步</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>当前窗口：</source>
        <translation>Current Window:</translation>
    </message>
    <message>
        <source>窗口1</source>
        <translation>Window 1</translation>
    </message>
    <message>
        <source>窗口2</source>
        <translation>Window 2</translation>
    </message>
    <message>
        <source>窗口3</source>
        <translation>Window 3</translation>
    </message>
    <message>
        <source>窗口4</source>
        <translation>Window 4</translation>
    </message>
    <message>
        <source>视图调整</source>
        <translation>View Adjustment</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Pos.X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos.Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heigh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>结束位置</source>
        <translation>End position</translation>
    </message>
    <message>
        <source>起始：</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>X</translation>
    </message>
    <message>
        <source>V</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>结束：</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>⚠</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画面调整</source>
        <translation>Picture Adjustment</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Color temp.</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>水平锐度</source>
        <translation>H sharp.</translation>
    </message>
    <message>
        <source>垂直锐度</source>
        <translation>V sharp.</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>窗口调整</source>
        <translation>Window Adjustment</translation>
    </message>
    <message>
        <source>显示窗口</source>
        <translation>Layer Display/Hide</translation>
    </message>
    <message>
        <source>开启音频</source>
        <translation>Audio on</translation>
    </message>
    <message>
        <source>窗口冻结</source>
        <translation>Freeze window</translation>
    </message>
    <message>
        <source>全部冻结</source>
        <translation>Freeze all Windows</translation>
    </message>
    <message>
        <source>窗口纯色填充</source>
        <translation>Solid Color Fill</translation>
    </message>
    <message>
        <source>窗口层级：</source>
        <translation>Window layer:</translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>调
色
板</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>蓝矫正</source>
        <translation>Blue correction</translation>
    </message>
    <message>
        <source>绿矫正</source>
        <translation>Green correction</translation>
    </message>
    <message>
        <source>肤色矫正</source>
        <translation>Skin correction</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>开窗模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>覆盖模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>层级模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图像效果</source>
        <translation>Image Effects</translation>
    </message>
    <message>
        <source>水平镜像</source>
        <translation>H mirror</translation>
    </message>
    <message>
        <source>垂直镜像</source>
        <translation>V mirror</translation>
    </message>
    <message>
        <source>水平过滤</source>
        <translation>H filter</translation>
    </message>
    <message>
        <source>垂直过滤</source>
        <translation>V filter</translation>
    </message>
    <message>
        <source>残影过滤</source>
        <translation>Ghost filter</translation>
    </message>
    <message>
        <source>块状过滤</source>
        <translation>Block filter</translation>
    </message>
    <message>
        <source>噪点处理</source>
        <translation>Noise</translation>
    </message>
    <message>
        <source>毛发处理</source>
        <translation>Hair detail</translation>
    </message>
    <message>
        <source>去伽马模式</source>
        <translation>De-gamma</translation>
    </message>
    <message>
        <source>面板伽马模式</source>
        <translation>Panel gam.</translation>
    </message>
    <message>
        <source>开发者功能</source>
        <translation>Developer</translation>
    </message>
    <message>
        <source>1200模式</source>
        <translation>1200 mode</translation>
    </message>
    <message>
        <source>反交错</source>
        <translation>Deinterlace</translation>
    </message>
    <message>
        <source>24PSF模式</source>
        <translation>24PSF mode</translation>
    </message>
    <message>
        <source>运动检测灵敏度</source>
        <translation>Motion sens.</translation>
    </message>
    <message>
        <source>对角线修正</source>
        <translation>Diagonal fix</translation>
    </message>
    <message>
        <source>2:2下拉检测</source>
        <translation>2:2 pull-down</translation>
    </message>
    <message>
        <source>下拉时间阈值</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>2:3下拉检测</source>
        <translation>2:3 pull-down</translation>
    </message>
    <message>
        <source>脱机</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Data Sync</translation>
    </message>
    <message>
        <source>通讯</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>恢复出厂设置</source>
        <translation>Factory Reset</translation>
    </message>
    <message>
        <source>命令发送间隔：</source>
        <translation>Command Send Interval:</translation>
    </message>
    <message>
        <source>网口：</source>
        <translation>Network port:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口：</source>
        <translation>Serial port:</translation>
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
