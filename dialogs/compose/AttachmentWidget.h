#pragma once

#include "AttachmentInfo.h"
#include "ui_AttachmentWidget.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>

// One document position of a fax: its remove button, the file's size and the file read into memory.
struct AttachmentSlot
{
    QToolButton *button = nullptr;
    qint64 size = 0;
    std::unique_ptr<AttachmentInfo> file; // null while the slot is free
};

// The documents of one fax: at most three files, together at most 8 MiB, none empty, each read and
// Base64-encoded when it is added. In SMS mode the row only shows the mode and takes no files.
class AttachmentWidget : public QWidget, public Ui::AttachmentWidget
{
    Q_OBJECT

public:
    static constexpr int slotCount = 3;
    static constexpr qint64 maxTotalSize = 8388608;

    AttachmentWidget(QWidget *parent, bool fax);

    // Attaches as many of the files as the limits allow; each refusal is shown in a message box.
    void addFiles(const QStringList &paths);
    // Moves the documents, in slot order, to the end of list, which owns them from then on; every slot is free
    // afterwards.
    void attachments(QList<AttachmentInfo *> &list);
    bool hasAttachments() const;
    // The first free slot, or null when all are used.
    AttachmentSlot *freeSlot();
    qint64 totalSize() const;

signals:
    void signalChanged();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void eventAttach();
    void eventClean0();
    void eventClean1();
    void eventClean2();

private:
    // Attaches one file to slot; false, with the reason shown, when the file is refused.
    bool attachFile(AttachmentSlot &slot, const QString &path, qint64 totalSoFar);
    void eventClean(AttachmentSlot &slot);

    bool fax;
    std::array<AttachmentSlot, slotCount> attachmentSlots;
};
