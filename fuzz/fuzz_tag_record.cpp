// Any bytes as a tag-format record (whatever the text would choose): load, then replay onto a
// board.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "records/record_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    using namespace xvexo;
    static auto Record = std::make_unique<TGameRecord>();
    const TLoadResult R = LoadRecordText(
        *Record, std::string(reinterpret_cast<const char*>(Data), Size), kFormatTag, true);
    if (R.Shown) {
        TGoBoard Board;
        ReplayRecord(*Record, Board);
        GoToMove(Board, 1);
    }
    return 0;
}
