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
    <message>
        <source>Qelvoxdesk Website</source>
        <translation>Sito web di Qelvoxdesk</translation>
    </message>
    <message>
        <source>© Qelvox. Online fax, SMS and voice mail.</source>
        <translation>© Qelvox. Fax, SMS e segreteria telefonica online.</translation>
    </message>
</context>
<context>
    <name>AccountDlg</name>
    <message>
        <source>Qelvox Account Settings</source>
        <translation>Impostazioni dell&apos;account Qelvox</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Dati personali</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation>Credenziali</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informazioni personali</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Cognome:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Città:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Zip/Postal Code:</source>
        <translation>CAP:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Paese:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefono:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Azienda:</translation>
    </message>
    <message>
        <source>Professional/VAT number:</source>
        <translation>Partita IVA:</translation>
    </message>
    <message>
        <source>Qelvox Settings</source>
        <translation>Impostazioni Qelvox</translation>
    </message>
    <message>
        <source>Fax number:</source>
        <translation>Numero di fax:</translation>
    </message>
    <message>
        <source>Fax header:</source>
        <translation>Intestazione fax:</translation>
    </message>
    <message>
        <source>Email notifications</source>
        <translation>Notifiche via e-mail</translation>
    </message>
    <message>
        <source>Attach the fax to the email</source>
        <translation>Allega il fax all&apos;e-mail</translation>
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
        <translation>Notifiche via SMS</translation>
    </message>
    <message>
        <source>SMS alert number:</source>
        <translation>Numero per avvisi SMS:</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#validate&quot;&gt;Click here to validate your number&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#validate&quot;&gt;Fai clic qui per convalidare il tuo numero&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Extended Title</source>
        <translation>Titolo esteso</translation>
    </message>
    <message>
        <source>QelUnits</source>
        <translation>QelUnits</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Data di scadenza</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Modifica le credenziali</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Password attuale:</translation>
    </message>
    <message>
        <source>New email:</source>
        <translation>Nuova e-mail:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Conferma:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Nuova password:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Al momento non è disponibile alcuna connessione a Internet. Controllare le impostazioni di rete.</translation>
    </message>
    <message>
        <source>The email address has been changed successfully.</source>
        <translation>L&apos;indirizzo e-mail è stato modificato.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>La password è stata modificata.</translation>
    </message>
    <message>
        <source>The email address has been changed, but it could not be saved on this computer: sign in with the new address next time.</source>
        <translation>L&apos;indirizzo e-mail è stato modificato, ma non è stato possibile salvarlo su questo computer: la prossima volta accedi con il nuovo indirizzo.</translation>
    </message>
    <message>
        <source>The password has been changed, but it could not be saved on this computer: sign in with the new password next time.</source>
        <translation>La password è stata modificata, ma non è stato possibile salvarla su questo computer: la prossima volta accedi con la nuova password.</translation>
    </message>
</context>
<context>
    <name>AddContactDlg</name>
    <message>
        <source>New contact</source>
        <translation>Nuovo contatto</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Numero di fax</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Numero SMS</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Gruppo:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Edit contact</source>
        <translation>Modifica contatto</translation>
    </message>
</context>
<context>
    <name>AddContactGroupDlg</name>
    <message>
        <source>Add new contact group</source>
        <translation>Aggiungi un gruppo di contatti</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Nome del gruppo:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Numero di fax</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Numero SMS</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Add new contact:</source>
        <translation>Aggiungi un nuovo contatto:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Edit contact group</source>
        <translation>Modifica gruppo di contatti</translation>
    </message>
</context>
<context>
    <name>AttachmentWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Attach file</source>
        <translation>Allega file</translation>
    </message>
    <message>
        <source>No files</source>
        <translation>Nessun file</translation>
    </message>
    <message>
        <source>You can attach at most %1 files</source>
        <translation>Puoi allegare al massimo %1 file</translation>
    </message>
    <message>
        <source>Can not send an empty file %1.</source>
        <translation>Impossibile inviare un file vuoto %1.</translation>
    </message>
    <message>
        <source>The total size of attachments should not exceed 8MB.</source>
        <translation>La dimensione totale degli allegati non deve superare 8 MB.</translation>
    </message>
    <message>
        <source>can not open file %1 </source>
        <translation>impossibile aprire il file %1 </translation>
    </message>
    <message>
        <source>Select a file...</source>
        <translation>Seleziona un file...</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Registrazione di un account Qelvox</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Modifica le credenziali</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Nuova password:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Conferma:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Al momento non è disponibile alcuna connessione a Internet. Controllare le impostazioni di rete.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>La password è stata modificata.</translation>
    </message>
</context>
<context>
    <name>ConnectionProblem</name>
    <message>
        <source>The proxy %1 refused the user name or password. Check them in Preferences, Connection.</source>
        <translation>Il proxy %1 ha rifiutato il nome utente o la password. Controllarli in Preferenze, Connessione.</translation>
    </message>
    <message>
        <source>The proxy %1 refused the connection.</source>
        <translation>Il proxy %1 ha rifiutato la connessione.</translation>
    </message>
    <message>
        <source>The proxy %1 could not be reached.</source>
        <translation>Impossibile raggiungere il proxy %1.</translation>
    </message>
</context>
<context>
    <name>DetailDlg</name>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>SMS:</source>
        <translation>SMS:</translation>
    </message>
    <message>
        <source>Recipients:</source>
        <translation>Destinatari:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>EntitiesView</name>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Posta in arrivo</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Posta in uscita</translation>
    </message>
</context>
<context>
    <name>FAXWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Transmission report by e-mail</source>
        <translation>Rapporto di trasmissione via e-mail</translation>
    </message>
    <message>
        <source>Grey and colors dithering</source>
        <translation>Retinatura grigi e colori</translation>
    </message>
    <message>
        <source>Attach file in report</source>
        <translation>Allega il file al rapporto</translation>
    </message>
    <message>
        <source>Insert cover page</source>
        <translation>Inserisci copertina</translation>
    </message>
    <message>
        <source>Click here to change you Cover Page settings</source>
        <translation>Fai clic qui per cambiare le impostazioni della copertina</translation>
    </message>
    <message>
        <source>Black &amp;&amp; white thresholding</source>
        <translation>Soglia bianco &amp;&amp; nero</translation>
    </message>
</context>
<context>
    <name>FilterBox</name>
    <message>
        <source>Search ...</source>
        <translation>Cerca ...</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>To/From</source>
        <translation>A/Da</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Numero di fax</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Numero SMS</translation>
    </message>
</context>
<context>
    <name>ForwardDlg</name>
    <message>
        <source>Forward</source>
        <translation>Inoltra</translation>
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
        <translation>e-mail</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>LocalInstanceChannel</name>
    <message>
        <source>Another start of the program did not finish in time.</source>
        <translation>Un altro avvio del programma non è terminato in tempo.</translation>
    </message>
    <message>
        <source>The socket %1 cannot be opened: %2</source>
        <translation>Impossibile aprire il socket %1: %2</translation>
    </message>
</context>
<context>
    <name>LoginDlg</name>
    <message>
        <source>Login</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Nome account:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Accedi all&apos;avvio</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Don&apos;t have an account ?</source>
        <translation>Non hai un account?</translation>
    </message>
    <message>
        <source>Register new account</source>
        <translation>Registra un account</translation>
    </message>
    <message>
        <source>Forgot password ?</source>
        <translation>Password dimenticata?</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Al momento non è disponibile alcuna connessione a Internet. Controllare le impostazioni di rete.</translation>
    </message>
    <message>
        <source>Authentication fails ...</source>
        <translation>Autenticazione non riuscita ...</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>Si è verificato un errore durante l&apos;elaborazione di una richiesta al server.
Controllare la connessione a Internet.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Qelbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Send &amp;Fax</source>
        <translation>Invia &amp;fax</translation>
    </message>
    <message>
        <source>New Fax</source>
        <translation>Nuovo fax</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Send S&amp;MS</source>
        <translation>Invia S&amp;MS</translation>
    </message>
    <message>
        <source>New SMS</source>
        <translation>Nuovo SMS</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Check for updates</source>
        <translation>&amp;Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>P&amp;references</source>
        <translation>P&amp;referenze</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Send &amp;SMS</source>
        <translation>Invia &amp;SMS</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Qelvox account</source>
        <translation>Account Qelvox</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Add contact group</source>
        <translation>Aggiungi gruppo di contatti</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Add contact</source>
        <translation>Aggiungi contatto</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>DeleteAll</source>
        <translation>Elimina tutto</translation>
    </message>
    <message>
        <source>Mark as read</source>
        <translation>Segna come letto</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Mark as unread</source>
        <translation>Segna come non letto</translation>
    </message>
    <message>
        <source>Mark all as read</source>
        <translation>Segna tutto come letto</translation>
    </message>
    <message>
        <source>Mark all as unread</source>
        <translation>Segna tutto come non letto</translation>
    </message>
    <message>
        <source>Outlook Contacts</source>
        <translation>Contatti Outlook</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Inoltra</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Elimina cartella</translation>
    </message>
    <message>
        <source>Rename folder</source>
        <translation>Rinomina cartella</translation>
    </message>
    <message>
        <source>Create folder</source>
        <translation>Crea cartella</translation>
    </message>
    <message>
        <source>Move to folder</source>
        <translation>Sposta nella cartella</translation>
    </message>
    <message>
        <source>Add to contacts</source>
        <translation>Aggiungi ai contatti</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1
It stays queued and is carried out while the program runs, but it is lost if the program ends before then.</source>
        <translation>Questa modifica non è stata salvata su questo computer: %1
Resta in coda e verrà eseguita mentre il programma è in funzione, ma andrà persa se il programma termina prima.</translation>
    </message>
    <message>
        <source>The account&apos;s local data cannot be opened: %1</source>
        <translation>Impossibile aprire i dati locali dell&apos;account: %1</translation>
    </message>
    <message>
        <source>You have a new fax</source>
        <translation>Hai un nuovo fax</translation>
    </message>
    <message numerus="yes">
        <source>You have %n new faxes</source>
        <translation>
            <numerusform>Hai %n nuovo fax</numerusform>
            <numerusform>Hai %n nuovi fax</numerusform>
        </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Al momento non è disponibile alcuna connessione a Internet. Controllare le impostazioni di rete.</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Seleziona un file ...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Select a file name ...</source>
        <translation>Scegliere un nome di file ...</translation>
    </message>
    <message>
        <source>The contacts could not be saved in %1.</source>
        <translation>Non è stato possibile salvare i contatti in %1.</translation>
    </message>
    <message>
        <source>Qelvoxdesk is up to date</source>
        <translation>Qelvoxdesk è aggiornato</translation>
    </message>
    <message>
        <source>A newer version is available</source>
        <translation>È disponibile una versione più recente</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The installer of the new version was saved as:
%1
It could not be started from here; run it yourself to install the new version.</source>
        <translation>Il programma di installazione della nuova versione è stato salvato come:
%1
Non è stato possibile avviarlo da qui; eseguirlo manualmente per installare la nuova versione.</translation>
    </message>
    <message>
        <source>Impossible to delete selected item(s).</source>
        <translation>Impossibile eliminare gli elementi selezionati.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>Il disco che contiene %1 è pieno.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Impossibile scrivere in %1.</translation>
    </message>
    <message>
        <source>The account is shown as last stored. What you change waits until the data can be written again, and is sent then.</source>
        <translation>L&apos;account è mostrato come salvato l&apos;ultima volta. Le modifiche attendono che i dati possano essere di nuovo scritti, e vengono inviate allora.</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1</source>
        <translation>Questa modifica non è stata salvata su questo computer: %1</translation>
    </message>
    <message>
        <source>It waits until the data can be written again, and is lost if the program ends before then.</source>
        <translation>Attende che i dati possano essere di nuovo scritti, e va persa se il programma termina prima.</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) could not be saved on this computer and are lost if the program ends now. Quit anyway?</source>
        <translation>
            <numerusform>%n modifica non è stata salvata su questo computer e va persa se il programma termina ora. Uscire comunque?</numerusform>
            <numerusform>%n modifiche non sono state salvate su questo computer e vanno perse se il programma termina ora. Uscire comunque?</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes that were waiting to be sent could not be read from it.</source>
        <translation>Le modifiche in attesa di invio non sono state lette.</translation>
    </message>
    <message>
        <source>The changes waiting to be sent were kept, as far as they could be read.</source>
        <translation>Le modifiche in attesa di invio sono state conservate, per quanto è stato possibile leggerle.</translation>
    </message>
    <message>
        <source>The local copy of the account was damaged. It has been kept as %1 and is being rebuilt from the service.</source>
        <translation>La copia locale dell&apos;account era danneggiata. È stata conservata come %1 e viene ricostruita dal servizio.</translation>
    </message>
    <message>
        <source>The document could not be downloaded because the service could not be reached.</source>
        <translation>Impossibile scaricare il documento perché il servizio non è raggiungibile.</translation>
    </message>
    <message>
        <source>Qelvoxdesk could not check for a newer version.</source>
        <translation>Qelvoxdesk non è riuscito a verificare la presenza di una nuova versione.</translation>
    </message>
    <message>
        <source>The new version could not be downloaded.</source>
        <translation>Impossibile scaricare la nuova versione.</translation>
    </message>
    <message>
        <source>These items could not be fetched from the service: %1. They will be asked for again at each synchronisation.</source>
        <translation>Questi elementi non sono stati recuperati dal servizio: %1. Verranno richiesti di nuovo a ogni sincronizzazione.</translation>
    </message>
    <message>
        <source>sent fax %1</source>
        <translation>fax inviato %1</translation>
    </message>
    <message>
        <source>received fax %1</source>
        <translation>fax ricevuto %1</translation>
    </message>
    <message>
        <source>voice message %1</source>
        <translation>messaggio vocale %1</translation>
    </message>
    <message>
        <source>sent SMS %1</source>
        <translation>SMS inviato %1</translation>
    </message>
    <message>
        <source>contact group %1</source>
        <translation>gruppo di contatti %1</translation>
    </message>
    <message>
        <source>contact %1</source>
        <translation>contatto %1</translation>
    </message>
    <message>
        <source>folder %1</source>
        <translation>cartella %1</translation>
    </message>
</context>
<context>
    <name>MovetoFolderDlg</name>
    <message>
        <source>Select folder</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
    <name>QelApplication</name>
    <message>
        <source>Qelvoxdesk cannot start: %1</source>
        <translation>Qelvoxdesk non può avviarsi: %1</translation>
    </message>
</context>
<context>
    <name>QelRegister</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Registrazione di un account Qelvox</translation>
    </message>
    <message>
        <source>Customer details</source>
        <translation>Dati del cliente</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Cognome:</translation>
    </message>
    <message>
        <source>Email (login):</source>
        <translation>E-mail (login):</translation>
    </message>
    <message>
        <source>Confirm email:</source>
        <translation>Conferma e-mail:</translation>
    </message>
    <message>
        <source>Country of residence:</source>
        <translation>Paese di residenza:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Your fax country location:</source>
        <translation>Paese del numero di fax:</translation>
    </message>
    <message>
        <source>Your fax region location:</source>
        <translation>Area del numero di fax:</translation>
    </message>
    <message>
        <source>Account type</source>
        <translation>Tipo di account</translation>
    </message>
    <message>
        <source>Free Trial</source>
        <translation>Prova gratuita</translation>
    </message>
    <message>
        <source>Prepaied qelcode</source>
        <translation>Qelcode prepagato</translation>
    </message>
    <message>
        <source>Sign up for a Qelvox account</source>
        <translation>Crea un account Qelvox</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrati</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>Si è verificato un errore durante l&apos;elaborazione di una richiesta al server.
Controllare la connessione a Internet.</translation>
    </message>
    <message>
        <source>Wrong email format.</source>
        <translation>Formato e-mail non valido.</translation>
    </message>
    <message>
        <source>Chosen package is not available.</source>
        <translation>Il pacchetto scelto non è disponibile.</translation>
    </message>
    <message>
        <source>Invalid fax number. There are no free numbers for this area.</source>
        <translation>Numero di fax non valido. Non ci sono numeri liberi per quest&apos;area.</translation>
    </message>
    <message>
        <source>This qelcode is invalid. Or it was already used.
Please visit our site and contact the support team.</source>
        <translation>Questo qelcode non è valido o è già stato usato.
Visitare il nostro sito e contattare l&apos;assistenza.</translation>
    </message>
    <message>
        <source>The specified email is already registered in our system.</source>
        <translation>L&apos;indirizzo e-mail indicato è già registrato nel nostro sistema.</translation>
    </message>
    <message>
        <source>Cannot finish the registration procedure. Please visit the site and contact the support team.</source>
        <translation>Impossibile completare la registrazione. Visitare il sito e contattare l&apos;assistenza.</translation>
    </message>
    <message>
        <source>First Name is a required field.</source>
        <translation>Il nome è obbligatorio.</translation>
    </message>
    <message>
        <source>Last Name is a required field.</source>
        <translation>Il cognome è obbligatorio.</translation>
    </message>
    <message>
        <source>Email is a required field.</source>
        <translation>L&apos;e-mail è obbligatoria.</translation>
    </message>
    <message>
        <source>Emails do not match.</source>
        <translation>Gli indirizzi e-mail non coincidono.</translation>
    </message>
    <message>
        <source>Please select the fax area of the fax country.</source>
        <translation>Selezionare l&apos;area del fax nel paese scelto.</translation>
    </message>
</context>
<context>
    <name>RecipientForm</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
</context>
<context>
    <name>RecipientsWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Contacts:</source>
        <translation>Contatti:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Or enter a number:</source>
        <translation>Oppure inserisci un numero:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Add to contacts book</source>
        <translation>Aggiungi alla rubrica</translation>
    </message>
    <message>
        <source>Recipients:</source>
        <translation>Destinatari:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;Accepted file: plain text with 1 or 2 columns&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;If 1 column: 1 number per line&lt;/p&gt;&lt;p&gt;If 2 columns: 1st column is name, 2nd column is number, separated by &amp;quot;;&amp;quot; or TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;The number needs to be in international format&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;File accettato: testo semplice con 1 o 2 colonne&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;Con 1 colonna: 1 numero per riga&lt;/p&gt;&lt;p&gt;Con 2 colonne: 1ª colonna nome, 2ª colonna numero, separati da &amp;quot;;&amp;quot; o TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Il numero deve essere in formato internazionale&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Add from file</source>
        <translation>Aggiungi da file</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Seleziona un file ...</translation>
    </message>
    <message>
        <source>You need to select less than 2000 recipients</source>
        <translation>Devi selezionare meno di 2000 destinatari</translation>
    </message>
    <message>
        <source>The file %1 is too large for a list of recipients: it may hold at most 1 MB.</source>
        <translation>Il file %1 è troppo grande per un elenco di destinatari: può contenere al massimo 1 MB.</translation>
    </message>
</context>
<context>
    <name>RenameFolderDlg</name>
    <message>
        <source>Create/Rename folder</source>
        <translation>Crea/rinomina cartella</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SMSWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
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
        <translation>Invia fax</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Send Sms</source>
        <translation>Invia SMS</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Impostazioni generali</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Local fax settings</source>
        <translation>Impostazioni fax locali</translation>
    </message>
    <message>
        <source>Preview format:</source>
        <translation>Formato di anteprima:</translation>
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
        <translation>Controlla ogni:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Riproduci suoni</translation>
    </message>
    <message>
        <source>Show Outlook contacts</source>
        <translation>Mostra i contatti di Outlook</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Accedi all&apos;avvio</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>Impostazioni di rete</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1.</source>
        <translation>Non è stato possibile salvare le impostazioni in %1.</translation>
    </message>
    <message>
        <source>no proxy</source>
        <translation>nessun proxy</translation>
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
    <message>
        <source>No application could open %1.</source>
        <translation>Nessuna applicazione ha potuto aprire %1.</translation>
    </message>
    <message>
        <source>No application could open the file %1. Do you want to open the folder that holds it?</source>
        <translation>Nessuna applicazione ha potuto aprire il file %1. Vuoi aprire la cartella che lo contiene?</translation>
    </message>
</context>
<context>
    <name>WelcomeQelvox</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Registrazione di un account Qelvox</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Your account was succesfully created</source>
        <translation>L&apos;account è stato creato correttamente</translation>
    </message>
    <message>
        <source>Your credentials are:</source>
        <translation>Le credenziali sono:</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Nome account:</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Password: </translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Modifica le credenziali</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
