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
    </context>
    <context>
        <name>LocalInstanceChannel</name>
        <message>
            <source>Another start of the program did not finish in time.</source>
            <translation>Otro inicio del programa no terminó a tiempo.</translation>
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
    </context>
</TS>
