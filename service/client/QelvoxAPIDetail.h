#pragma once

// What the source files of QelvoxAPI share; no other file includes it.

#include <climits>
#include <cstdlib>

namespace QelvoxAPIDetail {

// Leading blanks, an optional sign and the leading digits, as the service writes its numbers; no digits
// give 0 and a number beyond the int range counts as none.
inline int leadingNumber(const char *text)
{
    const long value = text ? std::strtol(text, nullptr, 10) : 0;
    return value < INT_MIN || value > INT_MAX ? 0 : int(value);
}

} // namespace QelvoxAPIDetail
