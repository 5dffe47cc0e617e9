#include "platform/random.h"

#include "platform/observer.h"

namespace platform {
namespace {

constexpr int kDegree = 31;
constexpr int kSeparation = 3;

struct Generator {
    int32_t state[kDegree];
    int front = kSeparation;
    int rear = 0;

    explicit Generator(uint32_t seed) { Seed(seed); }

    void Seed(uint32_t seed) {
        if (seed == 0) seed = 1;
        state[0] = static_cast<int32_t>(seed);
        // 16807 * word % 2147483647 without overflowing 31 bits (Schrage), in the C library's
        // own types: a seed above 2^31 starts as a negative word there too.
        int32_t word = static_cast<int32_t>(seed);
        for (int i = 1; i < kDegree; ++i) {
            const int64_t hi = word / 127773;
            const int64_t lo = word % 127773;
            word = static_cast<int32_t>(16807 * lo - 2836 * hi);
            if (word < 0) word += 2147483647;
            state[i] = word;
        }
        front = kSeparation;
        rear = 0;
        for (int i = 0; i < 10 * kDegree; ++i) Next();
    }

    int32_t Next() {
        const uint32_t value = static_cast<uint32_t>(state[front]) + static_cast<uint32_t>(state[rear]);
        state[front] = static_cast<int32_t>(value);
        front = front + 1 == kDegree ? 0 : front + 1;
        rear = rear + 1 == kDegree ? 0 : rear + 1;
        return static_cast<int32_t>(value >> 1);
    }
};

// A process that never seeds draws as after srand(1), as with the C library.
Generator& TheGenerator() {
    static Generator generator(1);
    return generator;
}

}  // namespace

void SeedRandom(uint32_t seed) { TheGenerator().Seed(seed); }

int32_t Random() {
    if (Observer* observer = GetObserver()) observer->Drew();
    return TheGenerator().Next();
}

}  // namespace platform
