<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
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
        <translation>Entrada 1</translation>
    </message>
    <message>
        <source>输入 2</source>
        <translation>Entrada 2</translation>
    </message>
    <message>
        <source>输入 3</source>
        <translation>Entrada 3</translation>
    </message>
    <message>
        <source>输入 4</source>
        <translation>Entrada 4</translation>
    </message>
    <message>
        <source>串口连接</source>
        <translation>Conexión serie</translation>
    </message>
    <message>
        <source>串口刷新</source>
        <translation>Actualizar puertos</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Abrir puerto serie</translation>
    </message>
    <message>
        <source>拼接模式</source>
        <translation>Modo de pared</translation>
    </message>
    <message>
        <source>行</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>连接设置</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>连接服务器</source>
        <translation>Conectar al servidor</translation>
    </message>
    <message>
        <source>IP：</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>端口号：</source>
        <translation>Puerto:</translation>
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
        <translation>Fuentes (arrastrar y soltar)</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>Idioma:</translation>
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
        <translation>Resolución de salida</translation>
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
        <translation>Guardar toda la configuración</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>上一步</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>下一步</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>当前窗口：</source>
        <translation>Ventana actual:</translation>
    </message>
    <message>
        <source>窗口1</source>
        <translation>Ventana 1</translation>
    </message>
    <message>
        <source>窗口2</source>
        <translation>Ventana 2</translation>
    </message>
    <message>
        <source>窗口3</source>
        <translation>Ventana 3</translation>
    </message>
    <message>
        <source>窗口4</source>
        <translation>Ventana 4</translation>
    </message>
    <message>
        <source>视图调整</source>
        <translation>Ajuste de vista</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Posición</translation>
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
        <translation>Tamaño</translation>
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
        <translation>Recorte</translation>
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
        <translation>Posición final</translation>
    </message>
    <message>
        <source>起始：</source>
        <translation>Inicio:</translation>
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
        <translation>Fin:</translation>
    </message>
    <message>
        <source>⚠</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画面调整</source>
        <translation>Ajuste de imagen</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Temp. de color</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>水平锐度</source>
        <translation>Nitidez H</translation>
    </message>
    <message>
        <source>垂直锐度</source>
        <translation>Nitidez V</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>窗口调整</source>
        <translation>Ajuste de ventana</translation>
    </message>
    <message>
        <source>显示窗口</source>
        <translation>Mostrar ventana</translation>
    </message>
    <message>
        <source>开启音频</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>窗口冻结</source>
        <translation>Congelar</translation>
    </message>
    <message>
        <source>全部冻结</source>
        <translation>Congelar todas</translation>
    </message>
    <message>
        <source>窗口纯色填充</source>
        <translation>Relleno de color</translation>
    </message>
    <message>
        <source>窗口层级：</source>
        <translation>Capa:</translation>
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
        <translation>Paleta</translation>
    </message>
    <message>
        <source>蓝矫正</source>
        <translation>Corrección de azul</translation>
    </message>
    <message>
        <source>绿矫正</source>
        <translation>Corrección de verde</translation>
    </message>
    <message>
        <source>肤色矫正</source>
        <translation>Corrección de piel</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>Diseños</translation>
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
        <translation>Efectos de imagen</translation>
    </message>
    <message>
        <source>水平镜像</source>
        <translation>Espejo H</translation>
    </message>
    <message>
        <source>垂直镜像</source>
        <translation>Espejo V</translation>
    </message>
    <message>
        <source>水平过滤</source>
        <translation>Filtro H</translation>
    </message>
    <message>
        <source>垂直过滤</source>
        <translation>Filtro V</translation>
    </message>
    <message>
        <source>残影过滤</source>
        <translation>Fantasmas</translation>
    </message>
    <message>
        <source>块状过滤</source>
        <translation>Bloques</translation>
    </message>
    <message>
        <source>噪点处理</source>
        <translation>Ruido</translation>
    </message>
    <message>
        <source>毛发处理</source>
        <translation>Detalle fino</translation>
    </message>
    <message>
        <source>去伽马模式</source>
        <translation>De-gamma</translation>
    </message>
    <message>
        <source>面板伽马模式</source>
        <translation>Gamma pan.</translation>
    </message>
    <message>
        <source>开发者功能</source>
        <translation>Desarrollador</translation>
    </message>
    <message>
        <source>1200模式</source>
        <translation>Modo 1200</translation>
    </message>
    <message>
        <source>反交错</source>
        <translation>Desentrel.</translation>
    </message>
    <message>
        <source>24PSF模式</source>
        <translation>Modo 24PSF</translation>
    </message>
    <message>
        <source>运动检测灵敏度</source>
        <translation>Sens. mov.</translation>
    </message>
    <message>
        <source>对角线修正</source>
        <translation>Diagonales</translation>
    </message>
    <message>
        <source>2:2下拉检测</source>
        <translation>Detección 2:2</translation>
    </message>
    <message>
        <source>下拉时间阈值</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>2:3下拉检测</source>
        <translation>Detección 2:3</translation>
    </message>
    <message>
        <source>脱机</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>通讯</source>
        <translation>Comunicación</translation>
    </message>
    <message>
        <source>恢复出厂设置</source>
        <translation>Restablecer de fábrica</translation>
    </message>
    <message>
        <source>命令发送间隔：</source>
        <translation>Intervalo de envío:</translation>
    </message>
    <message>
        <source>网口：</source>
        <translation>Red:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口：</source>
        <translation>Puerto serie:</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>超出%1X%2分辨率</source>
        <translation>Supera la resolución %1X%2</translation>
    </message>
</context>
</TS>
