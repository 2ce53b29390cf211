<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
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
    <name>TfrmOptions</name>
    <message>
        <source>Язык интерфейса / Language</source>
        <translation>Language / Язык интерфейса</translation>
    </message>
    <message>
        <source>Вступит в силу при следующем запуске / Applies at the next start</source>
        <translation>Applies at the next start</translation>
    </message>
</context>
</TS>
