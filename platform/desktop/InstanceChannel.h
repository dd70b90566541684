#pragma once

#include <QObject>
#include <QString>

// Keeps one instance of the program per user: the first start owns the channel, a later start asks it to
// show itself and ends.
class InstanceChannel : public QObject
{
    Q_OBJECT

public:
    enum class Claim {
        Owner,     // this process is the instance; showRequested() reports later starts
        Forwarded, // another instance runs and was asked to show itself
        Failed     // neither could be done; errorText() says why
    };

    using QObject::QObject;

    // Blocks for at most a few seconds while another start is deciding at the same moment.
    virtual Claim claim() = 0;
    virtual QString errorText() const = 0;

signals:
    void showRequested();
};
