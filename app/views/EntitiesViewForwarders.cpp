// EntitiesView: operations passed on to the Outbox list, the contacts list or the current list.
#include "EntitiesView.h"

#include "EMAILSentInfoRegister.h"
#include "FAXSentInfoRegister.h"
#include "FolderView.h"
#include "ObjectsRequest.h"
#include "OutlookContactInfo.h"
#include "SMSSentInfoRegister.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

void EntitiesView::addPendingFax(FAXSentInfoRegister *record)
{
    m_outbox.view->addFaxSentItem(record);
    refreshLabels();
}

void EntitiesView::addPendingSms(SMSSentInfoRegister *record)
{
    m_outbox.view->addSmsSentItem(record);
    refreshLabels();
}

void EntitiesView::addPendingEmail(EMAILSentInfoRegister *record)
{
    m_outbox.view->addEmailItem(record);
    refreshLabels();
}

void EntitiesView::updatePendingSent(int taskId, int serviceId, int sentStatus)
{
    m_outbox.view->confirmPendingItem(taskId, serviceId, sentStatus);
}

void EntitiesView::updatePendingStatus(int id, int sentStatus)
{
    m_outbox.view->setPendingStatus(id, sentStatus);
}

void EntitiesView::addGroupRow(const qtContactGroupInfo &group)
{
    m_contacts.view->addGroupItem(group.clone());
}

void EntitiesView::addContactRow(const qtContactInfo &contact)
{
    m_contacts.view->addContactItem(contact.clone());
}

void EntitiesView::addOutlookContactRow(OutlookContactInfo *contact)
{
    m_contacts.view->addOutlookContactItem(contact);
}

void EntitiesView::removeGroup(int id)
{
    m_contacts.view->removeGroupItem(id);
}

void EntitiesView::removeContact(int id)
{
    m_contacts.view->removeContactItem(id);
}

void EntitiesView::removeOutlookContacts()
{
    m_contacts.view->removeOutlookContacts();
}

void EntitiesView::replaceGroupId(int oldId, int newId)
{
    m_contacts.view->replaceGroupId(oldId, newId);
}

void EntitiesView::replaceContactId(int oldId, int newId)
{
    m_contacts.view->replaceContactId(oldId, newId);
}

std::unique_ptr<BaseObject> EntitiesView::selectedGroupOrContact() const
{
    return m_contacts.view->selectedContactCopy();
}

void EntitiesView::selectedOutlookContacts(QList<QStringList> *contacts) const
{
    m_contacts.view->selectedOutlookContacts(contacts);
}

void EntitiesView::groupChoices(QMap<int, QString> *groups, int *groupId) const
{
    m_contacts.view->groupChoices(groups, groupId);
}

void EntitiesView::markRows(const ObjectsRequest &request, bool read)
{
    currentView()->setReadStatus(request, read);
}

std::unique_ptr<BaseObject> EntitiesView::currentRecord() const
{
    return currentView()->selectedRecordCopy();
}

void EntitiesView::collectForward(ForwardRequest *request) const
{
    currentView()->collectForward(request);
}

void EntitiesView::applyFilter(const QString &text)
{
    currentView()->applyFilter(text);
}

void EntitiesView::clearFilter()
{
    currentView()->clearFilter();
}

void EntitiesView::selectAll()
{
    currentView()->selectAll();
}
