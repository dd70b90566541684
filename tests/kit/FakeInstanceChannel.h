#pragma once

#include "InstanceChannel.h"

// An instance channel whose claim has a scripted outcome; a test plays a later start with requestShow().
class FakeInstanceChannel : public InstanceChannel
{
    Q_OBJECT

public:
    explicit FakeInstanceChannel(Claim outcome) : outcome(outcome) {}

    Claim claim() override
    {
        ++claims;
        return outcome;
    }
    QString errorText() const override { return outcome == Claim::Failed ? QStringLiteral("scripted failure") : QString(); }

    void requestShow() { emit showRequested(); }

    Claim outcome;
    int claims = 0;
};
