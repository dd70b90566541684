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
    </context>
    <context>
        <name>LocalInstanceChannel</name>
        <message>
            <source>Another start of the program did not finish in time.</source>
            <translation>Ein anderer Start des Programms wurde nicht rechtzeitig beendet.</translation>
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
    </context>
</TS>
