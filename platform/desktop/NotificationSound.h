#pragma once

// The short sound that announces newly received faxes.
class NotificationSound
{
public:
    virtual ~NotificationSound() = default;
    // Returns at once; the sound plays on.
    virtual void play() = 0;
};
