#pragma once

// A run of consecutive rows of a list view: what a selection is made of.

// Consecutive rows first ... last of a list view, both included.
struct ListRowSpan {
    int first = 0;
    int last = 0;
    bool operator==(const ListRowSpan&) const = default;
};
