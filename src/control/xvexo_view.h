#pragma once
// The viewer control's form: the board's paint box, the information panel, the comment box and
// the playback controls. Its logic lives in TXVexoViewModel; the form builds the widgets, hands
// the model what the user does and shows the model's state after each change. Fetching a
// record's bytes (a download, a file, a pipe) and printing stay here.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "control/dock_layout.h"
#include "control/print_command.h"
#include "display/main_view_model.h"
#include "platform/http_client.h"
#include "records/proxy_lookup.h"
#include "records/record_source.h"
#include "widgets/comment_box.h"
#include "widgets/image_button.h"
#include "widgets/image_panel.h"

class QShortcut;

namespace xvexo {
class TBoardBox;
class TCHelpForm;
class TClickSound;
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

class TXVexoView : public QWidget, private TPlayTimer, private TClickPlayer {
    Q_OBJECT
  public:
    static constexpr uint8_t kViewing = TXVexoViewModel::kViewing;
    static constexpr uint8_t kTrial = TXVexoViewModel::kTrial;

    // The size the form is laid out for.
    static constexpr int kDesignWidth = 798;
    static constexpr int kDesignHeight = 560;
    // The least width at which no button overlaps another. The arrow row, 226 pixels long,
    // starts at (functionP's width - 500) / 2 and the trial button 294 pixels before functionP's
    // right end; functionP is 266 pixels narrower than the form. At the design width the last
    // arrow reaches 4 pixels under the trial button.
    static constexpr int kLeastWidth = 806;

    // The tags of the six arrow buttons, left to right, as ArrowClick takes them.
    using TArrowTag = TXVexoViewModel::TArrowTag;
    using enum TXVexoViewModel::TArrowTag;
    // The keys a host steps the board with, by arrow tag: Home, Page Up, Left, Right, Page Down
    // and End. The comment box and the seconds box leave them to the host's window; the move box
    // keeps Left, Right, Home and End for its text until Enter sends the number or a click on
    // the board or a button ends the typing.
    static constexpr std::array<int, 6> kStepKeys = {Qt::Key_Home,  Qt::Key_PageUp,   Qt::Key_Left,
                                                     Qt::Key_Right, Qt::Key_PageDown, Qt::Key_End};

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

    // Handlers (the user's input handed to the model; public so hosts and tests can drive them).
    void ArrowClick(int Tag) { Model->ArrowClick(Tag); }
    void BoardClick(TMouseButton Button, int32_t X, int32_t Y) { Model->BoardClick(Button, X, Y); }
    // The mouse wheel over the board turned Steps notches (positive: away from the user, one
    // move back each; negative: one move forward each).
    void BoardWheel(int32_t Steps) { Model->BoardWheel(Steps); }
    // The go-to-move box: a number goes to its move and gives the board the keys back; anything
    // else is reported and the box keeps the focus.
    void moveBtnClick();
    void autoBtnClick() { Model->autoBtnClick(); }
    void autoEndBtnClick() { Model->autoEndBtnClick(); }
    void TimerTimer() { Model->TimerTimer(); }
    void secondSEChange() { Model->secondSEChange(secondSE->value()); }
    void testBtnClick() { Model->testBtnClick(); }
    void testEndBtnClick() { Model->testEndBtnClick(); }
    void numBtnClick() { Model->numBtnClick(); }
    void numEndBtnClick() { Model->numEndBtnClick(); }
    // The print command for the shown game (its handicap, every move up to the last one).
    void printBtnClick();
    void pBaseResize();
    void buttonPResize();
    void functionPResize();
    void commentPResize();
    // A click on a context of commentM, reported with its start and end positions: a link to a
    // diagram of the move shown opens the reference window on it.
    void commentMContext(int Start, int End);
    // The keys of the function buttons: each starts what its button starts, or ends it.
    void ToggleTrial();
    void ToggleNumbers();
    void ToggleAutoPlay();

    // The coordinates the user chose for every record (nullopt: each record shows those of its
    // format), for the main board and the reference window.
    void SetCoordinatesChoice(std::optional<TCoordinates> Choice) {
        Model->SetCoordinatesChoice(Choice);
    }

    // Runs after every step of the board, every record shown and every start or end of trial
    // play, so a host can show where the game stands.
    std::function<void()> OnChange;

    // The form's logic and state.
    const TXVexoViewModel& model() const { return *Model; }
    // State read by hosts and tests (the model's).
    const TGoBoard& board() const { return Model->board(); }
    const TKelGoPB& painter() const { return Model->painter(); }
    const TGameRecord& record() const { return Model->record(); }
    const TGameInfo& gameInfo() const { return Model->gameInfo(); }
    uint8_t viewMode() const { return Model->viewMode(); }
    // Whether the last load gave up because another one started or CancelLoad was called.
    bool lastLoadCancelled() const { return LastLoadCancelled; }
    // Whether the last load that did not fail was shown (false: the text held no record the
    // parser could show, and the game on the screen stayed).
    bool lastLoadShown() const { return Model->lastLoadShown(); }
    // Whether a record has been shown since the form was made.
    bool recordShown() const { return Model->recordShown(); }
    // Whether the move the board shows is a pass; Colour (when given) gets who passed.
    bool shownMoveIsPass(uint8_t* Colour = nullptr) const { return Model->shownMoveIsPass(Colour); }
    // The game's title, at most MaxChars characters (then "…"): a record's title may be
    // megabytes long.
    QString gameTitle(qsizetype MaxChars) const {
        return QString::fromStdString(Model->gameTitle(static_cast<size_t>(MaxChars)));
    }
    bool autoPlaying() const { return Model->autoPlaying(); }
    bool soundOn() const { return Model->soundOn(); }
    bool numbersShown() const { return Model->numbersShown(); }
    int32_t modeDepth() const { return Model->modeDepth(); }
    // How many times the image-set chooser ran (each run reloads pictures and repaints).
    int imageSetLoads() const { return Model->imageSetLoads(); }
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
    // The keys of trial play, move numbers and automatic play (kTrialKey, kNumbersKey,
    // kAutoKey), in the window the form is in.
    QShortcut* TrialKey = nullptr;
    QShortcut* NumbersKey = nullptr;
    QShortcut* AutoKey = nullptr;
    static constexpr const char* kTrialKeyText = "Ctrl+T";
    static constexpr const char* kNumbersKeyText = "Ctrl+N";
    static constexpr const char* kAutoKeyText = "Ctrl+R";

  protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    // A new language: every text of the form is written again.
    void changeEvent(QEvent* Event) override;

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
    void ActiveFormCreate();
    // Which widget takes the keys: see kStepKeys.
    void SetUpKeys();
    // The typing in the move box ends: the board takes the focus from it.
    void LeaveMoveBox();
    // Makes the widgets show the model's state.
    void Refresh();
    // The texts of the language installed: tooltips, labels, the text buttons' glyphs, the
    // model's texts.
    void RetranslateUi();
    // The information labels of the record shown, written afresh.
    void ShowInfoTexts();
    void SetInfoText(int I, const QString& Text);
    void ShowComment();
    void ShowError(const QString& Text);
    // Opens the reference window (created on the first call) on Snapshot and shows Code.
    void OpenReference(const TPosition& Snapshot, const std::string& Code);

    // TPlayTimer on Timer, TClickPlayer on the services or the click sound.
    void Start(int32_t IntervalMs) override;
    void Stop() override;
    void SetInterval(int32_t IntervalMs) override;
    void PlayClick() override;

    TViewServices Services;
    bool LastLoadCancelled = false;
    // The waiting hook of the load under way, if one waits for its source.
    TQtWaitHook* ActiveWait = nullptr;
    TProxySetting Proxy;

    std::unique_ptr<TImageSource> Images;
    std::unique_ptr<TImage> BaseB;
    std::unique_ptr<TImage> BEdge;
    std::unique_ptr<TImage> GEdge;
    std::unique_ptr<TXVexoViewModel> Model;
    std::unique_ptr<TClickSound> Sound;
    // What the widgets show of the model's state, so they are written when it changes.
    uint32_t ShownCommentVersion = 0;
    uint32_t ShownRecordVersion = 0;
    bool ShownTrial = false;
    // The reference window, owned by the form (a child window) and reused for every link.
    TCHelpForm* HelpForm = nullptr;
    DockLayout* FormDock = nullptr;
    DockLayout* RightDock = nullptr;
    DockLayout* LeftDock = nullptr;
    DockLayout* ButtonDock = nullptr;
};

}  // namespace xvexo
