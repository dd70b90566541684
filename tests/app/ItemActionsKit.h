#pragma once

// What the tests of the item commands share: the account they start from, and readers of what the dialogs
// showed and the stand-in logged.

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QTreeWidget>

// Every test's account: a folder, a contact, an unread and a read received fax, a voice message, a sent
// fax with one recipient, one the service is still sending, and sent SMS with several recipients.
inline QJsonObject accountSeed()
{
    return QJsonDocument::fromJson(R"({
  "folders": [{"name": "Invoices"}],
  "contacts": [{"name": "Desk", "number": "+3315", "gsmnumber": "+3366"}],
  "receivedFaxes": [{"sender": "+3314", "pages": 1, "read": false, "date": "2026-12-01 09:15:00"},
                    {"sender": "+3316", "pages": 1, "read": true, "date": "2026-12-02 09:15:00"}],
  "voiceMessages": [{"sender": "+3366", "duration": 42}],
  "sentFaxes": [{"recipients": ["+3311"], "status": 1},
                {"recipients": ["+3321", "+3322", "+3323"], "status": 2}],
  "sentSms": [{"recipients": ["+3366", "+3367", "+3368"], "status": 1, "content": "<b>Hi</b> all"},
              {"recipients": ["+3377", "+3378"], "status": 1, "content": "Later"}]
})").object();
}

// Counts the modal dialogs that come up while it lives and closes each: for commands that must open none.
class DialogWatch
{
public:
    DialogWatch()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                ++shown;
                dialog->close();
            }
        });
        m_timer.start(20);
    }
    int shown = 0;

private:
    QTimer m_timer;
};

inline QStringList treeRows(const QTreeWidget *tree)
{
    QStringList rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        rows += tree->topLevelItem(i)->text(0) + u'|' + tree->topLevelItem(i)->text(1);
    return rows;
}

// "type:id,id;type:id" of an ObjectsID array as the stand-in logged it.
inline QString objectsText(const QJsonArray &objects)
{
    QStringList parts;
    for (const QJsonValue &value : objects) {
        QStringList ids;
        for (const QJsonValue &id : value.toObject().value("ids").toArray())
            ids += QString::number(id.toInt());
        parts += QString::number(value.toObject().value("type").toInt()) + u':' + ids.join(u',');
    }
    return parts.join(u';');
}
