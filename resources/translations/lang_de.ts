<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Qelvoxdesk Website</source>
        <translation>Qelvoxdesk-Website</translation>
    </message>
    <message>
        <source>© Qelvox. Online fax, SMS and voice mail.</source>
        <translation>© Qelvox. Fax, SMS und Sprachnachrichten online.</translation>
    </message>
</context>
<context>
    <name>AccountDlg</name>
    <message>
        <source>Qelvox Account Settings</source>
        <translation>Qelvox-Kontoeinstellungen</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Persönlich</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation>Anmeldedaten</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nachname:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Zip/Postal Code:</source>
        <translation>Postleitzahl:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Professional/VAT number:</source>
        <translation>USt-IdNr.:</translation>
    </message>
    <message>
        <source>Qelvox Settings</source>
        <translation>Qelvox-Einstellungen</translation>
    </message>
    <message>
        <source>Fax number:</source>
        <translation>Faxnummer:</translation>
    </message>
    <message>
        <source>Fax header:</source>
        <translation>Faxkopfzeile:</translation>
    </message>
    <message>
        <source>Email notifications</source>
        <translation>E-Mail-Benachrichtigungen</translation>
    </message>
    <message>
        <source>Attach the fax to the email</source>
        <translation>Fax an die E-Mail anhängen</translation>
    </message>
    <message>
        <source>Fax format:</source>
        <translation>Faxformat:</translation>
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
        <translation>SMS-Benachrichtigungen</translation>
    </message>
    <message>
        <source>SMS alert number:</source>
        <translation>Nummer für SMS-Hinweise:</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#validate&quot;&gt;Click here to validate your number&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#validate&quot;&gt;Klicken Sie hier, um Ihre Nummer zu bestätigen&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Extended Title</source>
        <translation>Erweiterter Titel</translation>
    </message>
    <message>
        <source>QelUnits</source>
        <translation>QelUnits</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Anmeldedaten ändern</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>New email:</source>
        <translation>Neue E-Mail:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Bestätigen:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Neues Passwort:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Zurzeit ist keine Verbindung zum Internet verfügbar. Bitte prüfen Sie Ihre Netzwerkeinstellungen.</translation>
    </message>
    <message>
        <source>The email address has been changed successfully.</source>
        <translation>Die E-Mail-Adresse wurde geändert.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>Das Passwort wurde geändert.</translation>
    </message>
    <message>
        <source>The email address has been changed, but it could not be saved on this computer: sign in with the new address next time.</source>
        <translation>Die E-Mail-Adresse wurde geändert, konnte aber auf diesem Computer nicht gespeichert werden: Melden Sie sich beim nächsten Mal mit der neuen Adresse an.</translation>
    </message>
    <message>
        <source>The password has been changed, but it could not be saved on this computer: sign in with the new password next time.</source>
        <translation>Das Passwort wurde geändert, konnte aber auf diesem Computer nicht gespeichert werden: Melden Sie sich beim nächsten Mal mit dem neuen Passwort an.</translation>
    </message>
</context>
<context>
    <name>AddContactDlg</name>
    <message>
        <source>New contact</source>
        <translation>Neuer Kontakt</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Faxnummer</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>SMS-Nummer</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Edit contact</source>
        <translation>Kontakt bearbeiten</translation>
    </message>
</context>
<context>
    <name>AddContactGroupDlg</name>
    <message>
        <source>Add new contact group</source>
        <translation>Neue Kontaktgruppe hinzufügen</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Gruppenname:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Faxnummer</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>SMS-Nummer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Add new contact:</source>
        <translation>Neuen Kontakt hinzufügen:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Edit contact group</source>
        <translation>Kontaktgruppe bearbeiten</translation>
    </message>
</context>
<context>
    <name>AttachmentWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Attach file</source>
        <translation>Datei anhängen</translation>
    </message>
    <message>
        <source>No files</source>
        <translation>Keine Dateien</translation>
    </message>
    <message>
        <source>You can attach at most %1 files</source>
        <translation>Sie können höchstens %1 Dateien anhängen</translation>
    </message>
    <message>
        <source>Can not send an empty file %1.</source>
        <translation>Eine leere Datei kann nicht gesendet werden: %1.</translation>
    </message>
    <message>
        <source>The total size of attachments should not exceed 8MB.</source>
        <translation>Die Gesamtgröße der Anhänge darf 8 MB nicht überschreiten.</translation>
    </message>
    <message>
        <source>can not open file %1 </source>
        <translation>Datei %1 kann nicht geöffnet werden </translation>
    </message>
    <message>
        <source>Select a file...</source>
        <translation>Datei auswählen...</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Registrierung eines Qelvox-Kontos</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Anmeldedaten ändern</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Neues Passwort:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Bestätigen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Zurzeit ist keine Verbindung zum Internet verfügbar. Bitte prüfen Sie Ihre Netzwerkeinstellungen.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>Das Passwort wurde geändert.</translation>
    </message>
</context>
<context>
    <name>ConnectionProblem</name>
    <message>
        <source>The proxy %1 refused the user name or password. Check them in Preferences, Connection.</source>
        <translation>Der Proxy %1 hat den Benutzernamen oder das Passwort abgelehnt. Bitte prüfen Sie beides unter Einstellungen, Verbindung.</translation>
    </message>
    <message>
        <source>The proxy %1 refused the connection.</source>
        <translation>Der Proxy %1 hat die Verbindung abgelehnt.</translation>
    </message>
    <message>
        <source>The proxy %1 could not be reached.</source>
        <translation>Der Proxy %1 ist nicht erreichbar.</translation>
    </message>
</context>
<context>
    <name>DetailDlg</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>SMS:</source>
        <translation>SMS:</translation>
    </message>
    <message>
        <source>Recipients:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>EntitiesView</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Posteingang</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Postausgang</translation>
    </message>
</context>
<context>
    <name>FAXWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Transmission report by e-mail</source>
        <translation>Sendebericht per E-Mail</translation>
    </message>
    <message>
        <source>Grey and colors dithering</source>
        <translation>Graustufen- und Farbrasterung</translation>
    </message>
    <message>
        <source>Attach file in report</source>
        <translation>Datei an den Bericht anhängen</translation>
    </message>
    <message>
        <source>Insert cover page</source>
        <translation>Deckblatt einfügen</translation>
    </message>
    <message>
        <source>Click here to change you Cover Page settings</source>
        <translation>Hier klicken, um die Deckblatt-Einstellungen zu ändern</translation>
    </message>
    <message>
        <source>Black &amp;&amp; white thresholding</source>
        <translation>Schwarzweiß-Schwellenwert</translation>
    </message>
</context>
<context>
    <name>FilterBox</name>
    <message>
        <source>Search ...</source>
        <translation>Suchen ...</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>To/From</source>
        <translation>An/Von</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Faxnummer</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>SMS-Nummer</translation>
    </message>
</context>
<context>
    <name>ForwardDlg</name>
    <message>
        <source>Forward</source>
        <translation>Weiterleiten</translation>
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
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>LocalInstanceChannel</name>
    <message>
        <source>Another start of the program did not finish in time.</source>
        <translation>Ein anderer Start des Programms wurde nicht rechtzeitig beendet.</translation>
    </message>
    <message>
        <source>The socket %1 cannot be opened: %2</source>
        <translation>Der Socket %1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>LoginDlg</name>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Kontoname:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Beim Start anmelden</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Don&apos;t have an account ?</source>
        <translation>Noch kein Konto?</translation>
    </message>
    <message>
        <source>Register new account</source>
        <translation>Neues Konto anlegen</translation>
    </message>
    <message>
        <source>Forgot password ?</source>
        <translation>Passwort vergessen?</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Zurzeit ist keine Verbindung zum Internet verfügbar. Bitte prüfen Sie Ihre Netzwerkeinstellungen.</translation>
    </message>
    <message>
        <source>Authentication fails ...</source>
        <translation>Anmeldung fehlgeschlagen ...</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>Bei der Verarbeitung einer Anfrage an den Server ist ein Fehler aufgetreten.
Bitte prüfen Sie Ihre Internetverbindung.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Qelbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Send &amp;Fax</source>
        <translation>&amp;Fax senden</translation>
    </message>
    <message>
        <source>New Fax</source>
        <translation>Neues Fax</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Send S&amp;MS</source>
        <translation>S&amp;MS senden</translation>
    </message>
    <message>
        <source>New SMS</source>
        <translation>Neue SMS</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Check for updates</source>
        <translation>Nach &amp;Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>P&amp;references</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Send &amp;SMS</source>
        <translation>&amp;SMS senden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Qelvox account</source>
        <translation>Qelvox-Konto</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Add contact group</source>
        <translation>Kontaktgruppe hinzufügen</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Add contact</source>
        <translation>Kontakt hinzufügen</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>DeleteAll</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Mark as read</source>
        <translation>Als gelesen markieren</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Mark as unread</source>
        <translation>Als ungelesen markieren</translation>
    </message>
    <message>
        <source>Mark all as read</source>
        <translation>Alle als gelesen markieren</translation>
    </message>
    <message>
        <source>Mark all as unread</source>
        <translation>Alle als ungelesen markieren</translation>
    </message>
    <message>
        <source>Outlook Contacts</source>
        <translation>Outlook-Kontakte</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Weiterleiten</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Ordner löschen</translation>
    </message>
    <message>
        <source>Rename folder</source>
        <translation>Ordner umbenennen</translation>
    </message>
    <message>
        <source>Create folder</source>
        <translation>Ordner anlegen</translation>
    </message>
    <message>
        <source>Move to folder</source>
        <translation>In Ordner verschieben</translation>
    </message>
    <message>
        <source>Add to contacts</source>
        <translation>Zu Kontakten hinzufügen</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1
It stays queued and is carried out while the program runs, but it is lost if the program ends before then.</source>
        <translation>Diese Änderung konnte auf diesem Computer nicht gespeichert werden: %1
Sie bleibt in der Warteschlange und wird ausgeführt, solange das Programm läuft, geht aber verloren, wenn das Programm vorher beendet wird.</translation>
    </message>
    <message>
        <source>The account&apos;s local data cannot be opened: %1</source>
        <translation>Die lokalen Daten des Kontos können nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>You have a new fax</source>
        <translation>Sie haben ein neues Fax</translation>
    </message>
    <message numerus="yes">
        <source>You have %n new faxes</source>
        <translation>
            <numerusform>Sie haben %n neues Fax</numerusform>
            <numerusform>Sie haben %n neue Faxe</numerusform>
        </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Zurzeit ist keine Verbindung zum Internet verfügbar. Bitte prüfen Sie Ihre Netzwerkeinstellungen.</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Datei auswählen ...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Select a file name ...</source>
        <translation>Dateinamen wählen ...</translation>
    </message>
    <message>
        <source>The contacts could not be saved in %1.</source>
        <translation>Die Kontakte konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Qelvoxdesk is up to date</source>
        <translation>Qelvoxdesk ist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>A newer version is available</source>
        <translation>Eine neuere Version ist verfügbar</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The installer of the new version was saved as:
%1
It could not be started from here; run it yourself to install the new version.</source>
        <translation>Das Installationsprogramm der neuen Version wurde gespeichert unter:
%1
Es konnte von hier aus nicht gestartet werden; starten Sie es selbst, um die neue Version zu installieren.</translation>
    </message>
    <message>
        <source>Impossible to delete selected item(s).</source>
        <translation>Die ausgewählten Elemente können nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>Der Datenträger mit %1 ist voll.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kann nicht beschrieben werden.</translation>
    </message>
    <message>
        <source>The account is shown as last stored. What you change waits until the data can be written again, and is sent then.</source>
        <translation>Das Konto wird so angezeigt, wie es zuletzt gespeichert wurde. Ihre Änderungen warten, bis die Daten wieder geschrieben werden können, und werden dann gesendet.</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1</source>
        <translation>Diese Änderung konnte auf diesem Computer nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>It waits until the data can be written again, and is lost if the program ends before then.</source>
        <translation>Sie wartet, bis die Daten wieder geschrieben werden können, und geht verloren, wenn das Programm vorher beendet wird.</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) could not be saved on this computer and are lost if the program ends now. Quit anyway?</source>
        <translation>
            <numerusform>%n Änderung konnte auf diesem Computer nicht gespeichert werden und geht verloren, wenn das Programm jetzt beendet wird. Trotzdem beenden?</numerusform>
            <numerusform>%n Änderungen konnten auf diesem Computer nicht gespeichert werden und gehen verloren, wenn das Programm jetzt beendet wird. Trotzdem beenden?</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes that were waiting to be sent could not be read from it.</source>
        <translation>Die Änderungen, die auf das Senden warteten, konnten daraus nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The changes waiting to be sent were kept, as far as they could be read.</source>
        <translation>Die Änderungen, die auf das Senden warten, wurden behalten, soweit sie gelesen werden konnten.</translation>
    </message>
    <message>
        <source>The local copy of the account was damaged. It has been kept as %1 and is being rebuilt from the service.</source>
        <translation>Die lokale Kopie des Kontos war beschädigt. Sie wurde als %1 aufbewahrt und wird vom Dienst neu aufgebaut.</translation>
    </message>
    <message>
        <source>The document could not be downloaded because the service could not be reached.</source>
        <translation>Das Dokument konnte nicht heruntergeladen werden, weil der Dienst nicht erreichbar ist.</translation>
    </message>
    <message>
        <source>Qelvoxdesk could not check for a newer version.</source>
        <translation>Qelvoxdesk konnte nicht nach einer neueren Version suchen.</translation>
    </message>
    <message>
        <source>The new version could not be downloaded.</source>
        <translation>Die neue Version konnte nicht heruntergeladen werden.</translation>
    </message>
    <message>
        <source>These items could not be fetched from the service: %1. They will be asked for again at each synchronisation.</source>
        <translation>Diese Elemente konnten nicht vom Dienst abgerufen werden: %1. Sie werden bei jeder Synchronisierung erneut angefordert.</translation>
    </message>
    <message>
        <source>sent fax %1</source>
        <translation>gesendetes Fax %1</translation>
    </message>
    <message>
        <source>received fax %1</source>
        <translation>empfangenes Fax %1</translation>
    </message>
    <message>
        <source>voice message %1</source>
        <translation>Sprachnachricht %1</translation>
    </message>
    <message>
        <source>sent SMS %1</source>
        <translation>gesendete SMS %1</translation>
    </message>
    <message>
        <source>contact group %1</source>
        <translation>Kontaktgruppe %1</translation>
    </message>
    <message>
        <source>contact %1</source>
        <translation>Kontakt %1</translation>
    </message>
    <message>
        <source>folder %1</source>
        <translation>Ordner %1</translation>
    </message>
</context>
<context>
    <name>MovetoFolderDlg</name>
    <message>
        <source>Select folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>QelApplication</name>
    <message>
        <source>Qelvoxdesk cannot start: %1</source>
        <translation>Qelvoxdesk kann nicht starten: %1</translation>
    </message>
</context>
<context>
    <name>QelRegister</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Registrierung eines Qelvox-Kontos</translation>
    </message>
    <message>
        <source>Customer details</source>
        <translation>Kundendaten</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nachname:</translation>
    </message>
    <message>
        <source>Email (login):</source>
        <translation>E-Mail (Anmeldung):</translation>
    </message>
    <message>
        <source>Confirm email:</source>
        <translation>E-Mail bestätigen:</translation>
    </message>
    <message>
        <source>Country of residence:</source>
        <translation>Wohnsitzland:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Your fax country location:</source>
        <translation>Land Ihrer Faxnummer:</translation>
    </message>
    <message>
        <source>Your fax region location:</source>
        <translation>Region Ihrer Faxnummer:</translation>
    </message>
    <message>
        <source>Account type</source>
        <translation>Kontotyp</translation>
    </message>
    <message>
        <source>Free Trial</source>
        <translation>Kostenloser Test</translation>
    </message>
    <message>
        <source>Prepaied qelcode</source>
        <translation>Vorausbezahlter Qelcode</translation>
    </message>
    <message>
        <source>Sign up for a Qelvox account</source>
        <translation>Ein Qelvox-Konto eröffnen</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>Bei der Verarbeitung einer Anfrage an den Server ist ein Fehler aufgetreten.
Bitte prüfen Sie Ihre Internetverbindung.</translation>
    </message>
    <message>
        <source>Wrong email format.</source>
        <translation>Ungültiges E-Mail-Format.</translation>
    </message>
    <message>
        <source>Chosen package is not available.</source>
        <translation>Das gewählte Paket ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Invalid fax number. There are no free numbers for this area.</source>
        <translation>Ungültige Faxnummer. Für diese Region sind keine Nummern frei.</translation>
    </message>
    <message>
        <source>This qelcode is invalid. Or it was already used.
Please visit our site and contact the support team.</source>
        <translation>Dieser Qelcode ist ungültig oder wurde bereits verwendet.
Bitte besuchen Sie unsere Website und wenden Sie sich an den Support.</translation>
    </message>
    <message>
        <source>The specified email is already registered in our system.</source>
        <translation>Die angegebene E-Mail-Adresse ist bei uns bereits registriert.</translation>
    </message>
    <message>
        <source>Cannot finish the registration procedure. Please visit the site and contact the support team.</source>
        <translation>Die Registrierung kann nicht abgeschlossen werden. Bitte besuchen Sie die Website und wenden Sie sich an den Support.</translation>
    </message>
    <message>
        <source>First Name is a required field.</source>
        <translation>Der Vorname ist ein Pflichtfeld.</translation>
    </message>
    <message>
        <source>Last Name is a required field.</source>
        <translation>Der Nachname ist ein Pflichtfeld.</translation>
    </message>
    <message>
        <source>Email is a required field.</source>
        <translation>Die E-Mail-Adresse ist ein Pflichtfeld.</translation>
    </message>
    <message>
        <source>Emails do not match.</source>
        <translation>Die E-Mail-Adressen stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Please select the fax area of the fax country.</source>
        <translation>Bitte wählen Sie die Faxregion im gewählten Land.</translation>
    </message>
</context>
<context>
    <name>RecipientForm</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
</context>
<context>
    <name>RecipientsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Contacts:</source>
        <translation>Kontakte:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Or enter a number:</source>
        <translation>Oder Nummer eingeben:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add to contacts book</source>
        <translation>Zum Adressbuch hinzufügen</translation>
    </message>
    <message>
        <source>Recipients:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;Accepted file: plain text with 1 or 2 columns&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;If 1 column: 1 number per line&lt;/p&gt;&lt;p&gt;If 2 columns: 1st column is name, 2nd column is number, separated by &amp;quot;;&amp;quot; or TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;The number needs to be in international format&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;Akzeptierte Datei: reiner Text mit 1 oder 2 Spalten&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;Bei 1 Spalte: 1 Nummer pro Zeile&lt;/p&gt;&lt;p&gt;Bei 2 Spalten: 1. Spalte Name, 2. Spalte Nummer, getrennt durch &amp;quot;;&amp;quot; oder TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Die Nummer muss im internationalen Format sein&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Add from file</source>
        <translation>Aus Datei hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Datei auswählen ...</translation>
    </message>
    <message>
        <source>You need to select less than 2000 recipients</source>
        <translation>Sie müssen weniger als 2000 Empfänger auswählen</translation>
    </message>
    <message>
        <source>The file %1 is too large for a list of recipients: it may hold at most 1 MB.</source>
        <translation>Die Datei %1 ist zu groß für eine Empfängerliste: Sie darf höchstens 1 MB groß sein.</translation>
    </message>
</context>
<context>
    <name>RenameFolderDlg</name>
    <message>
        <source>Create/Rename folder</source>
        <translation>Ordner anlegen/umbenennen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SMSWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
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
        <translation>Fax senden</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Send Sms</source>
        <translation>SMS senden</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Local fax settings</source>
        <translation>Lokale Faxeinstellungen</translation>
    </message>
    <message>
        <source>Preview format:</source>
        <translation>Vorschauformat:</translation>
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
        <translation>Prüfen alle:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Töne abspielen</translation>
    </message>
    <message>
        <source>Show Outlook contacts</source>
        <translation>Outlook-Kontakte anzeigen</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Beim Start anmelden</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>Netzwerkeinstellungen</translation>
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
        <translation>Port:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>no proxy</source>
        <translation>kein Proxy</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source> recipients</source>
        <translation> Empfänger</translation>
    </message>
    <message>
        <source>registering</source>
        <translation>wird registriert</translation>
    </message>
    <message>
        <source>IQ local</source>
        <translation>In Warteschlange</translation>
    </message>
    <message>
        <source>FA</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>IQ</source>
        <translation>In Warteschlange</translation>
    </message>
    <message>
        <source>NF</source>
        <translation>Kein Faxgerät antwortet</translation>
    </message>
    <message>
        <source>IT</source>
        <translation>Unvollständige Übertragung</translation>
    </message>
    <message>
        <source>CF</source>
        <translation>Faxverbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>BU</source>
        <translation>Leitung besetzt</translation>
    </message>
    <message>
        <source>CR</source>
        <translation>Anruf abgewiesen</translation>
    </message>
    <message>
        <source>CE</source>
        <translation>Konvertierungsfehler</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>IN</source>
        <translation>Ungültige Nummer</translation>
    </message>
    <message>
        <source>SB</source>
        <translation>System ausgelastet</translation>
    </message>
    <message>
        <source>BA</source>
        <translation>Schlechte Leitung</translation>
    </message>
    <message>
        <source>LP</source>
        <translation>Leitungsproblem</translation>
    </message>
    <message>
        <source>CS</source>
        <translation>Datei kann nicht gesendet werden</translation>
    </message>
    <message>
        <source>RF</source>
        <translation>Gegenstelle hat abgebrochen</translation>
    </message>
    <message>
        <source>BL</source>
        <translation>Fehlerhafte Nummernliste</translation>
    </message>
    <message>
        <source>NT</source>
        <translation>Kein Anhang</translation>
    </message>
    <message>
        <source>MF</source>
        <translation>Mehr als 500 Nummern</translation>
    </message>
    <message>
        <source>NC</source>
        <translation>Nicht genügend Guthaben</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>Konvertierungsfehler</translation>
    </message>
    <message>
        <source>UF</source>
        <translation>Nicht unterstützter Dateityp</translation>
    </message>
    <message>
        <source>AF</source>
        <translation>Authentifizierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>NR</source>
        <translation>Keine Empfänger</translation>
    </message>
    <message>
        <source>MA</source>
        <translation>E-Mail angenommen</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>Allgemeiner Fehler</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Gelesen</translation>
    </message>
    <message>
        <source>Unread</source>
        <translation>Ungelesen</translation>
    </message>
    <message>
        <source>Restriction</source>
        <translation>Einschränkung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message numerus="yes">
        <source>Do you want to delete %n item(s) ?</source>
        <comment>Comment</comment>
        <translation>
            <numerusform>Möchten Sie %n Element löschen?</numerusform>
            <numerusform>Möchten Sie %n Elemente löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to remove the folder %1 ?</source>
        <translation>Möchten Sie den Ordner %1 entfernen?</translation>
    </message>
    <message>
        <source>Select file location ...</source>
        <translation>Speicherort wählen ...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>No application could open %1.</source>
        <translation>Keine Anwendung konnte %1 öffnen.</translation>
    </message>
    <message>
        <source>No application could open the file %1. Do you want to open the folder that holds it?</source>
        <translation>Keine Anwendung konnte die Datei %1 öffnen. Möchten Sie den Ordner öffnen, der sie enthält?</translation>
    </message>
</context>
<context>
    <name>WelcomeQelvox</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Registrierung eines Qelvox-Kontos</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Your account was succesfully created</source>
        <translation>Ihr Konto wurde erfolgreich angelegt</translation>
    </message>
    <message>
        <source>Your credentials are:</source>
        <translation>Ihre Anmeldedaten:</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Kontoname:</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Passwort: </translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Anmeldedaten ändern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
