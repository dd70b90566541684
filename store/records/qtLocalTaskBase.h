#pragma once

// Mix-in of records that a persisted change task carries.
class qtLocalTaskBase
{
public:
    int taskid = 0;
};
