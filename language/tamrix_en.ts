<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>ButtonHint</name>
    <message>
        <source>%1/Вкл</source>
        <translation>%1: switch on</translation>
    </message>
    <message>
        <source>%1/Откл</source>
        <translation>%1: switch off</translation>
    </message>
</context>
<context>
    <name>EngineeringScale</name>
    <message>
        <source>0</source>
        <translation>peta (10^15)</translation>
    </message>
    <message>
        <source>1</source>
        <translation>tera (10^12)</translation>
    </message>
    <message>
        <source>2</source>
        <translation>giga (10^9)</translation>
    </message>
    <message>
        <source>3</source>
        <translation>mega (10^6)</translation>
    </message>
    <message>
        <source>4</source>
        <translation>kilo (10^3)</translation>
    </message>
    <message>
        <source>5</source>
        <translation>         (10^0)</translation>
    </message>
    <message>
        <source>6</source>
        <translation>milli (10^-3)</translation>
    </message>
    <message>
        <source>7</source>
        <translation>micro (10^-6)</translation>
    </message>
    <message>
        <source>8</source>
        <translation>nano (10^-9)</translation>
    </message>
    <message>
        <source>9</source>
        <translation>pico (10^-12)</translation>
    </message>
    <message>
        <source>10</source>
        <translation>femto (10^-15)</translation>
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
        <translation>Engineering</translation>
    </message>
    <message>
        <source>1</source>
        <translation>Scientific</translation>
    </message>
    <message>
        <source>2</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>3</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>4</source>
        <translation>Octal</translation>
    </message>
    <message>
        <source>5</source>
        <translation>Binary</translation>
    </message>
</context>
<context>
    <name>FunctionCategory</name>
    <message>
        <source>Тригонометрические</source>
        <translation>Trigonometric</translation>
    </message>
    <message>
        <source>Показательные и логарифмические</source>
        <translation>Exponential and logarithmic</translation>
    </message>
    <message>
        <source>Другие</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>FunctionDescription</name>
    <message>
        <source>SIN</source>
        <translation>sine</translation>
    </message>
    <message>
        <source>COS</source>
        <translation>cosine</translation>
    </message>
    <message>
        <source>TAN</source>
        <translation>tangent</translation>
    </message>
    <message>
        <source>ARCSIN</source>
        <translation>arcsine</translation>
    </message>
    <message>
        <source>ARCCOS</source>
        <translation>arccosine</translation>
    </message>
    <message>
        <source>ARCTAN</source>
        <translation>arctangent</translation>
    </message>
    <message>
        <source>EXP</source>
        <translation>exponential, e to the power X</translation>
    </message>
    <message>
        <source>LOG2</source>
        <translation>binary logarithm (base 2)</translation>
    </message>
    <message>
        <source>LN</source>
        <translation>natural logarithm</translation>
    </message>
    <message>
        <source>LG</source>
        <translation>decimal logarithm (base 10)</translation>
    </message>
    <message>
        <source>SQR</source>
        <translation>square</translation>
    </message>
    <message>
        <source>SQRT</source>
        <translation>square root</translation>
    </message>
    <message>
        <source>FACT</source>
        <translation>factorial n!</translation>
    </message>
    <message>
        <source>ABS</source>
        <translation>absolute value</translation>
    </message>
    <message>
        <source>FRAC</source>
        <translation>fractional part of a number</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>integer part of a number</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>rounding to the nearest integer</translation>
    </message>
    <message>
        <source>CEIL</source>
        <translation>rounding up</translation>
    </message>
    <message>
        <source>FLOOR</source>
        <translation>rounding down</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>1 if X is odd, 0 otherwise</translation>
    </message>
    <message>
        <source>SIGN</source>
        <translation>-1 if X&lt;0, 1 if X&gt;0 and 0 if X=0</translation>
    </message>
    <message>
        <source>NOT</source>
        <translation>bitwise negation</translation>
    </message>
    <message>
        <source>ROL</source>
        <translation>rotate the 32 bits of X left by N</translation>
    </message>
    <message>
        <source>ROR</source>
        <translation>rotate the 32 bits of X right by N</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>help</source>
        <translation>help/en</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>Русский</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>61149</source>
        <translation>Argument is not an integer</translation>
    </message>
    <message>
        <source>61150</source>
        <translation>Floating-point operation error</translation>
    </message>
    <message>
        <source>61151</source>
        <translation>Expression under the logarithm is less than zero</translation>
    </message>
    <message>
        <source>61152</source>
        <translation>Expression under the root is less than zero</translation>
    </message>
    <message>
        <source>61153</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>61154</source>
        <translation>Missing bracket</translation>
    </message>
    <message>
        <source>61155</source>
        <translation>Syntax error</translation>
    </message>
    <message>
        <source>61156</source>
        <translation>Invalid function argument</translation>
    </message>
    <message>
        <source>61157</source>
        <translation>Expression nested too deeply</translation>
    </message>
    <message>
        <source>61158</source>
        <translation>User functions recurse too deeply</translation>
    </message>
    <message>
        <source>65505</source>
        <translation>Invalid floating-point operation</translation>
    </message>
    <message>
        <source>65506</source>
        <translation>Floating-point division by zero</translation>
    </message>
    <message>
        <source>65507</source>
        <translation>Floating-point overflow</translation>
    </message>
    <message>
        <source>65521</source>
        <translation>&apos;%s&apos; is not a valid floating-point value</translation>
    </message>
    <message>
        <source>UnableToWrite</source>
        <translation>Unable to write to %s</translation>
    </message>
    <message>
        <source>CannotCreateFile</source>
        <translation>Cannot create file %s</translation>
    </message>
    <message>
        <source>StreamReadError</source>
        <translation>Stream read error: %s</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>О программе Tamrix</source>
        <translation>About Tamrix</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>© 2026 Разработчики Tamrix
Лицензия GPL-3.0-or-later</source>
        <translation>© 2026 Tamrix developers
Licence GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Значок Tamrix</source>
        <translation>Tamrix icon</translation>
    </message>
</context>
<context>
    <name>THelpWindowViewer</name>
    <message>
        <source>Справка Tamrix</source>
        <translation>Tamrix Help</translation>
    </message>
    <message>
        <source>&lt;p&gt;Не удаётся открыть файл справки «%1».&lt;/p&gt;</source>
        <translation>&lt;p&gt;Cannot open the help file “%1”.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TPortalHotKeyService</name>
    <message>
        <source>Показать или спрятать калькулятор</source>
        <translation>Show or hide the calculator</translation>
    </message>
</context>
<context>
    <name>TQtMessageBoxes</name>
    <message>
        <source>Подтвердите</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>TfrmEdit</name>
    <message>
        <source>Не введено имя переменной или функции</source>
        <translation>No name entered for the variable or function</translation>
    </message>
    <message>
        <source>Неверное имя переменной или функции</source>
        <translation>Invalid variable or function name</translation>
    </message>
    <message>
        <source>Переменная или функция с таким именем уже существует</source>
        <translation>A variable or function with this name already exists</translation>
    </message>
    <message>
        <source>Не задано значение переменной</source>
        <translation>No value given for the variable</translation>
    </message>
    <message>
        <source>Категория</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Добавить константу</source>
        <translation>Add constant</translation>
    </message>
    <message>
        <source>Изменить константу</source>
        <translation>Change constant</translation>
    </message>
    <message>
        <source>Добавить функцию</source>
        <translation>Add function</translation>
    </message>
    <message>
        <source>Изменить функцию</source>
        <translation>Change function</translation>
    </message>
    <message>
        <source>Символ &quot;|&quot; нельзя сохранить в теле функции; побитовое ИЛИ запишите иначе, например a+b-(a&amp;b) вместо a|b</source>
        <translation>The character &quot;|&quot; cannot be stored in a function body; write the bitwise OR another way, for example a+b-(a&amp;b) instead of a|b</translation>
    </message>
    <message>
        <source>Заголовок функции должен иметь вид имя(параметры)</source>
        <translation>The function head must have the form name(parameters)</translation>
    </message>
    <message>
        <source>Не задано тело функции</source>
        <translation>No body given for the function</translation>
    </message>
    <message>
        <source>Ошибка в значении: %1</source>
        <translation>Error in the value: %1</translation>
    </message>
    <message>
        <source>Символ %1 нельзя сохранить в поле &quot;%2&quot;</source>
        <translation>The character %1 cannot be stored in the field &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>TfrmFunc</name>
    <message>
        <source>Функции и константы</source>
        <translation>Functions and constants</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Функции</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>Константы</source>
        <translation>Constants</translation>
    </message>
    <message>
        <source>Пользовательские функции</source>
        <translation>User functions</translation>
    </message>
    <message>
        <source>Функция</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Константа</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Действительно удалить %1</source>
        <translation>Delete %1?</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Восстановить</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Переместить</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Поверх всех окон</source>
        <translation>Always on top</translation>
    </message>
    <message>
        <source>Сообщения об ошибках</source>
        <translation>Error messages</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <comment>the lower panel</comment>
        <translation>Collapse</translation>
    </message>
    <message>
        <source>Развернуть</source>
        <comment>the lower panel</comment>
        <translation>Expand</translation>
    </message>
    <message>
        <source>Системное меню</source>
        <translation>System menu</translation>
    </message>
    <message>
        <source>Копировать результат
в буфер обмена</source>
        <translation>Copy the result
to the clipboard</translation>
    </message>
    <message>
        <source>Вставить в выражение</source>
        <translation>Paste into the expression</translation>
    </message>
    <message>
        <source>Функции и константы (F5)</source>
        <translation>Functions and constants (F5)</translation>
    </message>
    <message>
        <source>Настройки (F7)</source>
        <translation>Settings (F7)</translation>
    </message>
    <message>
        <source>Градусы/Радианы</source>
        <translation>Degrees/Radians</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Запомнить выражение</source>
        <translation>Remember the expression</translation>
    </message>
    <message>
        <source>Формат результата</source>
        <translation>Result format</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Результат 1</source>
        <translation>Result 1</translation>
    </message>
    <message>
        <source>Результат 2</source>
        <translation>Result 2</translation>
    </message>
    <message>
        <source>Результат 3</source>
        <translation>Result 3</translation>
    </message>
    <message>
        <source>Активизировать</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Tamrix</source>
        <translation>Tamrix</translation>
    </message>
    <message>
        <source>Закрыть Tamrix</source>
        <translation>Close Tamrix?</translation>
    </message>
    <message>
        <source>Закрыть Tamrix без сохранения?</source>
        <translation>Close Tamrix without saving?</translation>
    </message>
    <message>
        <source>Поверх всех окон: здесь недоступно,
выберите «Поверх других окон» в меню окна рабочего стола</source>
        <translation>Always on top: not available here;
choose “Keep above others” in the desktop&apos;s window menu</translation>
    </message>
    <message>
        <source>Нижняя панель</source>
        <translation>Lower panel</translation>
    </message>
    <message>
        <source>Радианы</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>Градусы</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>Формат результата %1</source>
        <translation>Result format %1</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Язык интерфейса / Language</source>
        <translation>Language / Язык интерфейса</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Сворачивать в трэй (где часы)</source>
        <translation>Minimize to the tray (by the clock)</translation>
    </message>
    <message>
        <source>Не запоминать последнее выражение</source>
        <translation>Do not remember the last expression</translation>
    </message>
    <message>
        <source>Подтверждать закрытие программы</source>
        <translation>Confirm closing the program</translation>
    </message>
    <message>
        <source>Число запоминаемых выражений</source>
        <translation>Number of expressions remembered</translation>
    </message>
    <message>
        <source>Число значащих цифр в числе</source>
        <translation>Significant digits in a number</translation>
    </message>
    <message>
        <source>Разделители</source>
        <translation>Separators</translation>
    </message>
    <message>
        <source>Целой и дробной части (.)  Аргументов ф-ции (,)</source>
        <translation>Decimal point (.)  Function arguments (,)</translation>
    </message>
    <message>
        <source>Целой и дробной части (,)  Аргументов ф-ции (;)</source>
        <translation>Decimal point (,)  Function arguments (;)</translation>
    </message>
    <message>
        <source>Клавиши вызова</source>
        <translation>Hot key</translation>
    </message>
    <message>
        <source>Шрифт...</source>
        <translation>Font...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Комбинация %1 уже используется в вашей системе</source>
        <translation>The combination %1 is already in use on your system</translation>
    </message>
    <message>
        <source>Клавиши рабочего стола</source>
        <translation>The desktop&apos;s shortcut settings</translation>
    </message>
    <message>
        <source>Клавишу задают в настройках рабочего стола: команда tamrix --toggle</source>
        <translation>Set the key in the desktop&apos;s settings: command tamrix --toggle</translation>
    </message>
    <message>
        <source>не назначена</source>
        <translation>none bound</translation>
    </message>
    <message>
        <source>Язык рабочего стола</source>
        <translation>Desktop language</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Образец шрифта</source>
        <translation>Font sample</translation>
    </message>
</context>
<context>
    <name>TzqComboBox</name>
    <message>
        <source>Текст не вставлен: строка вмещает не больше %1 символов.</source>
        <translation>The text was not pasted: the line holds at most %1 characters.</translation>
    </message>
</context>
</TS>
