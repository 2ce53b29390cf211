<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
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
