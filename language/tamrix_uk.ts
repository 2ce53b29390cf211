<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>ButtonHint</name>
    <message>
        <source>%1/Вкл</source>
        <translation>%1: увімкнути</translation>
    </message>
    <message>
        <source>%1/Откл</source>
        <translation>%1: вимкнути</translation>
    </message>
</context>
<context>
    <name>EngineeringScale</name>
    <message>
        <source>0</source>
        <translation>пета (10^15)</translation>
    </message>
    <message>
        <source>1</source>
        <translation>тера (10^12)</translation>
    </message>
    <message>
        <source>2</source>
        <translation>гіга (10^9)</translation>
    </message>
    <message>
        <source>3</source>
        <translation>мега (10^6)</translation>
    </message>
    <message>
        <source>4</source>
        <translation>кіло (10^3)</translation>
    </message>
    <message>
        <source>5</source>
        <translation>         (10^0)</translation>
    </message>
    <message>
        <source>6</source>
        <translation>мілі (10^-3)</translation>
    </message>
    <message>
        <source>7</source>
        <translation>мікро (10^-6)</translation>
    </message>
    <message>
        <source>8</source>
        <translation>нано (10^-9)</translation>
    </message>
    <message>
        <source>9</source>
        <translation>піко (10^-12)</translation>
    </message>
    <message>
        <source>10</source>
        <translation>фемто (10^-15)</translation>
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
        <translation>Інженерний</translation>
    </message>
    <message>
        <source>1</source>
        <translation>Науковий</translation>
    </message>
    <message>
        <source>2</source>
        <translation>Десятковий</translation>
    </message>
    <message>
        <source>3</source>
        <translation>Шістнадцятковий</translation>
    </message>
    <message>
        <source>4</source>
        <translation>Вісімковий</translation>
    </message>
    <message>
        <source>5</source>
        <translation>Двійковий</translation>
    </message>
</context>
<context>
    <name>FunctionCategory</name>
    <message>
        <source>Тригонометрические</source>
        <translation>Тригонометричні</translation>
    </message>
    <message>
        <source>Показательные и логарифмические</source>
        <translation>Показникові та логарифмічні</translation>
    </message>
    <message>
        <source>Другие</source>
        <translation>Інші</translation>
    </message>
</context>
<context>
    <name>FunctionDescription</name>
    <message>
        <source>SIN</source>
        <translation>синус</translation>
    </message>
    <message>
        <source>COS</source>
        <translation>косинус</translation>
    </message>
    <message>
        <source>TAN</source>
        <translation>тангенс</translation>
    </message>
    <message>
        <source>ARCSIN</source>
        <translation>арксинус</translation>
    </message>
    <message>
        <source>ARCCOS</source>
        <translation>арккосинус</translation>
    </message>
    <message>
        <source>ARCTAN</source>
        <translation>арктангенс</translation>
    </message>
    <message>
        <source>EXP</source>
        <translation>експонента, e у степені X</translation>
    </message>
    <message>
        <source>LOG2</source>
        <translation>двійковий логарифм (основа 2)</translation>
    </message>
    <message>
        <source>LN</source>
        <translation>натуральний логарифм</translation>
    </message>
    <message>
        <source>LG</source>
        <translation>десятковий логарифм (основа 10)</translation>
    </message>
    <message>
        <source>SQR</source>
        <translation>квадрат</translation>
    </message>
    <message>
        <source>SQRT</source>
        <translation>квадратний корінь</translation>
    </message>
    <message>
        <source>FACT</source>
        <translation>факторіал n!</translation>
    </message>
    <message>
        <source>ABS</source>
        <translation>абсолютне значення</translation>
    </message>
    <message>
        <source>FRAC</source>
        <translation>дробова частина числа</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>ціла частина числа</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>округлення до найближчого цілого</translation>
    </message>
    <message>
        <source>CEIL</source>
        <translation>округлення вгору</translation>
    </message>
    <message>
        <source>FLOOR</source>
        <translation>округлення вниз</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>1, якщо X непарне, інакше 0</translation>
    </message>
    <message>
        <source>SIGN</source>
        <translation>-1, якщо X&lt;0, 1, якщо X&gt;0, і 0, якщо X=0</translation>
    </message>
    <message>
        <source>NOT</source>
        <translation>порозрядне заперечення</translation>
    </message>
    <message>
        <source>ROL</source>
        <translation>циклічний зсув 32 бітів X ліворуч на N</translation>
    </message>
    <message>
        <source>ROR</source>
        <translation>циклічний зсув 32 бітів X праворуч на N</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>help</source>
        <translation>help/uk</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>Русский</source>
        <translation>Українська</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>61149</source>
        <translation>Аргумент не є цілим числом</translation>
    </message>
    <message>
        <source>61150</source>
        <translation>Помилка операції з рухомою комою</translation>
    </message>
    <message>
        <source>61151</source>
        <translation>Вираз під логарифмом менший від нуля</translation>
    </message>
    <message>
        <source>61152</source>
        <translation>Вираз під коренем менший від нуля</translation>
    </message>
    <message>
        <source>61153</source>
        <translation>Ділення на нуль</translation>
    </message>
    <message>
        <source>61154</source>
        <translation>Бракує дужки</translation>
    </message>
    <message>
        <source>61155</source>
        <translation>Синтаксична помилка</translation>
    </message>
    <message>
        <source>61156</source>
        <translation>Неприпустимий аргумент функції</translation>
    </message>
    <message>
        <source>61157</source>
        <translation>Надто глибока вкладеність виразу</translation>
    </message>
    <message>
        <source>61158</source>
        <translation>Надто глибока рекурсія функцій користувача</translation>
    </message>
    <message>
        <source>65505</source>
        <translation>Неприпустима операція з рухомою комою</translation>
    </message>
    <message>
        <source>65506</source>
        <translation>Ділення на нуль в операції з рухомою комою</translation>
    </message>
    <message>
        <source>65507</source>
        <translation>Переповнення в операції з рухомою комою</translation>
    </message>
    <message>
        <source>65521</source>
        <translation>&apos;%s&apos; не є допустимим значенням з рухомою комою</translation>
    </message>
    <message>
        <source>UnableToWrite</source>
        <translation>Неможливо записати в %s</translation>
    </message>
    <message>
        <source>CannotCreateFile</source>
        <translation>Неможливо створити файл %s</translation>
    </message>
    <message>
        <source>StreamReadError</source>
        <translation>Помилка читання потоку: %s</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>О программе Tamrix</source>
        <translation>Про програму Tamrix</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>© 2026 Разработчики Tamrix
Лицензия GPL-3.0-or-later</source>
        <translation>© 2026 Розробники Tamrix
Ліцензія GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Значок Tamrix</source>
        <translation>Значок Tamrix</translation>
    </message>
</context>
<context>
    <name>THelpWindowViewer</name>
    <message>
        <source>Справка Tamrix</source>
        <translation>Довідка Tamrix</translation>
    </message>
    <message>
        <source>&lt;p&gt;Не удаётся открыть файл справки «%1».&lt;/p&gt;</source>
        <translation>&lt;p&gt;Не вдається відкрити файл довідки «%1».&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TPortalHotKeyService</name>
    <message>
        <source>Показать или спрятать калькулятор</source>
        <translation>Показати або сховати калькулятор</translation>
    </message>
</context>
<context>
    <name>TQtMessageBoxes</name>
    <message>
        <source>Подтвердите</source>
        <translation>Підтвердіть</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Помилка</translation>
    </message>
</context>
<context>
    <name>TfrmEdit</name>
    <message>
        <source>Не введено имя переменной или функции</source>
        <translation>Не введено ім’я змінної або функції</translation>
    </message>
    <message>
        <source>Неверное имя переменной или функции</source>
        <translation>Неправильне ім’я змінної або функції</translation>
    </message>
    <message>
        <source>Переменная или функция с таким именем уже существует</source>
        <translation>Змінна або функція з таким ім’ям уже існує</translation>
    </message>
    <message>
        <source>Не задано значение переменной</source>
        <translation>Не задано значення змінної</translation>
    </message>
    <message>
        <source>Категория</source>
        <translation>Категорія</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Опис</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Значення</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Вираз</translation>
    </message>
    <message>
        <source>Добавить константу</source>
        <translation>Додати константу</translation>
    </message>
    <message>
        <source>Изменить константу</source>
        <translation>Змінити константу</translation>
    </message>
    <message>
        <source>Добавить функцию</source>
        <translation>Додати функцію</translation>
    </message>
    <message>
        <source>Изменить функцию</source>
        <translation>Змінити функцію</translation>
    </message>
    <message>
        <source>Символ &quot;|&quot; нельзя сохранить в теле функции; побитовое ИЛИ запишите иначе, например a+b-(a&amp;b) вместо a|b</source>
        <translation>Символ &quot;|&quot; не можна зберегти в тілі функції; запишіть порозрядне АБО інакше, наприклад a+b-(a&amp;b) замість a|b</translation>
    </message>
    <message>
        <source>Заголовок функции должен иметь вид имя(параметры)</source>
        <translation>Заголовок функції повинен мати вигляд ім’я(параметри)</translation>
    </message>
    <message>
        <source>Не задано тело функции</source>
        <translation>Не задано тіло функції</translation>
    </message>
    <message>
        <source>Ошибка в значении: %1</source>
        <translation>Помилка в значенні: %1</translation>
    </message>
    <message>
        <source>Символ %1 нельзя сохранить в поле &quot;%2&quot;</source>
        <translation>Символ %1 не можна зберегти в полі &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>TfrmFunc</name>
    <message>
        <source>Функции и константы</source>
        <translation>Функції та константи</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Функции</source>
        <translation>Функції</translation>
    </message>
    <message>
        <source>Константы</source>
        <translation>Константи</translation>
    </message>
    <message>
        <source>Пользовательские функции</source>
        <translation>Функції користувача</translation>
    </message>
    <message>
        <source>Функция</source>
        <translation>Функція</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Опис</translation>
    </message>
    <message>
        <source>Константа</source>
        <translation>Константа</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Значення</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Вираз</translation>
    </message>
    <message>
        <source>Действительно удалить %1</source>
        <translation>Справді видалити %1?</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Восстановить</source>
        <translation>Відновити</translation>
    </message>
    <message>
        <source>Переместить</source>
        <translation>Перемістити</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Про програму...</translation>
    </message>
    <message>
        <source>Поверх всех окон</source>
        <translation>Поверх усіх вікон</translation>
    </message>
    <message>
        <source>Сообщения об ошибках</source>
        <translation>Повідомлення про помилки</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <comment>the lower panel</comment>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Развернуть</source>
        <comment>the lower panel</comment>
        <translation>Розгорнути</translation>
    </message>
    <message>
        <source>Системное меню</source>
        <translation>Системне меню</translation>
    </message>
    <message>
        <source>Копировать результат
в буфер обмена</source>
        <translation>Копіювати результат
у буфер обміну</translation>
    </message>
    <message>
        <source>Вставить в выражение</source>
        <translation>Вставити у вираз</translation>
    </message>
    <message>
        <source>Функции и константы (F5)</source>
        <translation>Функції та константи (F5)</translation>
    </message>
    <message>
        <source>Настройки (F7)</source>
        <translation>Налаштування (F7)</translation>
    </message>
    <message>
        <source>Градусы/Радианы</source>
        <translation>Градуси/Радіани</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Запомнить выражение</source>
        <translation>Запам’ятати вираз</translation>
    </message>
    <message>
        <source>Формат результата</source>
        <translation>Формат результату</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Вираз</translation>
    </message>
    <message>
        <source>Результат 1</source>
        <translation>Результат 1</translation>
    </message>
    <message>
        <source>Результат 2</source>
        <translation>Результат 2</translation>
    </message>
    <message>
        <source>Результат 3</source>
        <translation>Результат 3</translation>
    </message>
    <message>
        <source>Активизировать</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Tamrix</source>
        <translation>Tamrix</translation>
    </message>
    <message>
        <source>Закрыть Tamrix</source>
        <translation>Закрити Tamrix?</translation>
    </message>
    <message>
        <source>Закрыть Tamrix без сохранения?</source>
        <translation>Закрити Tamrix без збереження?</translation>
    </message>
    <message>
        <source>Поверх всех окон: здесь недоступно,
выберите «Поверх других окон» в меню окна рабочего стола</source>
        <translation>Поверх усіх вікон: тут недоступно;
виберіть «Поверх інших вікон» у меню вікна стільниці</translation>
    </message>
    <message>
        <source>Нижняя панель</source>
        <translation>Нижня панель</translation>
    </message>
    <message>
        <source>Радианы</source>
        <translation>Радіани</translation>
    </message>
    <message>
        <source>Градусы</source>
        <translation>Градуси</translation>
    </message>
    <message>
        <source>Формат результата %1</source>
        <translation>Формат результату %1</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Язык интерфейса / Language</source>
        <translation>Мова інтерфейсу / Language</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Сворачивать в трэй (где часы)</source>
        <translation>Згортати в лоток (біля годинника)</translation>
    </message>
    <message>
        <source>Не запоминать последнее выражение</source>
        <translation>Не запам’ятовувати останній вираз</translation>
    </message>
    <message>
        <source>Подтверждать закрытие программы</source>
        <translation>Підтверджувати закриття програми</translation>
    </message>
    <message>
        <source>Число запоминаемых выражений</source>
        <translation>Кількість запам’ятовуваних виразів</translation>
    </message>
    <message>
        <source>Число значащих цифр в числе</source>
        <translation>Кількість значущих цифр у числі</translation>
    </message>
    <message>
        <source>Разделители</source>
        <translation>Роздільники</translation>
    </message>
    <message>
        <source>Целой и дробной части (.)  Аргументов ф-ции (,)</source>
        <translation>Дробової частини (.)  Аргументів функції (,)</translation>
    </message>
    <message>
        <source>Целой и дробной части (,)  Аргументов ф-ции (;)</source>
        <translation>Дробової частини (,)  Аргументів функції (;)</translation>
    </message>
    <message>
        <source>Клавиши вызова</source>
        <translation>Клавіші виклику</translation>
    </message>
    <message>
        <source>Шрифт...</source>
        <translation>Шрифт...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Комбинация %1 уже используется в вашей системе</source>
        <translation>Комбінація %1 уже використовується у вашій системі</translation>
    </message>
    <message>
        <source>Клавиши рабочего стола</source>
        <translation>Налаштування клавіш стільниці</translation>
    </message>
    <message>
        <source>Клавишу задают в настройках рабочего стола: команда tamrix --toggle</source>
        <translation>Клавішу задають у налаштуваннях стільниці: команда tamrix --toggle</translation>
    </message>
    <message>
        <source>не назначена</source>
        <translation>не призначено</translation>
    </message>
    <message>
        <source>Язык рабочего стола</source>
        <translation>Мова робочого столу</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Образец шрифта</source>
        <translation>Зразок шрифту</translation>
    </message>
</context>
<context>
    <name>TzqComboBox</name>
    <message>
        <source>Текст не вставлен: строка вмещает не больше %1 символов.</source>
        <translation>Текст не вставлено: рядок вміщує не більше %1 символів.</translation>
    </message>
</context>
</TS>
