#pragma once

// Mix-in of records that can be created offline; while localid is set, the record's id is its negation.
class qtLocalID
{
public:
    int localid = 0;
};
