#pragma once
// A last-in, first-out stack of board points with a fixed capacity.

#include <array>
#include <cstdint>

namespace xvexo {

// Fixed-capacity point stack; nothing is allocated after construction.
template <int Capacity>
class TPointStack {
  public:
    static constexpr int kCapacity = Capacity;

    // Number of entries, 0..Capacity.
    int32_t Count() const { return FCount; }

    // Pushes (X, Y); on a full stack the call does nothing.
    void Push(int32_t X, int32_t Y) {
        if (FCount < Capacity) {
            FEntries[FCount] = {X, Y};
            ++FCount;
        }
    }

    // Pops the top entry into X, Y; on an empty stack X and Y are left unchanged.
    void Pop(int32_t& X, int32_t& Y) {
        if (FCount > 0) {
            --FCount;
            X = FEntries[FCount].X;
            Y = FEntries[FCount].Y;
        }
    }

    // X or Y of the top entry; -1 on an empty stack.
    int32_t TopX() const { return FCount > 0 ? FEntries[FCount - 1].X : -1; }
    int32_t TopY() const { return FCount > 0 ? FEntries[FCount - 1].Y : -1; }

    // Drops every entry.
    void Clear() { FCount = 0; }

  private:
    struct TEntry {
        int32_t X;
        int32_t Y;
    };
    int32_t FCount = 0;
    std::array<TEntry, Capacity> FEntries{};
};

// The point stack of the rules engine: 500 entries, further pushes dropped.
using TStack = TPointStack<500>;

}  // namespace xvexo
