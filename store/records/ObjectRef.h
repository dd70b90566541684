#pragma once

// One object of a fetch batch; a fetch task's argument is a heap QList of them.
class ObjectRef
{
public:
    ObjectRef(int object, int type) : object(object), type(type) {}

    int object;
    int type;
};
