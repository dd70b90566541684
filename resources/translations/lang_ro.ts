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
    </context>
    <context>
        <name>LocalInstanceChannel</name>
        <message>
            <source>Another start of the program did not finish in time.</source>
            <translation>O altă pornire a programului nu s-a încheiat la timp.</translation>
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
    </context>
</TS>
