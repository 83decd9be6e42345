<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CompressorAboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>О компрессоре %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Long name:</source>
        <translation>Полное имя:</translation>
    </message>
    <message>
        <source>FourCC:</source>
        <translation>FourCC:</translation>
    </message>
    <message>
        <source>Capabilities:</source>
        <translation>Возможности:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Pixel formats:</source>
        <translation>Форматы пикселей:</translation>
    </message>
    <message>
        <source>not stated</source>
        <translation>не указаны</translation>
    </message>
</context>
<context>
    <name>OptionsPageWidget</name>
    <message>
        <source>Option</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Argument</source>
        <translation>Аргумент</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Changed options appear here as command-line arguments</source>
        <translation>Изменённые параметры появятся здесь как аргументы командной строки</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Аргументы:</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>FourCC</source>
        <translation>FourCC</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Frame sizes</source>
        <translation>Размеры кадра</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Регулятор</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Минимум</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Максимум</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Шаг</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Текущее</translation>
    </message>
    <message>
        <source>%1 configuration</source>
        <translation>Настройка %1</translation>
    </message>
    <message>
        <source>%1: video source</source>
        <translation>%1: источник видео</translation>
    </message>
    <message>
        <source>%1: video format</source>
        <translation>%1: формат видео</translation>
    </message>
    <message>
        <source>%1: video display</source>
        <translation>%1: отображение видео</translation>
    </message>
    <message>
        <source>Available on this machine: %1</source>
        <translation>Доступен на этой машине: %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation>нет (%1)</translation>
    </message>
    <message>
        <source>no %1 device</source>
        <translation>нет устройства %1</translation>
    </message>
    <message>
        <source>it does not open</source>
        <translation>не открывается</translation>
    </message>
    <message>
        <source>no answer within 2 s</source>
        <translation>нет ответа за 2 с</translation>
    </message>
    <message>
        <source>the probe crashed</source>
        <translation>проверка завершилась сбоем</translation>
    </message>
</context>
</TS>
