<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>AboutDlg</name>
        <message>
            <source>About</source>
            <translation>About</translation>
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
            <translation>Another start of the program did not finish in time.</translation>
        </message>
    </context>
    <context>
        <name>QApplication</name>
        <message>
            <source>Yes</source>
            <translation>Yes</translation>
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
            <translation> recipients</translation>
        </message>
        <message>
            <source>registering</source>
            <translation>registering</translation>
        </message>
        <message>
            <source>IQ local</source>
            <translation>In queue</translation>
        </message>
        <message>
            <source>FA</source>
            <translation>Failure</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>IQ</source>
            <translation>In queue</translation>
        </message>
        <message>
            <source>NF</source>
            <translation>No fax machine answering</translation>
        </message>
        <message>
            <source>IT</source>
            <translation>Incomplete transmission</translation>
        </message>
        <message>
            <source>CF</source>
            <translation>Fax connection failed</translation>
        </message>
        <message>
            <source>BU</source>
            <translation>Busy line</translation>
        </message>
        <message>
            <source>CR</source>
            <translation>Call rejected</translation>
        </message>
        <message>
            <source>CE</source>
            <translation>Conversion error</translation>
        </message>
        <message>
            <source>NA</source>
            <translation>No answer</translation>
        </message>
        <message>
            <source>IN</source>
            <translation>Invalid number</translation>
        </message>
        <message>
            <source>SB</source>
            <translation>System busy</translation>
        </message>
        <message>
            <source>BA</source>
            <translation>Bad line</translation>
        </message>
        <message>
            <source>LP</source>
            <translation>Line problem</translation>
        </message>
        <message>
            <source>CS</source>
            <translation>File cannot be sent</translation>
        </message>
        <message>
            <source>RF</source>
            <translation>Remote fax aborted</translation>
        </message>
        <message>
            <source>BL</source>
            <translation>Bad number list</translation>
        </message>
        <message>
            <source>NT</source>
            <translation>No attachment</translation>
        </message>
        <message>
            <source>MF</source>
            <translation>More than 500 numbers</translation>
        </message>
        <message>
            <source>NC</source>
            <translation>Not enough credits</translation>
        </message>
        <message>
            <source>SE</source>
            <translation>Conversion error</translation>
        </message>
        <message>
            <source>UF</source>
            <translation>Unsupported file type</translation>
        </message>
        <message>
            <source>AF</source>
            <translation>Authentication failed</translation>
        </message>
        <message>
            <source>NR</source>
            <translation>No recipients</translation>
        </message>
        <message>
            <source>MA</source>
            <translation>Mail accepted</translation>
        </message>
        <message>
            <source>GF</source>
            <translation>General failure</translation>
        </message>
        <message>
            <source>Read</source>
            <translation>Read</translation>
        </message>
        <message>
            <source>Unread</source>
            <translation>Unread</translation>
        </message>
        <message>
            <source>Restriction</source>
            <translation>Restriction</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Information</source>
            <translation>Information</translation>
        </message>
        <message numerus="yes">
            <source>Do you want to delete %n item(s) ?</source>
            <comment>Comment</comment>
            <translation>
                <numerusform>Do you want to delete %n item?</numerusform>
                <numerusform>Do you want to delete %n items?</numerusform>
            </translation>
        </message>
        <message>
            <source>Do you want to remove the folder %1 ?</source>
            <translation>Do you want to remove the folder %1?</translation>
        </message>
        <message>
            <source>Select file location ...</source>
            <translation>Select file location ...</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>CSV files (*.csv)</translation>
        </message>
    </context>
</TS>
