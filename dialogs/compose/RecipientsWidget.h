#pragma once

#include "ContactSink.h"
#include "ui_RecipientsWidget.h"

#include <QSet>
#include <QStringList>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;
class RecipientForm;

// The recipients of one fax or SMS message: picked from a snapshot of the main window's contacts, typed by
// hand (optionally saved as a new contact through the contact sink) or imported from a text file; at most
// maxRecipients numbers, each once.
class RecipientsWidget : public QWidget, public Ui::RecipientsWidget
{
    Q_OBJECT

public:
    static constexpr int maxRecipients = 2000;

    // contactsTree is the main window's contacts list (record pointers in column 0 under Qt::UserRole); it is
    // read here only, and with preselect its selected contacts (and the members of its selected groups, which
    // become selected there) start the recipient list. faxNumbers picks fax numbers, else SMS numbers.
    RecipientsWidget(QWidget *parent, QTreeWidget *contactsTree, bool preselect, bool faxNumbers,
                     ContactSink contactSink = {});
    ~RecipientsWidget() override;

    bool hasRecipients() const;
    // The numbers in the list's display order.
    QStringList recipientNumbers() const;

    // Adds every recipient of the file, or none when they would take the list past maxRecipients. A path
    // that names no readable file changes nothing, silently.
    void importRecipientsFile(const QString &path);

signals:
    void signalChanged();

private slots:
    void focusChanged(QWidget *old, QWidget *now);
    void eventImportDirect();
    void eventHelp2();
    void eventAdd();
    void eventDel();
    void eventContactsSelection();
    void eventRecipientsSelection();
    void eventDirectChanged(const QString &text);
    void eventRecipientUrl(const QString &path);

private:
    void setupHeaders();
    void preselectContacts(QTreeWidget *contactsTree);
    void fillContacts(QTreeWidget *contactsTree);
    QString numberOf(const BaseObject *record) const;
    QTreeWidgetItem *addContactRow(QTreeWidgetItem *parent, const QString &name, const QString &number);
    void addTypedNumber(const QString &text);
    void addSelectedContacts();
    int recipientCount() const;
    bool isFull() const;
    void showLimitError();
    QSet<QString> numbersInList() const;
    bool containsNumber(const QString &number) const;
    void addRecipientRow(const QString &number, const QString &name);
    void resetNamePlaceholder();
    void resetNumberPlaceholder();

    RecipientForm *recipientForm;
    bool faxNumbers;
    QString placeholderStyle;
    QString inputStyle;
    ContactSink contactSink;
};
