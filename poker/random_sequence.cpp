#include "poker/random_sequence.h"

#include "platform/seed_clock.h"

namespace quintaro {

RandomSequence& processRandomSequence() {
    static RandomSequence sequence;
    return sequence;
}

void seedProcessRandomSequence() {
    processRandomSequence().seed(seedFromEnvironmentOrTime());
}

} // namespace quintaro
