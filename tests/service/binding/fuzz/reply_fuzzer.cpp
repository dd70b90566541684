// libFuzzer entry: any bytes as the raw reply of a service call.

#include "ReplyShapes.h"

// The runtime answers an allocation that fails with SOAP_EOM; an impossible size it asks for (from a
// negative Content-Length of an HTTP error reply) must fail that way, not abort the sanitizer.
// The runtime's own text reader hands its id table the engine's id field, which the table copies
// onto itself when it reports a clash: harmless, but reported as an overlapping strncpy, so the
// string interceptors are left out here (the corpus replay in tst_readers keeps them).
extern "C" const char *__asan_default_options()
{
    return "allocator_may_return_null=1:replace_str=0";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    readAsEveryShape(std::string(reinterpret_cast<const char *>(data), size));
    return 0;
}
