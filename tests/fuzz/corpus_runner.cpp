// Runs a fuzz target over seed files, without libFuzzer, so that the seed corpora run as
// ordinary tests in every build (one test a seed file).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        // An exactly-sized copy, so that a read past the end is caught by AddressSanitizer.
        const std::vector<std::uint8_t> input((std::istreambuf_iterator<char>(in)),
                                              std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(input.data(), input.size());
        std::printf("ran %s (%zu bytes)\n", argv[i], input.size());
    }
    return 0;
}
