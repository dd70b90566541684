<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Qelvoxdesk Website</source>
        <translation>Site web de Qelvoxdesk</translation>
    </message>
    <message>
        <source>© Qelvox. Online fax, SMS and voice mail.</source>
        <translation>© Qelvox. Fax, SMS et messagerie vocale en ligne.</translation>
    </message>
</context>
<context>
    <name>AccountDlg</name>
    <message>
        <source>Qelvox Account Settings</source>
        <translation>Paramètres du compte Qelvox</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personnel</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation>Identifiants</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Prénom :</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Zip/Postal Code:</source>
        <translation>Code postal :</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays :</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Société :</translation>
    </message>
    <message>
        <source>Professional/VAT number:</source>
        <translation>N° professionnel/TVA :</translation>
    </message>
    <message>
        <source>Qelvox Settings</source>
        <translation>Paramètres Qelvox</translation>
    </message>
    <message>
        <source>Fax number:</source>
        <translation>Numéro de fax :</translation>
    </message>
    <message>
        <source>Fax header:</source>
        <translation>En-tête de fax :</translation>
    </message>
    <message>
        <source>Email notifications</source>
        <translation>Notifications par e-mail</translation>
    </message>
    <message>
        <source>Attach the fax to the email</source>
        <translation>Joindre le fax à l&apos;e-mail</translation>
    </message>
    <message>
        <source>Fax format:</source>
        <translation>Format du fax :</translation>
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
        <translation>Notifications par SMS</translation>
    </message>
    <message>
        <source>SMS alert number:</source>
        <translation>Numéro d&apos;alerte SMS :</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#validate&quot;&gt;Click here to validate your number&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#validate&quot;&gt;Cliquez ici pour valider votre numéro&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Extended Title</source>
        <translation>Titre étendu</translation>
    </message>
    <message>
        <source>QelUnits</source>
        <translation>QelUnits</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Modifier les identifiants</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Mot de passe actuel :</translation>
    </message>
    <message>
        <source>New email:</source>
        <translation>Nouvel e-mail :</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Confirmer :</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Nouveau mot de passe :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Aucune connexion à Internet n&apos;est disponible pour le moment. Veuillez vérifier vos paramètres réseau.</translation>
    </message>
    <message>
        <source>The email address has been changed successfully.</source>
        <translation>L&apos;adresse e-mail a été modifiée.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>Le mot de passe a été modifié.</translation>
    </message>
    <message>
        <source>The email address has been changed, but it could not be saved on this computer: sign in with the new address next time.</source>
        <translation>L&apos;adresse e-mail a été modifiée, mais elle n&apos;a pas pu être enregistrée sur cet ordinateur : connectez-vous avec la nouvelle adresse la prochaine fois.</translation>
    </message>
    <message>
        <source>The password has been changed, but it could not be saved on this computer: sign in with the new password next time.</source>
        <translation>Le mot de passe a été modifié, mais il n&apos;a pas pu être enregistré sur cet ordinateur : connectez-vous avec le nouveau mot de passe la prochaine fois.</translation>
    </message>
</context>
<context>
    <name>AddContactDlg</name>
    <message>
        <source>New contact</source>
        <translation>Nouveau contact</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Numéro de fax</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Numéro SMS</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Groupe :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Edit contact</source>
        <translation>Modifier le contact</translation>
    </message>
</context>
<context>
    <name>AddContactGroupDlg</name>
    <message>
        <source>Add new contact group</source>
        <translation>Ajouter un groupe de contacts</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Nom du groupe :</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Numéro de fax</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Numéro SMS</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Add new contact:</source>
        <translation>Ajouter un nouveau contact :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Edit contact group</source>
        <translation>Modifier le groupe de contacts</translation>
    </message>
</context>
<context>
    <name>AttachmentWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Attach file</source>
        <translation>Joindre un fichier</translation>
    </message>
    <message>
        <source>No files</source>
        <translation>Aucun fichier</translation>
    </message>
    <message>
        <source>You can attach at most %1 files</source>
        <translation>Vous pouvez joindre au maximum %1 fichiers</translation>
    </message>
    <message>
        <source>Can not send an empty file %1.</source>
        <translation>Impossible d&apos;envoyer un fichier vide %1.</translation>
    </message>
    <message>
        <source>The total size of attachments should not exceed 8MB.</source>
        <translation>La taille totale des pièces jointes ne doit pas dépasser 8 Mo.</translation>
    </message>
    <message>
        <source>can not open file %1 </source>
        <translation>impossible d&apos;ouvrir le fichier %1 </translation>
    </message>
    <message>
        <source>Select a file...</source>
        <translation>Sélectionner un fichier...</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Inscription à un compte Qelvox</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Modifier les identifiants</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Nouveau mot de passe :</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Confirmer :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Aucune connexion à Internet n&apos;est disponible pour le moment. Veuillez vérifier vos paramètres réseau.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>Le mot de passe a été modifié.</translation>
    </message>
</context>
<context>
    <name>ConnectionProblem</name>
    <message>
        <source>The proxy %1 refused the user name or password. Check them in Preferences, Connection.</source>
        <translation>Le proxy %1 a refusé le nom d&apos;utilisateur ou le mot de passe. Vérifiez-les dans Préférences, Connexion.</translation>
    </message>
    <message>
        <source>The proxy %1 refused the connection.</source>
        <translation>Le proxy %1 a refusé la connexion.</translation>
    </message>
    <message>
        <source>The proxy %1 could not be reached.</source>
        <translation>Le proxy %1 est injoignable.</translation>
    </message>
</context>
<context>
    <name>DetailDlg</name>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>SMS:</source>
        <translation>SMS :</translation>
    </message>
    <message>
        <source>Recipients:</source>
        <translation>Destinataires :</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>EntitiesView</name>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Boîte de réception</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Boîte d&apos;envoi</translation>
    </message>
</context>
<context>
    <name>FAXWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Transmission report by e-mail</source>
        <translation>Rapport de transmission par e-mail</translation>
    </message>
    <message>
        <source>Grey and colors dithering</source>
        <translation>Tramage gris et couleurs</translation>
    </message>
    <message>
        <source>Attach file in report</source>
        <translation>Joindre le fichier au rapport</translation>
    </message>
    <message>
        <source>Insert cover page</source>
        <translation>Insérer une page de garde</translation>
    </message>
    <message>
        <source>Click here to change you Cover Page settings</source>
        <translation>Cliquez ici pour modifier les réglages de votre page de garde</translation>
    </message>
    <message>
        <source>Black &amp;&amp; white thresholding</source>
        <translation>Seuillage noir &amp;&amp; blanc</translation>
    </message>
</context>
<context>
    <name>FilterBox</name>
    <message>
        <source>Search ...</source>
        <translation>Rechercher ...</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>To/From</source>
        <translation>À/De</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Numéro de fax</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>Numéro SMS</translation>
    </message>
</context>
<context>
    <name>ForwardDlg</name>
    <message>
        <source>Forward</source>
        <translation>Transférer</translation>
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
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>LocalInstanceChannel</name>
    <message>
        <source>Another start of the program did not finish in time.</source>
        <translation>Un autre démarrage du programme ne s&apos;est pas terminé à temps.</translation>
    </message>
    <message>
        <source>The socket %1 cannot be opened: %2</source>
        <translation>Le socket %1 ne peut pas être ouvert : %2</translation>
    </message>
</context>
<context>
    <name>LoginDlg</name>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Nom du compte :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Me connecter au démarrage</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Démarrer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Don&apos;t have an account ?</source>
        <translation>Vous n&apos;avez pas de compte ?</translation>
    </message>
    <message>
        <source>Register new account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>Forgot password ?</source>
        <translation>Mot de passe oublié ?</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Aucune connexion à Internet n&apos;est disponible pour le moment. Veuillez vérifier vos paramètres réseau.</translation>
    </message>
    <message>
        <source>Authentication fails ...</source>
        <translation>Échec de l&apos;authentification ...</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>Une erreur s&apos;est produite lors du traitement d&apos;une requête au serveur.
Veuillez vérifier votre connexion Internet.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Qelbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Send &amp;Fax</source>
        <translation>Envoyer un &amp;fax</translation>
    </message>
    <message>
        <source>New Fax</source>
        <translation>Nouveau fax</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Send S&amp;MS</source>
        <translation>Envoyer un S&amp;MS</translation>
    </message>
    <message>
        <source>New SMS</source>
        <translation>Nouveau SMS</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Check for updates</source>
        <translation>&amp;Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>P&amp;references</source>
        <translation>P&amp;références</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Send &amp;SMS</source>
        <translation>Envoyer un &amp;SMS</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Qelvox account</source>
        <translation>Compte Qelvox</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Add contact group</source>
        <translation>Ajouter un groupe de contacts</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Add contact</source>
        <translation>Ajouter un contact</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>DeleteAll</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Mark as read</source>
        <translation>Marquer comme lu</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Mark as unread</source>
        <translation>Marquer comme non lu</translation>
    </message>
    <message>
        <source>Mark all as read</source>
        <translation>Tout marquer comme lu</translation>
    </message>
    <message>
        <source>Mark all as unread</source>
        <translation>Tout marquer comme non lu</translation>
    </message>
    <message>
        <source>Outlook Contacts</source>
        <translation>Contacts Outlook</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Transférer</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Supprimer le dossier</translation>
    </message>
    <message>
        <source>Rename folder</source>
        <translation>Renommer le dossier</translation>
    </message>
    <message>
        <source>Create folder</source>
        <translation>Créer un dossier</translation>
    </message>
    <message>
        <source>Move to folder</source>
        <translation>Déplacer vers un dossier</translation>
    </message>
    <message>
        <source>Add to contacts</source>
        <translation>Ajouter aux contacts</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1
It stays queued and is carried out while the program runs, but it is lost if the program ends before then.</source>
        <translation>Cette modification n&apos;a pas pu être enregistrée sur cet ordinateur : %1
Elle reste en attente et sera effectuée tant que le programme fonctionne, mais elle sera perdue si le programme se termine avant.</translation>
    </message>
    <message>
        <source>The account&apos;s local data cannot be opened: %1</source>
        <translation>Impossible d&apos;ouvrir les données locales du compte : %1</translation>
    </message>
    <message>
        <source>You have a new fax</source>
        <translation>Vous avez un nouveau fax</translation>
    </message>
    <message numerus="yes">
        <source>You have %n new faxes</source>
        <translation>
            <numerusform>Vous avez %n nouveau fax</numerusform>
            <numerusform>Vous avez %n nouveaux fax</numerusform>
        </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>Aucune connexion à Internet n&apos;est disponible pour le moment. Veuillez vérifier vos paramètres réseau.</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Sélectionner un fichier ...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Select a file name ...</source>
        <translation>Choisissez un nom de fichier ...</translation>
    </message>
    <message>
        <source>The contacts could not be saved in %1.</source>
        <translation>Les contacts n&apos;ont pas pu être enregistrés dans %1.</translation>
    </message>
    <message>
        <source>Qelvoxdesk is up to date</source>
        <translation>Qelvoxdesk est à jour</translation>
    </message>
    <message>
        <source>A newer version is available</source>
        <translation>Une nouvelle version est disponible</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The installer of the new version was saved as:
%1
It could not be started from here; run it yourself to install the new version.</source>
        <translation>Le programme d&apos;installation de la nouvelle version a été enregistré sous :
%1
Il n&apos;a pas pu être lancé d&apos;ici ; lancez-le vous-même pour installer la nouvelle version.</translation>
    </message>
    <message>
        <source>Impossible to delete selected item(s).</source>
        <translation>Impossible de supprimer le(s) élément(s) sélectionné(s).</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>Le disque qui contient %1 est plein.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Impossible d&apos;écrire dans %1.</translation>
    </message>
    <message>
        <source>The account is shown as last stored. What you change waits until the data can be written again, and is sent then.</source>
        <translation>Le compte est affiché tel qu&apos;il a été enregistré en dernier. Vos modifications attendent que les données puissent de nouveau être écrites, puis sont envoyées.</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1</source>
        <translation>Cette modification n&apos;a pas pu être enregistrée sur cet ordinateur : %1</translation>
    </message>
    <message>
        <source>It waits until the data can be written again, and is lost if the program ends before then.</source>
        <translation>Elle attend que les données puissent de nouveau être écrites, et elle est perdue si le programme se termine avant.</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) could not be saved on this computer and are lost if the program ends now. Quit anyway?</source>
        <translation>
            <numerusform>%n modification n&apos;a pas pu être enregistrée sur cet ordinateur et sera perdue si le programme se termine maintenant. Quitter quand même ?</numerusform>
            <numerusform>%n modifications n&apos;ont pas pu être enregistrées sur cet ordinateur et seront perdues si le programme se termine maintenant. Quitter quand même ?</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes that were waiting to be sent could not be read from it.</source>
        <translation>Les modifications en attente d&apos;envoi n&apos;ont pas pu y être lues.</translation>
    </message>
    <message>
        <source>The changes waiting to be sent were kept, as far as they could be read.</source>
        <translation>Les modifications en attente d&apos;envoi ont été conservées, dans la mesure où elles ont pu être lues.</translation>
    </message>
    <message>
        <source>The local copy of the account was damaged. It has been kept as %1 and is being rebuilt from the service.</source>
        <translation>La copie locale du compte était endommagée. Elle a été conservée sous %1 et est reconstruite à partir du service.</translation>
    </message>
    <message>
        <source>The document could not be downloaded because the service could not be reached.</source>
        <translation>Le document n&apos;a pas pu être téléchargé car le service est injoignable.</translation>
    </message>
    <message>
        <source>Qelvoxdesk could not check for a newer version.</source>
        <translation>Qelvoxdesk n&apos;a pas pu vérifier si une nouvelle version existe.</translation>
    </message>
    <message>
        <source>The new version could not be downloaded.</source>
        <translation>La nouvelle version n&apos;a pas pu être téléchargée.</translation>
    </message>
    <message>
        <source>These items could not be fetched from the service: %1. They will be asked for again at each synchronisation.</source>
        <translation>Ces éléments n&apos;ont pas pu être récupérés auprès du service : %1. Ils seront redemandés à chaque synchronisation.</translation>
    </message>
    <message>
        <source>sent fax %1</source>
        <translation>fax envoyé %1</translation>
    </message>
    <message>
        <source>received fax %1</source>
        <translation>fax reçu %1</translation>
    </message>
    <message>
        <source>voice message %1</source>
        <translation>message vocal %1</translation>
    </message>
    <message>
        <source>sent SMS %1</source>
        <translation>SMS envoyé %1</translation>
    </message>
    <message>
        <source>contact group %1</source>
        <translation>groupe de contacts %1</translation>
    </message>
    <message>
        <source>contact %1</source>
        <translation>contact %1</translation>
    </message>
    <message>
        <source>folder %1</source>
        <translation>dossier %1</translation>
    </message>
</context>
<context>
    <name>MovetoFolderDlg</name>
    <message>
        <source>Select folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>QelApplication</name>
    <message>
        <source>Qelvoxdesk cannot start: %1</source>
        <translation>Qelvoxdesk ne peut pas démarrer : %1</translation>
    </message>
</context>
<context>
    <name>QelRegister</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Inscription à un compte Qelvox</translation>
    </message>
    <message>
        <source>Customer details</source>
        <translation>Coordonnées du client</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Prénom :</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Email (login):</source>
        <translation>E-mail (identifiant) :</translation>
    </message>
    <message>
        <source>Confirm email:</source>
        <translation>Confirmer l&apos;e-mail :</translation>
    </message>
    <message>
        <source>Country of residence:</source>
        <translation>Pays de résidence :</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Your fax country location:</source>
        <translation>Pays de votre numéro de fax :</translation>
    </message>
    <message>
        <source>Your fax region location:</source>
        <translation>Région de votre numéro de fax :</translation>
    </message>
    <message>
        <source>Account type</source>
        <translation>Type de compte</translation>
    </message>
    <message>
        <source>Free Trial</source>
        <translation>Essai gratuit</translation>
    </message>
    <message>
        <source>Prepaied qelcode</source>
        <translation>Qelcode prépayé</translation>
    </message>
    <message>
        <source>Sign up for a Qelvox account</source>
        <translation>Ouvrir un compte Qelvox</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>S&apos;inscrire</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>Une erreur s&apos;est produite lors du traitement d&apos;une requête au serveur.
Veuillez vérifier votre connexion Internet.</translation>
    </message>
    <message>
        <source>Wrong email format.</source>
        <translation>Format d&apos;e-mail incorrect.</translation>
    </message>
    <message>
        <source>Chosen package is not available.</source>
        <translation>L&apos;offre choisie n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>Invalid fax number. There are no free numbers for this area.</source>
        <translation>Numéro de fax non valide. Il n&apos;y a plus de numéro libre dans cette zone.</translation>
    </message>
    <message>
        <source>This qelcode is invalid. Or it was already used.
Please visit our site and contact the support team.</source>
        <translation>Ce qelcode n&apos;est pas valide ou a déjà été utilisé.
Veuillez vous rendre sur notre site et contacter l&apos;assistance.</translation>
    </message>
    <message>
        <source>The specified email is already registered in our system.</source>
        <translation>L&apos;adresse e-mail indiquée est déjà enregistrée dans notre système.</translation>
    </message>
    <message>
        <source>Cannot finish the registration procedure. Please visit the site and contact the support team.</source>
        <translation>Impossible de terminer l&apos;inscription. Veuillez vous rendre sur le site et contacter l&apos;assistance.</translation>
    </message>
    <message>
        <source>First Name is a required field.</source>
        <translation>Le prénom est obligatoire.</translation>
    </message>
    <message>
        <source>Last Name is a required field.</source>
        <translation>Le nom est obligatoire.</translation>
    </message>
    <message>
        <source>Email is a required field.</source>
        <translation>L&apos;e-mail est obligatoire.</translation>
    </message>
    <message>
        <source>Emails do not match.</source>
        <translation>Les adresses e-mail ne correspondent pas.</translation>
    </message>
    <message>
        <source>Please select the fax area of the fax country.</source>
        <translation>Veuillez choisir la zone de fax dans le pays choisi.</translation>
    </message>
</context>
<context>
    <name>RecipientForm</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
</context>
<context>
    <name>RecipientsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Contacts:</source>
        <translation>Contacts :</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Or enter a number:</source>
        <translation>Ou saisissez un numéro :</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add to contacts book</source>
        <translation>Ajouter au carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Recipients:</source>
        <translation>Destinataires :</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;Accepted file: plain text with 1 or 2 columns&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;If 1 column: 1 number per line&lt;/p&gt;&lt;p&gt;If 2 columns: 1st column is name, 2nd column is number, separated by &amp;quot;;&amp;quot; or TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;The number needs to be in international format&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;Fichier accepté : texte brut à 1 ou 2 colonnes&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;1 colonne : 1 numéro par ligne&lt;/p&gt;&lt;p&gt;2 colonnes : 1re colonne le nom, 2e colonne le numéro, séparés par &amp;quot;;&amp;quot; ou TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Le numéro doit être au format international&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Add from file</source>
        <translation>Ajouter depuis un fichier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Sélectionner un fichier ...</translation>
    </message>
    <message>
        <source>You need to select less than 2000 recipients</source>
        <translation>Vous devez sélectionner moins de 2000 destinataires</translation>
    </message>
    <message>
        <source>The file %1 is too large for a list of recipients: it may hold at most 1 MB.</source>
        <translation>Le fichier %1 est trop volumineux pour une liste de destinataires : il peut contenir au plus 1 Mo.</translation>
    </message>
</context>
<context>
    <name>RenameFolderDlg</name>
    <message>
        <source>Create/Rename folder</source>
        <translation>Créer/renommer un dossier</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SMSWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>SMS:</source>
        <translation>SMS :</translation>
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
        <translation>Envoyer un fax</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Send Sms</source>
        <translation>Envoyer un SMS</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Paramètres généraux</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Local fax settings</source>
        <translation>Paramètres locaux des fax</translation>
    </message>
    <message>
        <source>Preview format:</source>
        <translation>Format d&apos;aperçu :</translation>
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
        <translation>Vérifier toutes les :</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Jouer les sons</translation>
    </message>
    <message>
        <source>Show Outlook contacts</source>
        <translation>Afficher les contacts Outlook</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Me connecter au démarrage</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Démarrer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>Paramètres réseau</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Hôte :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1.</translation>
    </message>
    <message>
        <source>no proxy</source>
        <translation>aucun proxy</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source> recipients</source>
        <translation> destinataires</translation>
    </message>
    <message>
        <source>registering</source>
        <translation>enregistrement</translation>
    </message>
    <message>
        <source>IQ local</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>FA</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>IQ</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>NF</source>
        <translation>Aucun fax ne répond</translation>
    </message>
    <message>
        <source>IT</source>
        <translation>Transmission incomplète</translation>
    </message>
    <message>
        <source>CF</source>
        <translation>Échec de la connexion fax</translation>
    </message>
    <message>
        <source>BU</source>
        <translation>Ligne occupée</translation>
    </message>
    <message>
        <source>CR</source>
        <translation>Appel rejeté</translation>
    </message>
    <message>
        <source>CE</source>
        <translation>Erreur de conversion</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>Pas de réponse</translation>
    </message>
    <message>
        <source>IN</source>
        <translation>Numéro invalide</translation>
    </message>
    <message>
        <source>SB</source>
        <translation>Système occupé</translation>
    </message>
    <message>
        <source>BA</source>
        <translation>Mauvaise ligne</translation>
    </message>
    <message>
        <source>LP</source>
        <translation>Problème de ligne</translation>
    </message>
    <message>
        <source>CS</source>
        <translation>Le fichier ne peut pas être envoyé</translation>
    </message>
    <message>
        <source>RF</source>
        <translation>Fax distant interrompu</translation>
    </message>
    <message>
        <source>BL</source>
        <translation>Liste de numéros incorrecte</translation>
    </message>
    <message>
        <source>NT</source>
        <translation>Aucune pièce jointe</translation>
    </message>
    <message>
        <source>MF</source>
        <translation>Plus de 500 numéros</translation>
    </message>
    <message>
        <source>NC</source>
        <translation>Crédit insuffisant</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>Erreur de conversion</translation>
    </message>
    <message>
        <source>UF</source>
        <translation>Type de fichier non pris en charge</translation>
    </message>
    <message>
        <source>AF</source>
        <translation>Échec de l&apos;authentification</translation>
    </message>
    <message>
        <source>NR</source>
        <translation>Aucun destinataire</translation>
    </message>
    <message>
        <source>MA</source>
        <translation>E-mail accepté</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>Échec général</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lu</translation>
    </message>
    <message>
        <source>Unread</source>
        <translation>Non lu</translation>
    </message>
    <message>
        <source>Restriction</source>
        <translation>Restriction</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message numerus="yes">
        <source>Do you want to delete %n item(s) ?</source>
        <comment>Comment</comment>
        <translation>
            <numerusform>Voulez-vous supprimer %n élément ?</numerusform>
            <numerusform>Voulez-vous supprimer %n éléments ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to remove the folder %1 ?</source>
        <translation>Voulez-vous supprimer le dossier %1 ?</translation>
    </message>
    <message>
        <source>Select file location ...</source>
        <translation>Choisir l&apos;emplacement du fichier ...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>No application could open %1.</source>
        <translation>Aucune application n&apos;a pu ouvrir %1.</translation>
    </message>
    <message>
        <source>No application could open the file %1. Do you want to open the folder that holds it?</source>
        <translation>Aucune application n&apos;a pu ouvrir le fichier %1. Voulez-vous ouvrir le dossier qui le contient ?</translation>
    </message>
</context>
<context>
    <name>WelcomeQelvox</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Inscription à un compte Qelvox</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Your account was succesfully created</source>
        <translation>Votre compte a bien été créé</translation>
    </message>
    <message>
        <source>Your credentials are:</source>
        <translation>Vos identifiants :</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Nom du compte :</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Mot de passe : </translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Modifier les identifiants</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
