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
    </context>
    <context>
        <name>LocalInstanceChannel</name>
        <message>
            <source>Another start of the program did not finish in time.</source>
            <translation>Un autre démarrage du programme ne s'est pas terminé à temps.</translation>
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
            <translation>Échec de l'authentification</translation>
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
            <translation>Choisir l'emplacement du fichier ...</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>Fichiers CSV (*.csv)</translation>
        </message>
    </context>
</TS>
