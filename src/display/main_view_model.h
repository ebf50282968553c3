#pragma once
// The viewer form's logic without widgets: the record shown and its rules engine, the painter of
// the main board, navigation (arrows, board clicks, the wheel, the go-to-move box), automatic
// play, trial play with its mode stack, move numbers, the record's marks, and what the controls
// around the board show (the comment lines and their diagram links, the game information, the
// prisoners, which buttons show, the surround's colour, the title data of the host). A front end
// builds the widgets, hands the model the user's input and shows its state after each change;
// tests call the handlers directly. Record bytes are fetched by the front end and handed over.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "display/canvas.h"
#include "display/go_painter.h"
#include "display/translator.h"
#include "records/display_text.h"
#include "records/game_record.h"
#include "rules/go_board.h"
#include "rules/position.h"

namespace xvexo {

// The timer of automatic play. The front end calls TimerTimer at each tick; the first tick comes
// one interval after Start.
class TPlayTimer {
  public:
    virtual ~TPlayTimer() = default;
    virtual void Start(int32_t IntervalMs) = 0;
    virtual void Stop() = 0;
    // A new interval while the timer runs (it then starts counting afresh).
    virtual void SetInterval(int32_t IntervalMs) = 0;
};

// The click of a placed stone, played without waiting for it to end.
class TClickPlayer {
  public:
    virtual ~TClickPlayer() = default;
    virtual void PlayClick() = 0;
};

// One line of the comment box (UTF-8). A link is set off from the rest and opens the reference
// window on the diagram it names: the Diagram-th diagram (from 1) of the move the box shows; the
// empty link on top of the box names none (0).
struct TCommentLine {
    std::string Text;
    bool IsLink = false;
    int32_t Diagram = 0;
    friend bool operator==(const TCommentLine&, const TCommentLine&) = default;
};

// A player's name and rank as the information panel shows them (UTF-8).
struct TPlayerText {
    // The name label: a tag record's name and rank, else the name.
    std::string Name;
    // Whether the name label may take two lines (else it keeps to one line above the rank).
    bool NameWraps = true;
    // The rank label: written for NGF and standard SGF records, left empty for tag records.
    bool RankWritten = false;
    std::string Rank;
    friend bool operator==(const TPlayerText&, const TPlayerText&) = default;
};

// The game information of the record shown (UTF-8), each field bounded to kMaxTipChars.
struct TInfoTexts {
    std::string Title;                 // eventNameL
    std::array<std::string, 6> Lines;  // InfoLabels 1..6: date, place, time, byo-yomi, komi, result
    TPlayerText Black;                 // bPlayerL and BGlvlL
    TPlayerText White;                 // wPlayerL and WGlvlL
    friend bool operator==(const TInfoTexts&, const TInfoTexts&) = default;
};

// What a host shows of the game, e.g. in its window's title.
struct TTitleData {
    bool HasRecord = false;  // a record has been shown
    std::string GameTitle;   // UTF-8, bounded as asked
    int32_t MoveIndex = 0;
    int32_t MoveCount = 0;  // the moves that can be stepped into
    bool BlackToPlay = true;
    bool LastWasPass = false;  // the move shown is a pass
};

class TXVexoViewModel {
  public:
    static constexpr uint8_t kViewing = 9;
    static constexpr uint8_t kTrial = 2;
    // The tags of the six arrow buttons, left to right.
    enum TArrowTag : int { kToStart, kBackFive, kBackOne, kForwardOne, kForwardFive, kToEnd };
    // secondSE: the seconds of automatic play.
    static constexpr int32_t kMinSeconds = 1;
    static constexpr int32_t kMaxSeconds = 100;

    // MainGoPB is the paint box of the main board; Images gives the stone pictures; BaseB, BEdge
    // and GEdge are the shared wood tile and edge pictures. All of them, Timer and Sound must
    // outlive the model. The board is an empty 19-line board; the painter is sized by the first
    // pBaseResize.
    TXVexoViewModel(TPaintBox& MainGoPB, TImageSource& Images, const TImage& BaseB,
                    const TImage& BEdge, const TImage& GEdge, TPlayTimer& Timer,
                    TClickPlayer& Sound);
    ~TXVexoViewModel();
    TXVexoViewModel(const TXVexoViewModel&) = delete;
    TXVexoViewModel& operator=(const TXVexoViewModel&) = delete;

    // Reads Text as a record fetched from an address whose format is FormatMode (the text then
    // takes the reader of its content) and shows it. Trial play and automatic play end first.
    // False, with the reader's message in Error (UTF-8), when the record fails; a record that
    // fails, or holds nothing to show (lastLoadShown false), leaves the game on the screen as it
    // was, with its own record. A record shown closes the reference window.
    bool LoadText(std::string Text, int32_t FormatMode, std::string* Error = nullptr);

    // Handlers of the form's controls.
    void ArrowClick(int Tag);
    void BoardClick(TMouseButton Button, int32_t X, int32_t Y);
    // The mouse wheel over the board turned Steps notches (positive: away from the user, one
    // move back each; negative: one move forward each).
    void BoardWheel(int32_t Steps);
    // The go-to-move box holds Text (UTF-8). False when it is no number of 1 or more: the
    // message went out and the board did not move (the box should then take the focus).
    bool moveBtnClick(std::string_view Text);
    void autoBtnClick();
    void autoEndBtnClick();
    void TimerTimer();
    // secondSE now holds Seconds (kept within kMinSeconds..kMaxSeconds).
    void secondSEChange(int32_t Seconds);
    void testBtnClick();
    void testEndBtnClick();
    void numBtnClick();
    void numEndBtnClick();
    // A click on the link of the comment box that reads Text (UTF-8): a link to a diagram of the
    // move the box shows opens the reference window on it.
    void LinkClick(std::string_view Text);
    // Opens the reference window on diagram K (from 1) of the move the comment box shows;
    // nothing when there is no such diagram.
    void OpenDiagram(int32_t K);
    // The board panel panP is W x H: the board's cell size and its place in the panel.
    void pBaseResize(int W, int H);

    // The texts the model writes (information labels, the comment box's pass and link lines,
    // the move box's messages) come from Translator from now on, which must outlive the model
    // or be replaced first; the texts shown are written again at once.
    void SetTranslator(const TTranslator& Translator);
    const TTranslator& translator() const { return *Translator; }
    // The coordinates the user chose for every record, or none chosen (nullopt): each record
    // then shows those of its format (coordinatesOf). The board is repainted when they change.
    void SetCoordinatesChoice(std::optional<TCoordinates> Choice);
    std::optional<TCoordinates> coordinatesChoice() const { return CoordinatesChoice; }
    // The coordinates the board shows now.
    TCoordinates coordinates() const { return Painter->Coordinates(); }
    // The coordinates a record of Format shows before the user chooses: standard for standard
    // SGF, whose comments name points so; as designed for the tag and NGF formats.
    static TCoordinates coordinatesOf(int32_t FormatMode);

    // Raised after every handler above, so the front end shows the new state.
    std::function<void()> OnChanged;
    // Raised after every step of the board, every record shown and every start or end of trial
    // play, so a host can show where the game stands.
    std::function<void()> OnGameChanged;
    // An error message box with an OK button (UTF-8).
    std::function<void(const std::string& Text)> OnMessage;
    // The reference window opens (or, open, shows) diagram Code on a snapshot of the board; its
    // texts are decoded with encoding().
    std::function<void(const TPosition& Snapshot, const std::string& Code)> OnOpenReference;
    // The reference window closes: its diagram is no diagram of the record now shown.
    std::function<void()> OnCloseReference;

    // The state.
    const TGoBoard& board() const { return *Board; }
    const TKelGoPB& painter() const { return *Painter; }
    TKelGoPB& painter() { return *Painter; }
    const TGameRecord& record() const { return Record; }
    TTextEncoding encoding() const { return Encoding; }
    const TGameInfo& gameInfo() const { return GameInfo; }
    uint8_t viewMode() const { return ViewMode; }
    bool soundOn() const { return SoundOn; }
    bool autoPlaying() const { return AutoPlaying; }
    bool numbersShown() const { return NumbersShown; }
    int32_t modeDepth() const { return ModeDepth; }
    int32_t seconds() const { return Seconds; }
    // Whether the last load that did not fail was shown, and whether any record has been.
    bool lastLoadShown() const { return LastLoadShown; }
    bool recordShown() const { return RecordShown; }
    // How many times the image-set chooser ran (each run reloads pictures and repaints).
    int imageSetLoads() const { return ImageSetLoads; }
    // Whether the move the board shows is a pass; Colour (when given) gets who passed.
    bool shownMoveIsPass(uint8_t* Colour = nullptr) const;
    // The game's title (UTF-8), at most MaxChars characters then "…".
    std::string gameTitle(size_t MaxChars) const;
    TTitleData titleData(size_t MaxChars) const;

    // What the controls show.
    const std::vector<TCommentLine>& commentLines() const { return CommentLines; }
    // Counts the times the comment box was written afresh, so a front end rewrites its box (and
    // its scroll position) exactly then.
    uint32_t commentVersion() const { return CommentVersion; }
    const TInfoTexts& infoTexts() const { return Info; }
    // Counts the records shown: the information texts are written afresh each time.
    uint32_t recordVersion() const { return RecordVersion; }
    // The prisoner labels: the white stones black has taken (wDiedSL), the black ones white has
    // taken (bDiedSL).
    const std::string& whiteDead() const { return WhiteDead; }
    const std::string& blackDead() const { return BlackDead; }
    // Which of each pair of buttons shows: autoEndBtn for autoBtn (automatic play was started
    // and not stopped), testEndBtn for testBtn, numEndBtn for numBtn.
    bool autoEndShown() const { return AutoEndShown; }
    bool testEndShown() const { return ViewMode == kTrial; }
    bool numEndShown() const { return NumbersShown; }
    // The colour of panP around the board (the board's label margin shows it too).
    TColour surroundColour() const { return SurroundColour; }
    // Where MainGoPB stands in panP.
    int boardLeft() const { return BoardLeft; }
    int boardTop() const { return BoardTop; }

  private:
    void BoardPutStone(int32_t X, int32_t Y, int32_t Value, uint8_t Colour);
    void BoardMove(const TMoveInfo& Move);
    void ApplyRecord();
    void ResizeBoard();
    void ChooseImageSet(int32_t S);
    // The comment box for the move the board shows (ShowComment), and its lines.
    void ShowComment();
    void AddCommentLine(std::string Text, bool IsLink, int32_t Diagram, bool Separate);
    // Draws the record's marks of the position shown and the letters of the lines of play that
    // leave the game there (neither on a trial line).
    void ShowMarks();
    // The information labels of the record shown, in the translator's language.
    void ShowInfoTexts();
    void ApplyCoordinates();
    // The move whose notes the comment box shows: during trial play the move the trial line
    // branches from, else the board's move.
    int32_t CommentMove() const;
    void StepArrow(int Tag);
    void StopAutoPlay();
    void StartTrial();
    void EndTrial();
    void ShowNumbers();
    void HideNumbers();
    // While the trial's stones are numbered, the stone played last carries the last-move mark in
    // place of its number; the stone that carried it before shows its number again.
    void FollowTrialMark();
    void PushMode(uint8_t NewMode, const TPosition& Snapshot);
    void PopMode();
    void RestoreFromMode(const TPosition& Snapshot);
    void SetSurround(TColour Colour);
    // The field of Kind decoded for display: whole when MaxChars is negative, else at most
    // MaxChars characters then "…" (decoding only the bytes those need).
    std::string Field(TInfoKind Kind, int64_t MaxChars = -1) const;
    void Changed();
    void GameChanged();

    TPaintBox& MainGoPB;
    TImageSource& Images;
    const TImage& BEdge;
    const TImage& GEdge;
    TPlayTimer& Timer;
    TClickPlayer& Sound;
    std::unique_ptr<TKelGoPB> Painter;
    std::unique_ptr<TGoBoard> Board;

    // View state.
    uint8_t ViewMode = kViewing;
    bool SoundOn = true;
    bool Loading = false;
    bool AutoPlaying = false;
    bool AutoEndShown = false;
    bool NumbersShown = false;
    int32_t Seconds = kMinSeconds;
    bool LastLoadShown = false;
    bool RecordShown = false;
    int ImageSetLoads = 0;

    // The saved-mode stack of trial play.
    struct TModeEntry {
        uint8_t SavedMode = kViewing;
        int32_t SavedEnd = 0;
        TPosition Snapshot;
    };
    static constexpr int kMaxModes = 10;
    std::unique_ptr<std::array<TModeEntry, kMaxModes>> Modes =
        std::make_unique<std::array<TModeEntry, kMaxModes>>();
    int32_t ModeDepth = 0;
    // The move the trial line branches from: where trial play began, lowered as the board
    // lowers its numbering start when a stone is played below it. The comment box shows this
    // move during trial play, also after number display has reset the numbering start.
    int32_t TrialFrom = 0;
    // The point FollowTrialMark last marked (0: none).
    int32_t TrialMarkX = 0;
    int32_t TrialMarkY = 0;

    const TTranslator* Translator = &SourceTexts();
    std::optional<TCoordinates> CoordinatesChoice;

    // The record and the settings of the shown game.
    TGameRecord Record;
    TTextEncoding Encoding = TTextEncoding::Utf8;
    TGameInfo GameInfo;

    // What the controls show.
    std::vector<TCommentLine> CommentLines;
    uint32_t CommentVersion = 0;
    TInfoTexts Info;
    uint32_t RecordVersion = 0;
    std::string WhiteDead;
    std::string BlackDead;
    TColour SurroundColour = kPanelColour;
    int BoardLeft = 0;
    int BoardTop = 0;
    int PanelWidth = 0;
    int PanelHeight = 0;
};

}  // namespace xvexo
