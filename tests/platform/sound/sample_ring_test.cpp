// The ring between the feeder and the audio thread.

#include "platform/sound/sample_ring.h"

#include <gtest/gtest.h>

#include <numeric>
#include <thread>
#include <vector>

namespace zenka::sound {
namespace {

TEST(SampleRing, RoundsCapacityUpToAPowerOfTwo) {
    EXPECT_EQ(SampleRing(1000).capacity(), 1024u);
    EXPECT_EQ(SampleRing(1024).capacity(), 1024u);
    EXPECT_EQ(SampleRing(0).capacity(), 2u);
}

TEST(SampleRing, KeepsOrderAcrossTheWrapAndRefusesWhatDoesNotFit) {
    SampleRing ring(8);
    std::vector<float> in(6);
    std::iota(in.begin(), in.end(), 1.0f);
    EXPECT_EQ(ring.push(in), 6u);
    EXPECT_EQ(ring.space(), 2u);
    std::vector<float> out(4, 0.5f);
    EXPECT_EQ(ring.pop_add(out, 2.0f), 4u); // adds, times the gain
    EXPECT_EQ(out, (std::vector<float>{2.5f, 4.5f, 6.5f, 8.5f}));
    std::vector<float> more = {7, 8, 9, 10, 11, 12, 13};
    EXPECT_EQ(ring.push(more), 6u); // only six fit
    EXPECT_EQ(ring.available(), 8u);
    std::vector<float> rest(10, 0.0f);
    EXPECT_EQ(ring.pop_add(rest, 1.0f), 8u);
    EXPECT_EQ(rest, (std::vector<float>{5, 6, 7, 8, 9, 10, 11, 12, 0, 0}));
    EXPECT_EQ(ring.available(), 0u);
    EXPECT_EQ(ring.pop_add(rest, 1.0f), 0u);
}

TEST(SampleRing, OneProducerOneConsumerSeeEverySampleOnce) {
    SampleRing ring(64);
    constexpr std::size_t kTotal = 200000;
    std::thread producer([&] {
        std::size_t next = 0;
        std::vector<float> chunk;
        while (next < kTotal) {
            chunk.clear();
            for (std::size_t i = 0; i < 17 && next + i < kTotal; ++i)
                chunk.push_back(static_cast<float>(next + i));
            next += ring.push(chunk);
        }
    });
    std::size_t expected = 0;
    std::vector<float> out(23);
    while (expected < kTotal) {
        std::fill(out.begin(), out.end(), 0.0f);
        const std::size_t n = ring.pop_add(out, 1.0f);
        for (std::size_t i = 0; i < n; ++i)
            ASSERT_EQ(out[i], static_cast<float>(expected++));
    }
    producer.join();
    EXPECT_EQ(ring.available(), 0u);
}

} // namespace
} // namespace zenka::sound
