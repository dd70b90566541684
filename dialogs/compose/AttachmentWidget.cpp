#include "AttachmentWidget.h"

#include "MessageBoxes.h"
#include "Prompts.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>

namespace {

// The whole file, or false when it cannot be opened or does not hold the expected number of bytes (it
// changed or failed while read): a fax must never go out with a truncated document.
bool readWholeFile(const QString &path, qint64 expectedSize, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.read(expectedSize + 1);
    return bytes.size() == expectedSize;
}

// Long names would widen the send dialog past the screen, and a "&" would turn into a shortcut that removes
// the document without a word: the button shows the name shortened to a fixed width, escaped, and the
// tool tip the whole path (escaped, since a tool tip that looks like markup is rendered as markup).
void showFileOn(QToolButton &button, const QString &path)
{
    constexpr int nameWidth = 160;
    const QFileInfo info(path);
    QString shown = button.fontMetrics().elidedText(info.fileName(), Qt::ElideMiddle, nameWidth);
    button.setText(shown.replace(QLatin1Char('&'), QStringLiteral("&&")));
    const QString fullPath = QDir::toNativeSeparators(info.absoluteFilePath());
    button.setToolTip(QStringLiteral("<p style='white-space:pre'>%1</p>").arg(fullPath.toHtmlEscaped()));
}

} // namespace

AttachmentWidget::AttachmentWidget(QWidget *parent, bool fax) : QWidget(parent), fax(fax)
{
    setupUi(this);
    QToolButton *buttons[slotCount] = {attachment0, attachment1, attachment2};
    for (int i = 0; i < slotCount; ++i) {
        attachmentSlots[i].button = buttons[i];
        buttons[i]->hide();
    }
    if (fax) {
        type->setPixmap(QPixmap(QStringLiteral(":/images/sendfax.png")));
        connect(btnAttach, &QToolButton::clicked, this, &AttachmentWidget::eventAttach);
        connect(attachment0, &QToolButton::clicked, this, &AttachmentWidget::eventClean0);
        connect(attachment1, &QToolButton::clicked, this, &AttachmentWidget::eventClean1);
        connect(attachment2, &QToolButton::clicked, this, &AttachmentWidget::eventClean2);
    } else {
        type->setPixmap(QPixmap(QStringLiteral(":/images/sendsms.png")));
        btnAttach->hide();
        nofiles->hide();
    }
}

void AttachmentWidget::addFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    const QString tooMany = tr("You can attach at most %1 files").arg(slotCount);
    qint64 total = totalSize();
    for (const QString &path : paths) {
        AttachmentSlot *slot = freeSlot();
        if (!slot) {
            showRestriction(tooMany, this);
            return;
        }
        if (!attachFile(*slot, path, total))
            continue;
        total += slot->size;
        nofiles->hide();
        showFileOn(*slot->button, path);
        slot->button->show();
        emit signalChanged();
    }
}

bool AttachmentWidget::attachFile(AttachmentSlot &slot, const QString &path, qint64 totalSoFar)
{
    const QFileInfo info(path);
    const qint64 size = info.size();
    if (size <= 0) {
        showRestriction(tr("Can not send an empty file %1.").arg(path), this);
        return false;
    }
    if (totalSoFar + size > maxTotalSize) {
        showRestriction(tr("The total size of attachments should not exceed 8MB."), this);
        return false;
    }
    QByteArray bytes;
    if (!readWholeFile(info.absoluteFilePath(), size, bytes)) {
        showRestriction(tr("can not open file %1 ").arg(path), this);
        return false;
    }
    slot.file = std::make_unique<AttachmentInfo>();
    slot.file->filename = info.fileName();
    slot.file->data = bytes.toBase64();
    slot.size = size;
    return true;
}

void AttachmentWidget::attachments(QList<AttachmentInfo *> &list)
{
    for (AttachmentSlot &slot : attachmentSlots) {
        if (slot.file)
            list.append(slot.file.release());
        eventClean(slot);
    }
}

bool AttachmentWidget::hasAttachments() const
{
    for (const AttachmentSlot &slot : attachmentSlots) {
        if (slot.file)
            return true;
    }
    return false;
}

AttachmentSlot *AttachmentWidget::freeSlot()
{
    for (AttachmentSlot &slot : attachmentSlots) {
        if (!slot.file)
            return &slot;
    }
    return nullptr;
}

qint64 AttachmentWidget::totalSize() const
{
    qint64 total = 0;
    for (const AttachmentSlot &slot : attachmentSlots)
        total += slot.size;
    return total;
}

void AttachmentWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (fax && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void AttachmentWidget::dropEvent(QDropEvent *event)
{
    if (!fax)
        return;
    if (event->mimeData()->hasUrls()) {
        QStringList paths;
        const QList<QUrl> urls = event->mimeData()->urls();
        for (const QUrl &url : urls)
            paths += QDir::toNativeSeparators(url.toLocalFile());
        addFiles(paths);
    }
    event->acceptProposedAction();
}

void AttachmentWidget::eventAttach()
{
    FileDialogRequest request;
    request.parent = this;
    request.caption = tr("Select a file...");
    request.directory = QDir::homePath();
    addFiles(Prompts::askOpenFileNames(request));
}

void AttachmentWidget::eventClean0()
{
    eventClean(attachmentSlots[0]);
}

void AttachmentWidget::eventClean1()
{
    eventClean(attachmentSlots[1]);
}

void AttachmentWidget::eventClean2()
{
    eventClean(attachmentSlots[2]);
}

void AttachmentWidget::eventClean(AttachmentSlot &slot)
{
    slot.size = 0;
    slot.file.reset();
    slot.button->hide();
    if (!hasAttachments())
        nofiles->setVisible(fax);
    emit signalChanged();
}
