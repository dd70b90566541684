<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
    <context>
        <name>AboutDlg</name>
        <message>
            <source>About</source>
            <translation>О программе</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>LocalInstanceChannel</name>
        <message>
            <source>Another start of the program did not finish in time.</source>
            <translation>Другой запуск программы не завершился вовремя.</translation>
        </message>
    </context>
    <context>
        <name>QApplication</name>
        <message>
            <source>Yes</source>
            <translation>Да</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Нет</translation>
        </message>
    </context>
    <context>
        <name>Utils</name>
        <message>
            <source> recipients</source>
            <translation> получателей</translation>
        </message>
        <message>
            <source>registering</source>
            <translation>регистрация</translation>
        </message>
        <message>
            <source>IQ local</source>
            <translation>В очереди</translation>
        </message>
        <message>
            <source>FA</source>
            <translation>Ошибка</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>IQ</source>
            <translation>В очереди</translation>
        </message>
        <message>
            <source>NF</source>
            <translation>Факс не отвечает</translation>
        </message>
        <message>
            <source>IT</source>
            <translation>Неполная передача</translation>
        </message>
        <message>
            <source>CF</source>
            <translation>Сбой факсового соединения</translation>
        </message>
        <message>
            <source>BU</source>
            <translation>Линия занята</translation>
        </message>
        <message>
            <source>CR</source>
            <translation>Вызов отклонён</translation>
        </message>
        <message>
            <source>CE</source>
            <translation>Ошибка преобразования</translation>
        </message>
        <message>
            <source>NA</source>
            <translation>Нет ответа</translation>
        </message>
        <message>
            <source>IN</source>
            <translation>Неверный номер</translation>
        </message>
        <message>
            <source>SB</source>
            <translation>Система занята</translation>
        </message>
        <message>
            <source>BA</source>
            <translation>Плохая линия</translation>
        </message>
        <message>
            <source>LP</source>
            <translation>Проблема с линией</translation>
        </message>
        <message>
            <source>CS</source>
            <translation>Файл не может быть отправлен</translation>
        </message>
        <message>
            <source>RF</source>
            <translation>Удалённый факс прервал передачу</translation>
        </message>
        <message>
            <source>BL</source>
            <translation>Неверный список номеров</translation>
        </message>
        <message>
            <source>NT</source>
            <translation>Нет вложения</translation>
        </message>
        <message>
            <source>MF</source>
            <translation>Более 500 номеров</translation>
        </message>
        <message>
            <source>NC</source>
            <translation>Недостаточно средств</translation>
        </message>
        <message>
            <source>SE</source>
            <translation>Ошибка преобразования</translation>
        </message>
        <message>
            <source>UF</source>
            <translation>Неподдерживаемый тип файла</translation>
        </message>
        <message>
            <source>AF</source>
            <translation>Ошибка аутентификации</translation>
        </message>
        <message>
            <source>NR</source>
            <translation>Нет получателей</translation>
        </message>
        <message>
            <source>MA</source>
            <translation>Письмо принято</translation>
        </message>
        <message>
            <source>GF</source>
            <translation>Общая ошибка</translation>
        </message>
        <message>
            <source>Read</source>
            <translation>Прочитано</translation>
        </message>
        <message>
            <source>Unread</source>
            <translation>Не прочитано</translation>
        </message>
        <message>
            <source>Restriction</source>
            <translation>Ограничение</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Ошибка</translation>
        </message>
        <message>
            <source>Information</source>
            <translation>Информация</translation>
        </message>
        <message numerus="yes">
            <source>Do you want to delete %n item(s) ?</source>
            <comment>Comment</comment>
            <translation>
                <numerusform>Удалить %n элемент?</numerusform>
                <numerusform>Удалить %n элемента?</numerusform>
                <numerusform>Удалить %n элементов?</numerusform>
            </translation>
        </message>
        <message>
            <source>Do you want to remove the folder %1 ?</source>
            <translation>Удалить папку %1?</translation>
        </message>
        <message>
            <source>Select file location ...</source>
            <translation>Выберите расположение файла ...</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>Файлы CSV (*.csv)</translation>
        </message>
    </context>
</TS>
