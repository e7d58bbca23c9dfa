// Runs the whole pipeline in-process on arbitrary bytes and checks what must hold for every
// input.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "driver/cull.h"
#include "properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view source(reinterpret_cast<const char*>(data), size);
    std::string console;
    std::string output;
    int status = cullsrc::cull(source, console, output);
    bool holds = status == 0 ? cullsrc::keeps_every_line(source, output)
                             : status == 1 && output.empty() && !console.empty() && console.back() == '\n';
    if (!holds) __builtin_trap();
    return 0;
}
