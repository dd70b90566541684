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
    <message>
        <source>Qelvoxdesk Website</source>
        <translation>Qelvoxdesk Website</translation>
    </message>
    <message>
        <source>© Qelvox. Online fax, SMS and voice mail.</source>
        <translation>© Qelvox. Online fax, SMS and voice mail.</translation>
    </message>
</context>
<context>
    <name>AccountDlg</name>
    <message>
        <source>Qelvox Account Settings</source>
        <translation>Qelvox Account Settings</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation>Login Information</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Personal Information</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>First Name:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Last Name:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>City:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Zip/Postal Code:</source>
        <translation>Zip/Postal Code:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Country:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Phone:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Professional/VAT number:</source>
        <translation>Professional/VAT number:</translation>
    </message>
    <message>
        <source>Qelvox Settings</source>
        <translation>Qelvox Settings</translation>
    </message>
    <message>
        <source>Fax number:</source>
        <translation>Fax number:</translation>
    </message>
    <message>
        <source>Fax header:</source>
        <translation>Fax header:</translation>
    </message>
    <message>
        <source>Email notifications</source>
        <translation>Email notifications</translation>
    </message>
    <message>
        <source>Attach the fax to the email</source>
        <translation>Attach the fax to the email</translation>
    </message>
    <message>
        <source>Fax format:</source>
        <translation>Fax format:</translation>
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
        <translation>SMS notifications</translation>
    </message>
    <message>
        <source>SMS alert number:</source>
        <translation>SMS alert number:</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#validate&quot;&gt;Click here to validate your number&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#validate&quot;&gt;Click here to validate your number&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Extended Title</source>
        <translation>Extended title</translation>
    </message>
    <message>
        <source>QelUnits</source>
        <translation>QelUnits</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>End Date</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Change login information</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Current password:</translation>
    </message>
    <message>
        <source>New email:</source>
        <translation>New email:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Confirm:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>No connection to the Internet is currently available. Please check your network settings.</translation>
    </message>
    <message>
        <source>The email address has been changed successfully.</source>
        <translation>The email address has been changed successfully.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>The password has been changed successfuly.</translation>
    </message>
    <message>
        <source>The email address has been changed, but it could not be saved on this computer: sign in with the new address next time.</source>
        <translation>The email address has been changed, but it could not be saved on this computer: sign in with the new address next time.</translation>
    </message>
    <message>
        <source>The password has been changed, but it could not be saved on this computer: sign in with the new password next time.</source>
        <translation>The password has been changed, but it could not be saved on this computer: sign in with the new password next time.</translation>
    </message>
</context>
<context>
    <name>AddContactDlg</name>
    <message>
        <source>New contact</source>
        <translation>New contact</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Fax Number</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>SMS Number</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Group:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Edit contact</source>
        <translation>Edit contact</translation>
    </message>
</context>
<context>
    <name>AddContactGroupDlg</name>
    <message>
        <source>Add new contact group</source>
        <translation>Add new contact group</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Group name:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Fax Number</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>SMS Number</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Add new contact:</source>
        <translation>Add new contact:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Edit contact group</source>
        <translation>Edit contact group</translation>
    </message>
</context>
<context>
    <name>AttachmentWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Attach file</source>
        <translation>Attach file</translation>
    </message>
    <message>
        <source>No files</source>
        <translation>No files</translation>
    </message>
    <message>
        <source>You can attach at most %1 files</source>
        <translation>You can attach at most %1 files</translation>
    </message>
    <message>
        <source>Can not send an empty file %1.</source>
        <translation>Can not send an empty file %1.</translation>
    </message>
    <message>
        <source>The total size of attachments should not exceed 8MB.</source>
        <translation>The total size of attachments should not exceed 8MB.</translation>
    </message>
    <message>
        <source>can not open file %1 </source>
        <translation>can not open file %1 </translation>
    </message>
    <message>
        <source>Select a file...</source>
        <translation>Select a file...</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Qelvox account registration</translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Change Credentials</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Confirm:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>No connection to the Internet is currently available. Please check your network settings.</translation>
    </message>
    <message>
        <source>The password have been changed successfuly.</source>
        <translation>The password have been changed successfuly.</translation>
    </message>
</context>
<context>
    <name>ConnectionProblem</name>
    <message>
        <source>The proxy %1 refused the user name or password. Check them in Preferences, Connection.</source>
        <translation>The proxy %1 refused the user name or password. Check them in Preferences, Connection.</translation>
    </message>
    <message>
        <source>The proxy %1 refused the connection.</source>
        <translation>The proxy %1 refused the connection.</translation>
    </message>
    <message>
        <source>The proxy %1 could not be reached.</source>
        <translation>The proxy %1 could not be reached.</translation>
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
        <translation>Recipients:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>EntitiesView</name>
    <message>
        <source>Folders</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Inbox</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Outbox</translation>
    </message>
</context>
<context>
    <name>FAXWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Transmission report by e-mail</source>
        <translation>Transmission report by e-mail</translation>
    </message>
    <message>
        <source>Grey and colors dithering</source>
        <translation>Grey and colors dithering</translation>
    </message>
    <message>
        <source>Attach file in report</source>
        <translation>Attach file in report</translation>
    </message>
    <message>
        <source>Insert cover page</source>
        <translation>Insert cover page</translation>
    </message>
    <message>
        <source>Click here to change you Cover Page settings</source>
        <translation>Click here to change your Cover Page settings</translation>
    </message>
    <message>
        <source>Black &amp;&amp; white thresholding</source>
        <translation>Black &amp;&amp; white thresholding</translation>
    </message>
</context>
<context>
    <name>FilterBox</name>
    <message>
        <source>Search ...</source>
        <translation>Search ...</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>To/From</source>
        <translation>To/From</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Fax Number</translation>
    </message>
    <message>
        <source>SMS Number</source>
        <translation>SMS Number</translation>
    </message>
</context>
<context>
    <name>ForwardDlg</name>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
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
        <translation>Send</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>LocalInstanceChannel</name>
    <message>
        <source>Another start of the program did not finish in time.</source>
        <translation>Another start of the program did not finish in time.</translation>
    </message>
    <message>
        <source>The socket %1 cannot be opened: %2</source>
        <translation>The socket %1 cannot be opened: %2</translation>
    </message>
</context>
<context>
    <name>LoginDlg</name>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Account Name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Sign me in at start</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Start when I log in</translation>
    </message>
    <message>
        <source>Don&apos;t have an account ?</source>
        <translation>Don&apos;t have an account ?</translation>
    </message>
    <message>
        <source>Register new account</source>
        <translation>Register new account</translation>
    </message>
    <message>
        <source>Forgot password ?</source>
        <translation>Forgot password ?</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>No connection to the Internet is currently available. Please check your network settings.</translation>
    </message>
    <message>
        <source>Authentication fails ...</source>
        <translation>Authentication fails ...</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>An error occured while processing a request to server.
Please check your internet connection.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Qelbar</source>
        <translation>Qelbar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Send &amp;Fax</source>
        <translation>Send &amp;Fax</translation>
    </message>
    <message>
        <source>New Fax</source>
        <translation>New Fax</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Send S&amp;MS</source>
        <translation>Send S&amp;MS</translation>
    </message>
    <message>
        <source>New SMS</source>
        <translation>New SMS</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Check for updates</source>
        <translation>&amp;Check for updates</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>A&amp;bout</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>P&amp;references</source>
        <translation>P&amp;references</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Send &amp;SMS</source>
        <translation>Send &amp;SMS</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Qelvox account</source>
        <translation>Qelvox account</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Add contact group</source>
        <translation>Add contact group</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Add contact</source>
        <translation>Add contact</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
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
        <translation>DeleteAll</translation>
    </message>
    <message>
        <source>Mark as read</source>
        <translation>Mark as read</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Mark as unread</source>
        <translation>Mark as unread</translation>
    </message>
    <message>
        <source>Mark all as read</source>
        <translation>Mark all as read</translation>
    </message>
    <message>
        <source>Mark all as unread</source>
        <translation>Mark all as unread</translation>
    </message>
    <message>
        <source>Outlook Contacts</source>
        <translation>Outlook Contacts</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>SelectAll</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Delete folder</translation>
    </message>
    <message>
        <source>Rename folder</source>
        <translation>Rename folder</translation>
    </message>
    <message>
        <source>Create folder</source>
        <translation>Create folder</translation>
    </message>
    <message>
        <source>Move to folder</source>
        <translation>Move to folder</translation>
    </message>
    <message>
        <source>Add to contacts</source>
        <translation>Add to contacts</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1
It stays queued and is carried out while the program runs, but it is lost if the program ends before then.</source>
        <translation>This change could not be saved on this computer: %1
It stays queued and is carried out while the program runs, but it is lost if the program ends before then.</translation>
    </message>
    <message>
        <source>The account&apos;s local data cannot be opened: %1</source>
        <translation>The account&apos;s local data cannot be opened: %1</translation>
    </message>
    <message>
        <source>You have a new fax</source>
        <translation>You have a new fax</translation>
    </message>
    <message numerus="yes">
        <source>You have %n new faxes</source>
        <translation>
            <numerusform>You have %n new fax</numerusform>
            <numerusform>You have %n new faxes</numerusform>
        </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No internet connection.</source>
        <translation>No connection to the Internet is currently available. Please check your network settings.</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Select a file ...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Select a file name ...</source>
        <translation>Select a file name ...</translation>
    </message>
    <message>
        <source>The contacts could not be saved in %1.</source>
        <translation>The contacts could not be saved in %1.</translation>
    </message>
    <message>
        <source>Qelvoxdesk is up to date</source>
        <translation>Qelvoxdesk is up to date</translation>
    </message>
    <message>
        <source>A newer version is available</source>
        <translation>A newer version is available</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The installer of the new version was saved as:
%1
It could not be started from here; run it yourself to install the new version.</source>
        <translation>The installer of the new version was saved as:
%1
It could not be started from here; run it yourself to install the new version.</translation>
    </message>
    <message>
        <source>Impossible to delete selected item(s).</source>
        <translation>Impossible to delete selected item(s).</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>The disk that holds %1 is full.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 cannot be written.</translation>
    </message>
    <message>
        <source>The account is shown as last stored. What you change waits until the data can be written again, and is sent then.</source>
        <translation>The account is shown as last stored. What you change waits until the data can be written again, and is sent then.</translation>
    </message>
    <message>
        <source>This change could not be saved on this computer: %1</source>
        <translation>This change could not be saved on this computer: %1</translation>
    </message>
    <message>
        <source>It waits until the data can be written again, and is lost if the program ends before then.</source>
        <translation>It waits until the data can be written again, and is lost if the program ends before then.</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) could not be saved on this computer and are lost if the program ends now. Quit anyway?</source>
        <translation>
            <numerusform>%n change could not be saved on this computer and is lost if the program ends now. Quit anyway?</numerusform>
            <numerusform>%n changes could not be saved on this computer and are lost if the program ends now. Quit anyway?</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes that were waiting to be sent could not be read from it.</source>
        <translation>The changes that were waiting to be sent could not be read from it.</translation>
    </message>
    <message>
        <source>The changes waiting to be sent were kept, as far as they could be read.</source>
        <translation>The changes waiting to be sent were kept, as far as they could be read.</translation>
    </message>
    <message>
        <source>The local copy of the account was damaged. It has been kept as %1 and is being rebuilt from the service.</source>
        <translation>The local copy of the account was damaged. It has been kept as %1 and is being rebuilt from the service.</translation>
    </message>
    <message>
        <source>The document could not be downloaded because the service could not be reached.</source>
        <translation>The document could not be downloaded because the service could not be reached.</translation>
    </message>
    <message>
        <source>Qelvoxdesk could not check for a newer version.</source>
        <translation>Qelvoxdesk could not check for a newer version.</translation>
    </message>
    <message>
        <source>The new version could not be downloaded.</source>
        <translation>The new version could not be downloaded.</translation>
    </message>
    <message>
        <source>These items could not be fetched from the service: %1. They will be asked for again at each synchronisation.</source>
        <translation>These items could not be fetched from the service: %1. They will be asked for again at each synchronisation.</translation>
    </message>
    <message>
        <source>sent fax %1</source>
        <translation>sent fax %1</translation>
    </message>
    <message>
        <source>received fax %1</source>
        <translation>received fax %1</translation>
    </message>
    <message>
        <source>voice message %1</source>
        <translation>voice message %1</translation>
    </message>
    <message>
        <source>sent SMS %1</source>
        <translation>sent SMS %1</translation>
    </message>
    <message>
        <source>contact group %1</source>
        <translation>contact group %1</translation>
    </message>
    <message>
        <source>contact %1</source>
        <translation>contact %1</translation>
    </message>
    <message>
        <source>folder %1</source>
        <translation>folder %1</translation>
    </message>
</context>
<context>
    <name>MovetoFolderDlg</name>
    <message>
        <source>Select folder</source>
        <translation>Select folder</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
    <name>QelApplication</name>
    <message>
        <source>Qelvoxdesk cannot start: %1</source>
        <translation>Qelvoxdesk cannot start: %1</translation>
    </message>
</context>
<context>
    <name>QelRegister</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Qelvox account registration</translation>
    </message>
    <message>
        <source>Customer details</source>
        <translation>Customer details</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>First Name:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Last Name:</translation>
    </message>
    <message>
        <source>Email (login):</source>
        <translation>Email (login):</translation>
    </message>
    <message>
        <source>Confirm email:</source>
        <translation>Confirm email:</translation>
    </message>
    <message>
        <source>Country of residence:</source>
        <translation>Country of residence:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Your fax country location:</source>
        <translation>Your fax country location:</translation>
    </message>
    <message>
        <source>Your fax region location:</source>
        <translation>Your fax region location:</translation>
    </message>
    <message>
        <source>Account type</source>
        <translation>Account type</translation>
    </message>
    <message>
        <source>Free Trial</source>
        <translation>Free Trial</translation>
    </message>
    <message>
        <source>Prepaied qelcode</source>
        <translation>Prepaied qelcode</translation>
    </message>
    <message>
        <source>Sign up for a Qelvox account</source>
        <translation>Sign up for a Qelvox account</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>An error occured while processing a request to server.
Please check your internet connection.</source>
        <translation>An error occured while processing a request to server.
Please check your internet connection.</translation>
    </message>
    <message>
        <source>Wrong email format.</source>
        <translation>Wrong email format.</translation>
    </message>
    <message>
        <source>Chosen package is not available.</source>
        <translation>Chosen package is not available.</translation>
    </message>
    <message>
        <source>Invalid fax number. There are no free numbers for this area.</source>
        <translation>Invalid fax number. There are no free numbers for this area.</translation>
    </message>
    <message>
        <source>This qelcode is invalid. Or it was already used.
Please visit our site and contact the support team.</source>
        <translation>This qelcode is invalid. Or it was already used.
Please visit our site and contact the support team.</translation>
    </message>
    <message>
        <source>The specified email is already registered in our system.</source>
        <translation>The specified email is already registered in our system.</translation>
    </message>
    <message>
        <source>Cannot finish the registration procedure. Please visit the site and contact the support team.</source>
        <translation>Cannot finish the registration procedure. Please visit the site and contact the support team.</translation>
    </message>
    <message>
        <source>First Name is a required field.</source>
        <translation>First Name is a required field.</translation>
    </message>
    <message>
        <source>Last Name is a required field.</source>
        <translation>Last Name is a required field.</translation>
    </message>
    <message>
        <source>Email is a required field.</source>
        <translation>Email is a required field.</translation>
    </message>
    <message>
        <source>Emails do not match.</source>
        <translation>Emails do not match.</translation>
    </message>
    <message>
        <source>Please select the fax area of the fax country.</source>
        <translation>Please select the fax area of the fax country.</translation>
    </message>
</context>
<context>
    <name>RecipientForm</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
</context>
<context>
    <name>RecipientsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Contacts:</source>
        <translation>Contacts:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Or enter a number:</source>
        <translation>Or enter a number:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Add to contacts book</source>
        <translation>Add to contacts book</translation>
    </message>
    <message>
        <source>Recipients:</source>
        <translation>Recipients:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;Accepted file: plain text with 1 or 2 columns&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;If 1 column: 1 number per line&lt;/p&gt;&lt;p&gt;If 2 columns: 1st column is name, 2nd column is number, separated by &amp;quot;;&amp;quot; or TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;The number needs to be in international format&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;&lt;p&gt;&lt;b&gt;Accepted file: plain text with 1 or 2 columns&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;If 1 column: 1 number per line&lt;/p&gt;&lt;p&gt;If 2 columns: 1st column is name, 2nd column is number, separated by &amp;quot;;&amp;quot; or TAB&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;The number needs to be in international format&lt;/b&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Add from file</source>
        <translation>Add from file</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Select a file ...</source>
        <translation>Select a file ...</translation>
    </message>
    <message>
        <source>You need to select less than 2000 recipients</source>
        <translation>You need to select less than 2000 recipients</translation>
    </message>
    <message>
        <source>The file %1 is too large for a list of recipients: it may hold at most 1 MB.</source>
        <translation>The file %1 is too large for a list of recipients: it may hold at most 1 MB.</translation>
    </message>
</context>
<context>
    <name>RenameFolderDlg</name>
    <message>
        <source>Create/Rename folder</source>
        <translation>Create/Rename folder</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SMSWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
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
        <translation>Send Fax</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Send Sms</source>
        <translation>Send SMS</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>General Settings</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Local fax settings</source>
        <translation>Local fax settings</translation>
    </message>
    <message>
        <source>Preview format:</source>
        <translation>Preview format:</translation>
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
        <translation>Check each:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Play sounds</translation>
    </message>
    <message>
        <source>Show Outlook contacts</source>
        <translation>Show Outlook contacts</translation>
    </message>
    <message>
        <source>Sign me in at start</source>
        <translation>Sign me in at start</translation>
    </message>
    <message>
        <source>Launch with Windows</source>
        <translation>Start when I log in</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>Network Settings</translation>
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
        <translation>User name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1.</source>
        <translation>The settings could not be saved in %1.</translation>
    </message>
    <message>
        <source>no proxy</source>
        <translation>no proxy</translation>
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
    <message>
        <source>No application could open %1.</source>
        <translation>No application could open %1.</translation>
    </message>
    <message>
        <source>No application could open the file %1. Do you want to open the folder that holds it?</source>
        <translation>No application could open the file %1. Do you want to open the folder that holds it?</translation>
    </message>
</context>
<context>
    <name>WelcomeQelvox</name>
    <message>
        <source>Qelvox account registration</source>
        <translation>Qelvox account registration</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>Your account was succesfully created</source>
        <translation>Your account was succesfully created</translation>
    </message>
    <message>
        <source>Your credentials are:</source>
        <translation>Your credentials are:</translation>
    </message>
    <message>
        <source>Account Name:</source>
        <translation>Account Name:</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Password: </translation>
    </message>
    <message>
        <source>Change Credentials</source>
        <translation>Change Credentials</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
