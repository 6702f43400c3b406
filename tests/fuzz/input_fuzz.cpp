// The libFuzzer entry of the targets in inputs.h: VIMBLE_FUZZ_INPUT names the one tried. An
// input that breaks the code's promise stops the run, and libFuzzer keeps it.
#include "inputs.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!VIMBLE_FUZZ_INPUT(std::string_view(reinterpret_cast<const char*>(data), size))) std::abort();
    return 0;
}
