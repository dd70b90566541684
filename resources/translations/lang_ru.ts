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
    <message>
        <source>Qelvoxdesk Website</source>
        <translation>Сайт Qelvoxdesk</translation>
    </message>
    <message>
        <source>© Qelvox. Online fax, SMS and voice mail.</source>
        <translation>© Qelvox. Факс, SMS и голосовая почта онлайн.</translation>
    </message>
</context>
<context>
    <name>AccountDlg</name>
    <message>
        <source>Qelvox Account Settings</source>
        <translation>Настройки учётной записи Qelvox</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Личные данные</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation>Учётные данные</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Личная информация</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Фамилия:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Город:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>Zip/Postal Code:</source>
        <translation>Почтовый индекс:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Страна:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Телефон:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Компания:</translation>
    </message>
    <message>
        <source>Professional/VAT number:</source>
        <translation>ИНН/номер НДС:</translation>
    </message>
    <message>
        <source>Qelvox Settings</source>
        <translation>Настройки Qelvox</translation>
    </message>
    <message>
        <source>Fax number:</source>
        <translation>Номер факса:</translation>
    </message>
    <message>
        <source>Fax header:</source>
        <translation>Заголовок факса:</translation>
    </message>
    <message>
        <source>Email notifications</source>
        <translation>Уведомления по e-mail</translation>
    </message>
    <message>
        <source>Attach the fax to the email</source>
        <translation>Прикладывать факс к письму</translation>
    </message>
    <message>
        <source>Fax format:</source>
        <translation>Формат факса:</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message>
        <source>SMS notifications</source>
        <translation>Уведомления по SMS</translation>
    </message>
    <message>
        <source>SMS alert number:</source>
        <translation>Номер для SMS-уведомлений:</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#validate&quot;&gt;Click here to validate your number&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#validate&quot;&gt;Нажмите здесь, чтобы подтвердить номер&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Extended Title</source>
        <translation>Расширенный заголовок</translation>
    </message>
    <message>
        <source>QelUnits</source>
        <translation>QelUnits</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Дата окончания</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Изменить учётные данные</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Текущий пароль:</translation>
    </message>
    <message>
        <source>New email:</source>
        <translation>Новый e-mail:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Подтверждение:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Новый пароль:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Подключение к Интернету сейчас недоступно. Проверьте сетевые настройки.</translation>
    </message>
    <message>
        <source>The email address has been changed successfully.</source>
        <translation>Адрес e-mail изменён.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>Пароль изменён.</translation>
    </message>
    <message>
        <source>The email address has been changed, but it could not be saved on this computer: sign in with the new address next time.</source>
        <translation>Адрес электронной почты изменён, но его не удалось сохранить на этом компьютере: в следующий раз входите с новым адресом.</translation>
    </message>
    <message>
        <source>The password has been changed, but it could not be saved on this computer: sign in with the new password next time.</source>
        <translation>Пароль изменён, но его не удалось сохранить на этом компьютере: в следующий раз входите с новым паролем.</translation>
    </message>
</context>
<context>
    <name>AddContactDlg</name>
    <message>
        <source>New contact</source>
        <translation>Новый контакт</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Номер факса</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Номер SMS</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Группа:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Edit contact</source>
        <translation>Изменить контакт</translation>
    </message>
</context>
<context>
    <name>AddContactGroupDlg</name>
    <message>
        <source>Add new contact group</source>
        <translation>Добавить группу контактов</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Имя группы:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Номер факса</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Номер SMS</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Add new contact:</source>
        <translation>Добавить новый контакт:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Edit contact group</source>
        <translation>Изменить группу контактов</translation>
    </message>
</context>
<context>
    <name>AttachmentWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Attach file</source>
        <translation>Прикрепить файл</translation>
    </message>
    <message>
        <source>No files</source>
        <translation>Нет файлов</translation>
    </message>
    <message>
        <source>You can attach at most %1 files</source>
        <translation>Можно прикрепить не более %1 файлов</translation>
    </message>
    <message>
        <source>Can not send an empty file %1.</source>
        <translation>Невозможно отправить пустой файл %1.</translation>
    </message>
    <message>
        <source>The total size of attachments should not exceed 8MB.</source>
        <translation>Общий размер вложений не должен превышать 8 МБ.</translation>
    </message>
    <message>
        <source>can not open file %1 </source>
        <translation>не удается открыть файл %1 </translation>
    </message>
    <message>
        <source>Select a file...</source>
        <translation>Выберите файл...</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Регистрация учётной записи Qelvox</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Изменить учётные данные</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Новый пароль:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Подтверждение:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Подключение к Интернету сейчас недоступно. Проверьте сетевые настройки.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>Пароль изменён.</translation>
    </message>
</context>
<context>
    <name>ConnectionProblem</name>
    <message>
        <source>The proxy %1 refused the user name or password. Check them in Preferences, Connection.</source>
        <translation>Прокси %1 отклонил имя пользователя или пароль. Проверьте их в разделе Параметры, Подключение.</translation>
    </message>
    <message>
        <source>The proxy %1 refused the connection.</source>
        <translation>Прокси %1 отклонил подключение.</translation>
    </message>
    <message>
        <source>The proxy %1 could not be reached.</source>
        <translation>Прокси %1 недоступен.</translation>
    </message>
</context>
<context>
    <name>DetailDlg</name>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>SMS:</source>
        <translation>SMS:</translation>
    </message>
    <message>
        <source>Recipients:</source>
        <translation>Получатели:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Кому</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>EntitiesView</name>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Входящие</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Исходящие</translation>
    </message>
</context>
<context>
    <name>FAXWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Transmission report by e-mail</source>
        <translation>Отчёт о передаче по e-mail</translation>
    </message>
    <message>
        <source>Grey and colors dithering</source>
        <translation>Растрирование серого и цветов</translation>
    </message>
    <message>
        <source>Attach file in report</source>
        <translation>Приложить файл к отчёту</translation>
    </message>
    <message>
        <source>Insert cover page</source>
        <translation>Добавить титульную страницу</translation>
    </message>
    <message>
        <source>Click here to change you Cover Page settings</source>
        <translation>Изменить настройки титульной страницы</translation>
    </message>
    <message>
        <source>Black &amp;&amp; white thresholding</source>
        <translation>Чёрно-белый порог</translation>
    </message>
</context>
<context>
    <name>FilterBox</name>
    <message>
        <source>Search ...</source>
        <translation>Поиск ...</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>To/From</source>
        <translation>Кому/От кого</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Номер факса</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Номер SMS</translation>
    </message>
</context>
<context>
    <name>ForwardDlg</name>
    <message>
        <source>Forward</source>
        <translation>Переслать</translation>
    </message>
    <message>
        <source>FAX</source>
        <translation>Факс</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>эл. почта</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>LocalInstanceChannel</name>
    <message>
        <source>Another start of the program did not finish in time.</source>
        <translation>Другой запуск программы не завершился вовремя.</translation>
    </message>
    <message>
        <source>The socket %1 cannot be opened: %2</source>
        <translation>Не удаётся открыть сокет %1: %2</translation>
    </message>
</context>
<context>
    <name>LoginDlg</name>
    <message>
        <source>Login</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Имя учётной записи:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Входить при запуске</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Don&apos;t have an account ?</source>
        <translation>Нет учётной записи?</translation>
    </message>
    <message>
        <source>Register new account</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <source>Forgot password ?</source>
        <translation>Забыли пароль?</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Подключение к Интернету сейчас недоступно. Проверьте сетевые настройки.</translation>
    </message>
    <message>
        <source>Authentication fails ...</source>
        <translation>Ошибка аутентификации ...</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>При обработке запроса к серверу произошла ошибка.
Проверьте подключение к Интернету.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Qelbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Send &amp;Fax</source>
        <translation>Отправить &amp;факс</translation>
    </message>
    <message>
        <source>New Fax</source>
        <translation>Новый факс</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Send S&amp;MS</source>
        <translation>Отправить S&amp;MS</translation>
    </message>
    <message>
        <source>New SMS</source>
        <translation>Новое SMS</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Check for updates</source>
        <translation>&amp;Проверить обновления</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>P&amp;references</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Send &amp;SMS</source>
        <translation>Отправить &amp;SMS</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Qelvox account</source>
        <translation>Учётная запись Qelvox</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Add contact group</source>
        <translation>Добавить группу контактов</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Add contact</source>
        <translation>Добавить контакт</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>DeleteAll</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Mark as read</source>
        <translation>Отметить как прочитанное</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Mark as unread</source>
        <translation>Отметить как непрочитанное</translation>
    </message>
    <message>
        <source>Mark all as read</source>
        <translation>Отметить все как прочитанные</translation>
    </message>
    <message>
        <source>Mark all as unread</source>
        <translation>Отметить все как непрочитанные</translation>
    </message>
    <message>
        <source>Outlook Contacts</source>
        <translation>Контакты Outlook</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Переслать</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Выделить все</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Удалить папку</translation>
    </message>
    <message>
        <source>Rename folder</source>
        <translation>Переименовать папку</translation>
    </message>
    <message>
        <source>Create folder</source>
        <translation>Создать папку</translation>
    </message>
    <message>
        <source>Move to folder</source>
        <translation>Переместить в папку</translation>
    </message>
    <message>
        <source>Add to contacts</source>
        <translation>Добавить в контакты</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1
It stays queued and is carried out while the program runs, but it is lost if the program ends before then.</source>
        <translation>Не удалось сохранить это изменение на компьютере: %1
Оно остаётся в очереди и будет выполнено, пока программа работает, но будет потеряно, если программа завершится раньше.</translation>
    </message>
    <message>
        <source>The account&apos;s local data cannot be opened: %1</source>
        <translation>Не удаётся открыть локальные данные учётной записи: %1</translation>
    </message>
    <message>
        <source>You have a new fax</source>
        <translation>У вас новый факс</translation>
    </message>
    <message numerus="yes">
        <source>You have %n new faxes</source>
        <translation>
            <numerusform>У вас %n новый факс</numerusform>
            <numerusform>У вас %n новых факса</numerusform>
            <numerusform>У вас %n новых факсов</numerusform>
        </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Подключение к Интернету сейчас недоступно. Проверьте сетевые настройки.</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Выберите файл ...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Select a file name ...</source>
        <translation>Выберите имя файла ...</translation>
    </message>
    <message>
        <source>The contacts could not be saved in %1.</source>
        <translation>Не удалось сохранить контакты в %1.</translation>
    </message>
    <message>
        <source>Qelvoxdesk is up to date</source>
        <translation>У вас последняя версия Qelvoxdesk</translation>
    </message>
    <message>
        <source>A newer version is available</source>
        <translation>Доступна новая версия</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The installer of the new version was saved as:
%1
It could not be started from here; run it yourself to install the new version.</source>
        <translation>Установщик новой версии сохранён как:
%1
Его не удалось запустить отсюда; запустите его сами, чтобы установить новую версию.</translation>
    </message>
    <message>
        <source>Impossible to delete selected item(s).</source>
        <translation>Невозможно удалить выбранные элементы.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>Диск, на котором находится %1, заполнен.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Запись в %1 невозможна.</translation>
    </message>
    <message>
        <source>The account is shown as last stored. What you change waits until the data can be written again, and is sent then.</source>
        <translation>Учётная запись показана в последнем сохранённом виде. Ваши изменения ждут, пока данные снова можно будет записать, и тогда будут отправлены.</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1</source>
        <translation>Это изменение не удалось сохранить на этом компьютере: %1</translation>
    </message>
    <message>
        <source>It waits until the data can be written again, and is lost if the program ends before then.</source>
        <translation>Оно ждёт, пока данные снова можно будет записать, и будет потеряно, если программа завершится раньше.</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) could not be saved on this computer and are lost if the program ends now. Quit anyway?</source>
        <translation>
            <numerusform>%n изменение не удалось сохранить на этом компьютере, и оно будет потеряно, если программа завершится сейчас. Всё равно выйти?</numerusform>
            <numerusform>%n изменения не удалось сохранить на этом компьютере, и они будут потеряны, если программа завершится сейчас. Всё равно выйти?</numerusform>
            <numerusform>%n изменений не удалось сохранить на этом компьютере, и они будут потеряны, если программа завершится сейчас. Всё равно выйти?</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes that were waiting to be sent could not be read from it.</source>
        <translation>Изменения, ожидавшие отправки, прочитать из неё не удалось.</translation>
    </message>
    <message>
        <source>The changes waiting to be sent were kept, as far as they could be read.</source>
        <translation>Изменения, ожидающие отправки, сохранены, насколько их удалось прочитать.</translation>
    </message>
    <message>
        <source>The local copy of the account was damaged. It has been kept as %1 and is being rebuilt from the service.</source>
        <translation>Локальная копия учётной записи была повреждена. Она сохранена как %1 и восстанавливается с сервиса.</translation>
    </message>
    <message>
        <source>The document could not be downloaded because the service could not be reached.</source>
        <translation>Не удалось загрузить документ: сервис недоступен.</translation>
    </message>
    <message>
        <source>Qelvoxdesk could not check for a newer version.</source>
        <translation>Qelvoxdesk не удалось проверить наличие новой версии.</translation>
    </message>
    <message>
        <source>The new version could not be downloaded.</source>
        <translation>Не удалось загрузить новую версию.</translation>
    </message>
    <message>
        <source>These items could not be fetched from the service: %1. They will be asked for again at each synchronisation.</source>
        <translation>Эти элементы не удалось получить от сервиса: %1. Они будут запрашиваться снова при каждой синхронизации.</translation>
    </message>
    <message>
        <source>sent fax %1</source>
        <translation>отправленный факс %1</translation>
    </message>
    <message>
        <source>received fax %1</source>
        <translation>полученный факс %1</translation>
    </message>
    <message>
        <source>voice message %1</source>
        <translation>голосовое сообщение %1</translation>
    </message>
    <message>
        <source>sent SMS %1</source>
        <translation>отправленное SMS %1</translation>
    </message>
    <message>
        <source>contact group %1</source>
        <translation>группа контактов %1</translation>
    </message>
    <message>
        <source>contact %1</source>
        <translation>контакт %1</translation>
    </message>
    <message>
        <source>folder %1</source>
        <translation>папка %1</translation>
    </message>
</context>
<context>
    <name>MovetoFolderDlg</name>
    <message>
        <source>Select folder</source>
        <translation>Выберите папку</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
    <name>QelApplication</name>
    <message>
        <source>Qelvoxdesk cannot start: %1</source>
        <translation>Qelvoxdesk не может запуститься: %1</translation>
    </message>
</context>
<context>
    <name>QelRegister</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Регистрация учётной записи Qelvox</translation>
    </message>
    <message>
        <source>Customer details</source>
        <translation>Данные клиента</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Фамилия:</translation>
    </message>
    <message>
        <source>Email (login):</source>
        <translation>Эл. почта (логин):</translation>
    </message>
    <message>
        <source>Confirm email:</source>
        <translation>Подтвердите эл. почту:</translation>
    </message>
    <message>
        <source>Country of residence:</source>
        <translation>Страна проживания:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>Your fax country location:</source>
        <translation>Страна номера факса:</translation>
    </message>
    <message>
        <source>Your fax region location:</source>
        <translation>Регион номера факса:</translation>
    </message>
    <message>
        <source>Account type</source>
        <translation>Тип учётной записи</translation>
    </message>
    <message>
        <source>Free Trial</source>
        <translation>Бесплатный пробный период</translation>
    </message>
    <message>
        <source>Prepaied qelcode</source>
        <translation>Предоплаченный qelcode</translation>
    </message>
    <message>
        <source>Sign up for a Qelvox account</source>
        <translation>Создать учётную запись Qelvox</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Зарегистрироваться</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>При обработке запроса к серверу произошла ошибка.
Проверьте подключение к Интернету.</translation>
    </message>
    <message>
        <source>Wrong email format.</source>
        <translation>Неверный формат адреса эл. почты.</translation>
    </message>
    <message>
        <source>Chosen package is not available.</source>
        <translation>Выбранный пакет недоступен.</translation>
    </message>
    <message>
        <source>Invalid fax number. There are no free numbers for this area.</source>
        <translation>Неверный номер факса. Для этого региона нет свободных номеров.</translation>
    </message>
    <message>
        <source>This qelcode is invalid. Or it was already used.
Please visit our site and contact the support team.</source>
        <translation>Этот qelcode недействителен или уже использован.
Посетите наш сайт и обратитесь в службу поддержки.</translation>
    </message>
    <message>
        <source>The specified email is already registered in our system.</source>
        <translation>Указанный адрес эл. почты уже зарегистрирован в нашей системе.</translation>
    </message>
    <message>
        <source>Cannot finish the registration procedure. Please visit the site and contact the support team.</source>
        <translation>Не удалось завершить регистрацию. Посетите сайт и обратитесь в службу поддержки.</translation>
    </message>
    <message>
        <source>First Name is a required field.</source>
        <translation>Поле «Имя» обязательно.</translation>
    </message>
    <message>
        <source>Last Name is a required field.</source>
        <translation>Поле «Фамилия» обязательно.</translation>
    </message>
    <message>
        <source>Email is a required field.</source>
        <translation>Поле «Эл. почта» обязательно.</translation>
    </message>
    <message>
        <source>Emails do not match.</source>
        <translation>Адреса эл. почты не совпадают.</translation>
    </message>
    <message>
        <source>Please select the fax area of the fax country.</source>
        <translation>Выберите регион факса в выбранной стране.</translation>
    </message>
</context>
<context>
    <name>RecipientForm</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
</context>
<context>
    <name>RecipientsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Contacts:</source>
        <translation>Контакты:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Or enter a number:</source>
        <translation>Или введите номер:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Add to contacts book</source>
        <translation>Добавить в адресную книгу</translation>
    </message>
    <message>
        <source>Recipients:</source>
        <translation>Получатели:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;Accepted file: plain text with 1 or 2 columns&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;If 1 column: 1 number per line&lt;/p&gt;&lt;p&gt;If 2 columns: 1st column is name, 2nd column is number, separated by &amp;quot;;&amp;quot; or TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;The number needs to be in international format&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;Допустимый файл: простой текст с 1 или 2 столбцами&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;1 столбец: 1 номер в строке&lt;/p&gt;&lt;p&gt;2 столбца: 1-й столбец — имя, 2-й столбец — номер, через &amp;quot;;&amp;quot; или TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Номер должен быть в международном формате&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Add from file</source>
        <translation>Добавить из файла</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Выберите файл ...</translation>
    </message>
    <message>
        <source>You need to select less than 2000 recipients</source>
        <translation>Нужно выбрать менее 2000 получателей</translation>
    </message>
    <message>
        <source>The file %1 is too large for a list of recipients: it may hold at most 1 MB.</source>
        <translation>Файл %1 слишком велик для списка получателей: допускается не более 1 МБ.</translation>
    </message>
</context>
<context>
    <name>RenameFolderDlg</name>
    <message>
        <source>Create/Rename folder</source>
        <translation>Создать/переименовать папку</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>SMSWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>SMS:</source>
        <translation>SMS:</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Юникод</translation>
    </message>
</context>
<context>
    <name>SendDlg</name>
    <message>
        <source>Send Fax</source>
        <translation>Отправить факс</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Send Sms</source>
        <translation>Отправить SMS</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>Local fax settings</source>
        <translation>Локальные настройки факса</translation>
    </message>
    <message>
        <source>Preview format:</source>
        <translation>Формат просмотра:</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message>
        <source>Check each:</source>
        <translation>Проверять каждые:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>минут</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Воспроизводить звуки</translation>
    </message>
    <message>
        <source>Show Outlook contacts</source>
        <translation>Показывать контакты Outlook</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Входить при запуске</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>Сетевые настройки</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Прокси</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Сервер:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1.</source>
        <translation>Не удалось сохранить настройки в %1.</translation>
    </message>
    <message>
        <source>no proxy</source>
        <translation>без прокси</translation>
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
    <message>
        <source>No application could open %1.</source>
        <translation>Ни одно приложение не смогло открыть %1.</translation>
    </message>
    <message>
        <source>No application could open the file %1. Do you want to open the folder that holds it?</source>
        <translation>Ни одно приложение не смогло открыть файл %1. Открыть папку, в которой он находится?</translation>
    </message>
</context>
<context>
    <name>WelcomeQelvox</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Регистрация учётной записи Qelvox</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Добро пожаловать</translation>
    </message>
    <message>
        <source>Your account was succesfully created</source>
        <translation>Ваша учётная запись создана</translation>
    </message>
    <message>
        <source>Your credentials are:</source>
        <translation>Ваши учётные данные:</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Имя учётной записи:</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Пароль: </translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Изменить учётные данные</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
