// Stand-in for libFuzzer's driver where clang is not used: feeds the target a
// fixed number of deterministic pseudo-random inputs of varied length and shape.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {
std::uint64_t next(std::uint64_t &state)
{
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}
} // namespace

int main(int argc, char **argv)
{
    const long runs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    // Inputs drawn mostly from a small alphabet of printable bytes so that
    // number-like and INI-like texts come up often, with raw bytes mixed in.
    static const char alphabet[] = "0123456789,.-+ =[]\r\n;abcxyzE$\\";
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    std::vector<std::uint8_t> buf;
    for (long i = 0; i < runs; ++i) {
        const std::size_t len = next(state) % (i % 50 == 0 ? 4096 : 64);
        buf.resize(len);
        const bool raw = next(state) % 4 == 0;
        for (auto &b : buf) {
            const std::uint64_t r = next(state);
            b = raw ? static_cast<std::uint8_t>(r)
                    : static_cast<std::uint8_t>(alphabet[r % (sizeof alphabet - 1)]);
        }
        LLVMFuzzerTestOneInput(buf.data(), buf.size());
    }
    return 0;
}
