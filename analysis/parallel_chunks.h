#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace quintaro {

// Runs body(begin, end) over [0, count) in chunks of chunkSize, on `workers` threads
// counting the caller's (at least one). Chunks are handed out in order as threads come free,
// so uneven chunks balance themselves. Returns once every chunk is done.
template <class Body>
void forEachChunk(std::size_t count, std::size_t chunkSize, int workers, Body body) {
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t begin = next.fetch_add(chunkSize); begin < count;
             begin = next.fetch_add(chunkSize))
            body(begin, std::min(count, begin + chunkSize));
    };
    std::vector<std::jthread> helpers;
    for (int i = 1; i < workers; ++i)
        helpers.emplace_back(work);
    work();
}

} // namespace quintaro
