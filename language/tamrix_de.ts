<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
<context>
    <name>ButtonHint</name>
    <message>
        <source>%1/Вкл</source>
        <translation>%1: einschalten</translation>
    </message>
    <message>
        <source>%1/Откл</source>
        <translation>%1: ausschalten</translation>
    </message>
</context>
<context>
    <name>EngineeringScale</name>
    <message>
        <source>0</source>
        <translation>Peta (10^15)</translation>
    </message>
    <message>
        <source>1</source>
        <translation>Tera (10^12)</translation>
    </message>
    <message>
        <source>2</source>
        <translation>Giga (10^9)</translation>
    </message>
    <message>
        <source>3</source>
        <translation>Mega (10^6)</translation>
    </message>
    <message>
        <source>4</source>
        <translation>Kilo (10^3)</translation>
    </message>
    <message>
        <source>5</source>
        <translation>         (10^0)</translation>
    </message>
    <message>
        <source>6</source>
        <translation>Milli (10^-3)</translation>
    </message>
    <message>
        <source>7</source>
        <translation>Mikro (10^-6)</translation>
    </message>
    <message>
        <source>8</source>
        <translation>Nano (10^-9)</translation>
    </message>
    <message>
        <source>9</source>
        <translation>Piko (10^-12)</translation>
    </message>
    <message>
        <source>10</source>
        <translation>Femto (10^-15)</translation>
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
        <translation>Technisch</translation>
    </message>
    <message>
        <source>1</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <source>2</source>
        <translation>Dezimal</translation>
    </message>
    <message>
        <source>3</source>
        <translation>Hexadezimal</translation>
    </message>
    <message>
        <source>4</source>
        <translation>Oktal</translation>
    </message>
    <message>
        <source>5</source>
        <translation>Binär</translation>
    </message>
</context>
<context>
    <name>FunctionCategory</name>
    <message>
        <source>Тригонометрические</source>
        <translation>Trigonometrisch</translation>
    </message>
    <message>
        <source>Показательные и логарифмические</source>
        <translation>Exponentiell und logarithmisch</translation>
    </message>
    <message>
        <source>Другие</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>FunctionDescription</name>
    <message>
        <source>SIN</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>COS</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>TAN</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>ARCSIN</source>
        <translation>Arkussinus</translation>
    </message>
    <message>
        <source>ARCCOS</source>
        <translation>Arkuskosinus</translation>
    </message>
    <message>
        <source>ARCTAN</source>
        <translation>Arkustangens</translation>
    </message>
    <message>
        <source>EXP</source>
        <translation>Exponentialfunktion, e hoch X</translation>
    </message>
    <message>
        <source>LOG2</source>
        <translation>binärer Logarithmus (Basis 2)</translation>
    </message>
    <message>
        <source>LN</source>
        <translation>natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>LG</source>
        <translation>dekadischer Logarithmus (Basis 10)</translation>
    </message>
    <message>
        <source>SQR</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>SQRT</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>FACT</source>
        <translation>Fakultät n!</translation>
    </message>
    <message>
        <source>ABS</source>
        <translation>Absolutbetrag</translation>
    </message>
    <message>
        <source>FRAC</source>
        <translation>Nachkommaanteil einer Zahl</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>ganzzahliger Anteil einer Zahl</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>Runden auf die nächste ganze Zahl</translation>
    </message>
    <message>
        <source>CEIL</source>
        <translation>Aufrunden</translation>
    </message>
    <message>
        <source>FLOOR</source>
        <translation>Abrunden</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>1, wenn X ungerade ist, sonst 0</translation>
    </message>
    <message>
        <source>SIGN</source>
        <translation>-1 bei X&lt;0, 1 bei X&gt;0 und 0 bei X=0</translation>
    </message>
    <message>
        <source>NOT</source>
        <translation>bitweise Negation</translation>
    </message>
    <message>
        <source>ROL</source>
        <translation>die 32 Bit von X um N Stellen nach links rotieren</translation>
    </message>
    <message>
        <source>ROR</source>
        <translation>die 32 Bit von X um N Stellen nach rechts rotieren</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>help</source>
        <translation>help/de</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>Русский</source>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>61149</source>
        <translation>Argument ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>61150</source>
        <translation>Fehler bei einer Gleitkommaoperation</translation>
    </message>
    <message>
        <source>61151</source>
        <translation>Ausdruck unter dem Logarithmus ist kleiner als null</translation>
    </message>
    <message>
        <source>61152</source>
        <translation>Ausdruck unter der Wurzel ist kleiner als null</translation>
    </message>
    <message>
        <source>61153</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>61154</source>
        <translation>Fehlende Klammer</translation>
    </message>
    <message>
        <source>61155</source>
        <translation>Syntaxfehler</translation>
    </message>
    <message>
        <source>61156</source>
        <translation>Ungültiges Funktionsargument</translation>
    </message>
    <message>
        <source>61157</source>
        <translation>Ausdruck zu tief verschachtelt</translation>
    </message>
    <message>
        <source>61158</source>
        <translation>Benutzerfunktionen zu tief rekursiv aufgerufen</translation>
    </message>
    <message>
        <source>65505</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>65506</source>
        <translation>Gleitkommadivision durch null</translation>
    </message>
    <message>
        <source>65507</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
    <message>
        <source>65521</source>
        <translation>&apos;%s&apos; ist kein gültiger Gleitkommawert</translation>
    </message>
    <message>
        <source>UnableToWrite</source>
        <translation>In %s kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>CannotCreateFile</source>
        <translation>Datei %s kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>StreamReadError</source>
        <translation>Lesefehler im Datenstrom: %s</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>О программе Tamrix</source>
        <translation>Über Tamrix</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>© 2026 Разработчики Tamrix
Лицензия GPL-3.0-or-later</source>
        <translation>© 2026 Tamrix-Entwickler
Lizenz GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Значок Tamrix</source>
        <translation>Tamrix-Symbol</translation>
    </message>
</context>
<context>
    <name>THelpWindowViewer</name>
    <message>
        <source>Справка Tamrix</source>
        <translation>Tamrix-Hilfe</translation>
    </message>
    <message>
        <source>&lt;p&gt;Не удаётся открыть файл справки «%1».&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfedatei „%1“ kann nicht geöffnet werden.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TPortalHotKeyService</name>
    <message>
        <source>Показать или спрятать калькулятор</source>
        <translation>Rechner anzeigen oder ausblenden</translation>
    </message>
</context>
<context>
    <name>TQtMessageBoxes</name>
    <message>
        <source>Подтвердите</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>TfrmEdit</name>
    <message>
        <source>Не введено имя переменной или функции</source>
        <translation>Kein Name für die Variable oder Funktion eingegeben</translation>
    </message>
    <message>
        <source>Неверное имя переменной или функции</source>
        <translation>Ungültiger Variablen- oder Funktionsname</translation>
    </message>
    <message>
        <source>Переменная или функция с таким именем уже существует</source>
        <translation>Eine Variable oder Funktion mit diesem Namen existiert bereits</translation>
    </message>
    <message>
        <source>Не задано значение переменной</source>
        <translation>Kein Wert für die Variable angegeben</translation>
    </message>
    <message>
        <source>Категория</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Ausdruck</translation>
    </message>
    <message>
        <source>Добавить константу</source>
        <translation>Konstante hinzufügen</translation>
    </message>
    <message>
        <source>Изменить константу</source>
        <translation>Konstante ändern</translation>
    </message>
    <message>
        <source>Добавить функцию</source>
        <translation>Funktion hinzufügen</translation>
    </message>
    <message>
        <source>Изменить функцию</source>
        <translation>Funktion ändern</translation>
    </message>
    <message>
        <source>Символ &quot;|&quot; нельзя сохранить в теле функции; побитовое ИЛИ запишите иначе, например a+b-(a&amp;b) вместо a|b</source>
        <translation>Das Zeichen &quot;|&quot; kann nicht im Funktionsrumpf gespeichert werden; schreiben Sie das bitweise ODER anders, zum Beispiel a+b-(a&amp;b) statt a|b</translation>
    </message>
    <message>
        <source>Заголовок функции должен иметь вид имя(параметры)</source>
        <translation>Der Funktionskopf muss die Form Name(Parameter) haben</translation>
    </message>
    <message>
        <source>Не задано тело функции</source>
        <translation>Kein Funktionsrumpf angegeben</translation>
    </message>
    <message>
        <source>Ошибка в значении: %1</source>
        <translation>Fehler im Wert: %1</translation>
    </message>
    <message>
        <source>Символ %1 нельзя сохранить в поле &quot;%2&quot;</source>
        <translation>Das Zeichen %1 kann nicht im Feld &quot;%2&quot; gespeichert werden</translation>
    </message>
</context>
<context>
    <name>TfrmFunc</name>
    <message>
        <source>Функции и константы</source>
        <translation>Funktionen und Konstanten</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Функции</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Константы</source>
        <translation>Konstanten</translation>
    </message>
    <message>
        <source>Пользовательские функции</source>
        <translation>Benutzerfunktionen</translation>
    </message>
    <message>
        <source>Функция</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Константа</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Ausdruck</translation>
    </message>
    <message>
        <source>Действительно удалить %1</source>
        <translation>%1 wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Восстановить</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Переместить</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Über Tamrix...</translation>
    </message>
    <message>
        <source>Поверх всех окон</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Сообщения об ошибках</source>
        <translation>Fehlermeldungen</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <comment>the lower panel</comment>
        <translation>Einklappen</translation>
    </message>
    <message>
        <source>Развернуть</source>
        <comment>the lower panel</comment>
        <translation>Ausklappen</translation>
    </message>
    <message>
        <source>Системное меню</source>
        <translation>Systemmenü</translation>
    </message>
    <message>
        <source>Копировать результат
в буфер обмена</source>
        <translation>Ergebnis in die
Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Вставить в выражение</source>
        <translation>In den Ausdruck einfügen</translation>
    </message>
    <message>
        <source>Функции и константы (F5)</source>
        <translation>Funktionen und Konstanten (F5)</translation>
    </message>
    <message>
        <source>Настройки (F7)</source>
        <translation>Einstellungen (F7)</translation>
    </message>
    <message>
        <source>Градусы/Радианы</source>
        <translation>Grad/Bogenmaß</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Запомнить выражение</source>
        <translation>Ausdruck merken</translation>
    </message>
    <message>
        <source>Формат результата</source>
        <translation>Ergebnisformat</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Ausdruck</translation>
    </message>
    <message>
        <source>Результат 1</source>
        <translation>Ergebnis 1</translation>
    </message>
    <message>
        <source>Результат 2</source>
        <translation>Ergebnis 2</translation>
    </message>
    <message>
        <source>Результат 3</source>
        <translation>Ergebnis 3</translation>
    </message>
    <message>
        <source>Активизировать</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Tamrix</source>
        <translation>Tamrix</translation>
    </message>
    <message>
        <source>Закрыть Tamrix</source>
        <translation>Tamrix schließen?</translation>
    </message>
    <message>
        <source>Закрыть Tamrix без сохранения?</source>
        <translation>Tamrix ohne Speichern schließen?</translation>
    </message>
    <message>
        <source>Поверх всех окон: здесь недоступно,
выберите «Поверх других окон» в меню окна рабочего стола</source>
        <translation>Immer im Vordergrund: hier nicht verfügbar;
wählen Sie „Im Vordergrund halten“ im Fenstermenü des Desktops</translation>
    </message>
    <message>
        <source>Нижняя панель</source>
        <translation>Untere Leiste</translation>
    </message>
    <message>
        <source>Радианы</source>
        <translation>Bogenmaß</translation>
    </message>
    <message>
        <source>Градусы</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Формат результата %1</source>
        <translation>Ergebnisformat %1</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Язык интерфейса / Language</source>
        <translation>Sprache / Language</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Сворачивать в трэй (где часы)</source>
        <translation>In den Infobereich minimieren (bei der Uhr)</translation>
    </message>
    <message>
        <source>Не запоминать последнее выражение</source>
        <translation>Letzten Ausdruck nicht merken</translation>
    </message>
    <message>
        <source>Подтверждать закрытие программы</source>
        <translation>Beenden des Programms bestätigen</translation>
    </message>
    <message>
        <source>Число запоминаемых выражений</source>
        <translation>Anzahl gemerkter Ausdrücke</translation>
    </message>
    <message>
        <source>Число значащих цифр в числе</source>
        <translation>Signifikante Stellen einer Zahl</translation>
    </message>
    <message>
        <source>Разделители</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Целой и дробной части (.)  Аргументов ф-ции (,)</source>
        <translation>Dezimalzeichen (.)  Funktionsargumente (,)</translation>
    </message>
    <message>
        <source>Целой и дробной части (,)  Аргументов ф-ции (;)</source>
        <translation>Dezimalzeichen (,)  Funktionsargumente (;)</translation>
    </message>
    <message>
        <source>Клавиши вызова</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Шрифт...</source>
        <translation>Schriftart...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Комбинация %1 уже используется в вашей системе</source>
        <translation>Die Kombination %1 wird auf Ihrem System bereits verwendet</translation>
    </message>
    <message>
        <source>Клавиши рабочего стола</source>
        <translation>Tastenkürzel-Einstellungen des Desktops</translation>
    </message>
    <message>
        <source>Клавишу задают в настройках рабочего стола: команда tamrix --toggle</source>
        <translation>Legen Sie die Taste in den Einstellungen des Desktops fest: Befehl tamrix --toggle</translation>
    </message>
    <message>
        <source>не назначена</source>
        <translation>keines zugewiesen</translation>
    </message>
    <message>
        <source>Язык рабочего стола</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Образец шрифта</source>
        <translation>Schriftprobe</translation>
    </message>
</context>
<context>
    <name>TzqComboBox</name>
    <message>
        <source>Текст не вставлен: строка вмещает не больше %1 символов.</source>
        <translation>Text nicht eingefügt: Die Zeile fasst höchstens %1 Zeichen.</translation>
    </message>
</context>
</TS>
