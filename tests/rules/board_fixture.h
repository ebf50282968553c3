#pragma once
// Helpers for rules tests: positions from ASCII diagrams, boards printed back as diagrams, and
// an event log.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "rules/go_board.h"

namespace xvexo::testing {

// Rows from the top; 'X' black, 'O' white, anything else empty. Missing rows and columns are
// empty.
inline TPosition PositionFromDiagram(const std::vector<std::string>& Rows) {
    TPosition P;
    InitPosition(kMaxLines, P);
    int Row = 0;
    for (const std::string& Line : Rows) {
        if (Row >= kMaxLines) break;
        for (int Col = 0; Col < static_cast<int>(Line.size()) && Col < kMaxLines; ++Col) {
            P.Points[Row][Col] = Line[Col] == 'X' ? kBlack : (Line[Col] == 'O' ? kWhite : kEmpty);
        }
        ++Row;
    }
    return P;
}

// The first Rows rows of the board, as in PositionFromDiagram, Cols characters wide.
inline std::string Diagram(const TGoBoard& B, int Rows, int Cols) {
    std::string Out;
    for (int Y = 1; Y <= Rows; ++Y) {
        for (int X = 1; X <= Cols; ++X) {
            const uint8_t C = B.PointColour(X, Y);
            Out += C == kBlack ? 'X' : (C == kWhite ? 'O' : '.');
        }
        Out += '\n';
    }
    return Out;
}

// Records every event as text: "put X Y V C", "redraw X Y V C", "move X Y I W B S".
struct TEventLog {
    std::vector<std::string> Lines;

    void Attach(TGoBoard& B) {
        B.OnPutStone = [this](TGoBoard&, int32_t X, int32_t Y, int32_t V, uint8_t C) {
            Lines.push_back("put " + std::to_string(X) + " " + std::to_string(Y) + " " +
                            std::to_string(V) + " " + std::to_string(C));
        };
        B.OnRedrawPoint = [this](TGoBoard&, int32_t X, int32_t Y, int32_t V, uint8_t C) {
            Lines.push_back("redraw " + std::to_string(X) + " " + std::to_string(Y) + " " +
                            std::to_string(V) + " " + std::to_string(C));
        };
        B.OnMove = [this](TGoBoard&, const TMoveInfo& I) {
            Lines.push_back("move " + std::to_string(I.X) + " " + std::to_string(I.Y) + " " +
                            std::to_string(I.MoveIndex) + " " + std::to_string(I.WhitePrisoners) +
                            " " + std::to_string(I.BlackPrisoners) + " " +
                            std::to_string(I.SideToMove));
        };
    }
};

// Plays "X,Y" pairs in order; "pass" passes.
inline void Play(TGoBoard& B, std::initializer_list<std::pair<int, int>> Moves) {
    for (auto [X, Y] : Moves) {
        if (X == 0) {
            B.PassMove();
        } else {
            B.PlayMove(X, Y);
        }
    }
}

}  // namespace xvexo::testing
