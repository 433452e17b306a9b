#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Makes the texts of pieces 0 ... count - 1 on several threads and delivers them in order.

// Fills text (empty on entry, its capacity kept from earlier use) with piece `index`.
using PieceMaker = std::function<void(std::size_t index, std::string& text)>;
using PieceDelivery = std::function<void(std::string_view text)>;

// Calls make for every index on up to `threads` threads, the calling thread among them, and
// deliver for every piece in increasing index, on the calling thread, while later pieces are
// still being made. At most two pieces per thread are held at once. A thread that cannot be
// started is done without (with one thread everything runs on the caller's), and a piece whose
// helper thread ran out of memory (std::bad_alloc) is made again on the calling thread. Any
// other exception thrown by make, and any thrown on the calling thread, stops the work; the
// helper threads are joined and it is rethrown.
void MakeInOrder(std::size_t count, unsigned threads, const PieceMaker& make, const PieceDelivery& deliver);

// The thread count for work of this kind: the hardware's threads, at least 1 and at most 8.
unsigned DefaultThreadCount();
