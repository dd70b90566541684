<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
    <context>
        <name>AboutDlg</name>
        <message>
            <source>About</source>
            <translation>Informazioni</translation>
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
            <translation>Un altro avvio del programma non è terminato in tempo.</translation>
        </message>
    </context>
    <context>
        <name>QApplication</name>
        <message>
            <source>Yes</source>
            <translation>Sì</translation>
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
            <translation> destinatari</translation>
        </message>
        <message>
            <source>registering</source>
            <translation>registrazione</translation>
        </message>
        <message>
            <source>IQ local</source>
            <translation>In coda</translation>
        </message>
        <message>
            <source>FA</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>IQ</source>
            <translation>In coda</translation>
        </message>
        <message>
            <source>NF</source>
            <translation>Nessun fax risponde</translation>
        </message>
        <message>
            <source>IT</source>
            <translation>Trasmissione incompleta</translation>
        </message>
        <message>
            <source>CF</source>
            <translation>Connessione fax non riuscita</translation>
        </message>
        <message>
            <source>BU</source>
            <translation>Linea occupata</translation>
        </message>
        <message>
            <source>CR</source>
            <translation>Chiamata rifiutata</translation>
        </message>
        <message>
            <source>CE</source>
            <translation>Errore di conversione</translation>
        </message>
        <message>
            <source>NA</source>
            <translation>Nessuna risposta</translation>
        </message>
        <message>
            <source>IN</source>
            <translation>Numero non valido</translation>
        </message>
        <message>
            <source>SB</source>
            <translation>Sistema occupato</translation>
        </message>
        <message>
            <source>BA</source>
            <translation>Linea disturbata</translation>
        </message>
        <message>
            <source>LP</source>
            <translation>Problema di linea</translation>
        </message>
        <message>
            <source>CS</source>
            <translation>Impossibile inviare il file</translation>
        </message>
        <message>
            <source>RF</source>
            <translation>Fax remoto interrotto</translation>
        </message>
        <message>
            <source>BL</source>
            <translation>Elenco numeri errato</translation>
        </message>
        <message>
            <source>NT</source>
            <translation>Nessun allegato</translation>
        </message>
        <message>
            <source>MF</source>
            <translation>Più di 500 numeri</translation>
        </message>
        <message>
            <source>NC</source>
            <translation>Credito insufficiente</translation>
        </message>
        <message>
            <source>SE</source>
            <translation>Errore di conversione</translation>
        </message>
        <message>
            <source>UF</source>
            <translation>Tipo di file non supportato</translation>
        </message>
        <message>
            <source>AF</source>
            <translation>Autenticazione non riuscita</translation>
        </message>
        <message>
            <source>NR</source>
            <translation>Nessun destinatario</translation>
        </message>
        <message>
            <source>MA</source>
            <translation>E-mail accettata</translation>
        </message>
        <message>
            <source>GF</source>
            <translation>Errore generale</translation>
        </message>
        <message>
            <source>Read</source>
            <translation>Letto</translation>
        </message>
        <message>
            <source>Unread</source>
            <translation>Non letto</translation>
        </message>
        <message>
            <source>Restriction</source>
            <translation>Restrizione</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Information</source>
            <translation>Informazione</translation>
        </message>
        <message numerus="yes">
            <source>Do you want to delete %n item(s) ?</source>
            <comment>Comment</comment>
            <translation>
                <numerusform>Vuoi eliminare %n elemento?</numerusform>
                <numerusform>Vuoi eliminare %n elementi?</numerusform>
            </translation>
        </message>
        <message>
            <source>Do you want to remove the folder %1 ?</source>
            <translation>Vuoi eliminare la cartella %1?</translation>
        </message>
        <message>
            <source>Select file location ...</source>
            <translation>Seleziona la posizione del file ...</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>File CSV (*.csv)</translation>
        </message>
    </context>
</TS>
