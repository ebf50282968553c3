// The engine in thousands of random games on boards of 2 to 19 lines: legal and illegal tries,
// captures, ko, suicide, passes, steps back and forward, numbering, snapshots, handicaps, points
// set up between moves, moves out of turn. Every stone the engine plays, by a move or by a step
// forward, is judged by the capture and liberty search as first written (reference_capture.h),
// and the position, capture log, prisoners and history after it must be what that judgement
// makes of the position before. Besides: a step back brings back the position the engine showed
// at that move, the point events draw exactly the engine's points and value codes, snapshots
// load back whole, and the queries say what the position holds.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "rules/go_board.h"
#include "rules/reference_capture.h"
#include "support/random_game.h"

namespace xvexo::testing {
namespace {

// What the games went through, so the test shows that it met every rule.
struct TStats {
    int Games = 0;
    int SmallBoardGames = 0;
    int Calls = 0;
    int Captures = 0;
    int ManyStoneCaptures = 0;
    int KoRefused = 0;
    int OtherEmptyPointRefused = 0;  // suicides, and moves past the history or the capture log
    int StepsBack = 0;
    int StepsBackCompared = 0;
    int StepsForward = 0;
    int Setups = 0;
};

// What a position shows at a move: its points, the side to move, the prisoners and the log.
struct TShown {
    TPointGrid Points{};
    uint8_t SideToMove = kBlack;
    int32_t BlackPrisoners = 0;
    int32_t WhitePrisoners = 0;
    int32_t CaptureCount = 0;
    friend bool operator==(const TShown&, const TShown&) = default;
};

TShown ShownOf(const TPosition& P) {
    return {P.Points, P.SideToMove, P.BlackPrisoners, P.WhitePrisoners, P.CaptureCount};
}

// Whether two snapshots hold the same live position: everything but the log and setup entries
// past their counts.
bool SameSnapshot(const TPosition& A, const TPosition& B) {
    if (std::tie(A.Size, A.SideToMove, A.BlackPrisoners, A.WhitePrisoners, A.HandicapCount,
                 A.MoveIndex, A.CaptureCount, A.SetupCount) !=
        std::tie(B.Size, B.SideToMove, B.BlackPrisoners, B.WhitePrisoners, B.HandicapCount,
                 B.MoveIndex, B.CaptureCount, B.SetupCount)) {
        return false;
    }
    const auto Count = [](int32_t N, int32_t Max) { return std::clamp(N, 0, Max); };
    return A.Points == B.Points && A.Numbers == B.Numbers && A.History == B.History &&
           std::equal(A.Captures.begin(), A.Captures.begin() + Count(A.CaptureCount, kMaxCaptures),
                      B.Captures.begin()) &&
           std::equal(A.Setup.begin(), A.Setup.begin() + Count(A.SetupCount, kMaxSetup),
                      B.Setup.begin());
}

// The engine with what its point events drew, the positions it showed at each move, and the
// checks run after each call.
class TCheckedEngine {
  public:
    TCheckedEngine() {
        const auto Draw = [this](TGoBoard& Sender, int32_t X, int32_t Y, int32_t Value,
                                 uint8_t Colour) {
            ++Events;
            ForeignSender |= &Sender != &Board;
            if (X >= 1 && X <= kMaxLines && Y >= 1 && Y <= kMaxLines) {
                Picture[Y - 1][X - 1] = {Colour, Value};
            } else {
                ++OffBoardEvents;
            }
            LastEvent = {X, Y, Value};
            DebugEvents += std::to_string(X) + "," + std::to_string(Y) + "=" +
                           std::to_string(Colour) + "/" + std::to_string(Value) + " ";
        };
        Board.OnPutStone = Draw;
        Board.OnRedrawPoint = Draw;
        Board.OnMove = [this](TGoBoard& Sender, const TMoveInfo& Info) {
            ForeignSender |= &Sender != &Board;
            LastMove = Info;
        };
    }

    // Notes a call, to find a failure again.
    void Note(const char* What, int A, int B) {
        Trail[Calls % Trail.size()] = {What, A, B};
        ++Calls;
        Events = 0;
        DebugEvents.clear();
        auto P = Snapshot();
        DebugBefore = "idx " + std::to_string(P->MoveIndex) + " side " +
                      std::to_string(P->SideToMove) + " hist:";
        for (int i = 1; i <= P->MoveIndex; ++i)
            DebugBefore += " " + std::to_string(P->History[i].Colour) + ":" +
                           std::to_string(P->History[i].X) + "," + std::to_string(P->History[i].Y);
        DebugBefore += " (1,1)=" + std::to_string(P->Points[0][0]) + "/" +
                       std::to_string(P->Numbers[0][0]) + " setups " +
                       std::to_string(P->SetupCount);
    }
    std::string Where() const {
        std::string S =
            "\nevents: " + DebugEvents + "\nbefore: " + DebugBefore + "\nlast calls, oldest first:";
        for (size_t I = Calls > Trail.size() ? Calls - Trail.size() : 0; I < Calls; ++I) {
            const TCallNote& N = Trail[I % Trail.size()];
            S += std::string(" ") + N.What + "(" + std::to_string(N.A) + "," + std::to_string(N.B) +
                 ")";
        }
        return S;
    }

    std::unique_ptr<TPosition> Snapshot() const {
        auto P = std::make_unique<TPosition>();
        Board.GetPosition(*P);
        return P;
    }

    // After every call: the picture the events drew is the engine's points and value codes
    // (Loaded: the call loaded a position, which raises no event, and the picture starts again
    // from it); what the engine shows now is what it shows at this move; the position and the
    // move report agree.
    void Check(bool Loaded = false) {
        ASSERT_FALSE(ForeignSender) << Where();
        ASSERT_EQ(OffBoardEvents, 0) << Where();
        const auto Now = Snapshot();
        for (int Y = 1; Y <= kMaxLines; ++Y) {
            for (int X = 1; X <= kMaxLines; ++X) {
                const std::pair<uint8_t, int32_t> Point{Board.PointColour(X, Y),
                                                        Board.PointNumber(X, Y)};
                ASSERT_EQ(Point.first, Now->Points[Y - 1][X - 1]) << Where();
                if (Loaded) {
                    Picture[Y - 1][X - 1] = Point;
                } else {
                    ASSERT_EQ(Picture[Y - 1][X - 1], Point) << X << "," << Y << Where();
                }
            }
        }
        if (LastMove) {
            const THistoryEntry& Last = Now->History[static_cast<size_t>(Now->MoveIndex)];
            const TMoveInfo Expected{
                Last.X,         Last.Y, Now->MoveIndex, Now->WhitePrisoners, Now->BlackPrisoners,
                Now->SideToMove};
            ASSERT_EQ(*LastMove, Expected) << Where();
            LastMove.reset();
        }
        Shown[static_cast<size_t>(Now->MoveIndex)] = ShownOf(*Now);
    }

    // The positions past the current move are no longer those the engine showed there.
    void ForgetAhead() {
        for (size_t I = static_cast<size_t>(Board.MoveIndex()) + 1; I < Shown.size(); ++I)
            Shown[I].reset();
    }
    void ForgetAll() {
        for (auto& S : Shown)
            S.reset();
    }
    const std::optional<TShown>& ShownAt(int32_t Index) const {
        return Shown[static_cast<size_t>(Index)];
    }

    TGoBoard Board;
    std::string DebugEvents, DebugBefore;
    int Events = 0;
    std::array<int32_t, 3> LastEvent{};

  private:
    std::array<std::array<std::pair<uint8_t, int32_t>, kMaxLines>, kMaxLines> Picture{};
    std::optional<TMoveInfo> LastMove;
    bool ForeignSender = false;
    int OffBoardEvents = 0;
    std::array<std::optional<TShown>, kMaxMoves + 1> Shown;
    struct TCallNote {
        const char* What = "";
        int A = 0;
        int B = 0;
    };
    std::array<TCallNote, 12> Trail;
    size_t Calls = 0;
};

// Plays one random game on a fresh engine.
class TRandomGame {
  public:
    TRandomGame(uint32_t Seed, TStats& Stats) : Random(Seed), Stats(Stats) {}

    void Play(int Calls) {
        ++Stats.Games;
        Size = Pick({19, 19, 19, 19, 13, 9, 9, 7, 5, 4, 3, 2});
        Stats.SmallBoardGames += Size < kMaxLines;
        Reset();
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
    TGoBoard& Board() { return E.Board; }

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
            SideToMove();
            return;
        }
        const int Roll = Between(1, 100);
        if (Roll <= 72) {
            Move();
        } else if (Roll <= 75) {
            Pass();
        } else if (Roll <= 84) {
            for (int K = Between(1, 4); K > 0 && !::testing::Test::HasFatalFailure(); --K)
                StepBack();
        } else if (Roll <= 93) {
            for (int K = Between(1, 4); K > 0 && !::testing::Test::HasFatalFailure(); --K)
                StepForward();
        } else if (Roll <= 94) {
            const int N = Between(-3, kMaxMoves + 3);
            E.Note("SetEndIndex", N, 0);
            Board().SetEndIndex(N);
            ASSERT_EQ(Board().EndIndex(), std::clamp(N, 0, kMaxMoves)) << E.Where();
            E.Check();
        } else if (Roll <= 95) {
            Numbering();
        } else if (Roll <= 96) {
            StoneNumbers();
        } else if (Roll <= 98) {
            Snapshot();
        } else if (Roll <= 99) {
            MoveArea();
        } else {
            PrintGridAndMoveCoords();
        }
    }

    void Reset() {
        Consistent = true;
        E.Note("Reset", Size, 0);
        Board().Reset(Size);
        ASSERT_EQ(Board().MoveIndex(), 0) << E.Where();
        ASSERT_EQ(Board().EndIndex(), 0) << E.Where();
        ASSERT_EQ(Board().SideToMove(), kBlack) << E.Where();
        E.ForgetAll();
        E.Check(true);
    }

    void Handicap() {
        const int32_t Count = Between(0, 21);
        const auto Layout = static_cast<uint8_t>(Between(0, 1));
        E.Note("SetHandicap", Count, Layout);
        Board().SetHandicap(Count, Layout);
        ASSERT_EQ(Board().SideToMove(), Count >= 2 && Count <= 19 ? kWhite : kBlack) << E.Where();
        E.ForgetAll();
        E.Check();
    }

    // The stone of Mover at (X, Y) that the reference judged with J was played on the position
    // Before: the position after it is Before with the stone, without the captured stones, and
    // with the points set up after the move when Redo.
    void ExpectPlayed(const TPosition& Before, const TMoveJudgement& J, uint8_t Mover, int32_t X,
                      int32_t Y, bool Redo) {
        const auto After = E.Snapshot();
        const int32_t I = Before.MoveIndex + 1;
        ASSERT_EQ(After->MoveIndex, I) << E.Where();
        ASSERT_EQ(After->History[static_cast<size_t>(I)],
                  (THistoryEntry{Mover, X, Y, J.KoX, J.KoY}))
            << E.Where();
        ASSERT_EQ(After->SideToMove, OtherColour(Mover)) << E.Where();
        TPointGrid Points = Before.Points;
        Points[Y - 1][X - 1] = Mover;
        const auto Taken = static_cast<int32_t>(J.Captured.size());
        ASSERT_EQ(After->CaptureCount, Before.CaptureCount + Taken) << E.Where();
        for (int32_t K = 0; K < Taken; ++K) {
            const auto [CX, CY] = J.Captured[static_cast<size_t>(K)];
            Points[CY - 1][CX - 1] = kEmpty;
            ASSERT_EQ(After->Captures[static_cast<size_t>(Before.CaptureCount + K)],
                      (TCaptureEntry{CX, CY, Before.MoveIndex}))
                << E.Where();
        }
        const uint8_t Placed = Points[Y - 1][X - 1];
        if (Redo) RedoSetup(Before, I, Points);
        ASSERT_EQ(After->Points, Points) << E.Where();
        ASSERT_EQ(After->BlackPrisoners, Before.BlackPrisoners + (Mover == kBlack ? Taken : 0))
            << E.Where();
        ASSERT_EQ(After->WhitePrisoners, Before.WhitePrisoners + (Mover == kWhite ? Taken : 0))
            << E.Where();
        // The new stone shows its number, or the last-move mark (unless a point set up after
        // the move took its place).
        const TNumbering N = Board().Numbering();
        if (Points[Y - 1][X - 1] == Placed) {
            ASSERT_EQ(After->Numbers[Y - 1][X - 1],
                      N.On ? Before.MoveIndex - N.From + N.Base + 1 : kLastMoveMark)
                << E.Where();
        }
        Stats.Captures += Taken > 0;
        Stats.ManyStoneCaptures += Taken > 1;
    }

    // The points Before sets up after move I, in their order.
    static void RedoSetup(const TPosition& Before, int32_t I, TPointGrid& Points) {
        for (int32_t K = 0; K < std::clamp(Before.SetupCount, 0, kMaxSetup); ++K) {
            const TSetupEntry& S = Before.Setup[static_cast<size_t>(K)];
            if (S.MoveIndex == I) Points[S.Y - 1][S.X - 1] = S.New;
        }
    }

    // Nothing of the position changed.
    void ExpectUnchanged(const TPosition& Before) {
        const auto After = E.Snapshot();
        ASSERT_TRUE(SameSnapshot(*After, Before)) << E.Where();
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
        const auto Before = E.Snapshot();
        const uint8_t Mover = Before->SideToMove;
        const TMoveJudgement J = Reference.Judge(*Before, Mover, X, Y);
        E.Note("PlayMove", X, Y);
        Board().PlayMove(X, Y);
        if (J.Legal) {
            ExpectPlayed(*Before, J, Mover, X, Y, false);
            E.ForgetAhead();
        } else {
            ExpectUnchanged(*Before);
            const bool Empty = X >= 1 && X <= Size && Y >= 1 && Y <= Size &&
                               Before->Points[Y - 1][X - 1] == kEmpty;
            const THistoryEntry& Last = Before->History[static_cast<size_t>(Before->MoveIndex)];
            if (Empty && Last.X > 0 && Last.KoX == X && Last.KoY == Y) {
                ++Stats.KoRefused;
            } else if (Empty) {
                ++Stats.OtherEmptyPointRefused;
            }
        }
        ASSERT_EQ(Board().EndIndex(), Board().MoveIndex()) << E.Where();
        E.Check();
    }

    void Pass() {
        const auto Before = E.Snapshot();
        const int32_t End = Board().EndIndex();
        E.Note("PassMove", 0, 0);
        Board().PassMove();
        if (Before->MoveIndex >= kMaxMoves) {
            ExpectUnchanged(*Before);
        } else {
            const auto After = E.Snapshot();
            const int32_t I = Before->MoveIndex + 1;
            ASSERT_EQ(After->MoveIndex, I) << E.Where();
            ASSERT_EQ(After->History[static_cast<size_t>(I)],
                      (THistoryEntry{Before->SideToMove, 0, 0, 0, 0}))
                << E.Where();
            ASSERT_EQ(After->SideToMove, OtherColour(Before->SideToMove)) << E.Where();
            ASSERT_EQ(After->Points, Before->Points) << E.Where();
            ASSERT_EQ(Board().EndIndex(), End) << E.Where();
            E.ForgetAhead();
        }
        E.Check();
    }

    // A step forward replays the next history entry in its colour, judged afresh.
    void StepForward() {
        ++Stats.StepsForward;
        const auto Before = E.Snapshot();
        const bool Room = Before->MoveIndex < Board().EndIndex();
        E.Note("StepForward", Before->MoveIndex, 0);
        const bool Stepped = Board().StepForward();
        ASSERT_EQ(Stepped, Room) << E.Where();
        if (!Room) {
            ExpectUnchanged(*Before);
            E.Check();
            return;
        }
        const THistoryEntry Next = Before->History[static_cast<size_t>(Before->MoveIndex + 1)];
        const bool Named = Next.Colour == kBlack || Next.Colour == kWhite;
        const uint8_t Mover = Named ? Next.Colour : Before->SideToMove;
        if (Next.X == 0) {
            const auto After = E.Snapshot();
            TPointGrid Points = Before->Points;
            RedoSetup(*Before, Before->MoveIndex + 1, Points);
            ASSERT_EQ(After->MoveIndex, Before->MoveIndex + 1) << E.Where();
            ASSERT_EQ(After->Points, Points) << E.Where();
            ASSERT_EQ(After->SideToMove, OtherColour(Mover)) << E.Where();
        } else {
            const TMoveJudgement J = Reference.Judge(*Before, Mover, Next.X, Next.Y);
            if (J.Legal) {
                ExpectPlayed(*Before, J, Mover, Next.X, Next.Y, true);
            } else {
                // A stale entry the board refuses now: nothing but the side to move changes.
                const auto After = E.Snapshot();
                ASSERT_EQ(After->MoveIndex, Before->MoveIndex) << E.Where();
                ASSERT_EQ(After->Points, Before->Points) << E.Where();
                ASSERT_EQ(After->SideToMove, Mover) << E.Where();
                E.ForgetAhead();
            }
        }
        E.Check();
    }

    // A step back shows again what the engine showed at that move.
    void StepBack() {
        ++Stats.StepsBack;
        const auto Before = E.Snapshot();
        E.Note("StepBack", Before->MoveIndex, 0);
        Board().StepBack();
        const bool Back = Before->MoveIndex >= 1 &&
                          Before->History[static_cast<size_t>(Before->MoveIndex)].X >= 0;
        if (!Back) {
            ExpectUnchanged(*Before);
        } else {
            ASSERT_EQ(Board().MoveIndex(), Before->MoveIndex - 1) << E.Where();
            // The side that made the move taken back is to move again.
            const THistoryEntry& Taken = Before->History[static_cast<size_t>(Before->MoveIndex)];
            if (Taken.Colour == kBlack || Taken.Colour == kWhite) {
                ASSERT_EQ(Board().SideToMove(), Taken.Colour) << E.Where();
            }
            const auto& Then = E.ShownAt(Board().MoveIndex());
            if (Consistent && Then) {
                ++Stats.StepsBackCompared;
                TShown Now = ShownOf(*E.Snapshot());
                Now.SideToMove = Then->SideToMove;
                ASSERT_TRUE(Now == *Then) << E.Where();
            }
        }
        E.Check();
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
        const auto Before = E.Snapshot();
        E.Note("SetupPoint", X * 100 + Y, C);
        const bool Done = Board().SetupPoint(X, Y, C);
        const bool Fits = X >= 1 && X <= Size && Y >= 1 && Y <= Size && C <= kWhite;
        if (!Fits) {
            ASSERT_FALSE(Done) << E.Where();
            ExpectUnchanged(*Before);
        } else if (Done) {
            ASSERT_EQ(Board().PointColour(X, Y), C) << E.Where();
            ASSERT_EQ(Board().EndIndex(), Board().MoveIndex()) << E.Where();
            E.ForgetAhead();
        }
        E.Check();
    }

    void SideToMove() {
        const auto C = static_cast<uint8_t>(Between(0, 3));
        E.Note("SetSideToMove", C, 0);
        Board().SetSideToMove(C);
        ASSERT_EQ(Board().SideToMove(), C == kWhite ? kWhite : kBlack) << E.Where();
        E.ForgetAhead();
        E.Check();
    }

    // A random empty point of the area, which mostly is not an eye of the side to move (so
    // groups come to lose their last liberties); false when the area is full.
    bool EmptyPointOfTheArea(int32_t& X, int32_t& Y) {
        std::vector<std::pair<int32_t, int32_t>> Points;
        for (int32_t PY = AreaY; PY < AreaY + AreaSide; ++PY) {
            for (int32_t PX = AreaX; PX < AreaX + AreaSide; ++PX) {
                if (Board().PointColour(PX, PY) != kEmpty) continue;
                if (IsOwnEye(Board(), PX, PY, Board().SideToMove()) && !Chance(10)) continue;
                Points.emplace_back(PX, PY);
            }
        }
        if (Points.empty()) return false;
        std::tie(X, Y) = Points[static_cast<size_t>(Between(0, int(Points.size()) - 1))];
        return true;
    }

    void Numbering() {
        const TNumbering N{Between(-2, 30), Between(0, 40), static_cast<uint8_t>(Chance(50))};
        const TNumbering Was = Board().Numbering();
        if (Chance(70)) {
            E.Note("SetNumbering", N.Base, N.From * 2 + N.On);
            Board().SetNumbering(N);
            const TNumbering Now = Board().Numbering();
            ASSERT_EQ(std::tie(Now.Base, Now.From, Now.On), std::tie(N.Base, N.From, N.On));
        } else {
            E.Note("EnableNumbering", N.On, 0);
            Board().EnableNumbering(N.On != 0);
            const TNumbering Now = Board().Numbering();
            ASSERT_EQ(std::tie(Now.Base, Now.From, Now.On), std::tie(Was.Base, Was.From, N.On));
        }
        E.Check();
    }

    // Each occupied point gets the latest move played on it; numbering then counts from 1.
    void StoneNumbers() {
        E.Note("GetStoneNumbers", 0, 0);
        TNumberGrid A;
        Board().GetStoneNumbers(A);
        const auto P = E.Snapshot();
        TNumberGrid Expected{};
        for (int32_t I = 1; I <= P->MoveIndex; ++I) {
            const THistoryEntry& H = P->History[static_cast<size_t>(I)];
            if (H.X >= 1 && H.X <= P->Size && H.Y >= 1 && H.Y <= P->Size &&
                P->Points[H.Y - 1][H.X - 1] != kEmpty) {
                Expected[H.Y - 1][H.X - 1] = I;
            }
        }
        ASSERT_EQ(A, Expected) << E.Where();
        const TNumbering N = Board().Numbering();
        ASSERT_EQ(std::tuple(N.Base, N.From, N.On), std::tuple(1, 1, uint8_t{1})) << E.Where();
        E.Check();
    }

    void PrintGridAndMoveCoords() {
        E.Note("GetPrintGrid and GetMoveCoords", 0, 0);
        const auto P = E.Snapshot();
        TPrintGrid G;
        Board().GetPrintGrid(G);
        TMoveCoords L;
        Board().GetMoveCoords(P->MoveIndex, L);
        for (int R = 0; R < kMaxLines; ++R) {
            for (int C = 0; C < kMaxLines; ++C) {
                const uint8_t S = R < P->Size && C < P->Size ? P->Points[R][C] : kEmpty;
                ASSERT_EQ(G[R][C].Value, -1) << E.Where();
                ASSERT_EQ(G[R][C].Stone, S == kBlack ? 0 : S == kWhite ? 1 : 2) << E.Where();
            }
        }
        ASSERT_EQ(L.Count, P->MoveIndex) << E.Where();
        for (int32_t I = 1; I <= L.Count; ++I) {
            const THistoryEntry& H = P->History[static_cast<size_t>(I)];
            const std::array<uint8_t, 2> Expected{static_cast<uint8_t>(H.X),
                                                  static_cast<uint8_t>(H.Y)};
            ASSERT_EQ(L.Coords[static_cast<size_t>(I - 1)], Expected) << E.Where();
        }
        E.Check();
    }

    // A snapshot taken now, a snapshot loaded back (as trial play does), or a fresh position
    // of random stones on this size.
    void Snapshot() {
        const int Roll = Between(1, 100);
        if (Roll <= 40 || !HaveSaved) {
            Board().GetPosition(*Saved);
            HaveSaved = true;
            SavedConsistent = Consistent;
            return;
        }
        if (Roll <= 85) {
            const bool Whole = Roll <= 70;
            const bool MarkLast = Chance(50);
            const bool SetEnd = Chance(50);
            const auto Before = E.Snapshot();
            const int32_t End = Board().EndIndex();
            E.Note(Whole ? "SetPosition" : "LoadHistory", MarkLast, SetEnd);
            if (Whole) {
                Board().SetPosition(*Saved, MarkLast, SetEnd);
                Consistent = SavedConsistent;
            } else {
                Board().LoadHistory(*Saved);
                Consistent = SavedConsistent && Saved->MoveIndex == Before->MoveIndex &&
                             Saved->Size == Before->Size;
            }
            auto Expected = std::make_unique<TPosition>(*Saved);
            if (!Whole) {
                // The size, the move shown and the prisoners stay.
                Expected->Size = Before->Size;
                Expected->MoveIndex = Before->MoveIndex;
                Expected->BlackPrisoners = Before->BlackPrisoners;
                Expected->WhitePrisoners = Before->WhitePrisoners;
            }
            ASSERT_TRUE(SameSnapshot(*E.Snapshot(), *Expected)) << E.Where();
            ASSERT_EQ(Board().EndIndex(), !Whole || SetEnd ? Board().MoveIndex() : End)
                << E.Where();
            // The last stone's mark, when asked for, is the one event.
            const THistoryEntry& Last = Saved->History[static_cast<size_t>(Saved->MoveIndex)];
            const bool Marked = Whole && MarkLast && Saved->MoveIndex > 0 && Last.X >= 1 &&
                                Last.X <= Saved->Size && Last.Y >= 1 && Last.Y <= Saved->Size;
            ASSERT_EQ(E.Events, Marked ? 1 : 0) << E.Where();
            if (Marked) {
                ASSERT_EQ(E.LastEvent, (std::array<int32_t, 3>{Last.X, Last.Y, kLastMoveMark}))
                    << E.Where();
            }
        } else {
            TPosition& P = *Saved;
            InitPosition(Size, P);
            const int Density = Between(10, 70);
            for (int R = 0; R < Size; ++R)
                for (int C = 0; C < Size; ++C)
                    if (Chance(Density)) P.Points[R][C] = static_cast<uint8_t>(Between(1, 2));
            P.SideToMove = static_cast<uint8_t>(Between(1, 2));
            E.Note("SetPosition of random stones", Density, 0);
            Consistent = true;
            Board().SetPosition(P, false, true);
            ASSERT_TRUE(SameSnapshot(*E.Snapshot(), P)) << E.Where();
        }
        E.ForgetAll();
        E.Check(true);
    }

    std::mt19937 Random;
    TStats& Stats;
    TCheckedEngine E;
    TReferenceCapture Reference;
    int Size = kMaxLines;
    int AreaX = 1;
    int AreaY = 1;
    int AreaSide = kMaxLines;
    std::unique_ptr<TPosition> Saved = std::make_unique<TPosition>();
    bool HaveSaved = false;
    // Whether the capture log and the history belong to the position (false after a history
    // loaded at another move, whose log then restores other stones on the way back), and
    // whether they did when Saved was taken.
    bool Consistent = true;
    bool SavedConsistent = true;
};

TEST(RandomPlay, EveryStoneIsJudgedAsTheFirstCaptureSearchJudgesIt) {
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
    EXPECT_GT(Stats.StepsBackCompared, 30000);
    EXPECT_GT(Stats.StepsForward, 50000);
    EXPECT_GT(Stats.Setups, 10000);
    std::ostringstream S;
    S << Stats.Games << " games, " << Stats.Calls << " calls, " << Stats.Captures
      << " capturing moves (" << Stats.ManyStoneCaptures << " of several stones), "
      << Stats.KoRefused << " ko retakes and " << Stats.OtherEmptyPointRefused
      << " other moves on empty points refused, " << Stats.StepsBack << " steps back ("
      << Stats.StepsBackCompared << " compared with the position shown before), "
      << Stats.StepsForward << " forward, " << Stats.Setups << " points set up";
    RecordProperty("stats", S.str());
    std::printf("%s\n", S.str().c_str());
}

}  // namespace
}  // namespace xvexo::testing
