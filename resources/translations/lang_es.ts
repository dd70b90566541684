<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Qelvoxdesk Website</source>
        <translation>Sitio web de Qelvoxdesk</translation>
    </message>
    <message>
        <source>© Qelvox. Online fax, SMS and voice mail.</source>
        <translation>© Qelvox. Fax, SMS y buzón de voz en línea.</translation>
    </message>
</context>
<context>
    <name>AccountDlg</name>
    <message>
        <source>Qelvox Account Settings</source>
        <translation>Configuración de la cuenta Qelvox</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation>Credenciales</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Información personal</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Apellido:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Zip/Postal Code:</source>
        <translation>Código postal:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>Professional/VAT number:</source>
        <translation>N.º profesional/IVA:</translation>
    </message>
    <message>
        <source>Qelvox Settings</source>
        <translation>Configuración de Qelvox</translation>
    </message>
    <message>
        <source>Fax number:</source>
        <translation>Número de fax:</translation>
    </message>
    <message>
        <source>Fax header:</source>
        <translation>Encabezado del fax:</translation>
    </message>
    <message>
        <source>Email notifications</source>
        <translation>Notificaciones por correo</translation>
    </message>
    <message>
        <source>Attach the fax to the email</source>
        <translation>Adjuntar el fax al correo</translation>
    </message>
    <message>
        <source>Fax format:</source>
        <translation>Formato del fax:</translation>
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
        <translation>Notificaciones por SMS</translation>
    </message>
    <message>
        <source>SMS alert number:</source>
        <translation>Número de aviso SMS:</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#validate&quot;&gt;Click here to validate your number&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#validate&quot;&gt;Haga clic aquí para validar su número&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Extended Title</source>
        <translation>Título extendido</translation>
    </message>
    <message>
        <source>QelUnits</source>
        <translation>QelUnits</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Fecha de fin</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Cambiar las credenciales</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Inicio de sesión</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Contraseña actual:</translation>
    </message>
    <message>
        <source>New email:</source>
        <translation>Nuevo correo:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Confirmar:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Nueva contraseña:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>En este momento no hay conexión a Internet. Compruebe la configuración de red.</translation>
    </message>
    <message>
        <source>The email address has been changed successfully.</source>
        <translation>La dirección de correo se ha cambiado correctamente.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>La contraseña se ha cambiado correctamente.</translation>
    </message>
    <message>
        <source>The email address has been changed, but it could not be saved on this computer: sign in with the new address next time.</source>
        <translation>La dirección de correo electrónico se ha cambiado, pero no se ha podido guardar en este ordenador: la próxima vez inicie sesión con la nueva dirección.</translation>
    </message>
    <message>
        <source>The password has been changed, but it could not be saved on this computer: sign in with the new password next time.</source>
        <translation>La contraseña se ha cambiado, pero no se ha podido guardar en este ordenador: la próxima vez inicie sesión con la nueva contraseña.</translation>
    </message>
</context>
<context>
    <name>AddContactDlg</name>
    <message>
        <source>New contact</source>
        <translation>Nuevo contacto</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Número de fax</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Número SMS</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Grupo:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Edit contact</source>
        <translation>Editar contacto</translation>
    </message>
</context>
<context>
    <name>AddContactGroupDlg</name>
    <message>
        <source>Add new contact group</source>
        <translation>Añadir un grupo de contactos</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Nombre del grupo:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Número de fax</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Número SMS</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Add new contact:</source>
        <translation>Añadir un contacto nuevo:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Edit contact group</source>
        <translation>Editar grupo de contactos</translation>
    </message>
</context>
<context>
    <name>AttachmentWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Attach file</source>
        <translation>Adjuntar archivo</translation>
    </message>
    <message>
        <source>No files</source>
        <translation>Ningún archivo</translation>
    </message>
    <message>
        <source>You can attach at most %1 files</source>
        <translation>Puede adjuntar como máximo %1 archivos</translation>
    </message>
    <message>
        <source>Can not send an empty file %1.</source>
        <translation>No se puede enviar un archivo vacío %1.</translation>
    </message>
    <message>
        <source>The total size of attachments should not exceed 8MB.</source>
        <translation>El tamaño total de los adjuntos no debe superar 8 MB.</translation>
    </message>
    <message>
        <source>can not open file %1 </source>
        <translation>no se puede abrir el archivo %1 </translation>
    </message>
    <message>
        <source>Select a file...</source>
        <translation>Seleccione un archivo...</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Registro de una cuenta Qelvox</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Cambiar las credenciales</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Nueva contraseña:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Confirmar:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>En este momento no hay conexión a Internet. Compruebe la configuración de red.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>La contraseña se ha cambiado correctamente.</translation>
    </message>
</context>
<context>
    <name>ConnectionProblem</name>
    <message>
        <source>The proxy %1 refused the user name or password. Check them in Preferences, Connection.</source>
        <translation>El proxy %1 ha rechazado el nombre de usuario o la contraseña. Compruébelos en Preferencias, Conexión.</translation>
    </message>
    <message>
        <source>The proxy %1 refused the connection.</source>
        <translation>El proxy %1 ha rechazado la conexión.</translation>
    </message>
    <message>
        <source>The proxy %1 could not be reached.</source>
        <translation>No se ha podido contactar con el proxy %1.</translation>
    </message>
</context>
<context>
    <name>DetailDlg</name>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>SMS:</source>
        <translation>SMS:</translation>
    </message>
    <message>
        <source>Recipients:</source>
        <translation>Destinatarios:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>EntitiesView</name>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Bandeja de entrada</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Bandeja de salida</translation>
    </message>
</context>
<context>
    <name>FAXWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Transmission report by e-mail</source>
        <translation>Informe de transmisión por correo electrónico</translation>
    </message>
    <message>
        <source>Grey and colors dithering</source>
        <translation>Tramado de grises y colores</translation>
    </message>
    <message>
        <source>Attach file in report</source>
        <translation>Adjuntar el archivo al informe</translation>
    </message>
    <message>
        <source>Insert cover page</source>
        <translation>Insertar portada</translation>
    </message>
    <message>
        <source>Click here to change you Cover Page settings</source>
        <translation>Haga clic aquí para cambiar la configuración de su portada</translation>
    </message>
    <message>
        <source>Black &amp;&amp; white thresholding</source>
        <translation>Umbral blanco &amp;&amp; negro</translation>
    </message>
</context>
<context>
    <name>FilterBox</name>
    <message>
        <source>Search ...</source>
        <translation>Buscar ...</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>To/From</source>
        <translation>Para/De</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Número de fax</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Número SMS</translation>
    </message>
</context>
<context>
    <name>ForwardDlg</name>
    <message>
        <source>Forward</source>
        <translation>Reenviar</translation>
    </message>
    <message>
        <source>FAX</source>
        <translation>FAX</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>correo electrónico</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>LocalInstanceChannel</name>
    <message>
        <source>Another start of the program did not finish in time.</source>
        <translation>Otro inicio del programa no terminó a tiempo.</translation>
    </message>
    <message>
        <source>The socket %1 cannot be opened: %2</source>
        <translation>No se puede abrir el socket %1: %2</translation>
    </message>
</context>
<context>
    <name>LoginDlg</name>
    <message>
        <source>Login</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Nombre de cuenta:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Iniciar sesión al arrancar</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>Don&apos;t have an account ?</source>
        <translation>¿No tiene una cuenta?</translation>
    </message>
    <message>
        <source>Register new account</source>
        <translation>Registrar una cuenta</translation>
    </message>
    <message>
        <source>Forgot password ?</source>
        <translation>¿Olvidó la contraseña?</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>En este momento no hay conexión a Internet. Compruebe la configuración de red.</translation>
    </message>
    <message>
        <source>Authentication fails ...</source>
        <translation>Error de autenticación ...</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>Se produjo un error al procesar una solicitud al servidor.
Compruebe su conexión a Internet.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Qelbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Send &amp;Fax</source>
        <translation>Enviar &amp;fax</translation>
    </message>
    <message>
        <source>New Fax</source>
        <translation>Nuevo fax</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Send S&amp;MS</source>
        <translation>Enviar S&amp;MS</translation>
    </message>
    <message>
        <source>New SMS</source>
        <translation>Nuevo SMS</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Check for updates</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>P&amp;references</source>
        <translation>P&amp;referencias</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Send &amp;SMS</source>
        <translation>Enviar &amp;SMS</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Qelvox account</source>
        <translation>Cuenta Qelvox</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Add contact group</source>
        <translation>Añadir grupo de contactos</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Add contact</source>
        <translation>Añadir contacto</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>DeleteAll</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Mark as read</source>
        <translation>Marcar como leído</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Mark as unread</source>
        <translation>Marcar como no leído</translation>
    </message>
    <message>
        <source>Mark all as read</source>
        <translation>Marcar todo como leído</translation>
    </message>
    <message>
        <source>Mark all as unread</source>
        <translation>Marcar todo como no leído</translation>
    </message>
    <message>
        <source>Outlook Contacts</source>
        <translation>Contactos de Outlook</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Reenviar</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Eliminar carpeta</translation>
    </message>
    <message>
        <source>Rename folder</source>
        <translation>Renombrar carpeta</translation>
    </message>
    <message>
        <source>Create folder</source>
        <translation>Crear carpeta</translation>
    </message>
    <message>
        <source>Move to folder</source>
        <translation>Mover a carpeta</translation>
    </message>
    <message>
        <source>Add to contacts</source>
        <translation>Añadir a contactos</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1
It stays queued and is carried out while the program runs, but it is lost if the program ends before then.</source>
        <translation>Este cambio no se ha podido guardar en este equipo: %1
Sigue en cola y se realizará mientras el programa esté en marcha, pero se perderá si el programa se cierra antes.</translation>
    </message>
    <message>
        <source>The account&apos;s local data cannot be opened: %1</source>
        <translation>No se pueden abrir los datos locales de la cuenta: %1</translation>
    </message>
    <message>
        <source>You have a new fax</source>
        <translation>Tiene un fax nuevo</translation>
    </message>
    <message numerus="yes">
        <source>You have %n new faxes</source>
        <translation>
            <numerusform>Tiene %n fax nuevo</numerusform>
            <numerusform>Tiene %n faxes nuevos</numerusform>
        </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>En este momento no hay conexión a Internet. Compruebe la configuración de red.</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Seleccione un archivo ...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Select a file name ...</source>
        <translation>Seleccione un nombre de archivo ...</translation>
    </message>
    <message>
        <source>The contacts could not be saved in %1.</source>
        <translation>No se pudieron guardar los contactos en %1.</translation>
    </message>
    <message>
        <source>Qelvoxdesk is up to date</source>
        <translation>Qelvoxdesk está actualizado</translation>
    </message>
    <message>
        <source>A newer version is available</source>
        <translation>Hay una versión más reciente disponible</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The installer of the new version was saved as:
%1
It could not be started from here; run it yourself to install the new version.</source>
        <translation>El instalador de la nueva versión se ha guardado como:
%1
No se ha podido iniciar desde aquí; ejecútelo usted mismo para instalar la nueva versión.</translation>
    </message>
    <message>
        <source>Impossible to delete selected item(s).</source>
        <translation>No se pueden eliminar los elementos seleccionados.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>El disco que contiene %1 está lleno.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>No se puede escribir en %1.</translation>
    </message>
    <message>
        <source>The account is shown as last stored. What you change waits until the data can be written again, and is sent then.</source>
        <translation>La cuenta se muestra tal como se guardó por última vez. Lo que cambie espera hasta que los datos puedan escribirse de nuevo, y se envía entonces.</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1</source>
        <translation>Este cambio no se pudo guardar en este equipo: %1</translation>
    </message>
    <message>
        <source>It waits until the data can be written again, and is lost if the program ends before then.</source>
        <translation>Espera hasta que los datos puedan escribirse de nuevo, y se pierde si el programa termina antes.</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) could not be saved on this computer and are lost if the program ends now. Quit anyway?</source>
        <translation>
            <numerusform>%n cambio no se pudo guardar en este equipo y se pierde si el programa termina ahora. ¿Salir de todos modos?</numerusform>
            <numerusform>%n cambios no se pudieron guardar en este equipo y se pierden si el programa termina ahora. ¿Salir de todos modos?</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes that were waiting to be sent could not be read from it.</source>
        <translation>Los cambios pendientes de envío no se pudieron leer de ella.</translation>
    </message>
    <message>
        <source>The changes waiting to be sent were kept, as far as they could be read.</source>
        <translation>Los cambios pendientes de envío se han conservado, en la medida en que se pudieron leer.</translation>
    </message>
    <message>
        <source>The local copy of the account was damaged. It has been kept as %1 and is being rebuilt from the service.</source>
        <translation>La copia local de la cuenta estaba dañada. Se ha conservado como %1 y se está reconstruyendo desde el servicio.</translation>
    </message>
    <message>
        <source>The document could not be downloaded because the service could not be reached.</source>
        <translation>No se ha podido descargar el documento porque no se ha podido contactar con el servicio.</translation>
    </message>
    <message>
        <source>Qelvoxdesk could not check for a newer version.</source>
        <translation>Qelvoxdesk no ha podido comprobar si hay una versión más reciente.</translation>
    </message>
    <message>
        <source>The new version could not be downloaded.</source>
        <translation>No se ha podido descargar la nueva versión.</translation>
    </message>
    <message>
        <source>These items could not be fetched from the service: %1. They will be asked for again at each synchronisation.</source>
        <translation>No se pudieron obtener estos elementos del servicio: %1. Se volverán a solicitar en cada sincronización.</translation>
    </message>
    <message>
        <source>sent fax %1</source>
        <translation>fax enviado %1</translation>
    </message>
    <message>
        <source>received fax %1</source>
        <translation>fax recibido %1</translation>
    </message>
    <message>
        <source>voice message %1</source>
        <translation>mensaje de voz %1</translation>
    </message>
    <message>
        <source>sent SMS %1</source>
        <translation>SMS enviado %1</translation>
    </message>
    <message>
        <source>contact group %1</source>
        <translation>grupo de contactos %1</translation>
    </message>
    <message>
        <source>contact %1</source>
        <translation>contacto %1</translation>
    </message>
    <message>
        <source>folder %1</source>
        <translation>carpeta %1</translation>
    </message>
</context>
<context>
    <name>MovetoFolderDlg</name>
    <message>
        <source>Select folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>QelApplication</name>
    <message>
        <source>Qelvoxdesk cannot start: %1</source>
        <translation>Qelvoxdesk no puede iniciarse: %1</translation>
    </message>
</context>
<context>
    <name>QelRegister</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Registro de una cuenta Qelvox</translation>
    </message>
    <message>
        <source>Customer details</source>
        <translation>Datos del cliente</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Apellidos:</translation>
    </message>
    <message>
        <source>Email (login):</source>
        <translation>Correo electrónico (usuario):</translation>
    </message>
    <message>
        <source>Confirm email:</source>
        <translation>Confirmar correo:</translation>
    </message>
    <message>
        <source>Country of residence:</source>
        <translation>País de residencia:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Your fax country location:</source>
        <translation>País del número de fax:</translation>
    </message>
    <message>
        <source>Your fax region location:</source>
        <translation>Zona del número de fax:</translation>
    </message>
    <message>
        <source>Account type</source>
        <translation>Tipo de cuenta</translation>
    </message>
    <message>
        <source>Free Trial</source>
        <translation>Prueba gratuita</translation>
    </message>
    <message>
        <source>Prepaied qelcode</source>
        <translation>Qelcode prepago</translation>
    </message>
    <message>
        <source>Sign up for a Qelvox account</source>
        <translation>Crear una cuenta Qelvox</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrarse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>Se produjo un error al procesar una solicitud al servidor.
Compruebe su conexión a Internet.</translation>
    </message>
    <message>
        <source>Wrong email format.</source>
        <translation>Formato de correo electrónico incorrecto.</translation>
    </message>
    <message>
        <source>Chosen package is not available.</source>
        <translation>El paquete elegido no está disponible.</translation>
    </message>
    <message>
        <source>Invalid fax number. There are no free numbers for this area.</source>
        <translation>Número de fax no válido. No hay números libres para esta zona.</translation>
    </message>
    <message>
        <source>This qelcode is invalid. Or it was already used.
Please visit our site and contact the support team.</source>
        <translation>Este qelcode no es válido o ya se ha utilizado.
Visite nuestro sitio y póngase en contacto con el equipo de soporte.</translation>
    </message>
    <message>
        <source>The specified email is already registered in our system.</source>
        <translation>El correo electrónico indicado ya está registrado en nuestro sistema.</translation>
    </message>
    <message>
        <source>Cannot finish the registration procedure. Please visit the site and contact the support team.</source>
        <translation>No se puede completar el registro. Visite el sitio y póngase en contacto con el equipo de soporte.</translation>
    </message>
    <message>
        <source>First Name is a required field.</source>
        <translation>El nombre es obligatorio.</translation>
    </message>
    <message>
        <source>Last Name is a required field.</source>
        <translation>Los apellidos son obligatorios.</translation>
    </message>
    <message>
        <source>Email is a required field.</source>
        <translation>El correo electrónico es obligatorio.</translation>
    </message>
    <message>
        <source>Emails do not match.</source>
        <translation>Los correos electrónicos no coinciden.</translation>
    </message>
    <message>
        <source>Please select the fax area of the fax country.</source>
        <translation>Seleccione la zona de fax del país elegido.</translation>
    </message>
</context>
<context>
    <name>RecipientForm</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
</context>
<context>
    <name>RecipientsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Contacts:</source>
        <translation>Contactos:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Or enter a number:</source>
        <translation>O introduzca un número:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add to contacts book</source>
        <translation>Añadir a la agenda</translation>
    </message>
    <message>
        <source>Recipients:</source>
        <translation>Destinatarios:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;Accepted file: plain text with 1 or 2 columns&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;If 1 column: 1 number per line&lt;/p&gt;&lt;p&gt;If 2 columns: 1st column is name, 2nd column is number, separated by &amp;quot;;&amp;quot; or TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;The number needs to be in international format&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;Archivo aceptado: texto sin formato con 1 o 2 columnas&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;Con 1 columna: 1 número por línea&lt;/p&gt;&lt;p&gt;Con 2 columnas: 1.ª columna el nombre, 2.ª columna el número, separados por &amp;quot;;&amp;quot; o TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;El número debe estar en formato internacional&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Add from file</source>
        <translation>Añadir desde archivo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Seleccione un archivo ...</translation>
    </message>
    <message>
        <source>You need to select less than 2000 recipients</source>
        <translation>Debe seleccionar menos de 2000 destinatarios</translation>
    </message>
    <message>
        <source>The file %1 is too large for a list of recipients: it may hold at most 1 MB.</source>
        <translation>El archivo %1 es demasiado grande para una lista de destinatarios: puede tener como máximo 1 MB.</translation>
    </message>
</context>
<context>
    <name>RenameFolderDlg</name>
    <message>
        <source>Create/Rename folder</source>
        <translation>Crear/renombrar carpeta</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SMSWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>SMS:</source>
        <translation>SMS:</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
</context>
<context>
    <name>SendDlg</name>
    <message>
        <source>Send Fax</source>
        <translation>Enviar fax</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Send Sms</source>
        <translation>Enviar SMS</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Configuración general</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Local fax settings</source>
        <translation>Configuración local de fax</translation>
    </message>
    <message>
        <source>Preview format:</source>
        <translation>Formato de vista previa:</translation>
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
        <translation>Comprobar cada:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Reproducir sonidos</translation>
    </message>
    <message>
        <source>Show Outlook contacts</source>
        <translation>Mostrar los contactos de Outlook</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Iniciar sesión al arrancar</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>Configuración de red</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1.</source>
        <translation>No se han podido guardar los ajustes en %1.</translation>
    </message>
    <message>
        <source>no proxy</source>
        <translation>sin proxy</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source> recipients</source>
        <translation> destinatarios</translation>
    </message>
    <message>
        <source>registering</source>
        <translation>registrando</translation>
    </message>
    <message>
        <source>IQ local</source>
        <translation>En cola</translation>
    </message>
    <message>
        <source>FA</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>IQ</source>
        <translation>En cola</translation>
    </message>
    <message>
        <source>NF</source>
        <translation>Ningún fax responde</translation>
    </message>
    <message>
        <source>IT</source>
        <translation>Transmisión incompleta</translation>
    </message>
    <message>
        <source>CF</source>
        <translation>Falló la conexión de fax</translation>
    </message>
    <message>
        <source>BU</source>
        <translation>Línea ocupada</translation>
    </message>
    <message>
        <source>CR</source>
        <translation>Llamada rechazada</translation>
    </message>
    <message>
        <source>CE</source>
        <translation>Error de conversión</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>Sin respuesta</translation>
    </message>
    <message>
        <source>IN</source>
        <translation>Número no válido</translation>
    </message>
    <message>
        <source>SB</source>
        <translation>Sistema ocupado</translation>
    </message>
    <message>
        <source>BA</source>
        <translation>Línea defectuosa</translation>
    </message>
    <message>
        <source>LP</source>
        <translation>Problema de línea</translation>
    </message>
    <message>
        <source>CS</source>
        <translation>No se puede enviar el archivo</translation>
    </message>
    <message>
        <source>RF</source>
        <translation>Fax remoto cancelado</translation>
    </message>
    <message>
        <source>BL</source>
        <translation>Lista de números incorrecta</translation>
    </message>
    <message>
        <source>NT</source>
        <translation>Sin archivo adjunto</translation>
    </message>
    <message>
        <source>MF</source>
        <translation>Más de 500 números</translation>
    </message>
    <message>
        <source>NC</source>
        <translation>Crédito insuficiente</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>Error de conversión</translation>
    </message>
    <message>
        <source>UF</source>
        <translation>Tipo de archivo no admitido</translation>
    </message>
    <message>
        <source>AF</source>
        <translation>Error de autenticación</translation>
    </message>
    <message>
        <source>NR</source>
        <translation>Sin destinatarios</translation>
    </message>
    <message>
        <source>MA</source>
        <translation>Correo aceptado</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>Fallo general</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leído</translation>
    </message>
    <message>
        <source>Unread</source>
        <translation>No leído</translation>
    </message>
    <message>
        <source>Restriction</source>
        <translation>Restricción</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message numerus="yes">
        <source>Do you want to delete %n item(s) ?</source>
        <comment>Comment</comment>
        <translation>
            <numerusform>¿Desea eliminar %n elemento?</numerusform>
            <numerusform>¿Desea eliminar %n elementos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to remove the folder %1 ?</source>
        <translation>¿Desea eliminar la carpeta %1?</translation>
    </message>
    <message>
        <source>Select file location ...</source>
        <translation>Seleccione la ubicación del archivo ...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>No application could open %1.</source>
        <translation>Ninguna aplicación pudo abrir %1.</translation>
    </message>
    <message>
        <source>No application could open the file %1. Do you want to open the folder that holds it?</source>
        <translation>Ninguna aplicación pudo abrir el archivo %1. ¿Desea abrir la carpeta que lo contiene?</translation>
    </message>
</context>
<context>
    <name>WelcomeQelvox</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Registro de una cuenta Qelvox</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>Your account was succesfully created</source>
        <translation>Su cuenta se ha creado correctamente</translation>
    </message>
    <message>
        <source>Your credentials are:</source>
        <translation>Sus credenciales son:</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Nombre de cuenta:</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Contraseña: </translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Cambiar las credenciales</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
