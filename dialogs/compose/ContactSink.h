#pragma once

#include "qtContactInfo.h"

#include <functional>
#include <memory>

// Where the recipients picker hands a typed number that the user wants in the contacts book. The main
// window's sink takes the new record over: it numbers it, shows it in its contacts list and queues its
// creation on the service. An empty sink means that no contact can be created.
using ContactSink = std::function<void(std::unique_ptr<qtContactInfo> contact)>;
