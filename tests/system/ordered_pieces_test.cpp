#include "system/ordered_pieces.h"

#include <gtest/gtest.h>

#include <chrono>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

// Pieces of uneven cost, so that helpers finish out of order.
void MakeUneven(std::size_t index, std::string& text)
{
    if (index % 7 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    text = std::to_string(index) + ';';
}

std::string Expected(std::size_t count)
{
    std::string all;
    for (std::size_t i = 0; i < count; ++i) all += std::to_string(i) + ';';
    return all;
}

TEST(MakeInOrder, DeliversEveryPieceOnceInOrderWhateverTheThreadCount)
{
    for (const unsigned threads : {0u, 1u, 4u, 64u}) {
        for (const std::size_t count : {0, 1, 50}) {
            std::string delivered;
            MakeInOrder(count, threads, MakeUneven, [&delivered](std::string_view text) { delivered += text; });
            EXPECT_EQ(delivered, Expected(count)) << threads << " threads";
        }
    }
}

TEST(MakeInOrder, HelpersOutOfMemoryLeaveTheirPiecesToTheCaller)
{
    const std::thread::id caller = std::this_thread::get_id();
    const PieceMaker failOnHelpers = [caller](std::size_t index, std::string& text) {
        text = "partial";
        if (std::this_thread::get_id() != caller) throw std::bad_alloc();
        MakeUneven(index, text = "");
    };
    std::string delivered;
    MakeInOrder(50, 4, failOnHelpers, [&delivered](std::string_view text) { delivered += text; });
    EXPECT_EQ(delivered, Expected(50));
}

TEST(MakeInOrder, AnyOtherFailureStopsTheWorkAndReachesTheCaller)
{
    for (const unsigned threads : {1u, 3u}) {
        std::string delivered;
        const PieceMaker failAtTwenty = [](std::size_t index, std::string& text) {
            if (index == 20) throw std::runtime_error("piece 20");
            MakeUneven(index, text);
        };
        EXPECT_THROW(MakeInOrder(100, threads, failAtTwenty, [&](std::string_view text) { delivered += text; }),
                     std::runtime_error);
        EXPECT_EQ(delivered, Expected(20)) << threads << " threads";
    }
    const auto failedDelivery = [] {
        MakeInOrder(100, 3, MakeUneven, [](std::string_view text) {
            if (text == "5;") throw std::bad_alloc();
        });
    };
    EXPECT_THROW(failedDelivery(), std::bad_alloc);
}

}  // namespace
