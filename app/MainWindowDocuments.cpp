// Documents: an item's fax document or recording, downloaded once into the customer directory and opened
// with the desktop's default application.
#include "MainWindow.h"

#include "BaseFAXSentInfo.h"
#include "BusyCursor.h"
#include "ConnectionProblem.h"
#include "DesktopOpen.h"
#include "EntitiesView.h"
#include "MessageBoxes.h"
#include "ObjectType.h"
#include "QelvoxAPI.h"
#include "RecordKinds.h"
#include "SettingsStore.h"

#include <QFileInfo>
#include <memory>

namespace {

QString faxExtension()
{
    return SettingsStore::instance().faxFormat() != 0 ? QStringLiteral("tiff") : QStringLiteral("pdf");
}

QString documentPrefix(int type)
{
    switch (type) {
    case ObjectType::FaxReceived:
        return QStringLiteral("Fax_rx");
    case ObjectType::VoiceReceived:
        return QStringLiteral("rx");
    default:
        return QStringLiteral("Fax_tx");
    }
}

} // namespace

void MainWindow::connectDocumentActions()
{
    connect(actionItemPreview, &QAction::triggered, this, &MainWindow::eventItemPreview);
}

void MainWindow::eventItemPreview()
{
    const std::unique_ptr<BaseObject> record(m_entities->currentRecord());
    if (!record)
        return;
    if (record->type == ObjectType::SmsSent)
        showDetails(static_cast<const BaseRecipients &>(*record));
    else if (RecordKinds::isServiceItem(record->type))
        openAttachment(*record);
}

QString MainWindow::attachmentExtension(const BaseObject &record) const
{
    switch (record.type) {
    case ObjectType::FaxReceived:
        return faxExtension();
    case ObjectType::VoiceReceived:
        return QStringLiteral("wav");
    case ObjectType::FaxSent: {
        const int faxType = static_cast<const BaseFAXSentInfo &>(record).faxtype;
        return faxType == 13 || faxType == 16 ? QStringLiteral("zip") : faxExtension();
    }
    default:
        return QString();
    }
}

void MainWindow::openAttachment(const BaseObject &record)
{
    const QString extension = attachmentExtension(record);
    if (extension.isEmpty())
        return;
    const QString path = SettingsStore::instance().customerDirectory() + u'/' + documentPrefix(record.type) + u'_' +
                         QString::number(record.id) + u'.' + extension;
    if (!QFileInfo::exists(path)) {
        int status = 0;
        {
            BusyCursor busy(this);
            // The facade writes the file only once the whole document has arrived.
            status = QelvoxAPI::downloadFile(&record, extension, path);
        }
        if (isServiceUnreached(status)) {
            // Not the service's word on the document: it was never asked.
            showError(ConnectionProblem::explain(tr("The document could not be downloaded because the service "
                                                    "could not be reached."),
                                                 status),
                      this);
            return;
        }
        if (status != 0 || !QFileInfo::exists(path)) {
            // Shown as the service's own words, in every language.
            showError(QStringLiteral("resource is not available"), this);
            return;
        }
        if (static_cast<const BaseForView &>(record).status == 0)
            markItemRead(record);
    }
    openDocument(path, this);
}
