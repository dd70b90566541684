<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Qelvoxdesk Website</source>
        <translation>Site-ul Qelvoxdesk</translation>
    </message>
    <message>
        <source>© Qelvox. Online fax, SMS and voice mail.</source>
        <translation>© Qelvox. Fax, SMS și mesagerie vocală online.</translation>
    </message>
</context>
<context>
    <name>AccountDlg</name>
    <message>
        <source>Qelvox Account Settings</source>
        <translation>Setările contului Qelvox</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Date personale</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation>Date de autentificare</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informații personale</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Prenume:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nume:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Oraș:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresă:</translation>
    </message>
    <message>
        <source>Zip/Postal Code:</source>
        <translation>Cod poștal:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Țară:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Limbă:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Companie:</translation>
    </message>
    <message>
        <source>Professional/VAT number:</source>
        <translation>Cod fiscal/TVA:</translation>
    </message>
    <message>
        <source>Qelvox Settings</source>
        <translation>Setări Qelvox</translation>
    </message>
    <message>
        <source>Fax number:</source>
        <translation>Număr de fax:</translation>
    </message>
    <message>
        <source>Fax header:</source>
        <translation>Antet fax:</translation>
    </message>
    <message>
        <source>Email notifications</source>
        <translation>Notificări prin e-mail</translation>
    </message>
    <message>
        <source>Attach the fax to the email</source>
        <translation>Atașează faxul la e-mail</translation>
    </message>
    <message>
        <source>Fax format:</source>
        <translation>Format fax:</translation>
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
        <translation>Notificări prin SMS</translation>
    </message>
    <message>
        <source>SMS alert number:</source>
        <translation>Număr pentru alerte SMS:</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#validate&quot;&gt;Click here to validate your number&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#validate&quot;&gt;Faceți clic aici pentru a valida numărul&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Extended Title</source>
        <translation>Titlu extins</translation>
    </message>
    <message>
        <source>QelUnits</source>
        <translation>QelUnits</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Data expirării</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Modificați datele de autentificare</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Autentificare</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Parola actuală:</translation>
    </message>
    <message>
        <source>New email:</source>
        <translation>E-mail nou:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Confirmare:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizează</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parolă</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Parolă nouă:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Momentan nu există nicio conexiune la Internet. Verificați setările de rețea.</translation>
    </message>
    <message>
        <source>The email address has been changed successfully.</source>
        <translation>Adresa de e-mail a fost schimbată.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>Parola a fost schimbată.</translation>
    </message>
    <message>
        <source>The email address has been changed, but it could not be saved on this computer: sign in with the new address next time.</source>
        <translation>Adresa de e-mail a fost schimbată, dar nu a putut fi salvată pe acest calculator: data viitoare conectați-vă cu noua adresă.</translation>
    </message>
    <message>
        <source>The password has been changed, but it could not be saved on this computer: sign in with the new password next time.</source>
        <translation>Parola a fost schimbată, dar nu a putut fi salvată pe acest calculator: data viitoare conectați-vă cu noua parolă.</translation>
    </message>
</context>
<context>
    <name>AddContactDlg</name>
    <message>
        <source>New contact</source>
        <translation>Contact nou</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nume:</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Număr de fax</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Număr SMS</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Grup:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Edit contact</source>
        <translation>Editare contact</translation>
    </message>
</context>
<context>
    <name>AddContactGroupDlg</name>
    <message>
        <source>Add new contact group</source>
        <translation>Adăugare grup de contacte</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Numele grupului:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Număr de fax</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Număr SMS</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adaugă</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimină</translation>
    </message>
    <message>
        <source>Add new contact:</source>
        <translation>Adăugare contact nou:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Edit contact group</source>
        <translation>Editare grup de contacte</translation>
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
        <translation>Atașează fișier</translation>
    </message>
    <message>
        <source>No files</source>
        <translation>Niciun fișier</translation>
    </message>
    <message>
        <source>You can attach at most %1 files</source>
        <translation>Puteți atașa cel mult %1 fișiere</translation>
    </message>
    <message>
        <source>Can not send an empty file %1.</source>
        <translation>Nu se poate trimite un fișier gol %1.</translation>
    </message>
    <message>
        <source>The total size of attachments should not exceed 8MB.</source>
        <translation>Dimensiunea totală a atașamentelor nu trebuie să depășească 8 MB.</translation>
    </message>
    <message>
        <source>can not open file %1 </source>
        <translation>nu se poate deschide fișierul %1 </translation>
    </message>
    <message>
        <source>Select a file...</source>
        <translation>Selectați un fișier...</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Înregistrarea unui cont Qelvox</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Modificați datele de autentificare</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Parolă nouă:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Confirmare:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Momentan nu există nicio conexiune la Internet. Verificați setările de rețea.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>Parola a fost schimbată.</translation>
    </message>
</context>
<context>
    <name>ConnectionProblem</name>
    <message>
        <source>The proxy %1 refused the user name or password. Check them in Preferences, Connection.</source>
        <translation>Proxy-ul %1 a refuzat numele de utilizator sau parola. Verificați-le în Preferințe, Conexiune.</translation>
    </message>
    <message>
        <source>The proxy %1 refused the connection.</source>
        <translation>Proxy-ul %1 a refuzat conexiunea.</translation>
    </message>
    <message>
        <source>The proxy %1 could not be reached.</source>
        <translation>Proxy-ul %1 nu poate fi contactat.</translation>
    </message>
</context>
<context>
    <name>DetailDlg</name>
    <message>
        <source>Details</source>
        <translation>Detalii</translation>
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
        <translation>Către</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportă</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
</context>
<context>
    <name>EntitiesView</name>
    <message>
        <source>Folders</source>
        <translation>Dosare</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacte</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Mesaje primite</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Mesaje trimise</translation>
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
        <translation>Raport de transmisie prin e-mail</translation>
    </message>
    <message>
        <source>Grey and colors dithering</source>
        <translation>Rasterizare gri și culori</translation>
    </message>
    <message>
        <source>Attach file in report</source>
        <translation>Atașează fișierul la raport</translation>
    </message>
    <message>
        <source>Insert cover page</source>
        <translation>Inserează pagină de gardă</translation>
    </message>
    <message>
        <source>Click here to change you Cover Page settings</source>
        <translation>Clic aici pentru setările paginii de gardă</translation>
    </message>
    <message>
        <source>Black &amp;&amp; white thresholding</source>
        <translation>Prag alb &amp;&amp; negru</translation>
    </message>
</context>
<context>
    <name>FilterBox</name>
    <message>
        <source>Search ...</source>
        <translation>Căutare ...</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>To/From</source>
        <translation>Către/De la</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Mărime</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Număr de fax</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Număr SMS</translation>
    </message>
</context>
<context>
    <name>ForwardDlg</name>
    <message>
        <source>Forward</source>
        <translation>Redirecționează</translation>
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
        <translation>Trimite</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
</context>
<context>
    <name>LocalInstanceChannel</name>
    <message>
        <source>Another start of the program did not finish in time.</source>
        <translation>O altă pornire a programului nu s-a încheiat la timp.</translation>
    </message>
    <message>
        <source>The socket %1 cannot be opened: %2</source>
        <translation>Socketul %1 nu poate fi deschis: %2</translation>
    </message>
</context>
<context>
    <name>LoginDlg</name>
    <message>
        <source>Login</source>
        <translation>Autentificare</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Numele contului:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parolă:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferințe</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Autentifică-mă la pornire</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Pornește la autentificare</translation>
    </message>
    <message>
        <source>Don&apos;t have an account ?</source>
        <translation>Nu aveți un cont?</translation>
    </message>
    <message>
        <source>Register new account</source>
        <translation>Înregistrați un cont</translation>
    </message>
    <message>
        <source>Forgot password ?</source>
        <translation>Ați uitat parola?</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Momentan nu există nicio conexiune la Internet. Verificați setările de rețea.</translation>
    </message>
    <message>
        <source>Authentication fails ...</source>
        <translation>Autentificarea a eșuat ...</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>A apărut o eroare la procesarea unei cereri către server.
Verificați conexiunea la Internet.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Qelbar</source>
        <translation>Bară de instrumente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editare</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;jutor</translation>
    </message>
    <message>
        <source>Send &amp;Fax</source>
        <translation>Trimite &amp;fax</translation>
    </message>
    <message>
        <source>New Fax</source>
        <translation>Fax nou</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Send S&amp;MS</source>
        <translation>Trimite S&amp;MS</translation>
    </message>
    <message>
        <source>New SMS</source>
        <translation>SMS nou</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Check for updates</source>
        <translation>&amp;Caută actualizări</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Despre</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>P&amp;references</source>
        <translation>P&amp;referințe</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Deconectare</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Send &amp;SMS</source>
        <translation>Trimite &amp;SMS</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>I&amp;eșire</translation>
    </message>
    <message>
        <source>Qelvox account</source>
        <translation>Cont Qelvox</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Add contact group</source>
        <translation>Adaugă grup de contacte</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Add contact</source>
        <translation>Adaugă contact</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editează</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importă</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportă</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Previzualizare</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalii</translation>
    </message>
    <message>
        <source>DeleteAll</source>
        <translation>Șterge tot</translation>
    </message>
    <message>
        <source>Mark as read</source>
        <translation>Marchează ca citit</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Mark as unread</source>
        <translation>Marchează ca necitit</translation>
    </message>
    <message>
        <source>Mark all as read</source>
        <translation>Marchează tot ca citit</translation>
    </message>
    <message>
        <source>Mark all as unread</source>
        <translation>Marchează tot ca necitit</translation>
    </message>
    <message>
        <source>Outlook Contacts</source>
        <translation>Contacte Outlook</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Redirecționează</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Selectează tot</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Șterge dosarul</translation>
    </message>
    <message>
        <source>Rename folder</source>
        <translation>Redenumește dosarul</translation>
    </message>
    <message>
        <source>Create folder</source>
        <translation>Creează dosar</translation>
    </message>
    <message>
        <source>Move to folder</source>
        <translation>Mută în dosar</translation>
    </message>
    <message>
        <source>Add to contacts</source>
        <translation>Adaugă la contacte</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1
It stays queued and is carried out while the program runs, but it is lost if the program ends before then.</source>
        <translation>Această modificare nu a putut fi salvată pe acest calculator: %1
Rămâne în coadă și va fi efectuată cât timp programul rulează, dar se va pierde dacă programul se închide înainte.</translation>
    </message>
    <message>
        <source>The account&apos;s local data cannot be opened: %1</source>
        <translation>Datele locale ale contului nu pot fi deschise: %1</translation>
    </message>
    <message>
        <source>You have a new fax</source>
        <translation>Aveți un fax nou</translation>
    </message>
    <message numerus="yes">
        <source>You have %n new faxes</source>
        <translation>
            <numerusform>Aveți %n fax nou</numerusform>
            <numerusform>Aveți %n faxuri noi</numerusform>
            <numerusform>Aveți %n de faxuri noi</numerusform>
        </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informație</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Momentan nu există nicio conexiune la Internet. Verificați setările de rețea.</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Selectați un fișier ...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fișiere CSV (*.csv)</translation>
    </message>
    <message>
        <source>Select a file name ...</source>
        <translation>Alegeți un nume de fișier ...</translation>
    </message>
    <message>
        <source>The contacts could not be saved in %1.</source>
        <translation>Contactele nu au putut fi salvate în %1.</translation>
    </message>
    <message>
        <source>Qelvoxdesk is up to date</source>
        <translation>Qelvoxdesk este actualizat</translation>
    </message>
    <message>
        <source>A newer version is available</source>
        <translation>Este disponibilă o versiune mai nouă</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descărcare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>The installer of the new version was saved as:
%1
It could not be started from here; run it yourself to install the new version.</source>
        <translation>Programul de instalare al noii versiuni a fost salvat ca:
%1
Nu a putut fi pornit de aici; rulați-l dumneavoastră pentru a instala noua versiune.</translation>
    </message>
    <message>
        <source>Impossible to delete selected item(s).</source>
        <translation>Elementele selectate nu pot fi șterse.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>Discul care conține %1 este plin.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 nu poate fi scris.</translation>
    </message>
    <message>
        <source>The account is shown as last stored. What you change waits until the data can be written again, and is sent then.</source>
        <translation>Contul este afișat așa cum a fost salvat ultima dată. Modificările dumneavoastră așteaptă până când datele pot fi scrise din nou și sunt trimise atunci.</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1</source>
        <translation>Această modificare nu a putut fi salvată pe acest computer: %1</translation>
    </message>
    <message>
        <source>It waits until the data can be written again, and is lost if the program ends before then.</source>
        <translation>Așteaptă până când datele pot fi scrise din nou și se pierde dacă programul se închide înainte.</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) could not be saved on this computer and are lost if the program ends now. Quit anyway?</source>
        <translation>
            <numerusform>%n modificare nu a putut fi salvată pe acest computer și se pierde dacă programul se închide acum. Închideți totuși?</numerusform>
            <numerusform>%n modificări nu au putut fi salvate pe acest computer și se pierd dacă programul se închide acum. Închideți totuși?</numerusform>
            <numerusform>%n de modificări nu au putut fi salvate pe acest computer și se pierd dacă programul se închide acum. Închideți totuși?</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes that were waiting to be sent could not be read from it.</source>
        <translation>Modificările care așteptau să fie trimise nu au putut fi citite din ea.</translation>
    </message>
    <message>
        <source>The changes waiting to be sent were kept, as far as they could be read.</source>
        <translation>Modificările care așteaptă să fie trimise au fost păstrate, în măsura în care au putut fi citite.</translation>
    </message>
    <message>
        <source>The local copy of the account was damaged. It has been kept as %1 and is being rebuilt from the service.</source>
        <translation>Copia locală a contului era deteriorată. A fost păstrată ca %1 și este reconstruită din serviciu.</translation>
    </message>
    <message>
        <source>The document could not be downloaded because the service could not be reached.</source>
        <translation>Documentul nu a putut fi descărcat deoarece serviciul nu poate fi contactat.</translation>
    </message>
    <message>
        <source>Qelvoxdesk could not check for a newer version.</source>
        <translation>Qelvoxdesk nu a putut verifica dacă există o versiune mai nouă.</translation>
    </message>
    <message>
        <source>The new version could not be downloaded.</source>
        <translation>Versiunea nouă nu a putut fi descărcată.</translation>
    </message>
    <message>
        <source>These items could not be fetched from the service: %1. They will be asked for again at each synchronisation.</source>
        <translation>Aceste elemente nu au putut fi preluate de la serviciu: %1. Vor fi cerute din nou la fiecare sincronizare.</translation>
    </message>
    <message>
        <source>sent fax %1</source>
        <translation>fax trimis %1</translation>
    </message>
    <message>
        <source>received fax %1</source>
        <translation>fax primit %1</translation>
    </message>
    <message>
        <source>voice message %1</source>
        <translation>mesaj vocal %1</translation>
    </message>
    <message>
        <source>sent SMS %1</source>
        <translation>SMS trimis %1</translation>
    </message>
    <message>
        <source>contact group %1</source>
        <translation>grup de contacte %1</translation>
    </message>
    <message>
        <source>contact %1</source>
        <translation>contact %1</translation>
    </message>
    <message>
        <source>folder %1</source>
        <translation>dosar %1</translation>
    </message>
</context>
<context>
    <name>MovetoFolderDlg</name>
    <message>
        <source>Select folder</source>
        <translation>Alegeți dosarul</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dosare</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
</context>
<context>
    <name>QelApplication</name>
    <message>
        <source>Qelvoxdesk cannot start: %1</source>
        <translation>Qelvoxdesk nu poate porni: %1</translation>
    </message>
</context>
<context>
    <name>QelRegister</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Înregistrarea unui cont Qelvox</translation>
    </message>
    <message>
        <source>Customer details</source>
        <translation>Datele clientului</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Prenume:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nume:</translation>
    </message>
    <message>
        <source>Email (login):</source>
        <translation>E-mail (autentificare):</translation>
    </message>
    <message>
        <source>Confirm email:</source>
        <translation>Confirmați e-mailul:</translation>
    </message>
    <message>
        <source>Country of residence:</source>
        <translation>Țara de reședință:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Limbă:</translation>
    </message>
    <message>
        <source>Your fax country location:</source>
        <translation>Țara numărului de fax:</translation>
    </message>
    <message>
        <source>Your fax region location:</source>
        <translation>Zona numărului de fax:</translation>
    </message>
    <message>
        <source>Account type</source>
        <translation>Tipul contului</translation>
    </message>
    <message>
        <source>Free Trial</source>
        <translation>Perioadă de probă gratuită</translation>
    </message>
    <message>
        <source>Prepaied qelcode</source>
        <translation>Qelcode preplătit</translation>
    </message>
    <message>
        <source>Sign up for a Qelvox account</source>
        <translation>Creați un cont Qelvox</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Înregistrare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>A apărut o eroare la procesarea unei cereri către server.
Verificați conexiunea la Internet.</translation>
    </message>
    <message>
        <source>Wrong email format.</source>
        <translation>Format de e-mail greșit.</translation>
    </message>
    <message>
        <source>Chosen package is not available.</source>
        <translation>Pachetul ales nu este disponibil.</translation>
    </message>
    <message>
        <source>Invalid fax number. There are no free numbers for this area.</source>
        <translation>Număr de fax nevalid. Nu există numere libere pentru această zonă.</translation>
    </message>
    <message>
        <source>This qelcode is invalid. Or it was already used.
Please visit our site and contact the support team.</source>
        <translation>Acest qelcode nu este valid sau a fost deja folosit.
Vizitați site-ul nostru și contactați echipa de asistență.</translation>
    </message>
    <message>
        <source>The specified email is already registered in our system.</source>
        <translation>Adresa de e-mail indicată este deja înregistrată în sistemul nostru.</translation>
    </message>
    <message>
        <source>Cannot finish the registration procedure. Please visit the site and contact the support team.</source>
        <translation>Înregistrarea nu poate fi finalizată. Vizitați site-ul și contactați echipa de asistență.</translation>
    </message>
    <message>
        <source>First Name is a required field.</source>
        <translation>Prenumele este obligatoriu.</translation>
    </message>
    <message>
        <source>Last Name is a required field.</source>
        <translation>Numele este obligatoriu.</translation>
    </message>
    <message>
        <source>Email is a required field.</source>
        <translation>Adresa de e-mail este obligatorie.</translation>
    </message>
    <message>
        <source>Emails do not match.</source>
        <translation>Adresele de e-mail nu coincid.</translation>
    </message>
    <message>
        <source>Please select the fax area of the fax country.</source>
        <translation>Selectați zona de fax din țara aleasă.</translation>
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
        <translation>Nume</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Număr</translation>
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
        <translation>Contacte:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Număr</translation>
    </message>
    <message>
        <source>Or enter a number:</source>
        <translation>Sau introduceți un număr:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adaugă</translation>
    </message>
    <message>
        <source>Add to contacts book</source>
        <translation>Adaugă în agenda de contacte</translation>
    </message>
    <message>
        <source>Recipients:</source>
        <translation>Destinatari:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;Accepted file: plain text with 1 or 2 columns&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;If 1 column: 1 number per line&lt;/p&gt;&lt;p&gt;If 2 columns: 1st column is name, 2nd column is number, separated by &amp;quot;;&amp;quot; or TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;The number needs to be in international format&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;Fișier acceptat: text simplu cu 1 sau 2 coloane&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;Cu 1 coloană: 1 număr pe linie&lt;/p&gt;&lt;p&gt;Cu 2 coloane: prima coloană numele, a doua coloană numărul, separate prin &amp;quot;;&amp;quot; sau TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Numărul trebuie să fie în format internațional&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Add from file</source>
        <translation>Adaugă din fișier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimină</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Selectați un fișier ...</translation>
    </message>
    <message>
        <source>You need to select less than 2000 recipients</source>
        <translation>Trebuie să selectați mai puțin de 2000 de destinatari</translation>
    </message>
    <message>
        <source>The file %1 is too large for a list of recipients: it may hold at most 1 MB.</source>
        <translation>Fișierul %1 este prea mare pentru o listă de destinatari: poate avea cel mult 1 MB.</translation>
    </message>
</context>
<context>
    <name>RenameFolderDlg</name>
    <message>
        <source>Create/Rename folder</source>
        <translation>Creează/redenumește dosarul</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nume:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
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
        <translation>Trimite fax</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Trimite</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Send Sms</source>
        <translation>Trimite SMS</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Preferințe</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexiune</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Setări generale</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Limbă:</translation>
    </message>
    <message>
        <source>Local fax settings</source>
        <translation>Setări locale pentru fax</translation>
    </message>
    <message>
        <source>Preview format:</source>
        <translation>Format de previzualizare:</translation>
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
        <translation>Verifică la fiecare:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Redă sunete</translation>
    </message>
    <message>
        <source>Show Outlook contacts</source>
        <translation>Afișează contactele Outlook</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Autentifică-mă la pornire</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Pornește la autentificare</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>Setări de rețea</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Gazdă:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nume utilizator:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parolă:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1.</source>
        <translation>Setările nu au putut fi salvate în %1.</translation>
    </message>
    <message>
        <source>no proxy</source>
        <translation>fără proxy</translation>
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
        <translation>înregistrare</translation>
    </message>
    <message>
        <source>IQ local</source>
        <translation>În așteptare</translation>
    </message>
    <message>
        <source>FA</source>
        <translation>Eșec</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>IQ</source>
        <translation>În așteptare</translation>
    </message>
    <message>
        <source>NF</source>
        <translation>Niciun fax nu răspunde</translation>
    </message>
    <message>
        <source>IT</source>
        <translation>Transmisie incompletă</translation>
    </message>
    <message>
        <source>CF</source>
        <translation>Conexiunea fax a eșuat</translation>
    </message>
    <message>
        <source>BU</source>
        <translation>Linie ocupată</translation>
    </message>
    <message>
        <source>CR</source>
        <translation>Apel respins</translation>
    </message>
    <message>
        <source>CE</source>
        <translation>Eroare de conversie</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>Niciun răspuns</translation>
    </message>
    <message>
        <source>IN</source>
        <translation>Număr nevalid</translation>
    </message>
    <message>
        <source>SB</source>
        <translation>Sistem ocupat</translation>
    </message>
    <message>
        <source>BA</source>
        <translation>Linie defectă</translation>
    </message>
    <message>
        <source>LP</source>
        <translation>Problemă de linie</translation>
    </message>
    <message>
        <source>CS</source>
        <translation>Fișierul nu poate fi trimis</translation>
    </message>
    <message>
        <source>RF</source>
        <translation>Faxul de la distanță a abandonat</translation>
    </message>
    <message>
        <source>BL</source>
        <translation>Listă de numere greșită</translation>
    </message>
    <message>
        <source>NT</source>
        <translation>Niciun atașament</translation>
    </message>
    <message>
        <source>MF</source>
        <translation>Peste 500 de numere</translation>
    </message>
    <message>
        <source>NC</source>
        <translation>Credit insuficient</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>Eroare de conversie</translation>
    </message>
    <message>
        <source>UF</source>
        <translation>Tip de fișier neacceptat</translation>
    </message>
    <message>
        <source>AF</source>
        <translation>Autentificare eșuată</translation>
    </message>
    <message>
        <source>NR</source>
        <translation>Niciun destinatar</translation>
    </message>
    <message>
        <source>MA</source>
        <translation>E-mail acceptat</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>Eroare generală</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Citit</translation>
    </message>
    <message>
        <source>Unread</source>
        <translation>Necitit</translation>
    </message>
    <message>
        <source>Restriction</source>
        <translation>Restricție</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Eroare</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informație</translation>
    </message>
    <message numerus="yes">
        <source>Do you want to delete %n item(s) ?</source>
        <comment>Comment</comment>
        <translation>
            <numerusform>Doriți să ștergeți %n element?</numerusform>
            <numerusform>Doriți să ștergeți %n elemente?</numerusform>
            <numerusform>Doriți să ștergeți %n de elemente?</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to remove the folder %1 ?</source>
        <translation>Doriți să eliminați dosarul %1?</translation>
    </message>
    <message>
        <source>Select file location ...</source>
        <translation>Alegeți locația fișierului ...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fișiere CSV (*.csv)</translation>
    </message>
    <message>
        <source>No application could open %1.</source>
        <translation>Nicio aplicație nu a putut deschide %1.</translation>
    </message>
    <message>
        <source>No application could open the file %1. Do you want to open the folder that holds it?</source>
        <translation>Nicio aplicație nu a putut deschide fișierul %1. Doriți să deschideți dosarul care îl conține?</translation>
    </message>
</context>
<context>
    <name>WelcomeQelvox</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Înregistrarea unui cont Qelvox</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bun venit</translation>
    </message>
    <message>
        <source>Your account was succesfully created</source>
        <translation>Contul dvs. a fost creat</translation>
    </message>
    <message>
        <source>Your credentials are:</source>
        <translation>Datele dvs. de autentificare:</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Numele contului:</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Parolă: </translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Modificați datele de autentificare</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
