#include "records/sgf_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "records/diagram_code.h"
#include "records/record_error.h"
#include "records/record_format.h"
#include "records/record_loader.h"
#include "records/sgf_values.h"
#include "records/text_charset.h"

namespace xvexo {

namespace {

// Property names of one or two capitals, packed; longer names are not read.
constexpr uint16_t Id(char A) {
    return static_cast<uint8_t>(A);
}
constexpr uint16_t Id(char A, char B) {
    return static_cast<uint16_t>(static_cast<uint8_t>(A) << 8 | static_cast<uint8_t>(B));
}

// Open variations a text may nest; each costs a few bytes of memory.
constexpr size_t kMaxNesting = 1000000;
// Values one node may hold (a node is read whole before it is used): far more than any board
// needs, and a bound on what a hostile text can make the reader hold.
constexpr size_t kMaxNodeValues = 100000;
// The moves of the current path that a diagram may draw on: the main line's up to the branch
// point, then at most a diagram's worth.
constexpr int32_t kPathCapacity = TGameRecord::MaxMoves + kMaxDiagramMoves;

bool IsBlank(char C) {
    return C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == '\v' || C == '\f';
}
bool IsLetter(char C) {
    return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z');
}

std::string Plural(int64_t N, const char* One, const char* Many) {
    return std::to_string(N) + " " + (N == 1 ? One : Many);
}

// "Move 5", "Moves 5 and 9", "Moves 5, 9 and 12"; past ten numbers the rest are counted.
std::string MoveList(const std::vector<int32_t>& Moves) {
    constexpr size_t kShown = 10;
    const size_t Shown = std::min(Moves.size(), kShown);
    std::string Text = Moves.size() == 1 ? "Move " : "Moves ";
    for (size_t K = 0; K < Shown; ++K) {
        if (K > 0) Text += K + 1 == Moves.size() ? " and " : ", ";
        Text += std::to_string(Moves[K]);
    }
    if (Moves.size() > Shown) Text += " and " + std::to_string(Moves.size() - Shown) + " more";
    return Text;
}

class TSgfReader {
  public:
    TSgfReader(TGameRecord& Record, const TSgfSource& Source)
        : R(Record),
          T(Source.Bytes),
          Lead(LeadBytesOf(Source.Charset.Converter)),
          Decoder(Source.Charset.Converter) {}

    // False when the text holds no game tree.
    bool Run() {
        I = FindGameTreeStart(T);
        if (I == std::string_view::npos) return false;
        ReadFirstTree();
        if (!AnyProperty) return false;  // "(;;)" in a script is no game
        CountFurtherGames();
        Finish();
        return true;
    }

  private:
    enum class TLast { None, Open, Node, Close };

    // What a "(" saves and its ")" restores: the moves on the path, the main-line moves that
    // path shares, whether the path is still the main line.
    struct TFrame {
        int32_t PathMoves;
        int32_t BranchMoves;
        bool OnMain;
    };

    struct TProperty {
        uint16_t Id;
        uint32_t First;  // into Values
        uint32_t Count;
        size_t At;  // offset of the name, for messages
    };

    // The line of play being read outside the main line.
    struct TLine {
        bool Open = false;
        std::string Comment;       // "[n] text" lines, n the diagram move
        std::string PlainComment;  // the same texts without their numbers
        std::array<TDiagramPoint, kMaxDiagramLabels> Labels{};
        // How many of the line's moves were played when each label was set.
        std::array<int32_t, kMaxDiagramLabels> LabelAt{};
        int32_t LabelCount = 0;
    };

    // --- Scanning -------------------------------------------------------------------------

    void ReadFirstTree() {
        while (true) {
            while (I < T.size() && IsBlank(T[I]))
                ++I;
            if (I >= T.size()) {
                // Cut short (an interrupted download): what was read stands.
                CloseAtEnd();
                return;
            }
            const char C = T[I];
            // A root node written without its ";" (as some sites export): its properties
            // follow the "(" at once.
            if (IsLetter(C) && Last == TLast::Open && !RootRead && !NodeOpen) StartNode();
            if (C == '(') {
                Open();
                ++I;
            } else if (C == ';') {
                StartNode();
                ++I;
            } else if (C == ')') {
                Close();
                ++I;
                if (Frames.empty()) return;
            } else if (IsLetter(C)) {
                ReadProperty();
            } else if (C == '[') {
                Fail(I, "a value without a property name");
            } else {
                Fail(I, "unexpected " + Quote(T.substr(I, CharLengthAt(T, I, Lead))));
            }
        }
    }

    // The end of the text with trees still open: each is closed as if its ")" stood there.
    void CloseAtEnd() {
        Truncated = true;
        while (!Frames.empty()) {
            Last = TLast::Node;  // a tree cut right after its "(" closes empty
            Close();
        }
    }

    void Open() {
        if (Last == TLast::Open) Fail(I, "a game tree must begin with a node (\";\")");
        FlushNode();
        if (Frames.size() >= kMaxNesting) Fail(I, "variations nest deeper than 1000000 levels");
        Frames.push_back({PathMoves, BranchMoves, OnMain});
        if (Last == TLast::Close) {
            // A further child of the node before: a new line of play.
            if (OnMain) BranchMoves = PathMoves;
            OnMain = false;
            Line.Open = true;
            Line.Comment.clear();
            Line.PlainComment.clear();
            Line.LabelCount = 0;
        }
        Last = TLast::Open;
    }

    void StartNode() {
        if (Last == TLast::Close) Fail(I, "a node (\";\") after the end of a variation");
        FlushNode();
        NodeOpen = true;
        Last = TLast::Node;
    }

    void Close() {
        if (Last == TLast::Open) Fail(I, "an empty game tree");
        FlushNode();
        if (Line.Open) EndLine();
        const TFrame F = Frames.back();
        Frames.pop_back();
        PathMoves = F.PathMoves;
        BranchMoves = F.BranchMoves;
        OnMain = F.OnMain;
        Last = TLast::Close;
    }

    void ReadProperty() {
        const size_t At = I;
        if (Last != TLast::Node) Fail(At, "a property outside a node");
        // Lower-case letters in names (older files) are not part of the name.
        char Upper[2] = {0, 0};
        int UpperCount = 0;
        while (I < T.size() && IsLetter(T[I])) {
            if (T[I] >= 'A' && T[I] <= 'Z') {
                if (UpperCount < 2) Upper[UpperCount] = T[I];
                ++UpperCount;
            }
            ++I;
        }
        const std::string_view Name = T.substr(At, I - At);
        if (I >= T.size()) return;  // the text ends in the name: the property is left out
        if (UpperCount == 0) Fail(At, "property name " + QuoteForMessage(Name) + " has no capital");
        const uint16_t PropId = UpperCount == 1   ? Id(Upper[0])
                                : UpperCount == 2 ? Id(Upper[0], Upper[1])
                                                  : 0;
        TProperty P{PropId, static_cast<uint32_t>(Values.size()), 0, At};
        while (true) {
            while (I < T.size() && IsBlank(T[I]))
                ++I;
            if (I >= T.size() || T[I] != '[') break;
            const size_t ValueAt = I;
            if (Values.size() >= kMaxNodeValues)
                Fail(ValueAt, "a node with more than 100000 values");
            const size_t K = ValueEnd(ValueAt + 1);
            if (K >= T.size()) {
                // The text ends in the value: the property is left out.
                Values.resize(P.First);
                I = T.size();
                return;
            }
            Values.push_back(T.substr(ValueAt + 1, K - ValueAt - 1));
            ++P.Count;
            I = K + 1;
        }
        if (P.Count == 0) {
            if (I >= T.size()) return;  // the text ends before its value: left out
            Fail(At, "property " + QuoteForMessage(Name) + " has no value");
        }
        Properties.push_back(P);
        AnyProperty = true;
    }

    // The index of the "]" that closes the value from From on (T.size() when none does): the
    // first "]" that an odd run of "\\" does not escape, and that is no trail byte of a
    // two-byte character.
    size_t ValueEnd(size_t From) const {
        if (Lead != TLeadBytes::None) {
            for (size_t K = From; K < T.size(); K += CharLengthAt(T, K, Lead)) {
                if (T[K] == ']') return K;
                if (T[K] == '\\' && K + 1 < T.size()) ++K;  // the escaped character
            }
            return T.size();
        }
        while (From < T.size()) {
            const void* Found = std::memchr(T.data() + From, ']', T.size() - From);
            if (Found == nullptr) break;
            const size_t K = static_cast<size_t>(static_cast<const char*>(Found) - T.data());
            size_t Slashes = 0;
            while (K - Slashes > From && T[K - Slashes - 1] == '\\')
                ++Slashes;
            if (Slashes % 2 == 0) return K;
            From = K + 1;
        }
        return T.size();
    }

    // After the first game tree: how many more the text holds (their content is not read).
    void CountFurtherGames() {
        int32_t Depth = 0;
        while (I < T.size()) {
            const char C = T[I];
            if (C == '[') {
                I = ValueEnd(I + 1);
                if (I >= T.size()) return;
            } else if (C == '(') {
                if (Depth == 0) ++FurtherGames;
                ++Depth;
            } else if (C == ')' && Depth > 0) {
                --Depth;
            }
            ++I;
        }
    }

    // A value quoted in a message, in UTF-8.
    std::string Quote(std::string_view Raw) const { return QuoteForMessage(Decoder.Decode(Raw)); }

    // A text value in UTF-8, its escapes resolved (sgf_values.h).
    std::string Text(std::string_view Raw, bool Simple) {
        return SgfText(Decoder.Decode(Raw), Simple);
    }

    [[noreturn]] void Fail(size_t At, const std::string& What) const {
        const int64_t Line =
            1 + std::count(T.begin(),
                           T.begin() + static_cast<std::ptrdiff_t>(std::min(At, T.size())), '\n');
        throw TRecordError("SGF record, line " + std::to_string(Line) + ": " + What);
    }

    // --- Nodes ----------------------------------------------------------------------------

    std::span<const std::string_view> ValuesOf(const TProperty& P) const {
        return {Values.data() + P.First, P.Count};
    }

    const TProperty* Find(uint16_t PropId) const {
        for (const TProperty& P : Properties) {
            if (P.Id == PropId) return &P;
        }
        return nullptr;
    }

    void FlushNode() {
        if (!NodeOpen) return;
        NodeOpen = false;
        if (!RootRead) {
            RootRead = true;
            ReadRoot();
        }
        if (OnMain) {
            MainNode();
        } else {
            VariationNode();
        }
        Properties.clear();
        Values.clear();
    }

    void ReadRoot() {
        if (const TProperty* Size = Find(Id('S', 'Z'))) {
            const std::string_view V = ValuesOf(*Size)[0];
            const auto [A, B] = SgfSplitCompose(V);
            const auto Columns = SgfNumber(A);
            const auto Rows = A.size() == V.size() ? Columns : SgfNumber(B);
            if (!Columns || !Rows) {
                Fail(Size->At, "board size " + Quote(V) + " is not a number");
            }
            if (*Columns != *Rows) {
                Fail(Size->At, "rectangular boards (" + std::to_string(*Columns) + "x" +
                                   std::to_string(*Rows) + ") are not supported");
            }
            if (*Columns < kMinBoardSize || *Columns > kMaxBoardSize) {
                Fail(Size->At, "board size " + std::to_string(*Columns) +
                                   " is not supported (2 to 19 lines)");
            }
            R.BoardSize = *Columns;
        }
        if (const TProperty* Game = Find(Id('G', 'M'))) {
            const auto Kind = SgfNumber(ValuesOf(*Game)[0]);
            if (!Kind || *Kind != 1) {
                Fail(Game->At, "the record is of another game than Go (GM " +
                                   Quote(ValuesOf(*Game)[0]) + ")");
            }
        }
        if (const TProperty* Handicap = Find(Id('H', 'A'))) {
            const auto N = SgfNumber(ValuesOf(*Handicap)[0]);
            if (N && *N >= 0) R.DeclaredHandicap = *N;
        }
        if (const TProperty* Player = Find(Id('P', 'L'))) {
            const std::string_view V = ValuesOf(*Player)[0];
            if (V == "B" || V == "b") R.FirstPlayer = 1;
            if (V == "W" || V == "w") R.FirstPlayer = 2;
        }
    }

    // The point rectangle of a value that must lie on the board.
    TSgfRectangle PointsOrFail(const TProperty& P, std::string_view V) const {
        const auto Rect = SgfPointRectangle(V, R.BoardSize);
        if (!Rect) Fail(P.At, Quote(V) + " is not a point of the board" + SizeText());
        return *Rect;
    }

    std::string SizeText() const {
        return " (" + std::to_string(R.BoardSize) + "x" + std::to_string(R.BoardSize) + ")";
    }

    // The move of a node (the first B or W), or nullopt; a value off the board fails.
    std::optional<TMoveRec> MoveOf() const {
        for (const TProperty& P : Properties) {
            if (P.Id != Id('B') && P.Id != Id('W')) continue;
            const std::string_view V = ValuesOf(P)[0];
            const auto M = SgfMove(V, R.BoardSize);
            if (!M) Fail(P.At, "move " + Quote(V) + " is not a point of the board" + SizeText());
            return TMoveRec{M->X, M->Y, static_cast<uint8_t>(P.Id == Id('B') ? 1 : 2)};
        }
        return std::nullopt;
    }

    void AddToPath(const TMoveRec& M) {
        if (PathMoves < kPathCapacity) Path[static_cast<size_t>(PathMoves)] = M;
        ++PathMoves;
    }

    bool HasSetup() const { return Find(Id('A', 'B')) || Find(Id('A', 'W')) || Find(Id('A', 'E')); }

    void MainNode() {
        const std::optional<TMoveRec> Move = MoveOf();
        const bool Root = !RootDone;
        RootDone = true;
        const bool Shows = HasSetup() || Find(Id('C')) != nullptr;
        // A node that sets stones up or comments without a move is a step of its own, so its
        // position and comment are seen. The root is the start; so are the nodes after it
        // before any move while the start shows nothing of its own (a root of game
        // information alone, the problem set up in the next node).
        const bool Step = !Move && Shows && !Root && (R.MoveCount > 0 || StartShows);
        if (MainStopped) {
            if (Move || Step) ++MovesLeftOut;
            return;
        }
        if ((Move || Step) && R.MoveCount >= TGameRecord::MaxMoves) {
            MainStopped = true;
            ++MovesLeftOut;
            return;
        }
        if (Step) {
            R.AddStep();
            AddToPath(R.Moves[static_cast<size_t>(R.MoveCount - 1)]);
        }
        if (R.MoveCount == 0 && Shows) StartShows = true;
        // Setup comes before the node's move.
        for (const TProperty& P : Properties) {
            const uint8_t Colour = P.Id == Id('A', 'B')   ? 1
                                   : P.Id == Id('A', 'W') ? 2
                                   : P.Id == Id('A', 'E') ? 0
                                                          : 3;
            if (Colour == 3) continue;
            for (std::string_view V : ValuesOf(P)) {
                const TSgfRectangle Rect = PointsOrFail(P, V);
                for (uint8_t Y = Rect.From.Y; Y <= Rect.To.Y; ++Y) {
                    for (uint8_t X = Rect.From.X; X <= Rect.To.X; ++X) {
                        if (!R.AddSetup(X, Y, Colour)) ++SetupLeftOut;
                    }
                }
            }
        }
        if (Move) {
            R.AddMove(Move->X, Move->Y, Move->Colour);
            AddToPath(*Move);
        }
        for (const TProperty& P : Properties) {
            const std::span<const std::string_view> V = ValuesOf(P);
            switch (P.Id) {
                case Id('C'):
                    AddNoteAt(R.MoveCount, nkComment,
                              "[" + std::to_string(R.MoveCount) + "] " + Text(V[0], false));
                    break;
                case Id('G', 'C'):
                    GameComment = Text(V[0], false);
                    break;
                case Id('E', 'V'):
                    Event = Text(V[0], true);
                    break;
                case Id('G', 'N'):
                    GameName = Text(V[0], true);
                    break;
                case Id('T', 'M'):
                    TimeLimit = Text(V[0], true);
                    break;
                case Id('O', 'T'):
                    Overtime = Text(V[0], true);
                    break;
                case Id('D', 'T'):
                    R.Info.Date = Text(V[0], true);
                    break;
                case Id('P', 'C'):
                    R.Info.Place = Text(V[0], true);
                    break;
                case Id('P', 'B'):
                    R.Info.BlackName = Text(V[0], true);
                    break;
                case Id('P', 'W'):
                    R.Info.WhiteName = Text(V[0], true);
                    break;
                case Id('B', 'R'):
                    R.Info.BlackRank = Text(V[0], true);
                    break;
                case Id('W', 'R'):
                    R.Info.WhiteRank = Text(V[0], true);
                    break;
                case Id('R', 'E'):
                    R.Info.Result = Text(V[0], true);
                    break;
                case Id('K', 'M'):
                    R.Info.Komi = Text(V[0], true);
                    break;
                case Id('L', 'B'):
                    for (std::string_view L : V) {
                        const auto [Where, What] = SgfSplitCompose(L);
                        const auto Pt = SgfPoint(Where, R.BoardSize);
                        const int16_t Code = SgfLabelCode(Text(What, true));
                        if (Pt && Code > 0) Mark(Pt->X, Pt->Y, Code);
                    }
                    break;
                case Id('T', 'R'):
                    MarkAll(V, kMarkTriangle);
                    break;
                case Id('S', 'Q'):
                    MarkAll(V, kMarkSquare);
                    break;
                case Id('C', 'R'):
                    MarkAll(V, kMarkCircle);
                    break;
                case Id('M', 'A'):
                    MarkAll(V, kMarkCross);
                    break;
                default:
                    break;
            }
        }
    }

    void Mark(uint8_t X, uint8_t Y, int16_t Code) {
        if (!R.AddMark(X, Y, Code)) ++MarksLeftOut;
    }

    void MarkAll(std::span<const std::string_view> V, int16_t Code) {
        for (std::string_view Value : V) {
            const auto Rect = SgfPointRectangle(Value, R.BoardSize);
            if (!Rect) continue;
            for (uint8_t Y = Rect->From.Y; Y <= Rect->To.Y; ++Y) {
                for (uint8_t X = Rect->From.X; X <= Rect->To.X; ++X)
                    Mark(X, Y, Code);
            }
        }
    }

    void VariationNode() {
        for (const TProperty& P : Properties) {
            if (P.Id != Id('A', 'B') && P.Id != Id('A', 'W') && P.Id != Id('A', 'E')) continue;
            for (std::string_view V : ValuesOf(P)) {
                const TSgfRectangle Rect = PointsOrFail(P, V);
                VariationSetupLeftOut +=
                    (Rect.To.X - Rect.From.X + 1) * (Rect.To.Y - Rect.From.Y + 1);
            }
        }
        if (const auto M = MoveOf()) AddToPath(*M);
        for (const TProperty& P : Properties) {
            const std::span<const std::string_view> V = ValuesOf(P);
            if (P.Id == Id('C')) {
                const std::string Comment = Text(V[0], false);
                if (!Line.Comment.empty()) {
                    Line.Comment += '\n';
                    Line.PlainComment += '\n';
                }
                Line.Comment += "[" + std::to_string(PathMoves - BranchMoves) + "] " + Comment;
                Line.PlainComment += Comment;
            } else if (P.Id == Id('L', 'B')) {
                for (std::string_view L : V) {
                    const auto [Where, What] = SgfSplitCompose(L);
                    const auto Pt = SgfPoint(Where, R.BoardSize);
                    const int16_t Code = SgfLabelCode(Text(What, true));
                    if (Pt && Code > 0) {
                        AddLineLabel({Pt->X, Pt->Y, Code}, PathMoves - BranchMoves);
                    }
                }
            }
        }
    }

    // A later label on a point replaces the earlier one (the diagram window would take a
    // second label on a point as taking the first away).
    void AddLineLabel(const TDiagramPoint& L, int32_t At) {
        for (int32_t K = 0; K < Line.LabelCount; ++K) {
            TDiagramPoint& Old = Line.Labels[static_cast<size_t>(K)];
            if (Old.X == L.X && Old.Y == L.Y) {
                Old.Code = L.Code;
                Line.LabelAt[static_cast<size_t>(K)] = At;
                return;
            }
        }
        // One label a point: a board has fewer points than a diagram has labels.
        if (Line.LabelCount >= kMaxDiagramLabels) return;
        Line.Labels[static_cast<size_t>(Line.LabelCount)] = L;
        Line.LabelAt[static_cast<size_t>(Line.LabelCount)] = At;
        ++Line.LabelCount;
    }

    // The line being read ends at the first ")" after its last node: its diagram.
    void EndLine() {
        Line.Open = false;
        const int32_t Start = BranchMoves;
        if (Start >= TGameRecord::MaxMoves) {
            ++VariationsLeftOut;
            return;
        }
        if (R.NoteCount >= TGameRecord::MaxNotes) {
            ++NotesLeftOut;
            return;
        }
        const int32_t Moves = std::min(PathMoves - Start, kMaxDiagramMoves);
        if (PathMoves - Start > kMaxDiagramMoves) ++VariationsCut;
        if (Moves <= 0) {
            if (!Line.PlainComment.empty()) {
                AddNoteAt(Start, nkComment, "[" + std::to_string(Start) + "] " + Line.PlainComment);
            }
            return;
        }
        std::array<TDiagramPoint, kMaxDiagramMoves> Points;
        for (int32_t K = 0; K < Moves; ++K) {
            const TMoveRec& M = Path[static_cast<size_t>(Start + K)];
            Points[static_cast<size_t>(K)] = {M.X, M.Y, 0};
        }
        // A label on a point that a later move of the line takes marked an empty point: the
        // diagram window would show it in place of that stone's number, so the number stays.
        // A label on a stone already played stays.
        int32_t Kept = 0;
        for (int32_t K = 0; K < Line.LabelCount; ++K) {
            const TDiagramPoint& L = Line.Labels[static_cast<size_t>(K)];
            bool Covered = false;
            for (int32_t M = std::max(Line.LabelAt[static_cast<size_t>(K)], 0); M < Moves; ++M)
                Covered = Covered || (Points[static_cast<size_t>(M)].X == L.X &&
                                      Points[static_cast<size_t>(M)].Y == L.Y);
            if (!Covered) Line.Labels[static_cast<size_t>(Kept++)] = L;
        }
        const auto Played = std::span(Points.data(), static_cast<size_t>(Moves));
        AddNoteAt(Start, nkDiagram,
                  WriteDiagramCode(Start + 1, Played,
                                   std::span(Line.Labels.data(), static_cast<size_t>(Kept)),
                                   Line.Comment));
    }

    void AddNoteAt(int32_t MoveNo, uint16_t Kind, std::string Text) {
        if (R.NoteCount >= TGameRecord::MaxNotes) {
            ++NotesLeftOut;
            return;
        }
        TNoteRec& N = R.Notes[static_cast<size_t>(R.NoteCount)];
        N.Text = std::move(Text);
        N.MoveNo = MoveNo;
        N.Kind = Kind;
        ++R.NoteCount;
    }

    // --- The end --------------------------------------------------------------------------

    void Finish() {
        // Diagrams were met after the whole main line: order the notes by move.
        std::stable_sort(R.Notes.begin(), R.Notes.begin() + R.NoteCount,
                         [](const TNoteRec& A, const TNoteRec& B) { return A.MoveNo < B.MoveNo; });
        R.Info.Title = Event;
        if (!Event.empty() && !GameName.empty()) R.Info.Title += " \xC2\xB7 ";
        R.Info.Title += GameName;
        if (!TimeLimit.empty()) R.Info.TimeText = SgfTimeText(TimeLimit);
        if (!Overtime.empty() &&
            !SgfByoyomi(Overtime, R.Info.ByoyomiCount, R.Info.ByoyomiSeconds)) {
            if (!R.Info.TimeText.empty()) R.Info.TimeText += " + ";
            R.Info.TimeText += Overtime;
        }
        // The first to play: PL, else the colour of the first move. HA sets no stone of its
        // own: the record's AB stones are the handicap.
        for (int32_t K = 0; R.FirstPlayer == 0 && K < R.StoredMoves(); ++K)
            R.FirstPlayer = R.Moves[static_cast<size_t>(K)].Colour;
        // The moves the rules refuse are played as the record has them: say which.
        auto Board = std::make_unique<TGoBoard>();
        ReplayRecord(R, *Board, &Breaks);

        std::string Comment = GameComment;
        const bool Full = R.NoteCount >= TGameRecord::MaxNotes;
        if (Full) ++NotesLeftOut;  // the game comment's note takes the last place
        const std::string Notice = Notices();
        if (!Notice.empty()) {
            if (!Comment.empty()) Comment += '\n';
            Comment += Notice;
        }
        if (Comment.empty()) return;
        R.Info.GameComment = Comment;
        if (Full) R.NoteCount = TGameRecord::MaxNotes - 1;
        std::move_backward(R.Notes.begin(), R.Notes.begin() + R.NoteCount,
                           R.Notes.begin() + R.NoteCount + 1);
        R.Notes[0] = TNoteRec{"[0] " + Comment, 0, nkComment};
        ++R.NoteCount;
    }

    std::string Notices() const {
        std::vector<std::string> Lines;
        if (Truncated) {
            Lines.push_back(
                "The file ends before its game tree is closed; it is read as far as it "
                "goes.");
        }
        const auto Said = [&](TForcedMove What, const char* One, const char* Many) {
            std::vector<int32_t> Moves;
            for (const TRuleBreak& B : Breaks) {
                if (B.What == What) Moves.push_back(B.MoveNo);
            }
            if (!Moves.empty()) Lines.push_back(MoveList(Moves) + (Moves.size() == 1 ? One : Many));
        };
        Said(TForcedMove::OnStone,
             " is played on a point that holds a stone, as the record has it: "
             "the stone there is replaced.",
             " are played on points that hold a stone, as the record has them: the stones there "
             "are replaced.");
        Said(TForcedMove::Suicide,
             " leaves its own group without liberty, as the record has it: the group leaves the "
             "board.",
             " leave their own groups without liberty, as the record has them: the groups leave "
             "the board.");
        Said(TForcedMove::KoRetake, " retakes a ko at once, as the record has it.",
             " retake a ko at once, as the record has them.");
        Said(TForcedMove::Refused, " cannot be played: the board's logs are full.",
             " cannot be played: the board's logs are full.");
        if (MovesLeftOut > 0) {
            Lines.push_back("Only the first 500 moves are shown; " +
                            Plural(MovesLeftOut, "more move is", "more moves are") + " left out.");
        }
        if (VariationsLeftOut > 0) {
            Lines.push_back(Plural(VariationsLeftOut, "variation", "variations") +
                            " after move 500 left out.");
        }
        if (NotesLeftOut > 0) {
            Lines.push_back(Plural(NotesLeftOut, "comment or variation", "comments or variations") +
                            " past the 2000 notes a record holds left out.");
        }
        if (VariationsCut > 0) {
            Lines.push_back(Plural(VariationsCut, "variation", "variations") +
                            " cut after 400 moves.");
        }
        if (SetupLeftOut > 0) {
            Lines.push_back(Plural(SetupLeftOut, "setup stone", "setup stones") +
                            " past the 2000 a record holds left out.");
        }
        if (MarksLeftOut > 0) {
            Lines.push_back(Plural(MarksLeftOut, "board mark", "board marks") +
                            " past the 4000 a record holds left out.");
        }
        if (VariationSetupLeftOut > 0) {
            Lines.push_back(Plural(VariationSetupLeftOut, "stone", "stones") +
                            " set up inside variations not shown.");
        }
        if (FurtherGames > 0) {
            Lines.push_back("The file holds " + std::to_string(FurtherGames + 1) +
                            " games; the first is shown.");
        }
        std::string Text;
        for (const std::string& L : Lines) {
            if (!Text.empty()) Text += '\n';
            Text += L;
        }
        return Text;
    }

    TGameRecord& R;
    std::string_view T;
    TLeadBytes Lead;
    mutable TValueDecoder Decoder;
    size_t I = 0;
    TLast Last = TLast::None;
    std::vector<TFrame> Frames;

    // The node being read: its properties and their values (views into T, escapes in place).
    bool NodeOpen = false;
    bool RootRead = false;
    std::vector<TProperty> Properties;
    std::vector<std::string_view> Values;

    // The current path: its moves (Path[k] is move k + 1 of the path, while k < capacity),
    // how many of them lie on the main line, and whether the path is the main line.
    std::array<TMoveRec, kPathCapacity> Path{};
    int32_t PathMoves = 0;
    int32_t BranchMoves = 0;
    bool OnMain = true;
    bool MainStopped = false;
    TLine Line;

    bool RootDone = false;     // the root node was read
    bool StartShows = false;   // the start has setup stones or a comment of its own
    bool Truncated = false;    // the text ended inside its game tree
    bool AnyProperty = false;  // the tree held a property
    std::string Event;
    std::string GameName;
    std::string TimeLimit;
    std::string Overtime;
    std::string GameComment;

    std::vector<TRuleBreak> Breaks;  // the moves the rules refuse, as the replay met them
    int64_t MovesLeftOut = 0;
    int64_t VariationsLeftOut = 0;
    int64_t NotesLeftOut = 0;
    int64_t VariationsCut = 0;
    int64_t SetupLeftOut = 0;
    int64_t MarksLeftOut = 0;
    int64_t VariationSetupLeftOut = 0;
    int64_t FurtherGames = 0;
};

}  // namespace

bool ParseSgfRecord(TGameRecord& Record, std::string_view Text) {
    std::string Converted;
    const TSgfSource Source = PrepareSgfText(Text, Converted);
    return TSgfReader(Record, Source).Run();
}

}  // namespace xvexo
