#pragma once

// What the file-reader fuzz targets share: a promise that aborts when broken, and inputs that
// may grow to the size the reader takes.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace fuzz {

// Aborts with the promise named when `kept` is false; libFuzzer then saves the input.
inline void Promise(bool kept, const char* promise) {
    if (kept)
        return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

// Bitwise equality, under which a NaN equals itself.
template <typename T> bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// For LLVMFuzzerInitialize, which runs before libFuzzer reads its flags: unless the command
// line sets -max_len, inputs may grow to `bytes`. Otherwise libFuzzer caps them at the largest
// seed or 4096 bytes and never tries the reader's own limit.
inline void LetInputsGrowTo(int* argc, char*** argv, std::size_t bytes) {
    for (int i = 1; i < *argc; ++i) {
        if (std::strncmp((*argv)[i], "-max_len=", 9) == 0)
            return;
    }
    static std::string flag;
    static std::vector<char*> args;
    flag = "-max_len=" + std::to_string(bytes);
    args.assign(*argv, *argv + *argc);
    args.push_back(flag.data());
    args.push_back(nullptr);
    *argc += 1;
    *argv = args.data();
}

} // namespace fuzz
