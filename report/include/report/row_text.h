#pragma once

#include "core/extremum_scan.h"
#include "text/number_text.h"

// The text form of a result row: the "%g" text of each field, NUL-terminated, made without
// allocating so that a million rows cost no heap traffic.
struct ExtremumRowText {
    char angle[kNumberTextCapacity];
    char derivative[kNumberTextCapacity];
    char potential[kNumberTextCapacity];
};

// The three "%g" texts of row, each independent of the process locale.
ExtremumRowText FormatRow(const ExtremumRow& row);
