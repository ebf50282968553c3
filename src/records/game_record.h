#pragma once
// The in-memory game record: information texts, moves and notes tied to move numbers, and the
// fields that say how the record was read. Text is kept as the bytes received.

#include <array>
#include <cstdint>
#include <string>

namespace xvexo {

// Game-information texts, in the order of TInfoKind.
struct TVexoInfo {
    std::string Title;
    std::string Date;
    std::string Place;
    std::string BlackName;
    std::string WhiteName;
    std::string Result;
    std::string TimeText;
    std::string ByoyomiSeconds;
    std::string ByoyomiCount;
    std::string Komi;
    std::string BlackRank;
    std::string WhiteRank;
    std::string CommentMode;
    std::string GameComment;
};

// Which text of TVexoInfo a value goes to, numbered 1..14 in declaration order; None for a value
// that is read and dropped.
enum class TInfoKind : uint8_t {
    None = 0,
    Title,
    Date,
    Place,
    BlackName,
    WhiteName,
    Result,
    TimeText,
    ByoyomiSeconds,
    ByoyomiCount,
    Komi,
    BlackRank,
    WhiteRank,
    CommentMode,
    GameComment,
};

// Every kind but None, in declaration order.
inline constexpr std::array<TInfoKind, 14> kInfoKinds = {
    TInfoKind::Title,        TInfoKind::Date,       TInfoKind::Place,     TInfoKind::BlackName,
    TInfoKind::WhiteName,    TInfoKind::Result,     TInfoKind::TimeText,  TInfoKind::ByoyomiSeconds,
    TInfoKind::ByoyomiCount, TInfoKind::Komi,       TInfoKind::BlackRank, TInfoKind::WhiteRank,
    TInfoKind::CommentMode,  TInfoKind::GameComment};

// The text of Kind; nullptr for None.
std::string* InfoField(TVexoInfo& Info, TInfoKind Kind);
const std::string* InfoField(const TVexoInfo& Info, TInfoKind Kind);
// The field's name in TVexoInfo ("Title" ... "GameComment"); "" for None.
const char* InfoFieldName(TInfoKind Kind);

// One recorded move: X = 0 is a pass (Y then ignored). No range check: the board refuses
// points outside 1..19. Colour is the side the record names for the move (1 black, 2 white);
// 0, as the tag and NGF readers leave it, means the side whose turn it is. NoMove marks a step
// without a move (standard SGF: a node that sets stones up or comments), with X, Y and Colour 0.
struct TMoveRec {
    uint8_t X = 0;
    uint8_t Y = 0;
    uint8_t Colour = 0;
    bool NoMove = false;
};

constexpr uint16_t nkComment = 1;
constexpr uint16_t nkDiagram = 2;

// A note tied to a move number: a comment ("[N] " + text) or a diagram code.
struct TNoteRec {
    std::string Text;
    int32_t MoveNo = 0;
    uint16_t Kind = nkComment;
};

constexpr int32_t kFormatTag = 1;
constexpr int32_t kFormatNgf = 2;
constexpr int32_t kFormatSgf = 3;  // standard SGF; its texts are stored as UTF-8

// Board sizes a record may give (square boards only); the tag and NGF formats are always 19.
constexpr int32_t kMinBoardSize = 2;
constexpr int32_t kMaxBoardSize = 19;

// A setup stone: before move MoveNo + 1 (after move MoveNo; 0 is the starting position), the
// point (X, Y), 1..BoardSize, gets Colour: 1 black, 2 white, 0 emptied. Entries are kept in
// record order, so a later entry for the same point wins.
struct TSetupRec {
    uint8_t X = 0;
    uint8_t Y = 0;
    uint8_t Colour = 0;
    int32_t MoveNo = 0;
};

// Value codes of the board marks a record carries, beside the painter's own (1..500 move
// numbers, 501 last move, 600..625 letters, 630..643 Korean syllables, 650/651 squares).
constexpr int16_t kMarkTriangle = 660;
constexpr int16_t kMarkSquare = 661;
constexpr int16_t kMarkCircle = 662;
constexpr int16_t kMarkCross = 663;

// A mark shown on the position after move MoveNo (0: the starting position): point (X, Y),
// 1..BoardSize, with value Code: a label (1..500 a number, 600..625 a letter, 630..643 a Korean
// syllable; SgfLabelCode says which label texts become which code) or one of the kMark codes.
// Marks of one move are in record order; they belong to that position only.
struct TMarkRec {
    uint8_t X = 0;
    uint8_t Y = 0;
    int16_t Code = 0;
    int32_t MoveNo = 0;
};

// The record of one load. Moves and Notes are 1-based as in the formats: Moves(i) for
// 1 <= i <= MoveCount (at most MaxMoves), Note(i) for 1 <= i <= NoteCount.
struct TGameRecord {
    static constexpr int32_t MaxMoves = 500;
    static constexpr int32_t MaxNotes = 2000;

    TVexoInfo Info;
    std::array<TMoveRec, MaxMoves> Moves{};  // Moves[i - 1] is move i
    int32_t MoveCount = 0;                   // may be negative after an NGF load
    std::array<TNoteRec, MaxNotes> Notes{};  // Notes[i - 1] is note i
    int32_t NoteCount = 0;

    std::string RecordText;
    int32_t FormatMode = kFormatTag;
    int32_t HandicapStones = 0;
    int32_t KomiMode = 1;

    // What standard SGF records add; the other formats leave the values of Clear.
    static constexpr int32_t MaxSetup = 2000;
    static constexpr int32_t MaxMarks = 4000;
    int32_t BoardSize = 19;        // lines, kMinBoardSize..kMaxBoardSize
    uint8_t FirstPlayer = 0;       // side to play first: 1 black, 2 white, 0 by the board's rule
    int32_t DeclaredHandicap = 0;  // the handicap the record names (HA); its stones are in Setup
    std::array<TSetupRec, MaxSetup> Setup{};  // Setup[i - 1] is entry i, 1 <= i <= SetupCount
    int32_t SetupCount = 0;
    std::array<TMarkRec, MaxMarks> Marks{};  // Marks[i - 1] is entry i, 1 <= i <= MarkCount
    int32_t MarkCount = 0;

    // Back to the state at creation: texts empty, counts 0, FormatMode 1, HandicapStones 0,
    // KomiMode 1, every move (0, 0), BoardSize 19, no setup stones, marks or first player.
    void Clear();

    // Number of move entries in use: MoveCount clamped to 0..MaxMoves.
    int32_t StoredMoves() const;

    // Appends a move; beyond MaxMoves it is ignored and MoveCount stays at MaxMoves.
    void AddMove(uint8_t X, uint8_t Y, uint8_t Colour = 0);
    // Appends a step without a move (NoMove), as AddMove appends a move.
    void AddStep();
    // Appends a note tied to the current MoveCount; beyond MaxNotes it is ignored.
    void AddNote(uint16_t Kind, std::string Text);
    // Append a setup stone or a mark tied to the current MoveCount; false, storing nothing,
    // when the list is full.
    bool AddSetup(uint8_t X, uint8_t Y, uint8_t Colour);
    bool AddMark(uint8_t X, uint8_t Y, int16_t Code);
};

// Settings of the shown game: handicap copied at each load, last move and prisoners.
struct TGameInfo {
    uint8_t Handicap = 0;
    uint8_t LastX = 0;
    uint8_t LastY = 0;
    int32_t WhitePrisoners = 0;
    int32_t BlackPrisoners = 0;
};

}  // namespace xvexo
