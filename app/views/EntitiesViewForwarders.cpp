// EntitiesView: operations passed on to the Outbox list, the contacts list or the current list.
#include "EntitiesView.h"

#include "EMAILSentInfoRegister.h"
#include "FAXSentInfoRegister.h"
#include "FolderView.h"
#include "ObjectsRequest.h"
#include "OutlookContactInfo.h"
#include "OwnedRecord.h"
#include "SMSSentInfoRegister.h"
#include "qtContactGroupInfo.h"
#include "qtContactInfo.h"

void EntitiesView::addPendingFax(std::unique_ptr<FAXSentInfoRegister> record)
{
    m_outbox.view->addFaxSentItem(std::move(record));
    refreshLabels();
}

void EntitiesView::addPendingSms(std::unique_ptr<SMSSentInfoRegister> record)
{
    m_outbox.view->addSmsSentItem(std::move(record));
    refreshLabels();
}

void EntitiesView::addPendingEmail(std::unique_ptr<EMAILSentInfoRegister> record)
{
    m_outbox.view->addEmailItem(std::move(record));
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
    m_contacts.view->addGroupItem(owned(group.clone()));
}

void EntitiesView::addContactRow(const qtContactInfo &contact)
{
    m_contacts.view->addContactItem(owned(contact.clone()));
}

void EntitiesView::addOutlookContactRow(std::unique_ptr<OutlookContactInfo> contact)
{
    m_contacts.view->addOutlookContactItem(std::move(contact));
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
