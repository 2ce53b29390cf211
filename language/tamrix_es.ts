<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ru">
<context>
    <name>ButtonHint</name>
    <message>
        <source>%1/Вкл</source>
        <translation>%1: activar</translation>
    </message>
    <message>
        <source>%1/Откл</source>
        <translation>%1: desactivar</translation>
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
        <translation>mili (10^-3)</translation>
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
        <translation>Ingeniería</translation>
    </message>
    <message>
        <source>1</source>
        <translation>Científico</translation>
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
        <translation>Binario</translation>
    </message>
</context>
<context>
    <name>FunctionCategory</name>
    <message>
        <source>Тригонометрические</source>
        <translation>Trigonométricas</translation>
    </message>
    <message>
        <source>Показательные и логарифмические</source>
        <translation>Exponenciales y logarítmicas</translation>
    </message>
    <message>
        <source>Другие</source>
        <translation>Otras</translation>
    </message>
</context>
<context>
    <name>FunctionDescription</name>
    <message>
        <source>SIN</source>
        <translation>seno</translation>
    </message>
    <message>
        <source>COS</source>
        <translation>coseno</translation>
    </message>
    <message>
        <source>TAN</source>
        <translation>tangente</translation>
    </message>
    <message>
        <source>ARCSIN</source>
        <translation>arcoseno</translation>
    </message>
    <message>
        <source>ARCCOS</source>
        <translation>arcocoseno</translation>
    </message>
    <message>
        <source>ARCTAN</source>
        <translation>arcotangente</translation>
    </message>
    <message>
        <source>EXP</source>
        <translation>exponencial, e elevado a X</translation>
    </message>
    <message>
        <source>LOG2</source>
        <translation>logaritmo binario (base 2)</translation>
    </message>
    <message>
        <source>LN</source>
        <translation>logaritmo natural</translation>
    </message>
    <message>
        <source>LG</source>
        <translation>logaritmo decimal (base 10)</translation>
    </message>
    <message>
        <source>SQR</source>
        <translation>cuadrado</translation>
    </message>
    <message>
        <source>SQRT</source>
        <translation>raíz cuadrada</translation>
    </message>
    <message>
        <source>FACT</source>
        <translation>factorial n!</translation>
    </message>
    <message>
        <source>ABS</source>
        <translation>valor absoluto</translation>
    </message>
    <message>
        <source>FRAC</source>
        <translation>parte fraccionaria de un número</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>parte entera de un número</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>redondeo al entero más cercano</translation>
    </message>
    <message>
        <source>CEIL</source>
        <translation>redondeo hacia arriba</translation>
    </message>
    <message>
        <source>FLOOR</source>
        <translation>redondeo hacia abajo</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>1 si X es impar, 0 en caso contrario</translation>
    </message>
    <message>
        <source>SIGN</source>
        <translation>-1 si X&lt;0, 1 si X&gt;0 y 0 si X=0</translation>
    </message>
    <message>
        <source>NOT</source>
        <translation>negación bit a bit</translation>
    </message>
    <message>
        <source>ROL</source>
        <translation>rotación de los 32 bits de X N posiciones a la izquierda</translation>
    </message>
    <message>
        <source>ROR</source>
        <translation>rotación de los 32 bits de X N posiciones a la derecha</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>help</source>
        <translation>help/es</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>Русский</source>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>61149</source>
        <translation>El argumento no es un entero</translation>
    </message>
    <message>
        <source>61150</source>
        <translation>Error de cálculo en coma flotante</translation>
    </message>
    <message>
        <source>61151</source>
        <translation>La expresión bajo el logaritmo es menor que cero</translation>
    </message>
    <message>
        <source>61152</source>
        <translation>La expresión bajo la raíz es menor que cero</translation>
    </message>
    <message>
        <source>61153</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>61154</source>
        <translation>Falta un paréntesis</translation>
    </message>
    <message>
        <source>61155</source>
        <translation>Error de sintaxis</translation>
    </message>
    <message>
        <source>61156</source>
        <translation>Argumento de función no válido</translation>
    </message>
    <message>
        <source>61157</source>
        <translation>Expresión anidada a demasiada profundidad</translation>
    </message>
    <message>
        <source>61158</source>
        <translation>Recursión demasiado profunda de las funciones de usuario</translation>
    </message>
    <message>
        <source>65505</source>
        <translation>Operación en coma flotante no válida</translation>
    </message>
    <message>
        <source>65506</source>
        <translation>División por cero en coma flotante</translation>
    </message>
    <message>
        <source>65507</source>
        <translation>Desbordamiento en coma flotante</translation>
    </message>
    <message>
        <source>65521</source>
        <translation>&apos;%s&apos; no es un valor en coma flotante válido</translation>
    </message>
    <message>
        <source>UnableToWrite</source>
        <translation>No se puede escribir en %s</translation>
    </message>
    <message>
        <source>CannotCreateFile</source>
        <translation>No se puede crear el archivo %s</translation>
    </message>
    <message>
        <source>StreamReadError</source>
        <translation>Error de lectura del flujo: %s</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>О программе Tamrix</source>
        <translation>Acerca de Tamrix</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>© 2026 Разработчики Tamrix
Лицензия GPL-3.0-or-later</source>
        <translation>© 2026 Desarrolladores de Tamrix
Licencia GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Значок Tamrix</source>
        <translation>Icono de Tamrix</translation>
    </message>
</context>
<context>
    <name>THelpWindowViewer</name>
    <message>
        <source>Справка Tamrix</source>
        <translation>Ayuda de Tamrix</translation>
    </message>
    <message>
        <source>&lt;p&gt;Не удаётся открыть файл справки «%1».&lt;/p&gt;</source>
        <translation>&lt;p&gt;No se puede abrir el archivo de ayuda «%1».&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TPortalHotKeyService</name>
    <message>
        <source>Показать или спрятать калькулятор</source>
        <translation>Mostrar u ocultar la calculadora</translation>
    </message>
</context>
<context>
    <name>TQtMessageBoxes</name>
    <message>
        <source>Подтвердите</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Sí</translation>
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
        <translation>No se ha introducido el nombre de la variable o función</translation>
    </message>
    <message>
        <source>Неверное имя переменной или функции</source>
        <translation>Nombre de variable o función no válido</translation>
    </message>
    <message>
        <source>Переменная или функция с таким именем уже существует</source>
        <translation>Ya existe una variable o función con este nombre</translation>
    </message>
    <message>
        <source>Не задано значение переменной</source>
        <translation>No se ha indicado el valor de la variable</translation>
    </message>
    <message>
        <source>Категория</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Expresión</translation>
    </message>
    <message>
        <source>Добавить константу</source>
        <translation>Añadir constante</translation>
    </message>
    <message>
        <source>Изменить константу</source>
        <translation>Modificar constante</translation>
    </message>
    <message>
        <source>Добавить функцию</source>
        <translation>Añadir función</translation>
    </message>
    <message>
        <source>Изменить функцию</source>
        <translation>Modificar función</translation>
    </message>
    <message>
        <source>Символ &quot;|&quot; нельзя сохранить в теле функции; побитовое ИЛИ запишите иначе, например a+b-(a&amp;b) вместо a|b</source>
        <translation>El carácter &quot;|&quot; no se puede guardar en el cuerpo de una función; escriba el O bit a bit de otra forma, por ejemplo a+b-(a&amp;b) en lugar de a|b</translation>
    </message>
    <message>
        <source>Заголовок функции должен иметь вид имя(параметры)</source>
        <translation>La cabecera de la función debe tener la forma nombre(parámetros)</translation>
    </message>
    <message>
        <source>Не задано тело функции</source>
        <translation>No se ha indicado el cuerpo de la función</translation>
    </message>
    <message>
        <source>Ошибка в значении: %1</source>
        <translation>Error en el valor: %1</translation>
    </message>
    <message>
        <source>Символ %1 нельзя сохранить в поле &quot;%2&quot;</source>
        <translation>El carácter %1 no se puede guardar en el campo &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>TfrmFunc</name>
    <message>
        <source>Функции и константы</source>
        <translation>Funciones y constantes</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Функции</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Константы</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Пользовательские функции</source>
        <translation>Funciones de usuario</translation>
    </message>
    <message>
        <source>Функция</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Константа</source>
        <translation>Constante</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Expresión</translation>
    </message>
    <message>
        <source>Действительно удалить %1</source>
        <translation>¿Eliminar %1?</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Восстановить</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Переместить</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Поверх всех окон</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <source>Сообщения об ошибках</source>
        <translation>Mensajes de error</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <comment>the lower panel</comment>
        <translation>Contraer</translation>
    </message>
    <message>
        <source>Развернуть</source>
        <comment>the lower panel</comment>
        <translation>Expandir</translation>
    </message>
    <message>
        <source>Системное меню</source>
        <translation>Menú del sistema</translation>
    </message>
    <message>
        <source>Копировать результат
в буфер обмена</source>
        <translation>Copiar el resultado
al portapapeles</translation>
    </message>
    <message>
        <source>Вставить в выражение</source>
        <translation>Pegar en la expresión</translation>
    </message>
    <message>
        <source>Функции и константы (F5)</source>
        <translation>Funciones y constantes (F5)</translation>
    </message>
    <message>
        <source>Настройки (F7)</source>
        <translation>Configuración (F7)</translation>
    </message>
    <message>
        <source>Градусы/Радианы</source>
        <translation>Grados/Radianes</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Запомнить выражение</source>
        <translation>Recordar la expresión</translation>
    </message>
    <message>
        <source>Формат результата</source>
        <translation>Formato del resultado</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Expresión</translation>
    </message>
    <message>
        <source>Результат 1</source>
        <translation>Resultado 1</translation>
    </message>
    <message>
        <source>Результат 2</source>
        <translation>Resultado 2</translation>
    </message>
    <message>
        <source>Результат 3</source>
        <translation>Resultado 3</translation>
    </message>
    <message>
        <source>Активизировать</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Tamrix</source>
        <translation>Tamrix</translation>
    </message>
    <message>
        <source>Закрыть Tamrix</source>
        <translation>¿Cerrar Tamrix?</translation>
    </message>
    <message>
        <source>Закрыть Tamrix без сохранения?</source>
        <translation>¿Cerrar Tamrix sin guardar?</translation>
    </message>
    <message>
        <source>Поверх всех окон: здесь недоступно,
выберите «Поверх других окон» в меню окна рабочего стола</source>
        <translation>Siempre encima: no disponible aquí;
elija «Mantener por encima de las demás» en el menú de ventana del escritorio</translation>
    </message>
    <message>
        <source>Нижняя панель</source>
        <translation>Panel inferior</translation>
    </message>
    <message>
        <source>Радианы</source>
        <translation>Radianes</translation>
    </message>
    <message>
        <source>Градусы</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Формат результата %1</source>
        <translation>Formato del resultado %1</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Язык интерфейса / Language</source>
        <translation>Idioma / Language</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Сворачивать в трэй (где часы)</source>
        <translation>Minimizar al área de notificación (junto al reloj)</translation>
    </message>
    <message>
        <source>Не запоминать последнее выражение</source>
        <translation>No recordar la última expresión</translation>
    </message>
    <message>
        <source>Подтверждать закрытие программы</source>
        <translation>Confirmar el cierre del programa</translation>
    </message>
    <message>
        <source>Число запоминаемых выражений</source>
        <translation>Número de expresiones recordadas</translation>
    </message>
    <message>
        <source>Число значащих цифр в числе</source>
        <translation>Cifras significativas de un número</translation>
    </message>
    <message>
        <source>Разделители</source>
        <translation>Separadores</translation>
    </message>
    <message>
        <source>Целой и дробной части (.)  Аргументов ф-ции (,)</source>
        <translation>Separador decimal (.)  Argumentos de función (,)</translation>
    </message>
    <message>
        <source>Целой и дробной части (,)  Аргументов ф-ции (;)</source>
        <translation>Separador decimal (,)  Argumentos de función (;)</translation>
    </message>
    <message>
        <source>Клавиши вызова</source>
        <translation>Atajo global</translation>
    </message>
    <message>
        <source>Шрифт...</source>
        <translation>Fuente...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Комбинация %1 уже используется в вашей системе</source>
        <translation>La combinación %1 ya está en uso en su sistema</translation>
    </message>
    <message>
        <source>Клавиши рабочего стола</source>
        <translation>Configuración de atajos del escritorio</translation>
    </message>
    <message>
        <source>Клавишу задают в настройках рабочего стола: команда tamrix --toggle</source>
        <translation>Defina el atajo en la configuración del escritorio: comando tamrix --toggle</translation>
    </message>
    <message>
        <source>не назначена</source>
        <translation>sin asignar</translation>
    </message>
    <message>
        <source>Язык рабочего стола</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Образец шрифта</source>
        <translation>Muestra de la fuente</translation>
    </message>
</context>
<context>
    <name>TzqComboBox</name>
    <message>
        <source>Текст не вставлен: строка вмещает не больше %1 символов.</source>
        <translation>El texto no se ha pegado: la línea admite como máximo %1 caracteres.</translation>
    </message>
</context>
</TS>
