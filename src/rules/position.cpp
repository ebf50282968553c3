#include "rules/position.h"

namespace xvexo {

void InitPosition(int Size, TPosition& P) {
    P = TPosition{};
    P.Size = static_cast<uint8_t>(Size < 0 ? 0 : (Size > kMaxLines ? kMaxLines : Size));
}

void InitNumbering(TNumbering& N) {
    N = TNumbering{};
}

}  // namespace xvexo
