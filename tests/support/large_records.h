#pragma once
// Records of 1 MiB in the tag format for the benchmarks of the readers and of xvexo: the same
// text for the same build, so that measurements of two builds compare.

#include <string>

#include "support/random_game.h"
#include "support/record_text.h"

namespace xvexo::testing {

// Game trees of the 300-move game repeated to 1 MiB, every move with a commentary of about
// 0.9 KB (GBK and ASCII in lines, as annotated games have): the reader's time goes to
// comments.
inline std::string CommentHeavyTagRecord() {
    const TMoveList Moves = MakeRandomGame(300);
    std::string Comment;
    for (int Line = 0; Line < 6; ++Line) {
        Comment +=
            "\xB0\xD7\xC6\xE5\xD5\xE2\xD2\xBB\xCA\xD6\xCA\xC7\xB1\xBE\xBE\xD6\xB5\xC4"
            "\xB9\xD8\xBC\xFC (move " +
            std::to_string(Line + 17) +
            "): the key point of the opening, after which the upper side is settled "
            "and black can turn to the lower right.\r\n";
    }
    std::string Game = "(;EV[Bench cup]PB[Black]PW[White]RD[2026-12-10]KO[6.5]RE[B+R]\r\n";
    for (size_t i = 0; i < Moves.size(); ++i) {
        Game += (i % 2 ? ";W[" : ";B[") + TagPoint(Moves[i].first, Moves[i].second) + "]C[" +
                Comment + "]\r\n";
    }
    Game += ")\r\n";
    std::string Text;
    while (Text.size() < (1u << 20))
        Text += Game;
    return Text;
}

// Game trees of the 300-move game without comments repeated to 1 MiB: one short node after
// another.
inline std::string ShortMovesTagRecord() {
    const TMoveList Moves = MakeRandomGame(300);
    std::string Game = "(;EV[Bench cup]PB[Black]PW[White]RD[2026-12-10]KO[6.5]RE[B+R]\r\n";
    for (size_t i = 0; i < Moves.size(); ++i)
        Game += (i % 2 ? ";W[" : ";B[") + TagPoint(Moves[i].first, Moves[i].second) + "]";
    Game += ")\r\n";
    std::string Text;
    while (Text.size() < (1u << 20))
        Text += Game;
    return Text;
}

}  // namespace xvexo::testing
