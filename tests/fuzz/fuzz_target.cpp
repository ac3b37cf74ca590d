#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/event_fuzzer.h"

// libFuzzer's entry: each input is one session on a freshly loaded window. A broken invariant or
// an escaped error aborts, so that libFuzzer keeps the input that led to it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Form1 form;
    form.load();
    try {
        EventFuzzer fuzzer(form);
        ChoiceStream choices(data, size);
        // A bound on the events of one input keeps every run short; long sessions come from
        // long inputs only up to this point.
        fuzzer.run(choices, 20000);
    } catch (const FuzzFailure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        std::abort();
    }
    return 0;
}
