#pragma once

// What the fuzz targets share. A broken property prints what went wrong and aborts, so that
// libFuzzer saves the input as a finding and the corpus replay (replay_main.cpp) fails.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

[[noreturn]] inline void Fail(const std::string& what)
{
    std::fprintf(stderr, "fuzz property broken: %s\n", what.c_str());
    std::abort();
}

}  // namespace fuzz
