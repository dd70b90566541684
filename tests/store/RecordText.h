#pragma once

#include <QString>

class BaseObject;

// Every field of a local record as "name=value" text, so that a failing comparison shows the values.
QString recordText(const BaseObject &record);

// Gives every field of the record a value of its own, derived from seed; two seeds never give a field
// the same value, so a swapped or dropped field shows up in recordText.
void fillDistinct(BaseObject &record, int seed);
