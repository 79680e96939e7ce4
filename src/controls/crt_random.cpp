#include "controls/crt_random.h"

CrtRandom& UiThreadRandom() {
    thread_local CrtRandom generator;
    return generator;
}
