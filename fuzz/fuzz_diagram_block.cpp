// Any bytes as the text of a diagram block.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/diagram_code.h"
#include "records/record_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    try {
        const std::string Code =
            xvexo::ParseDiagramBlock(std::string_view(reinterpret_cast<const char*>(Data), Size));
        // Every code that holds a move begins with its start number and count.
        if (!Code.empty() && Code.size() < 6) __builtin_trap();
    } catch (const xvexo::TRecordError&) {
    }
    return 0;
}
