#pragma once

class ObjectIDInfo;

// One change reported by a change query or a full review.
class ChangeEntry
{
public:
    // Codes of the change list's own, besides the object types 1 to 7.
    enum Kind : int { AskFullReview = 8, AskTimeShift = 10, OutboxProgress = 11 };

    ChangeEntry(int object, int type, int action) : object(object), type(type), action(action) {}
    // Defined with the record conversions of the service client, so that the store does not depend on
    // the binding.
    explicit ChangeEntry(const ObjectIDInfo &info);

    int object;
    int type;
    // -1: gone (review) or not given by the service (change query); see ChangeList.
    int action;
};
