#pragma once
// The whole viewer of the web element, without the browser: the main window's model drawing on
// the board's paint box, the reference window's model drawing on the dialog's, the play timer
// and the click as state the page reads, and the input a page receives (keys, the wheel, mouse
// presses on either board) handed to the models as the desktop's form hands them. The page
// calls a handler, then asks TakeNews what to show afresh. Neither Qt nor the browser is needed
// here: the drawing-call test runs it natively too.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "display/canvas.h"
#include "display/main_view_model.h"
#include "display/reference_window_model.h"
#include "display/wheel_steps.h"
#include "records/display_text.h"

namespace xvexo::web {

// What changed since the page last asked (TWebViewer::TakeNews), as bits.
enum TNews : uint32_t {
    kNewsState = 1,            // a handler ran: the controls show the models' state afresh
    kNewsGame = 2,             // the board stepped, a record was shown, trial play began or ended
    kNewsReferenceOpened = 4,  // the reference window opened on a diagram (or showed another)
    kNewsReferenceClosed = 8,  // it closed
    kNewsMessage = 16,         // a message box to show: Message()
    kNewsTimer = 32,           // the play timer started, stopped or took a new interval
};

// The coordinates the board shows: as the record's format chooses, as designed (A–S with I,
// row 1 on top), standard (A–T without I, rows from the bottom), or none.
enum class TCoordinates { Auto, Designed, Standard, None };

class TWebViewer : private TPlayTimer, private TClickPlayer {
  public:
    // MainBox and HelpBox are the paint boxes of the main board and of the reference window's;
    // Pictures holds the board pictures. All must outlive the viewer.
    TWebViewer(TPaintBox& MainBox, TPaintBox& HelpBox, TImageSource& Pictures);
    ~TWebViewer() override;
    TWebViewer(const TWebViewer&) = delete;
    TWebViewer& operator=(const TWebViewer&) = delete;

    // Reads Bytes, fetched from Address, in the format the address chooses (as the desktop's
    // getFile does) and shows it. "" when it was shown; else the desktop's message (UTF-8), and
    // the game shown stays. FileName names the record in the message of a text that holds no
    // game.
    std::string Load(std::string Bytes, std::string_view Address, std::string_view FileName);

    // The desktop's keys by their DOM names ("Home", "PageUp", "ArrowLeft", "ArrowRight",
    // "PageDown", "End", "Escape"), pressed in the main window or in the reference window. True
    // when the key did something there.
    bool KeyDown(std::string_view Key, bool InReference);
    // The wheel over the main board turned Units (120 a notch; positive: away from the user, one
    // move back a notch); a fine wheel adds up.
    void Wheel(int32_t Units);
    // A press of Button (0 left, 1 right, 2 middle) at pixel (X, Y) of a board's paint box.
    void BoardMouseDown(int Button, int X, int Y);
    void ReferenceMouseDown(int Button, int X, int Y);
    // Shows move N as the go-to-move box does (0: the start; past the end: the end). False for
    // a negative N, which changes nothing.
    bool GoTo(int32_t N);
    // The reference window: closes (the next link opens it again), and whether it shows.
    void CloseReference();
    bool ReferenceShown() const { return ReferenceOpen; }
    // The reference window's comment, decoded for display, with its line breaks as "\n".
    std::string ReferenceMemo() const;

    // The page's choices, kept for the core: the coordinates on the boards and the language of
    // the interface (a BCP 47 tag: "zh", "en", ...). The element hands them over here and
    // nowhere else.
    void SetCoordinates(TCoordinates Mode);
    void SetLanguage(std::string_view Tag);
    TCoordinates Coordinates() const { return CoordinateMode; }
    const std::string& Language() const { return LanguageTag; }

    // Both boards painted again whole (a new pixel density).
    void Redraw();

    // The news since the last call, which is cleared.
    uint32_t TakeNews() { return std::exchange(News, 0U); }
    // The text of the last message box (UTF-8).
    const std::string& Message() const { return MessageText; }
    // The play timer as the model left it: whether it runs and its interval.
    bool TimerRunning() const { return TimerOn; }
    int32_t TimerInterval() const { return TimerMs; }
    // The clicks of placed stones since the last call, which is cleared.
    int32_t TakeClicks() { return std::exchange(Clicks, 0); }

    TXVexoViewModel& Model() { return *Main; }
    const TXVexoViewModel& Model() const { return *Main; }
    TCHelpFormModel& Reference() { return *Help; }
    const TCHelpFormModel& Reference() const { return *Help; }

  private:
    void OpenReference(const TPosition& Snapshot, const std::string& Code);
    static TMouseButton Button(int Code);

    // TPlayTimer and TClickPlayer, kept for the page.
    void Start(int32_t IntervalMs) override;
    void Stop() override;
    void SetInterval(int32_t IntervalMs) override;
    void PlayClick() override;

    std::unique_ptr<TImage> BaseB;
    std::unique_ptr<TImage> BEdge;
    std::unique_ptr<TImage> GEdge;
    std::unique_ptr<TXVexoViewModel> Main;
    std::unique_ptr<TCHelpFormModel> Help;
    TWheelSteps WheelSteps;
    TTextEncoding ReferenceEncoding = TTextEncoding::Utf8;
    bool ReferenceOpen = false;
    uint32_t News = 0;
    std::string MessageText;
    bool TimerOn = false;
    int32_t TimerMs = 0;
    int32_t Clicks = 0;
    TCoordinates CoordinateMode = TCoordinates::Auto;
    std::string LanguageTag;
};

}  // namespace xvexo::web
