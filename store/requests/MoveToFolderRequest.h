#pragma once

#include "ObjectsRequest.h"

// Argument of a move task. Owns its ObjectsRequest, hence not copyable.
class MoveToFolderRequest
{
public:
    MoveToFolderRequest() = default;
    MoveToFolderRequest(const MoveToFolderRequest &) = delete;
    MoveToFolderRequest &operator=(const MoveToFolderRequest &) = delete;
    ~MoveToFolderRequest() { delete objects; }

    int taskid = 0;
    int from_folderid = 0;
    int to_folderid = 0;
    ObjectsRequest *objects = nullptr;
};
