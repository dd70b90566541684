// The main window's centre, the actions shown for the current entity, the Outlook actions and the about box.
#include "MainWindow.h"

#include "AboutDlg.h"
#include "EntitiesView.h"
#include "FilterBox.h"
#include "SettingsStore.h"
#include "TrayPresence.h"

#include <QSplitter>
#include <QStackedLayout>

namespace {

const int contactsIndex = 2;
const int inboxIndex = 0;

} // namespace

void MainWindow::setupCentralWidget()
{
    m_folderMenu.fillMenu(*this);
    m_contactMenu.fillMenu(*this);
    m_folderTreeMenu.fillMenu(*this);

    auto *splitter = new QSplitter(Qt::Horizontal);
    auto *stackWidget = new QWidget(splitter);
    auto *stack = new QStackedLayout(stackWidget);
    m_entities = new EntitiesView(splitter, stack, &m_contactMenu, &m_folderMenu, &m_folderTreeMenu);
    splitter->addWidget(m_entities);
    splitter->addWidget(stackWidget);
    setCentralWidget(splitter);
}

void MainWindow::eventViewActivated(int index)
{
    const bool contacts = index == contactsIndex;
    for (QAction *action : {actionAddContactGroup, actionAddContact, actionEditContacts, actionImport, actionExport})
        action->setVisible(contacts);
    actionAddToContacts->setVisible(contacts && SettingsStore::instance().outlook());
    for (QAction *action : {actionForward, actionItemPreview, actionItemDetails, actionItemMarkAsRead,
                            actionItemMarkAsUnread, actionItemsMarkAllAsRead, actionItemsMarkAllAsUnread,
                            actionMovetoFolder})
        action->setVisible(!contacts);
    m_filter->showPlaceholder();
    m_entities->applyFilter(QString());
    if (index == inboxIndex)
        m_tray->clearNewItems();
}

void MainWindow::eventSetupOutlookContacts()
{
    const bool outlook = SettingsStore::instance().outlook();
    actionOutlookContacts->setEnabled(outlook);
    actionOutlookContacts->setVisible(outlook);
    actionAddToContacts->setEnabled(outlook);
    actionAddToContacts->setVisible(outlook && m_entities->isContactsCurrent());
    if (!outlook) {
        m_entities->removeOutlookContacts();
        return;
    }
    // Every log-in sets the actions up again; a second connection would run each trigger twice.
    if (!m_outlookActionsConnected) {
        connect(actionOutlookContacts, &QAction::triggered, this, &MainWindow::eventOutlookContacts);
        connect(actionAddToContacts, &QAction::triggered, this, &MainWindow::eventAddToContacts);
        m_outlookActionsConnected = true;
    }
    eventOutlookContacts();
}

void MainWindow::eventAbout()
{
    runModal([this] {
        AboutDlg about(this);
        about.exec();
    });
}
