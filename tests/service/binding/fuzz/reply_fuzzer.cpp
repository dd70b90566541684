// libFuzzer entry: any bytes as the raw reply of a service call.

#include "ReplyShapes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    readAsEveryShape(std::string(reinterpret_cast<const char *>(data), size));
    return 0;
}
