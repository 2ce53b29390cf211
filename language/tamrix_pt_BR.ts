<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="ru">
<context>
    <name>ButtonHint</name>
    <message>
        <source>%1/Вкл</source>
        <translation>%1: ativar</translation>
    </message>
    <message>
        <source>%1/Откл</source>
        <translation>%1: desativar</translation>
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
        <translation>quilo (10^3)</translation>
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
        <translation>Engenharia</translation>
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
        <translation>Binário</translation>
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
        <translation>Exponenciais e logarítmicas</translation>
    </message>
    <message>
        <source>Другие</source>
        <translation>Outras</translation>
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
        <translation>cosseno</translation>
    </message>
    <message>
        <source>TAN</source>
        <translation>tangente</translation>
    </message>
    <message>
        <source>ARCSIN</source>
        <translation>arco seno</translation>
    </message>
    <message>
        <source>ARCCOS</source>
        <translation>arco cosseno</translation>
    </message>
    <message>
        <source>ARCTAN</source>
        <translation>arco tangente</translation>
    </message>
    <message>
        <source>EXP</source>
        <translation>exponencial, e elevado a X</translation>
    </message>
    <message>
        <source>LOG2</source>
        <translation>logaritmo binário (base 2)</translation>
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
        <translation>quadrado</translation>
    </message>
    <message>
        <source>SQRT</source>
        <translation>raiz quadrada</translation>
    </message>
    <message>
        <source>FACT</source>
        <translation>fatorial n!</translation>
    </message>
    <message>
        <source>ABS</source>
        <translation>valor absoluto</translation>
    </message>
    <message>
        <source>FRAC</source>
        <translation>parte fracionária de um número</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>parte inteira de um número</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>arredondamento para o inteiro mais próximo</translation>
    </message>
    <message>
        <source>CEIL</source>
        <translation>arredondamento para cima</translation>
    </message>
    <message>
        <source>FLOOR</source>
        <translation>arredondamento para baixo</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>1 se X for ímpar, 0 caso contrário</translation>
    </message>
    <message>
        <source>SIGN</source>
        <translation>-1 se X&lt;0, 1 se X&gt;0 e 0 se X=0</translation>
    </message>
    <message>
        <source>NOT</source>
        <translation>negação bit a bit</translation>
    </message>
    <message>
        <source>ROL</source>
        <translation>rotação dos 32 bits de X para a esquerda em N posições</translation>
    </message>
    <message>
        <source>ROR</source>
        <translation>rotação dos 32 bits de X para a direita em N posições</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>help</source>
        <translation>help/pt_BR</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>Русский</source>
        <translation>Português (Brasil)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>61149</source>
        <translation>O argumento não é um número inteiro</translation>
    </message>
    <message>
        <source>61150</source>
        <translation>Erro em operação de ponto flutuante</translation>
    </message>
    <message>
        <source>61151</source>
        <translation>A expressão sob o logaritmo é menor que zero</translation>
    </message>
    <message>
        <source>61152</source>
        <translation>A expressão sob a raiz é menor que zero</translation>
    </message>
    <message>
        <source>61153</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>61154</source>
        <translation>Falta um parêntese</translation>
    </message>
    <message>
        <source>61155</source>
        <translation>Erro de sintaxe</translation>
    </message>
    <message>
        <source>61156</source>
        <translation>Argumento de função inválido</translation>
    </message>
    <message>
        <source>61157</source>
        <translation>Expressão com aninhamento profundo demais</translation>
    </message>
    <message>
        <source>61158</source>
        <translation>Recursão profunda demais nas funções do usuário</translation>
    </message>
    <message>
        <source>65505</source>
        <translation>Operação de ponto flutuante inválida</translation>
    </message>
    <message>
        <source>65506</source>
        <translation>Divisão por zero em ponto flutuante</translation>
    </message>
    <message>
        <source>65507</source>
        <translation>Estouro em ponto flutuante</translation>
    </message>
    <message>
        <source>65521</source>
        <translation>&apos;%s&apos; não é um valor de ponto flutuante válido</translation>
    </message>
    <message>
        <source>UnableToWrite</source>
        <translation>Não é possível gravar em %s</translation>
    </message>
    <message>
        <source>CannotCreateFile</source>
        <translation>Não é possível criar o arquivo %s</translation>
    </message>
    <message>
        <source>StreamReadError</source>
        <translation>Erro de leitura do fluxo: %s</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>О программе Tamrix</source>
        <translation>Sobre o Tamrix</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>© 2026 Разработчики Tamrix
Лицензия GPL-3.0-or-later</source>
        <translation>© 2026 Desenvolvedores do Tamrix
Licença GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Значок Tamrix</source>
        <translation>Ícone do Tamrix</translation>
    </message>
</context>
<context>
    <name>THelpWindowViewer</name>
    <message>
        <source>Справка Tamrix</source>
        <translation>Ajuda do Tamrix</translation>
    </message>
    <message>
        <source>&lt;p&gt;Не удаётся открыть файл справки «%1».&lt;/p&gt;</source>
        <translation>&lt;p&gt;Não é possível abrir o arquivo de ajuda “%1”.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TPortalHotKeyService</name>
    <message>
        <source>Показать или спрятать калькулятор</source>
        <translation>Mostrar ou ocultar a calculadora</translation>
    </message>
</context>
<context>
    <name>TQtMessageBoxes</name>
    <message>
        <source>Подтвердите</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>TfrmEdit</name>
    <message>
        <source>Не введено имя переменной или функции</source>
        <translation>Nenhum nome informado para a variável ou função</translation>
    </message>
    <message>
        <source>Неверное имя переменной или функции</source>
        <translation>Nome de variável ou função inválido</translation>
    </message>
    <message>
        <source>Переменная или функция с таким именем уже существует</source>
        <translation>Já existe uma variável ou função com este nome</translation>
    </message>
    <message>
        <source>Не задано значение переменной</source>
        <translation>Nenhum valor informado para a variável</translation>
    </message>
    <message>
        <source>Категория</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
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
        <translation>Expressão</translation>
    </message>
    <message>
        <source>Добавить константу</source>
        <translation>Adicionar constante</translation>
    </message>
    <message>
        <source>Изменить константу</source>
        <translation>Alterar constante</translation>
    </message>
    <message>
        <source>Добавить функцию</source>
        <translation>Adicionar função</translation>
    </message>
    <message>
        <source>Изменить функцию</source>
        <translation>Alterar função</translation>
    </message>
    <message>
        <source>Символ &quot;|&quot; нельзя сохранить в теле функции; побитовое ИЛИ запишите иначе, например a+b-(a&amp;b) вместо a|b</source>
        <translation>O caractere &quot;|&quot; não pode ser gravado no corpo de uma função; escreva o OU bit a bit de outra forma, por exemplo a+b-(a&amp;b) em vez de a|b</translation>
    </message>
    <message>
        <source>Заголовок функции должен иметь вид имя(параметры)</source>
        <translation>O cabeçalho da função deve ter a forma nome(parâmetros)</translation>
    </message>
    <message>
        <source>Не задано тело функции</source>
        <translation>Nenhum corpo informado para a função</translation>
    </message>
    <message>
        <source>Ошибка в значении: %1</source>
        <translation>Erro no valor: %1</translation>
    </message>
    <message>
        <source>Символ %1 нельзя сохранить в поле &quot;%2&quot;</source>
        <translation>O caractere %1 não pode ser gravado no campo &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>TfrmFunc</name>
    <message>
        <source>Функции и константы</source>
        <translation>Funções e constantes</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Функции</source>
        <translation>Funções</translation>
    </message>
    <message>
        <source>Константы</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Пользовательские функции</source>
        <translation>Funções do usuário</translation>
    </message>
    <message>
        <source>Функция</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Descrição</translation>
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
        <translation>Expressão</translation>
    </message>
    <message>
        <source>Действительно удалить %1</source>
        <translation>Excluir %1?</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Поверх всех окон</source>
        <translation>Sempre no topo</translation>
    </message>
    <message>
        <source>Сообщения об ошибках</source>
        <translation>Mensagens de erro</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <comment>the lower panel</comment>
        <translation>Recolher</translation>
    </message>
    <message>
        <source>Развернуть</source>
        <comment>the lower panel</comment>
        <translation>Expandir</translation>
    </message>
    <message>
        <source>Системное меню</source>
        <translation>Menu do sistema</translation>
    </message>
    <message>
        <source>Копировать результат
в буфер обмена</source>
        <translation>Copiar o resultado
para a área de transferência</translation>
    </message>
    <message>
        <source>Вставить в выражение</source>
        <translation>Colar na expressão</translation>
    </message>
    <message>
        <source>Функции и константы (F5)</source>
        <translation>Funções e constantes (F5)</translation>
    </message>
    <message>
        <source>Настройки (F7)</source>
        <translation>Configurações (F7)</translation>
    </message>
    <message>
        <source>Градусы/Радианы</source>
        <translation>Graus/Radianos</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Запомнить выражение</source>
        <translation>Guardar a expressão</translation>
    </message>
    <message>
        <source>Формат результата</source>
        <translation>Formato do resultado</translation>
    </message>
    <message>
        <source>Выражение</source>
        <translation>Expressão</translation>
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
        <translation>Fechar o Tamrix?</translation>
    </message>
    <message>
        <source>Закрыть Tamrix без сохранения?</source>
        <translation>Fechar o Tamrix sem salvar?</translation>
    </message>
    <message>
        <source>Поверх всех окон: здесь недоступно,
выберите «Поверх других окон» в меню окна рабочего стола</source>
        <translation>Sempre no topo: indisponível aqui;
escolha “Manter acima das outras” no menu da janela da área de trabalho</translation>
    </message>
    <message>
        <source>Нижняя панель</source>
        <translation>Painel inferior</translation>
    </message>
    <message>
        <source>Радианы</source>
        <translation>Radianos</translation>
    </message>
    <message>
        <source>Градусы</source>
        <translation>Graus</translation>
    </message>
    <message>
        <source>Формат результата %1</source>
        <translation>Formato do resultado %1</translation>
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
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Сворачивать в трэй (где часы)</source>
        <translation>Minimizar para a bandeja (junto ao relógio)</translation>
    </message>
    <message>
        <source>Не запоминать последнее выражение</source>
        <translation>Não guardar a última expressão</translation>
    </message>
    <message>
        <source>Подтверждать закрытие программы</source>
        <translation>Confirmar o fechamento do programa</translation>
    </message>
    <message>
        <source>Число запоминаемых выражений</source>
        <translation>Número de expressões guardadas</translation>
    </message>
    <message>
        <source>Число значащих цифр в числе</source>
        <translation>Dígitos significativos</translation>
    </message>
    <message>
        <source>Разделители</source>
        <translation>Separadores</translation>
    </message>
    <message>
        <source>Целой и дробной части (.)  Аргументов ф-ции (,)</source>
        <translation>Separador decimal (.)  Argumentos de função (,)</translation>
    </message>
    <message>
        <source>Целой и дробной части (,)  Аргументов ф-ции (;)</source>
        <translation>Separador decimal (,)  Argumentos de função (;)</translation>
    </message>
    <message>
        <source>Клавиши вызова</source>
        <translation>Tecla de atalho</translation>
    </message>
    <message>
        <source>Шрифт...</source>
        <translation>Fonte...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Комбинация %1 уже используется в вашей системе</source>
        <translation>A combinação %1 já está em uso no seu sistema</translation>
    </message>
    <message>
        <source>Клавиши рабочего стола</source>
        <translation>Atalhos da área de trabalho</translation>
    </message>
    <message>
        <source>Клавишу задают в настройках рабочего стола: команда tamrix --toggle</source>
        <translation>Defina a tecla nas configurações da área de trabalho: comando tamrix --toggle</translation>
    </message>
    <message>
        <source>не назначена</source>
        <translation>nenhuma atribuída</translation>
    </message>
    <message>
        <source>Язык рабочего стола</source>
        <translation>Idioma da área de trabalho</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Образец шрифта</source>
        <translation>Amostra da fonte</translation>
    </message>
</context>
<context>
    <name>TzqComboBox</name>
    <message>
        <source>Текст не вставлен: строка вмещает не больше %1 символов.</source>
        <translation>O texto não foi colado: a linha comporta no máximo %1 caracteres.</translation>
    </message>
</context>
</TS>
