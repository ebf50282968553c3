// Any bytes as an NGF record: load, then replay onto a board.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "records/display_text.h"
#include "records/record_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    using namespace xvexo;
    static auto Record = std::make_unique<TGameRecord>();
    const std::string Text(reinterpret_cast<const char*>(Data), Size);
    const TLoadResult R = LoadRecordText(*Record, Text, kFormatNgf);
    // What remains is always a tail of the text.
    if (!Text.ends_with(Record->RecordText)) __builtin_trap();
    DecodeText(Record->Info.Title, R.Encoding);
    if (R.Shown) {
        TGoBoard Board;
        ReplayRecord(*Record, Board);
    }
    return 0;
}
