<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ru">
<context>
    <name>ButtonHint</name>
    <message>
        <source>%1/Вкл</source>
        <translation>%1：开启</translation>
    </message>
    <message>
        <source>%1/Откл</source>
        <translation>%1：关闭</translation>
    </message>
</context>
<context>
    <name>EngineeringScale</name>
    <message>
        <source>0</source>
        <translation>拍 (10^15)</translation>
    </message>
    <message>
        <source>1</source>
        <translation>太 (10^12)</translation>
    </message>
    <message>
        <source>2</source>
        <translation>吉 (10^9)</translation>
    </message>
    <message>
        <source>3</source>
        <translation>兆 (10^6)</translation>
    </message>
    <message>
        <source>4</source>
        <translation>千 (10^3)</translation>
    </message>
    <message>
        <source>5</source>
        <translation>         (10^0)</translation>
    </message>
    <message>
        <source>6</source>
        <translation>毫 (10^-3)</translation>
    </message>
    <message>
        <source>7</source>
        <translation>微 (10^-6)</translation>
    </message>
    <message>
        <source>8</source>
        <translation>纳 (10^-9)</translation>
    </message>
    <message>
        <source>9</source>
        <translation>皮 (10^-12)</translation>
    </message>
    <message>
        <source>10</source>
        <translation>飞 (10^-15)</translation>
    </message>
</context>
<context>
    <name>FormatButton</name>
    <message>
        <source>Fix</source>
        <translation>Fix</translation>
    </message>
    <message>
        <source>Sci</source>
        <translation>Sci</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>FormatMenu</name>
    <message>
        <source>0</source>
        <translation>工程</translation>
    </message>
    <message>
        <source>1</source>
        <translation>科学计数</translation>
    </message>
    <message>
        <source>2</source>
        <translation>十进制</translation>
    </message>
    <message>
        <source>3</source>
        <translation>十六进制</translation>
    </message>
    <message>
        <source>4</source>
        <translation>八进制</translation>
    </message>
    <message>
        <source>5</source>
        <translation>二进制</translation>
    </message>
</context>
<context>
    <name>FunctionCategory</name>
    <message>
        <source>Тригонометрические</source>
        <translation>三角函数</translation>
    </message>
    <message>
        <source>Показательные и логарифмические</source>
        <translation>指数与对数</translation>
    </message>
    <message>
        <source>Другие</source>
        <translation>其他</translation>
    </message>
</context>
<context>
    <name>FunctionDescription</name>
    <message>
        <source>SIN</source>
        <translation>正弦</translation>
    </message>
    <message>
        <source>COS</source>
        <translation>余弦</translation>
    </message>
    <message>
        <source>TAN</source>
        <translation>正切</translation>
    </message>
    <message>
        <source>ARCSIN</source>
        <translation>反正弦</translation>
    </message>
    <message>
        <source>ARCCOS</source>
        <translation>反余弦</translation>
    </message>
    <message>
        <source>ARCTAN</source>
        <translation>反正切</translation>
    </message>
    <message>
        <source>EXP</source>
        <translation>指数函数，e 的 X 次方</translation>
    </message>
    <message>
        <source>LOG2</source>
        <translation>二进制对数（以 2 为底）</translation>
    </message>
    <message>
        <source>LN</source>
        <translation>自然对数</translation>
    </message>
    <message>
        <source>LG</source>
        <translation>常用对数（以 10 为底）</translation>
    </message>
    <message>
        <source>SQR</source>
        <translation>平方</translation>
    </message>
    <message>
        <source>SQRT</source>
        <translation>平方根</translation>
    </message>
    <message>
        <source>FACT</source>
        <translation>阶乘 n!</translation>
    </message>
    <message>
        <source>ABS</source>
        <translation>绝对值</translation>
    </message>
    <message>
        <source>FRAC</source>
        <translation>数的小数部分</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>数的整数部分</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>舍入到最接近的整数</translation>
    </message>
    <message>
        <source>CEIL</source>
        <translation>向上取整</translation>
    </message>
    <message>
        <source>FLOOR</source>
        <translation>向下取整</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>X 为奇数时为 1，否则为 0</translation>
    </message>
    <message>
        <source>SIGN</source>
        <translation>X&lt;0 时为 -1，X&gt;0 时为 1，X=0 时为 0</translation>
    </message>
    <message>
        <source>NOT</source>
        <translation>按位取反</translation>
    </message>
    <message>
        <source>ROL</source>
        <translation>将 X 的 32 位循环左移 N 位</translation>
    </message>
    <message>
        <source>ROR</source>
        <translation>将 X 的 32 位循环右移 N 位</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>help</source>
        <translation>help/zh_CN</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>Русский</source>
        <translation>简体中文</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>61149</source>
        <translation>参数不是整数</translation>
    </message>
    <message>
        <source>61150</source>
        <translation>浮点运算出错</translation>
    </message>
    <message>
        <source>61151</source>
        <translation>对数中的表达式小于零</translation>
    </message>
    <message>
        <source>61152</source>
        <translation>根号下的表达式小于零</translation>
    </message>
    <message>
        <source>61153</source>
        <translation>除数为零</translation>
    </message>
    <message>
        <source>61154</source>
        <translation>缺少括号</translation>
    </message>
    <message>
        <source>61155</source>
        <translation>语法错误</translation>
    </message>
    <message>
        <source>61156</source>
        <translation>函数参数无效</translation>
    </message>
    <message>
        <source>61157</source>
        <translation>表达式嵌套过深</translation>
    </message>
    <message>
        <source>61158</source>
        <translation>用户函数递归过深</translation>
    </message>
    <message>
        <source>65505</source>
        <translation>无效的浮点运算</translation>
    </message>
    <message>
        <source>65506</source>
        <translation>浮点除数为零</translation>
    </message>
    <message>
        <source>65507</source>
        <translation>浮点溢出</translation>
    </message>
    <message>
        <source>65521</source>
        <translation>“%s”不是有效的浮点数值</translation>
    </message>
    <message>
        <source>UnableToWrite</source>
        <translation>无法写入 %s</translation>
    </message>
    <message>
        <source>CannotCreateFile</source>
        <translation>无法创建文件 %s</translation>
    </message>
    <message>
        <source>StreamReadError</source>
        <translation>流读取错误：%s</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>О программе Tamrix</source>
        <translation>关于 Tamrix</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>© 2026 Разработчики Tamrix
Лицензия GPL-3.0-or-later</source>
        <translation>© 2026 Tamrix 开发者
许可证 GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Значок Tamrix</source>
        <translation>Tamrix 图标</translation>
    </message>
</context>
<context>
    <name>THelpWindowViewer</name>
    <message>
        <source>Справка Tamrix</source>
        <translation>Tamrix 帮助</translation>
    </message>
    <message>
        <source>&lt;p&gt;Не удаётся открыть файл справки «%1».&lt;/p&gt;</source>
        <translation>&lt;p&gt;无法打开帮助文件“%1”。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TPortalHotKeyService</name>
    <message>
        <source>Показать или спрятать калькулятор</source>
        <translation>显示或隐藏计算器</translation>
    </message>
</context>
<context>
    <name>TQtMessageBoxes</name>
    <message>
        <source>Подтвердите</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>TfrmEdit</name>
    <message>
        <source>Не введено имя переменной или функции</source>
        <translation>未输入变量或函数的名称</translation>
    </message>
    <message>
        <source>Неверное имя переменной или функции</source>
        <translation>变量或函数名称无效</translation>
    </message>
    <message>
        <source>Переменная или функция с таким именем уже существует</source>
        <translation>已存在同名的变量或函数</translation>
    </message>
    <message>
        <source>Не задано значение переменной</source>
        <translation>未给出变量的值</translation>
    </message>
    <message>
        <source>Категория</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>表达式</translation>
    </message>
    <message>
        <source>Добавить константу</source>
        <translation>添加常量</translation>
    </message>
    <message>
        <source>Изменить константу</source>
        <translation>修改常量</translation>
    </message>
    <message>
        <source>Добавить функцию</source>
        <translation>添加函数</translation>
    </message>
    <message>
        <source>Изменить функцию</source>
        <translation>修改函数</translation>
    </message>
    <message>
        <source>Символ &quot;|&quot; нельзя сохранить в теле функции; побитовое ИЛИ запишите иначе, например a+b-(a&amp;b) вместо a|b</source>
        <translation>函数体中不能保存字符 &quot;|&quot;；请换一种方式写按位或，例如用 a+b-(a&amp;b) 代替 a|b</translation>
    </message>
    <message>
        <source>Заголовок функции должен иметь вид имя(параметры)</source>
        <translation>函数头必须采用 名称(参数) 的形式</translation>
    </message>
    <message>
        <source>Не задано тело функции</source>
        <translation>未给出函数体</translation>
    </message>
    <message>
        <source>Ошибка в значении: %1</source>
        <translation>值有错误：%1</translation>
    </message>
    <message>
        <source>Символ %1 нельзя сохранить в поле &quot;%2&quot;</source>
        <translation>字段 &quot;%2&quot; 中不能保存字符 %1</translation>
    </message>
</context>
<context>
    <name>TfrmFunc</name>
    <message>
        <source>Функции и константы</source>
        <translation>函数与常量</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Функции</source>
        <translation>函数</translation>
    </message>
    <message>
        <source>Константы</source>
        <translation>常量</translation>
    </message>
    <message>
        <source>Пользовательские функции</source>
        <translation>用户函数</translation>
    </message>
    <message>
        <source>Функция</source>
        <translation>函数</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Константа</source>
        <translation>常量</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>表达式</translation>
    </message>
    <message>
        <source>Действительно удалить %1</source>
        <translation>删除 %1？</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Восстановить</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Переместить</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Поверх всех окон</source>
        <translation>总在最前</translation>
    </message>
    <message>
        <source>Сообщения об ошибках</source>
        <translation>错误消息</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <comment>the lower panel</comment>
        <translation>收起</translation>
    </message>
    <message>
        <source>Развернуть</source>
        <comment>the lower panel</comment>
        <translation>展开</translation>
    </message>
    <message>
        <source>Системное меню</source>
        <translation>系统菜单</translation>
    </message>
    <message>
        <source>Копировать результат
в буфер обмена</source>
        <translation>将结果复制
到剪贴板</translation>
    </message>
    <message>
        <source>Вставить в выражение</source>
        <translation>粘贴到表达式</translation>
    </message>
    <message>
        <source>Функции и константы (F5)</source>
        <translation>函数与常量 (F5)</translation>
    </message>
    <message>
        <source>Настройки (F7)</source>
        <translation>设置 (F7)</translation>
    </message>
    <message>
        <source>Градусы/Радианы</source>
        <translation>角度/弧度</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Запомнить выражение</source>
        <translation>记住表达式</translation>
    </message>
    <message>
        <source>Формат результата</source>
        <translation>结果格式</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>表达式</translation>
    </message>
    <message>
        <source>Результат 1</source>
        <translation>结果 1</translation>
    </message>
    <message>
        <source>Результат 2</source>
        <translation>结果 2</translation>
    </message>
    <message>
        <source>Результат 3</source>
        <translation>结果 3</translation>
    </message>
    <message>
        <source>Активизировать</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Tamrix</source>
        <translation>Tamrix</translation>
    </message>
    <message>
        <source>Закрыть Tamrix</source>
        <translation>关闭 Tamrix？</translation>
    </message>
    <message>
        <source>Закрыть Tamrix без сохранения?</source>
        <translation>不保存就关闭 Tamrix？</translation>
    </message>
    <message>
        <source>Поверх всех окон: здесь недоступно,
выберите «Поверх других окон» в меню окна рабочего стола</source>
        <translation>总在最前：此处不可用，
请在桌面的窗口菜单中选择“保持在其他窗口之上”</translation>
    </message>
    <message>
        <source>Нижняя панель</source>
        <translation>下方面板</translation>
    </message>
    <message>
        <source>Радианы</source>
        <translation>弧度</translation>
    </message>
    <message>
        <source>Градусы</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>Формат результата %1</source>
        <translation>结果格式 %1</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Язык интерфейса / Language</source>
        <translation>界面语言 / Language</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Сворачивать в трэй (где часы)</source>
        <translation>最小化到托盘（时钟旁）</translation>
    </message>
    <message>
        <source>Не запоминать последнее выражение</source>
        <translation>不记住上一个表达式</translation>
    </message>
    <message>
        <source>Подтверждать закрытие программы</source>
        <translation>关闭程序前确认</translation>
    </message>
    <message>
        <source>Число запоминаемых выражений</source>
        <translation>记住的表达式个数</translation>
    </message>
    <message>
        <source>Число значащих цифр в числе</source>
        <translation>数字的有效位数</translation>
    </message>
    <message>
        <source>Разделители</source>
        <translation>分隔符</translation>
    </message>
    <message>
        <source>Целой и дробной части (.)  Аргументов ф-ции (,)</source>
        <translation>小数点 (.)  函数参数 (,)</translation>
    </message>
    <message>
        <source>Целой и дробной части (,)  Аргументов ф-ции (;)</source>
        <translation>小数点 (,)  函数参数 (;)</translation>
    </message>
    <message>
        <source>Клавиши вызова</source>
        <translation>热键</translation>
    </message>
    <message>
        <source>Шрифт...</source>
        <translation>字体...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Комбинация %1 уже используется в вашей системе</source>
        <translation>组合键 %1 已被您的系统占用</translation>
    </message>
    <message>
        <source>Клавиши рабочего стола</source>
        <translation>桌面快捷键设置</translation>
    </message>
    <message>
        <source>Клавишу задают в настройках рабочего стола: команда tamrix --toggle</source>
        <translation>请在桌面设置中设定按键：命令 tamrix --toggle</translation>
    </message>
    <message>
        <source>не назначена</source>
        <translation>未分配</translation>
    </message>
    <message>
        <source>Язык рабочего стола</source>
        <translation>桌面语言</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Образец шрифта</source>
        <translation>字体示例</translation>
    </message>
</context>
<context>
    <name>TzqComboBox</name>
    <message>
        <source>Текст не вставлен: строка вмещает не больше %1 символов.</source>
        <translation>未粘贴文本：该行最多容纳 %1 个字符。</translation>
    </message>
</context>
</TS>
