<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
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
        <translation>Вход 1</translation>
    </message>
    <message>
        <source>输入 2</source>
        <translation>Вход 2</translation>
    </message>
    <message>
        <source>输入 3</source>
        <translation>Вход 3</translation>
    </message>
    <message>
        <source>输入 4</source>
        <translation>Вход 4</translation>
    </message>
    <message>
        <source>串口连接</source>
        <translation>Последовательное соединение</translation>
    </message>
    <message>
        <source>串口刷新</source>
        <translation>Обновить порты</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Открыть порт</translation>
    </message>
    <message>
        <source>拼接模式</source>
        <translation>Режим стены</translation>
    </message>
    <message>
        <source>行</source>
        <translation>Строки</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Столбцы</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>连接设置</source>
        <translation>Настройки соединения</translation>
    </message>
    <message>
        <source>连接服务器</source>
        <translation>Подключиться к серверу</translation>
    </message>
    <message>
        <source>IP：</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>端口号：</source>
        <translation>Порт:</translation>
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
        <translation>Источники (перетащите)</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>Язык:</translation>
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
        <translation>Выходное разрешение</translation>
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
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>上一步</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>下一步</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>当前窗口：</source>
        <translation>Текущее окно:</translation>
    </message>
    <message>
        <source>窗口1</source>
        <translation>Окно 1</translation>
    </message>
    <message>
        <source>窗口2</source>
        <translation>Окно 2</translation>
    </message>
    <message>
        <source>窗口3</source>
        <translation>Окно 3</translation>
    </message>
    <message>
        <source>窗口4</source>
        <translation>Окно 4</translation>
    </message>
    <message>
        <source>视图调整</source>
        <translation>Настройка вида</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Положение</translation>
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
        <translation>Размер</translation>
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
        <translation>Обрезка</translation>
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
        <translation>Конечное положение</translation>
    </message>
    <message>
        <source>起始：</source>
        <translation>Начало:</translation>
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
        <translation>Конец:</translation>
    </message>
    <message>
        <source>⚠</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画面调整</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Насыщ.</translation>
    </message>
    <message>
        <source>色温</source>
        <translation>Цвет. темп.</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Оттенок</translation>
    </message>
    <message>
        <source>水平锐度</source>
        <translation>Резк. гор.</translation>
    </message>
    <message>
        <source>垂直锐度</source>
        <translation>Резк. верт.</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>窗口调整</source>
        <translation>Настройка окна</translation>
    </message>
    <message>
        <source>显示窗口</source>
        <translation>Показать окно</translation>
    </message>
    <message>
        <source>开启音频</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>窗口冻结</source>
        <translation>Заморозить</translation>
    </message>
    <message>
        <source>全部冻结</source>
        <translation>Заморозить все</translation>
    </message>
    <message>
        <source>窗口纯色填充</source>
        <translation>Заливка цветом</translation>
    </message>
    <message>
        <source>窗口层级：</source>
        <translation>Слой окна:</translation>
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
        <translation>Палитра</translation>
    </message>
    <message>
        <source>蓝矫正</source>
        <translation>Коррекция синего</translation>
    </message>
    <message>
        <source>绿矫正</source>
        <translation>Коррекция зелёного</translation>
    </message>
    <message>
        <source>肤色矫正</source>
        <translation>Коррекция кожи</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>Макеты</translation>
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
        <translation>Эффекты</translation>
    </message>
    <message>
        <source>水平镜像</source>
        <translation>Зерк. гор.</translation>
    </message>
    <message>
        <source>垂直镜像</source>
        <translation>Зерк. верт.</translation>
    </message>
    <message>
        <source>水平过滤</source>
        <translation>Фильтр гор.</translation>
    </message>
    <message>
        <source>垂直过滤</source>
        <translation>Фильтр верт.</translation>
    </message>
    <message>
        <source>残影过滤</source>
        <translation>Следы</translation>
    </message>
    <message>
        <source>块状过滤</source>
        <translation>Блочность</translation>
    </message>
    <message>
        <source>噪点处理</source>
        <translation>Шумы</translation>
    </message>
    <message>
        <source>毛发处理</source>
        <translation>Детали</translation>
    </message>
    <message>
        <source>去伽马模式</source>
        <translation>Де-гамма</translation>
    </message>
    <message>
        <source>面板伽马模式</source>
        <translation>Гамма пан.</translation>
    </message>
    <message>
        <source>开发者功能</source>
        <translation>Разработчик</translation>
    </message>
    <message>
        <source>1200模式</source>
        <translation>Режим 1200</translation>
    </message>
    <message>
        <source>反交错</source>
        <translation>Деинтерл.</translation>
    </message>
    <message>
        <source>24PSF模式</source>
        <translation>Режим 24PSF</translation>
    </message>
    <message>
        <source>运动检测灵敏度</source>
        <translation>Чувств. движ.</translation>
    </message>
    <message>
        <source>对角线修正</source>
        <translation>Диагонали</translation>
    </message>
    <message>
        <source>2:2下拉检测</source>
        <translation>Обнаружение 2:2</translation>
    </message>
    <message>
        <source>下拉时间阈值</source>
        <translation>Порог</translation>
    </message>
    <message>
        <source>2:3下拉检测</source>
        <translation>Обнаружение 2:3</translation>
    </message>
    <message>
        <source>脱机</source>
        <translation>Автономно</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Синхронизация</translation>
    </message>
    <message>
        <source>通讯</source>
        <translation>Обмен данными</translation>
    </message>
    <message>
        <source>恢复出厂设置</source>
        <translation>Заводские настройки</translation>
    </message>
    <message>
        <source>命令发送间隔：</source>
        <translation>Интервал команд:</translation>
    </message>
    <message>
        <source>网口：</source>
        <translation>Сеть:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口：</source>
        <translation>Порт RS232:</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>超出%1X%2分辨率</source>
        <translation>Превышено разрешение %1X%2</translation>
    </message>
</context>
</TS>
