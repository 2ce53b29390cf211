<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ru">
<context>
    <name>ButtonHint</name>
    <message>
        <source>%1/Вкл</source>
        <translation>%1&#xa0;: activer</translation>
    </message>
    <message>
        <source>%1/Откл</source>
        <translation>%1&#xa0;: désactiver</translation>
    </message>
</context>
<context>
    <name>EngineeringScale</name>
    <message>
        <source>0</source>
        <translation>péta (10^15)</translation>
    </message>
    <message>
        <source>1</source>
        <translation>téra (10^12)</translation>
    </message>
    <message>
        <source>2</source>
        <translation>giga (10^9)</translation>
    </message>
    <message>
        <source>3</source>
        <translation>méga (10^6)</translation>
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
        <translation>Ingénieur</translation>
    </message>
    <message>
        <source>1</source>
        <translation>Scientifique</translation>
    </message>
    <message>
        <source>2</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>3</source>
        <translation>Hexadécimal</translation>
    </message>
    <message>
        <source>4</source>
        <translation>Octal</translation>
    </message>
    <message>
        <source>5</source>
        <translation>Binaire</translation>
    </message>
</context>
<context>
    <name>FunctionCategory</name>
    <message>
        <source>Тригонометрические</source>
        <translation>Trigonométriques</translation>
    </message>
    <message>
        <source>Показательные и логарифмические</source>
        <translation>Exponentielles et logarithmiques</translation>
    </message>
    <message>
        <source>Другие</source>
        <translation>Autres</translation>
    </message>
</context>
<context>
    <name>FunctionDescription</name>
    <message>
        <source>SIN</source>
        <translation>sinus</translation>
    </message>
    <message>
        <source>COS</source>
        <translation>cosinus</translation>
    </message>
    <message>
        <source>TAN</source>
        <translation>tangente</translation>
    </message>
    <message>
        <source>ARCSIN</source>
        <translation>arc sinus</translation>
    </message>
    <message>
        <source>ARCCOS</source>
        <translation>arc cosinus</translation>
    </message>
    <message>
        <source>ARCTAN</source>
        <translation>arc tangente</translation>
    </message>
    <message>
        <source>EXP</source>
        <translation>exponentielle, e puissance X</translation>
    </message>
    <message>
        <source>LOG2</source>
        <translation>logarithme binaire (base 2)</translation>
    </message>
    <message>
        <source>LN</source>
        <translation>logarithme naturel</translation>
    </message>
    <message>
        <source>LG</source>
        <translation>logarithme décimal (base 10)</translation>
    </message>
    <message>
        <source>SQR</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>SQRT</source>
        <translation>racine carrée</translation>
    </message>
    <message>
        <source>FACT</source>
        <translation>factorielle n!</translation>
    </message>
    <message>
        <source>ABS</source>
        <translation>valeur absolue</translation>
    </message>
    <message>
        <source>FRAC</source>
        <translation>partie fractionnaire d&apos;un nombre</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>partie entière d&apos;un nombre</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>arrondi à l&apos;entier le plus proche</translation>
    </message>
    <message>
        <source>CEIL</source>
        <translation>arrondi vers le haut</translation>
    </message>
    <message>
        <source>FLOOR</source>
        <translation>arrondi vers le bas</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>1 si X est impair, 0 sinon</translation>
    </message>
    <message>
        <source>SIGN</source>
        <translation>-1 si X&lt;0, 1 si X&gt;0 et 0 si X=0</translation>
    </message>
    <message>
        <source>NOT</source>
        <translation>négation bit à bit</translation>
    </message>
    <message>
        <source>ROL</source>
        <translation>rotation des 32 bits de X de N positions vers la gauche</translation>
    </message>
    <message>
        <source>ROR</source>
        <translation>rotation des 32 bits de X de N positions vers la droite</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>help</source>
        <translation>help/fr</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>Русский</source>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>61149</source>
        <translation>L&apos;argument n&apos;est pas un entier</translation>
    </message>
    <message>
        <source>61150</source>
        <translation>Erreur de calcul en virgule flottante</translation>
    </message>
    <message>
        <source>61151</source>
        <translation>L&apos;expression sous le logarithme est inférieure à zéro</translation>
    </message>
    <message>
        <source>61152</source>
        <translation>L&apos;expression sous la racine est inférieure à zéro</translation>
    </message>
    <message>
        <source>61153</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>61154</source>
        <translation>Parenthèse manquante</translation>
    </message>
    <message>
        <source>61155</source>
        <translation>Erreur de syntaxe</translation>
    </message>
    <message>
        <source>61156</source>
        <translation>Argument de fonction non valide</translation>
    </message>
    <message>
        <source>61157</source>
        <translation>Expression imbriquée trop profondément</translation>
    </message>
    <message>
        <source>61158</source>
        <translation>Récursion trop profonde des fonctions utilisateur</translation>
    </message>
    <message>
        <source>65505</source>
        <translation>Opération en virgule flottante non valide</translation>
    </message>
    <message>
        <source>65506</source>
        <translation>Division par zéro en virgule flottante</translation>
    </message>
    <message>
        <source>65507</source>
        <translation>Dépassement de capacité en virgule flottante</translation>
    </message>
    <message>
        <source>65521</source>
        <translation>&apos;%s&apos; n&apos;est pas une valeur en virgule flottante valide</translation>
    </message>
    <message>
        <source>UnableToWrite</source>
        <translation>Impossible d&apos;écrire dans %s</translation>
    </message>
    <message>
        <source>CannotCreateFile</source>
        <translation>Impossible de créer le fichier %s</translation>
    </message>
    <message>
        <source>StreamReadError</source>
        <translation>Erreur de lecture du flux&#xa0;: %s</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>О программе Tamrix</source>
        <translation>À propos de Tamrix</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>© 2026 Разработчики Tamrix
Лицензия GPL-3.0-or-later</source>
        <translation>© 2026 Les développeurs de Tamrix
Licence GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Значок Tamrix</source>
        <translation>Icône de Tamrix</translation>
    </message>
</context>
<context>
    <name>THelpWindowViewer</name>
    <message>
        <source>Справка Tamrix</source>
        <translation>Aide de Tamrix</translation>
    </message>
    <message>
        <source>&lt;p&gt;Не удаётся открыть файл справки «%1».&lt;/p&gt;</source>
        <translation>&lt;p&gt;Impossible d&apos;ouvrir le fichier d&apos;aide «&#xa0;%1&#xa0;».&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TPortalHotKeyService</name>
    <message>
        <source>Показать или спрятать калькулятор</source>
        <translation>Afficher ou masquer la calculatrice</translation>
    </message>
</context>
<context>
    <name>TQtMessageBoxes</name>
    <message>
        <source>Подтвердите</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>TfrmEdit</name>
    <message>
        <source>Не введено имя переменной или функции</source>
        <translation>Aucun nom saisi pour la variable ou la fonction</translation>
    </message>
    <message>
        <source>Неверное имя переменной или функции</source>
        <translation>Nom de variable ou de fonction non valide</translation>
    </message>
    <message>
        <source>Переменная или функция с таким именем уже существует</source>
        <translation>Une variable ou une fonction portant ce nom existe déjà</translation>
    </message>
    <message>
        <source>Не задано значение переменной</source>
        <translation>Aucune valeur indiquée pour la variable</translation>
    </message>
    <message>
        <source>Категория</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Nom</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Добавить константу</source>
        <translation>Ajouter une constante</translation>
    </message>
    <message>
        <source>Изменить константу</source>
        <translation>Modifier la constante</translation>
    </message>
    <message>
        <source>Добавить функцию</source>
        <translation>Ajouter une fonction</translation>
    </message>
    <message>
        <source>Изменить функцию</source>
        <translation>Modifier la fonction</translation>
    </message>
    <message>
        <source>Символ &quot;|&quot; нельзя сохранить в теле функции; побитовое ИЛИ запишите иначе, например a+b-(a&amp;b) вместо a|b</source>
        <translation>Le caractère &quot;|&quot; ne peut pas être enregistré dans le corps d&apos;une fonction&#xa0;; écrivez le OU bit à bit autrement, par exemple a+b-(a&amp;b) au lieu de a|b</translation>
    </message>
    <message>
        <source>Заголовок функции должен иметь вид имя(параметры)</source>
        <translation>L&apos;en-tête de la fonction doit avoir la forme nom(paramètres)</translation>
    </message>
    <message>
        <source>Не задано тело функции</source>
        <translation>Aucun corps indiqué pour la fonction</translation>
    </message>
    <message>
        <source>Ошибка в значении: %1</source>
        <translation>Erreur dans la valeur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Символ %1 нельзя сохранить в поле &quot;%2&quot;</source>
        <translation>Le caractère %1 ne peut pas être enregistré dans le champ &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>TfrmFunc</name>
    <message>
        <source>Функции и константы</source>
        <translation>Fonctions et constantes</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Функции</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Константы</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Пользовательские функции</source>
        <translation>Fonctions utilisateur</translation>
    </message>
    <message>
        <source>Функция</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Константа</source>
        <translation>Constante</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Действительно удалить %1</source>
        <translation>Supprimer %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Восстановить</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Переместить</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Поверх всех окон</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Сообщения об ошибках</source>
        <translation>Messages d&apos;erreur</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <comment>the lower panel</comment>
        <translation>Replier</translation>
    </message>
    <message>
        <source>Развернуть</source>
        <comment>the lower panel</comment>
        <translation>Déplier</translation>
    </message>
    <message>
        <source>Системное меню</source>
        <translation>Menu système</translation>
    </message>
    <message>
        <source>Копировать результат
в буфер обмена</source>
        <translation>Copier le résultat
dans le presse-papiers</translation>
    </message>
    <message>
        <source>Вставить в выражение</source>
        <translation>Coller dans l&apos;expression</translation>
    </message>
    <message>
        <source>Функции и константы (F5)</source>
        <translation>Fonctions et constantes (F5)</translation>
    </message>
    <message>
        <source>Настройки (F7)</source>
        <translation>Paramètres (F7)</translation>
    </message>
    <message>
        <source>Градусы/Радианы</source>
        <translation>Degrés/Radians</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Запомнить выражение</source>
        <translation>Mémoriser l&apos;expression</translation>
    </message>
    <message>
        <source>Формат результата</source>
        <translation>Format du résultat</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Результат 1</source>
        <translation>Résultat 1</translation>
    </message>
    <message>
        <source>Результат 2</source>
        <translation>Résultat 2</translation>
    </message>
    <message>
        <source>Результат 3</source>
        <translation>Résultat 3</translation>
    </message>
    <message>
        <source>Активизировать</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Tamrix</source>
        <translation>Tamrix</translation>
    </message>
    <message>
        <source>Закрыть Tamrix</source>
        <translation>Fermer Tamrix&#xa0;?</translation>
    </message>
    <message>
        <source>Закрыть Tamrix без сохранения?</source>
        <translation>Fermer Tamrix sans enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Поверх всех окон: здесь недоступно,
выберите «Поверх других окон» в меню окна рабочего стола</source>
        <translation>Toujours au premier plan&#xa0;: indisponible ici&#xa0;;
choisissez «&#xa0;Conserver au-dessus des autres&#xa0;» dans le menu de fenêtre du bureau</translation>
    </message>
    <message>
        <source>Нижняя панель</source>
        <translation>Panneau inférieur</translation>
    </message>
    <message>
        <source>Радианы</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>Градусы</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Формат результата %1</source>
        <translation>Format du résultat %1</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Язык интерфейса / Language</source>
        <translation>Langue / Language</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Сворачивать в трэй (где часы)</source>
        <translation>Réduire dans la zone de notification (horloge)</translation>
    </message>
    <message>
        <source>Не запоминать последнее выражение</source>
        <translation>Ne pas mémoriser la dernière expression</translation>
    </message>
    <message>
        <source>Подтверждать закрытие программы</source>
        <translation>Confirmer la fermeture du programme</translation>
    </message>
    <message>
        <source>Число запоминаемых выражений</source>
        <translation>Nombre d&apos;expressions mémorisées</translation>
    </message>
    <message>
        <source>Число значащих цифр в числе</source>
        <translation>Chiffres significatifs d&apos;un nombre</translation>
    </message>
    <message>
        <source>Разделители</source>
        <translation>Séparateurs</translation>
    </message>
    <message>
        <source>Целой и дробной части (.)  Аргументов ф-ции (,)</source>
        <translation>Séparateur décimal (.)  Arguments de fonction (,)</translation>
    </message>
    <message>
        <source>Целой и дробной части (,)  Аргументов ф-ции (;)</source>
        <translation>Séparateur décimal (,)  Arguments de fonction (;)</translation>
    </message>
    <message>
        <source>Клавиши вызова</source>
        <translation>Raccourci global</translation>
    </message>
    <message>
        <source>Шрифт...</source>
        <translation>Police...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Комбинация %1 уже используется в вашей системе</source>
        <translation>La combinaison %1 est déjà utilisée sur votre système</translation>
    </message>
    <message>
        <source>Клавиши рабочего стола</source>
        <translation>Paramètres des raccourcis du bureau</translation>
    </message>
    <message>
        <source>Клавишу задают в настройках рабочего стола: команда tamrix --toggle</source>
        <translation>Définissez le raccourci dans les paramètres du bureau&#xa0;: commande tamrix --toggle</translation>
    </message>
    <message>
        <source>не назначена</source>
        <translation>non attribué</translation>
    </message>
    <message>
        <source>Язык рабочего стола</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Образец шрифта</source>
        <translation>Aperçu de la police</translation>
    </message>
</context>
<context>
    <name>TzqComboBox</name>
    <message>
        <source>Текст не вставлен: строка вмещает не больше %1 символов.</source>
        <translation>Le texte n&apos;a pas été collé&#xa0;: la ligne peut contenir au plus %1 caractères.</translation>
    </message>
</context>
</TS>
