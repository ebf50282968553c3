// The engine against the reference board: thousands of random games on boards of 2 to 19 lines
// (legal and illegal tries, captures, ko, suicide, passes, steps back and forward, numbering,
// snapshots, handicaps, points set up between moves, moves out of turn), every call made on both
// boards, and after every call their events,
// capture logs and whole positions compared.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "rules/go_board.h"
#include "rules/reference_board.h"
#include "support/random_game.h"

namespace xvexo::testing {
namespace {

// One event as raised: a point event ('p' put, 'r' redraw) or a move report ('m').
struct TEvent {
    char Kind = 0;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Value = 0;
    uint8_t Colour = 0;
    TMoveInfo Move;
    bool FromItself = true;  // the event named the board that raised it as its sender
    friend bool operator==(const TEvent&, const TEvent&) = default;
};

std::ostream& operator<<(std::ostream& Out, const TEvent& E) {
    Out << E.Kind << ' ' << E.X << ' ' << E.Y << ' ' << E.Value << ' ' << int(E.Colour);
    if (E.Kind == 'm') {
        Out << " move " << E.Move.X << ' ' << E.Move.Y << ' ' << E.Move.MoveIndex << ' '
            << E.Move.WhitePrisoners << ' ' << E.Move.BlackPrisoners << ' '
            << int(E.Move.SideToMove);
    }
    return Out << (E.FromItself ? "" : " (foreign sender)");
}

template <class TBoard>
void Listen(TBoard& Board, std::vector<TEvent>& Events) {
    const auto Point = [&Board, &Events](char Kind) {
        return [&Board, &Events, Kind](auto& Sender, int32_t X, int32_t Y, int32_t V, uint8_t C) {
            Events.push_back({Kind, X, Y, V, C, {}, &Sender == &Board});
        };
    };
    Board.OnPutStone = Point('p');
    Board.OnRedrawPoint = Point('r');
    Board.OnMove = [&Board, &Events](auto& Sender, const TMoveInfo& I) {
        Events.push_back({'m', 0, 0, 0, 0, I, &Sender == &Board});
    };
}

// What the random games went through, so the test shows that it met every rule.
struct TStats {
    int Games = 0;
    int SmallBoardGames = 0;
    int Calls = 0;
    int Captures = 0;
    int ManyStoneCaptures = 0;
    int KoRefused = 0;
    int OtherEmptyPointRefused = 0;  // suicides, and moves past the history or the capture log
    int StepsBack = 0;
    int StepsForward = 0;
    int Setups = 0;
};

// Whether A and B hold the same position, history up to the later of MoveIndex and EndIndex
// (what StepForward may replay), and capture log.
bool SameLivePosition(const TPosition& A, const TPosition& B, int32_t EndIndex) {
    if (std::tie(A.Size, A.SideToMove, A.BlackPrisoners, A.WhitePrisoners, A.HandicapCount,
                 A.MoveIndex, A.CaptureCount) != std::tie(B.Size, B.SideToMove, B.BlackPrisoners,
                                                          B.WhitePrisoners, B.HandicapCount,
                                                          B.MoveIndex, B.CaptureCount)) {
        return false;
    }
    if (A.Points != B.Points || A.Numbers != B.Numbers) return false;
    if (!std::equal(A.Captures.begin(), A.Captures.begin() + A.CaptureCount, B.Captures.begin()))
        return false;
    const int32_t Last = std::max(A.MoveIndex, EndIndex);
    return std::equal(A.History.begin(), A.History.begin() + Last + 1, B.History.begin());
}

// The engine and the reference board side by side, each call made on both.
class TBoardPair {
  public:
    TBoardPair() {
        Listen(New, NewEvents);
        Listen(Old, OldEvents);
    }

    // Makes Call on both boards and compares them; What, A and B name the call in a failure.
    template <class TCall>
    void Both(const char* What, int A, int B, TCall Call) {
        Trail[Calls % Trail.size()] = {What, A, B};
        ++Calls;
        const auto NewResult = Call(New);
        const auto OldResult = Call(Old);
        ASSERT_EQ(NewResult, OldResult) << Where();
        Compare();
    }

    // The last calls, to find a failure again.
    std::string Where() const {
        std::string S = "\nlast calls, oldest first:";
        for (size_t I = Calls > Trail.size() ? Calls - Trail.size() : 0; I < Calls; ++I) {
            const TCallNote& N = Trail[I % Trail.size()];
            S += std::string(" ") + N.What + "(" + std::to_string(N.A) + "," + std::to_string(N.B) +
                 ")";
        }
        return S;
    }

    // The engine's position after the last call.
    const TPosition& LastPosition() const { return *NewPosition; }

    TGoBoard New;
    TReferenceBoard Old;

  private:
    void Compare() {
        ASSERT_EQ(NewEvents, OldEvents) << Where();
        NewEvents.clear();
        OldEvents.clear();
        New.GetPosition(*NewPosition);
        Old.GetPosition(*OldPosition);
        ASSERT_EQ(New.EndIndex(), Old.EndIndex()) << Where();
        ASSERT_TRUE(SameLivePosition(*NewPosition, *OldPosition, New.EndIndex())) << Where();
        // Now and then the whole snapshot, stale history and capture entries included.
        if (Calls % 8 == 0) {
            ASSERT_TRUE(*NewPosition == *OldPosition) << Where();
        }
        ASSERT_EQ(New.MoveIndex(), Old.MoveIndex()) << Where();
        ASSERT_EQ(New.SideToMove(), Old.SideToMove()) << Where();
        ASSERT_EQ(New.BlackPrisonerCount(), Old.BlackPrisonerCount()) << Where();
        ASSERT_EQ(New.WhitePrisonerCount(), Old.WhitePrisonerCount()) << Where();
        ASSERT_EQ(New.CaptureCountNow(), Old.CaptureCountNow()) << Where();
        const TNumbering NN = New.Numbering();
        const TNumbering ON = Old.Numbering();
        ASSERT_EQ(std::tie(NN.Base, NN.From, NN.On), std::tie(ON.Base, ON.From, ON.On)) << Where();
        int32_t NX, NY, OX, OY;
        uint8_t NC, OC;
        New.GetLastMove(NX, NY, NC);
        Old.GetLastMove(OX, OY, OC);
        ASSERT_EQ(std::tie(NX, NY, NC), std::tie(OX, OY, OC)) << Where();
        if (Calls % 8 != 0) return;  // the points are in the snapshots; the queries now and then
        for (int Y = 1; Y <= kMaxLines; ++Y) {
            for (int X = 1; X <= kMaxLines; ++X) {
                ASSERT_EQ(New.PointColour(X, Y), Old.PointColour(X, Y)) << X << "," << Y << Where();
                ASSERT_EQ(New.PointNumber(X, Y), Old.PointNumber(X, Y)) << X << "," << Y << Where();
            }
        }
    }

    std::vector<TEvent> NewEvents;
    std::vector<TEvent> OldEvents;
    std::unique_ptr<TPosition> NewPosition = std::make_unique<TPosition>();
    std::unique_ptr<TPosition> OldPosition = std::make_unique<TPosition>();
    struct TCallNote {
        const char* What = "";
        int A = 0;
        int B = 0;
    };
    std::array<TCallNote, 12> Trail;
    size_t Calls = 0;
};

// Plays one random game of Calls calls on a fresh pair.
class TRandomGame {
  public:
    TRandomGame(uint32_t Seed, TStats& Stats) : Random(Seed), Stats(Stats) {}

    void Play(int Calls) {
        ++Stats.Games;
        Size = Pick({19, 19, 19, 19, 13, 9, 9, 7, 5, 4, 3, 2});
        Stats.SmallBoardGames += Size < kMaxLines;
        Pair.Both("Reset", Size, 0, [&](auto& B) {
            B.Reset(Size);
            return 0;
        });
        if (Size == kMaxLines && Chance(20)) Handicap();
        if (Chance(30)) Numbering();
        MoveArea();
        for (int I = 0; I < Calls && !::testing::Test::HasFatalFailure(); ++I) {
            ++Stats.Calls;
            OneCall();
        }
    }

  private:
    int Pick(std::initializer_list<int> Values) {
        std::uniform_int_distribution<size_t> D(0, Values.size() - 1);
        return *(Values.begin() + D(Random));
    }
    int Between(int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(Random); }
    bool Chance(int Percent) { return Between(1, 100) <= Percent; }

    // On the large board play keeps to a small area for a while, so groups meet and die.
    void MoveArea() {
        const int Side = Size == kMaxLines ? Between(3, 7) : Size;
        AreaX = Between(1, Size - Side + 1);
        AreaY = Between(1, Size - Side + 1);
        AreaSide = Side;
    }

    void OneCall() {
        // Now and then a point set up by hand, or the other side to move.
        if (Chance(5)) {
            SetupPoint();
            return;
        }
        if (Chance(2)) {
            const auto C = static_cast<uint8_t>(Between(0, 3));
            Pair.Both("SetSideToMove", C, 0, [C](auto& B) {
                B.SetSideToMove(C);
                return 0;
            });
            return;
        }
        const int Roll = Between(1, 100);
        if (Roll <= 72) {
            Move();
        } else if (Roll <= 75) {
            Pair.Both("PassMove", 0, 0, [](auto& B) {
                B.PassMove();
                return 0;
            });
        } else if (Roll <= 84) {
            for (int K = Between(1, 4); K > 0; --K) {
                ++Stats.StepsBack;
                Pair.Both("StepBack", 0, 0, [](auto& B) {
                    B.StepBack();
                    return 0;
                });
            }
        } else if (Roll <= 93) {
            for (int K = Between(1, 4); K > 0; --K) {
                ++Stats.StepsForward;
                Pair.Both("StepForward", 0, 0, [](auto& B) { return B.StepForward(); });
            }
        } else if (Roll <= 94) {
            const int N = Between(-3, kMaxMoves + 3);
            Pair.Both("SetEndIndex", N, 0, [N](auto& B) {
                B.SetEndIndex(N);
                return 0;
            });
        } else if (Roll <= 95) {
            Numbering();
        } else if (Roll <= 96) {
            Pair.Both("GetStoneNumbers", 0, 0, [](auto& B) {
                TNumberGrid A;
                B.GetStoneNumbers(A);
                return A;
            });
        } else if (Roll <= 98) {
            Snapshot();
        } else if (Roll <= 99) {
            MoveArea();
        } else {
            Pair.Both("GetPrintGrid and GetMoveCoords", 0, 0, [](auto& B) {
                TPrintGrid G;
                B.GetPrintGrid(G);
                TMoveCoords L;
                B.GetMoveCoords(B.MoveIndex(), L);
                std::vector<int32_t> Flat{L.Count};
                for (const auto& Row : G)
                    for (const TPrintPoint& P : Row)
                        Flat.insert(Flat.end(), {P.Value, P.Stone});
                for (const auto& C : L.Coords)
                    Flat.insert(Flat.end(), {C[0], C[1]});
                return Flat;
            });
        }
    }

    // A stone: mostly inside the area, sometimes anywhere, off the board or on a stone.
    void Move() {
        int32_t X, Y;
        const int Roll = Between(1, 100);
        if (Roll <= 70 && EmptyPointOfTheArea(X, Y)) {
        } else if (Roll <= 85) {
            X = AreaX + Between(0, AreaSide - 1);
            Y = AreaY + Between(0, AreaSide - 1);
        } else if (Roll <= 95) {
            X = Between(1, Size);
            Y = Between(1, Size);
        } else {
            X = Pick({-1, 0, 1, Size, Size + 1, kMaxLines + 1, 25});
            Y = Pick({-1, 0, 1, Size, Size + 1, kMaxLines + 1, 25});
        }
        const int32_t Index = Pair.New.MoveIndex();
        const int32_t Captured = Pair.New.CaptureCountNow();
        const bool Empty =
            X >= 1 && X <= Size && Y >= 1 && Y <= Size && Pair.New.PointColour(X, Y) == kEmpty;
        const THistoryEntry Last = Pair.LastPosition().History[Index];
        Pair.Both("PlayMove", X, Y, [=](auto& B) {
            B.PlayMove(X, Y);
            return 0;
        });
        if (Pair.New.MoveIndex() > Index) {
            const int32_t Taken = Pair.New.CaptureCountNow() - Captured;
            Stats.Captures += Taken > 0;
            Stats.ManyStoneCaptures += Taken > 1;
        } else if (Empty) {
            if (Last.X > 0 && Last.KoX == X && Last.KoY == Y) {
                ++Stats.KoRefused;
            } else {
                ++Stats.OtherEmptyPointRefused;
            }
        }
    }

    // A point of the area set to a colour, sometimes off the board or to no colour at all.
    void SetupPoint() {
        int32_t X = AreaX + Between(0, AreaSide - 1);
        int32_t Y = AreaY + Between(0, AreaSide - 1);
        if (Chance(5)) {
            X = Pick({-1, 0, Size + 1, 25});
            Y = Pick({-1, 0, 1, Size});
        }
        const auto C = static_cast<uint8_t>(Pick({0, 1, 1, 2, 2, 3}));
        ++Stats.Setups;
        Pair.Both("SetupPoint", X * 100 + Y, C, [=](auto& B) { return B.SetupPoint(X, Y, C); });
    }

    // A random empty point of the area, which mostly is not an eye of the side to move (so
    // groups come to lose their last liberties); false when the area is full.
    bool EmptyPointOfTheArea(int32_t& X, int32_t& Y) {
        std::vector<std::pair<int32_t, int32_t>> Points;
        for (int32_t PY = AreaY; PY < AreaY + AreaSide; ++PY) {
            for (int32_t PX = AreaX; PX < AreaX + AreaSide; ++PX) {
                if (Pair.New.PointColour(PX, PY) != kEmpty) continue;
                if (IsOwnEye(Pair.New, PX, PY, Pair.New.SideToMove()) && !Chance(10)) continue;
                Points.emplace_back(PX, PY);
            }
        }
        if (Points.empty()) return false;
        std::tie(X, Y) = Points[static_cast<size_t>(Between(0, int(Points.size()) - 1))];
        return true;
    }

    void Numbering() {
        const TNumbering N{Between(-2, 30), Between(0, 40), static_cast<uint8_t>(Chance(50))};
        if (Chance(70)) {
            Pair.Both("SetNumbering", N.Base, N.From * 2 + N.On, [N](auto& B) {
                B.SetNumbering(N);
                return 0;
            });
        } else {
            Pair.Both("EnableNumbering", N.On, 0, [On = N.On != 0](auto& B) {
                B.EnableNumbering(On);
                return 0;
            });
        }
    }

    void Handicap() {
        const int32_t Count = Between(0, 21);
        const auto Layout = static_cast<uint8_t>(Between(0, 1));
        Pair.Both("SetHandicap", Count, Layout, [=](auto& B) {
            B.SetHandicap(Count, Layout);
            return 0;
        });
    }

    // A snapshot taken now, a snapshot loaded back (as trial play does), or a fresh position
    // of random stones on this size.
    void Snapshot() {
        const int Roll = Between(1, 100);
        if (Roll <= 40 || !HaveSaved) {
            Pair.New.GetPosition(*Saved);
            HaveSaved = true;
        } else if (Roll <= 70) {
            const bool MarkLast = Chance(50);
            const bool SetEnd = Chance(50);
            Pair.Both("SetPosition", MarkLast, SetEnd, [&](auto& B) {
                B.SetPosition(*Saved, MarkLast, SetEnd);
                return 0;
            });
        } else if (Roll <= 85) {
            Pair.Both("LoadHistory", 0, 0, [&](auto& B) {
                B.LoadHistory(*Saved);
                return 0;
            });
        } else {
            TPosition& P = *Saved;
            InitPosition(Size, P);
            const int Density = Between(10, 70);
            for (int R = 0; R < Size; ++R)
                for (int C = 0; C < Size; ++C)
                    if (Chance(Density)) P.Points[R][C] = static_cast<uint8_t>(Between(1, 2));
            P.SideToMove = static_cast<uint8_t>(Between(1, 2));
            Pair.Both("SetPosition of random stones", Density, 0, [&](auto& B) {
                B.SetPosition(P, false, true);
                return 0;
            });
        }
    }

    std::mt19937 Random;
    TStats& Stats;
    TBoardPair Pair;
    int Size = kMaxLines;
    int AreaX = 1;
    int AreaY = 1;
    int AreaSide = kMaxLines;
    std::unique_ptr<TPosition> Saved = std::make_unique<TPosition>();
    bool HaveSaved = false;
};

TEST(RandomPlay, EngineMatchesTheReferenceBoardCallByCall) {
    TStats Stats;
    for (uint32_t Seed = 1; Seed <= 2000 && !HasFatalFailure(); ++Seed) {
        TRandomGame Game(Seed, Stats);
        Game.Play(150);
        if (HasFatalFailure()) ADD_FAILURE() << "in game " << Seed;
    }
    if (HasFailure()) return;
    // The games met every rule many times over.
    EXPECT_EQ(Stats.Games, 2000);
    EXPECT_GT(Stats.SmallBoardGames, 500);
    EXPECT_GT(Stats.Captures, 10000);
    EXPECT_GT(Stats.ManyStoneCaptures, 3000);
    EXPECT_GT(Stats.KoRefused, 2000);
    EXPECT_GT(Stats.OtherEmptyPointRefused, 5000);
    EXPECT_GT(Stats.StepsBack, 50000);
    EXPECT_GT(Stats.StepsForward, 50000);
    EXPECT_GT(Stats.Setups, 10000);
    std::ostringstream S;
    S << Stats.Games << " games, " << Stats.Calls << " calls, " << Stats.Captures
      << " capturing moves (" << Stats.ManyStoneCaptures << " of several stones), "
      << Stats.KoRefused << " ko retakes and " << Stats.OtherEmptyPointRefused
      << " other moves on empty points refused, " << Stats.StepsBack << " steps back, "
      << Stats.StepsForward << " forward, " << Stats.Setups << " points set up";
    RecordProperty("stats", S.str());
    std::printf("%s\n", S.str().c_str());
}

}  // namespace
}  // namespace xvexo::testing
