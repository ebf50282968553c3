#pragma once
// The viewer control's form: the board with its painter and rules engine, the information
// panel, the comment box and the playback controls, with their handlers.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "control/dock_layout.h"
#include "control/note_message.h"
#include "control/print_command.h"
#include "display/go_painter.h"
#include "platform/http_client.h"
#include "records/display_text.h"
#include "records/game_record.h"
#include "records/proxy_lookup.h"
#include "records/record_source.h"
#include "rules/go_board.h"
#include "widgets/comment_box.h"
#include "widgets/image_button.h"
#include "widgets/image_panel.h"

namespace xvexo {

class TBoardBox;
class TCHelpForm;
class TClickSound;
class TImageSource;
class TImage;
class TQtWaitHook;

// What the form asks of its surroundings; tests replace these to capture instead of blocking
// or sounding.
struct TViewServices {
    // An error message box with an OK button. Empty: a modal box.
    std::function<void(QWidget& Parent, const QString& Text)> ShowError;
    // Plays the click sound asynchronously. Empty: the "toc" resource through the sound device.
    std::function<void()> PlayClick;
    // The print command's dialog, printer, file chooser, progress and message boxes. An empty
    // ShowError there takes the form's own.
    TPrintServices Print;
    // The print options the print button shows and stores. Null: the program's print status,
    // started when the print button is first pressed if the program has not started it.
    TKelStatus* PrintStatus = nullptr;
};

class TXVexoView : public QWidget {
    Q_OBJECT
  public:
    static constexpr uint8_t kViewing = 9;
    static constexpr uint8_t kTrial = 2;

    // The size the form is laid out for.
    static constexpr int kDesignWidth = 798;
    static constexpr int kDesignHeight = 560;
    // The least width at which no button overlaps another. The arrow row, 226 pixels long,
    // starts at (functionP's width - 500) / 2 and the trial button 294 pixels before functionP's
    // right end; functionP is 266 pixels narrower than the form. At the design width the last
    // arrow reaches 4 pixels under the trial button.
    static constexpr int kLeastWidth = 806;

    // The tags of the six arrow buttons, left to right, as ArrowClick takes them.
    enum TArrowTag : int { kToStart, kBackFive, kBackOne, kForwardOne, kForwardFive, kToEnd };

    explicit TXVexoView(QWidget* Parent = nullptr, TViewServices Services = {});
    ~TXVexoView() override;

    // Loads a record from an http:// or https:// address (through the proxy of the user's
    // Internet settings), a file:// address or a local path, and shows it. Trial play and
    // automatic play end first. Returns false with the message in Error when the load failed;
    // the display is then unchanged. FileName is taken in UTF-8; LoadAddress takes any bytes.
    bool getFile(const QString& FileName, int Level, QString* Error = nullptr);
    // getFile for an address given as bytes (a file name that is no valid UTF-8 stays exact).
    // While a download, a pipe or a device is slow, the event loop keeps running; a load still
    // waiting then gives up ("Cancelled") when another one starts or the form goes.
    bool LoadAddress(const std::string& Address, QString* Error = nullptr);
    // Makes the load under way, if one waits, give up with "Cancelled".
    void CancelLoad();
    // Loads record text as if downloaded from Address (the format follows the address).
    bool LoadText(const std::string& Text, int32_t FormatMode, QString* Error = nullptr);

    // Handlers (Parts of the form's behaviour; public so hosts and tests can drive them).
    void ArrowClick(int Tag);
    void BoardClick(TMouseButton Button, int32_t X, int32_t Y);
    // The mouse wheel over the board turned Steps notches (positive: away from the user, one
    // move back each; negative: one move forward each).
    void BoardWheel(int32_t Steps);
    void moveBtnClick();
    void autoBtnClick();
    void autoEndBtnClick();
    void TimerTimer();
    void secondSEChange();
    void testBtnClick();
    void testEndBtnClick();
    void numBtnClick();
    void numEndBtnClick();
    // The print command for the shown game (its handicap, every move up to the last one).
    void printBtnClick();
    void PrintRecord(int32_t Handicap);
    void ShowComment();
    void ApplyRecord();
    void pBaseResize();
    void buttonPResize();
    void functionPResize();
    void commentPResize();
    // A click on a context of commentM, reported with its start and end positions: a link to a
    // diagram of the move shown opens the reference window on it.
    void commentMContext(int Start, int End);

    // Runs after every step of the board, every record shown and every start or end of trial
    // play, so a host can show where the game stands.
    std::function<void()> OnChange;

    // State read by hosts and tests.
    const TGoBoard& board() const { return *Board; }
    const TKelGoPB& painter() const { return *Painter; }
    const TGameRecord& record() const { return Record; }
    const TGameInfo& gameInfo() const { return GameInfo; }
    uint8_t viewMode() const { return ViewMode; }
    // Whether the last load gave up because another one started or CancelLoad was called.
    bool lastLoadCancelled() const { return LastLoadCancelled; }
    // Whether the last load that did not fail was shown (false: the text held no record the
    // parser could show, and the game on the screen stayed).
    bool lastLoadShown() const { return LastLoadShown; }
    // Whether a record has been shown since the form was made.
    bool recordShown() const { return RecordShown; }
    // Whether the move the board shows is a pass; Colour (when given) gets who passed.
    bool shownMoveIsPass(uint8_t* Colour = nullptr) const;
    // The game's title, at most MaxChars characters (then "…"): a record's title may be
    // megabytes long.
    QString gameTitle(qsizetype MaxChars) const { return Display(TInfoKind::Title, MaxChars); }
    bool autoPlaying() const { return AutoPlaying; }
    bool soundOn() const { return SoundOn; }
    // Move numbers are shown exactly while numEndBtn is.
    bool numbersShown() const;
    int32_t modeDepth() const { return ModeDepth; }
    // How many times the image-set chooser ran (each run reloads pictures and repaints).
    int imageSetLoads() const { return ImageSetLoads; }
    // The board picture as last painted (board plus label margin).
    QImage boardImage() const;
    // The reference window; null until the first link opens it.
    TCHelpForm* helpForm() const { return HelpForm; }

    // The limits of reading a pipe, a socket or a device, and of a download (tests shorten
    // them); certificates to trust for https instead of the system's (empty: the system's).
    TSourceLimits LocalLimits;
    THttpLimits HttpLimits;
    std::string CaFile;
    // The environment the registry file's place and the proxy fallback are read from (empty:
    // the process's own).
    TEnvLookup Environment;
    // The proxy of downloads: set by the lookup of a getFile that finds one, kept for later ones.
    const TProxySetting& proxy() const { return Proxy; }

    // Components of the form, named by role and kind.
    QFrame* rightP = nullptr;
    QFrame* rightTopP = nullptr;
    QLabel* matchNameL = nullptr;
    TepImagePanel* playerP = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* Image5 = nullptr;
    QLabel* wPlayerL = nullptr;
    QLabel* bPlayerL = nullptr;
    QLabel* bDiedSL = nullptr;
    QLabel* wDiedSL = nullptr;
    QLabel* WGlvlL = nullptr;
    QLabel* BGlvlL = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* eventNameL = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* commentP = nullptr;
    QLabel* Label1 = nullptr;
    TPlusMemoU* commentM = nullptr;
    QFrame* movesP = nullptr;
    TepSpeedButton* autoBtn = nullptr;
    TepSpeedButton* autoEndBtn = nullptr;
    QSpinBox* secondSE = nullptr;
    TepSpeedButton* moveBtn = nullptr;
    QLineEdit* moveEd = nullptr;
    QFrame* leftP = nullptr;
    QFrame* topP = nullptr;
    QLabel* Image1 = nullptr;
    QFrame* sideP = nullptr;
    QFrame* buttonP = nullptr;
    TepImagePanel* functionP = nullptr;
    TepSpeedButton* testBtn = nullptr;
    TepSpeedButton* testEndBtn = nullptr;
    TepSpeedButton* numBtn = nullptr;
    TepSpeedButton* numEndBtn = nullptr;
    TepSpeedButton* printBtn = nullptr;
    QFrame* panP = nullptr;
    TBoardBox* MainGoPB = nullptr;
    QTimer* Timer = nullptr;
    std::array<QLabel*, 6> InfoLabels{};
    std::array<TepSpeedButton*, 6> ArrowButtons{};

  protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

  private:
    // The component tree by region; BuildForm calls the others in creation order.
    void BuildForm();
    void BuildInformationPanel();
    void BuildCommentPanel();
    void BuildMovesPanel();
    void BuildTitleAndSidePanels();
    void BuildFunctionPanel();
    void BuildBoardPanel();
    void CreateRunTimeControls();
    void SetInfoText(int I, const QString& Text);
    void ActiveFormCreate();
    void BoardPutStone(int32_t X, int32_t Y, int32_t Value, uint8_t Colour);
    void BoardRedrawPoint(int32_t X, int32_t Y, int32_t Value, uint8_t Colour);
    void BoardMove(const TMoveInfo& Info);
    // Draws the record's marks of the position shown (none on a trial line).
    void ShowMarks();
    void ChooseImageSet(int32_t S);
    void PushMode(uint8_t NewMode, const TPosition& Snapshot);
    void PopMode();
    void RestoreFromMode(const TPosition& Snapshot);
    void ShowLastMoveMark(int32_t Value);
    void SetSurround(TColour Colour);
    // Repaints the whole board picture (the painter erases the label margin first).
    void RedrawBoard();
    void ShowError(const QString& Text);
    void PlayClick();
    // Tells the host (OnChange) that the board or the mode changed.
    void NotifyChange();
    // The move whose notes the comment box shows: during trial play the move the trial line
    // branches from, else the board's move.
    int32_t CommentMove() const;
    // Opens the reference window (created on the first call) on a snapshot of the board and
    // shows Code.
    void OpenReference(const std::string& Code);
    // The field of Kind decoded for display: the whole of it, or when MaxChars is not negative
    // at most MaxChars characters then "…" (decoding only the bytes those need).
    QString Display(TInfoKind Kind, qsizetype MaxChars = -1) const;

    TViewServices Services;
    // View state.
    uint8_t ViewMode = kViewing;
    bool SoundOn = true;
    bool Loading = false;
    bool AutoPlaying = false;
    bool LastLoadShown = false;
    bool RecordShown = false;
    bool LastLoadCancelled = false;
    // The waiting hook of the load under way, if one waits for its source.
    TQtWaitHook* ActiveWait = nullptr;
    TProxySetting Proxy;
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

    // The record and the settings of the shown game.
    TGameRecord Record;
    TTextEncoding Encoding = TTextEncoding::Utf8;
    TGameInfo GameInfo;

    std::unique_ptr<TImageSource> Images;
    std::unique_ptr<TImage> BaseB;
    std::unique_ptr<TImage> BEdge;
    std::unique_ptr<TImage> GEdge;
    std::unique_ptr<TKelGoPB> Painter;
    std::unique_ptr<TGoBoard> Board;
    std::unique_ptr<TNoteMessage> NoteView;
    std::unique_ptr<TClickSound> Sound;
    // The reference window, owned by the form (a child window) and reused for every link.
    TCHelpForm* HelpForm = nullptr;
    DockLayout* FormDock = nullptr;
    DockLayout* RightDock = nullptr;
    DockLayout* LeftDock = nullptr;
    DockLayout* ButtonDock = nullptr;
};

}  // namespace xvexo
