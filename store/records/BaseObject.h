#pragma once

// Root of every local record. Holders release records through base pointers, so the destructor is
// virtual.
class BaseObject
{
public:
    BaseObject(int type, int id) : type(type), id(id) {}
    virtual ~BaseObject() = default;

    // A new heap record of the same concrete class with every field equal; the caller owns it.
    virtual BaseObject *clone() const = 0;

    int type;
    int id;

protected:
    BaseObject(const BaseObject &) = default;
    BaseObject &operator=(const BaseObject &) = default;
};
