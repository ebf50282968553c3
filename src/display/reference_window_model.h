#pragma once
// The reference-diagram window's logic without widgets: its own rules engine and painter, the
// diagram it shows, the step buttons, the board clicks of viewing and study mode, and the state
// of the controls around the board (caption, memo, colours, which panels show). A form shows
// this state and calls the handlers; tests call them directly.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "display/canvas.h"
#include "display/go_painter.h"
#include "display/translator.h"
#include "rules/go_board.h"
#include "rules/position.h"

namespace xvexo {

// The grey of the board's surround while viewing, and the teal one of study mode.
constexpr TColour kReferencePanelColour = Rgb(204, 212, 212);
constexpr TColour kStudyPanelColour = Rgb(64, 128, 128);

// Captions (UTF-8), translated in kReferenceContext.
inline constexpr std::string_view kReferenceContext = "ReferenceWindow";
inline constexpr const char* kReferenceCaption = XV_TEXT("ReferenceWindow", "参考图");
inline constexpr const char* kStudyCaption = XV_TEXT("ReferenceWindow", "研讨");
inline constexpr const char* kStudyEndCaption = XV_TEXT("ReferenceWindow", "结束");
inline constexpr const char* kPassCaption = XV_TEXT("ReferenceWindow", "弃手");
inline constexpr const char* kMarkCaption = XV_TEXT("ReferenceWindow", "显示");
// The window's caption before a diagram is shown, and with the move it leaves the game after.
inline constexpr const char* kNoMoveCaption = XV_TEXT("ReferenceWindow", "手 参考图");
inline constexpr const char* kMoveCaption = XV_TEXT("ReferenceWindow", "%1手 参考图");
// The label margin the board gets for standard coordinates (the main board's).
constexpr int32_t kReferenceLabelMargin = 20;

// Where a step button sits in its panel.
struct TButtonPlace {
    int Left = 0;
    int Width = 0;
};

class TCHelpFormModel {
  public:
    // The tags of the five step buttons, left to right.
    enum TStepTag : int { kBackFive, kBackOne, kForwardOne, kForwardFive, kStudy };
    static constexpr int kStepButtons = 5;
    // cbMarkC holds the 26 letters " A" .. " Z".
    static constexpr int kLetters = 26;
    // The board panel pBBase and the button panel pCBase as designed.
    static constexpr int kDesignBoardWidth = 302;
    static constexpr int kDesignBoardHeight = 292;
    static constexpr int kDesignButtonsWidth = 302;
    // The client area and the comment panel pHBase at its foot, as designed.
    static constexpr int kDesignClientWidth = 304;
    static constexpr int kDesignClientHeight = 388;
    static constexpr int kDesignHelpPanelHeight = 73;

    // HelpPB is the paint box of the board; Images gives the stone pictures; BaseB, BEdge and
    // GEdge are the shared wood tile and edge pictures. All must outlive the model.
    TCHelpFormModel(TPaintBox& HelpPB, TImageSource& Images, const TImage& BaseB,
                    const TImage& BEdge, const TImage& GEdge);
    ~TCHelpFormModel();
    TCHelpFormModel(const TCHelpFormModel&) = delete;
    TCHelpFormModel& operator=(const TCHelpFormModel&) = delete;

    // Creates the painter (no label margin, board size 100, clicks to BoardClick) and the rules
    // engine (an empty board of 19 lines whose point events reach the painter while drawing).
    void FormCreate();
    // The window was shown while hidden: study panel hidden, letter A, caption "手 参考图",
    // the captions of the pass button and the check box, the check box not ticked.
    void FormShow();
    // Frees the engine and the painter.
    void FormDestroy();

    // Prepares the window for a new diagram on a snapshot of the main board: viewing mode,
    // empty memo, the engine at the snapshot (the picture is not touched), pBBaseResize.
    void Initialise(const TPosition& Snapshot);
    // Shows a diagram code: back to the position before its start move, the picture reloaded,
    // its moves played with numbers from 1, its letter labels and its comment. A code too short,
    // or whose parts have the wrong lengths, is shown as far as it was read.
    void ShowCode(std::string_view Code);

    // A step button by its tag: five back, one back (neither goes before the diagram's start
    // move), one forward, five forward, study mode on or off.
    void StepClick(int Tag);
    // Back to the position before the diagram, and on to the last move there is.
    void StepToStart();
    void StepToEnd();
    // A press on point (Col, Row) of the board.
    void BoardClick(TMouseButton Button, int32_t Col, int32_t Row);
    // A pass in study mode.
    void PassBtnClick();
    // The board panel is W x H: the board's cell size (at most 59) and its place in the panel.
    void pBBaseResize(int W, int H);
    // The button panel is W wide: the five buttons' widths and places.
    void pCBaseResize(int W);
    // The window's client area is W x H: the height of the comment panel, which grows with the
    // window (see HelpPanelHeight).
    void FormResize(int W, int H);

    // The captions come from Translator from now on (it must outlive the model or be replaced
    // first); those shown are written again at once.
    void SetTranslator(const TTranslator& Translator);
    // The coordinates of the main board: standard ones get a label margin and labels here; as
    // designed the window has none, nor for none. Kept for a window made later.
    void SetCoordinates(TCoordinates Style);
    TCoordinates Coordinates() const { return FCoordinates; }

    const TKelGoPB& Painter() const { return *FPainter; }
    TKelGoPB& Painter() { return *FPainter; }
    const TGoBoard& Board() const { return *FBoard; }
    bool Created() const { return FPainter != nullptr; }

    // Raised after every handler above, so the form shows the new state.
    std::function<void()> OnChanged;

    // The window's state.
    int32_t StartMove = 0;  // the diagram's start move
    TNumbering Numbering;   // handed to the engine; as the last diagram left it
    bool Drawing = false;   // the painter follows the engine's point events
    bool Study = false;
    std::string Code;  // the diagram code last shown

    // What the form shows.
    std::string Caption = kReferenceCaption;  // UTF-8
    std::string Memo;                         // the diagram's comment, the record's own bytes
    TColour SurroundColour = kReferencePanelColour;  // pBBase and pCBase
    bool HelpPanelShown = true;                      // pHBase
    // pHBase's height: the designed share of the window's height (73 of 388), or, when the
    // window is taller than its width lets the board use, all the height the board leaves.
    int HelpPanelHeight = kDesignHelpPanelHeight;
    bool StudyPanelShown = false;                    // pMBase
    std::string StudyButtonCaption = kStudyCaption;  // step button 4
    std::string PassButtonCaption = kPassCaption;
    std::string MarkCaption = kMarkCaption;
    bool MarkOn = false;  // cbMark: clicks in study mode place letters
    int MarkIndex = 0;    // cbMarkC: the next letter, 0 for A
    int HelpPBLeft = 0;
    int HelpPBTop = 0;
    std::array<TButtonPlace, kStepButtons> StepButtons{};

  private:
    void PointEvent(int32_t X, int32_t Y, int32_t Value, uint8_t Colour);
    // Shows Code; false when it stopped before reloading the picture.
    bool ShowKeptCode();
    void ResizeBoard(int W, int H);
    void PlaceHelpPanel();
    // Steps back while the engine stands at or after the start move (never below index 0).
    void BackToStart();
    void StepBackWithinDiagram();
    void EnterStudy();
    void LeaveStudy();
    void SetSurround(TColour Colour, const TImage& Edge);
    void Changed();
    std::string Text(const char* Source) const;
    // The captions in the translator's language, for the state the window is in.
    void WriteCaptions();
    void ApplyCoordinates();

    TPaintBox& HelpPB;
    TImageSource& Images;
    const TImage& BaseB;
    const TImage& BEdge;
    const TImage& GEdge;
    std::unique_ptr<TKelGoPB> FPainter;
    std::unique_ptr<TGoBoard> FBoard;
    // The snapshot of the main board taken when the window was last opened.
    std::unique_ptr<TPosition> Snapshot = std::make_unique<TPosition>();
    // The picture as study mode found it.
    TKelGoPB::TStoneGrid ShownStones{};
    TKelGoPB::TValueGrid ShownValues{};
    const TTranslator* Translator = &SourceTexts();
    TCoordinates FCoordinates = TCoordinates::Designed;
    // Whether the caption names the move the diagram leaves the game after.
    bool CaptionHasMove = false;
    int BoardPanelWidth = kDesignBoardWidth;
    int BoardPanelHeight = kDesignBoardHeight;
    int ClientWidth = kDesignClientWidth;
    int ClientHeight = kDesignClientHeight;
};

// The caption of a diagram that starts at move StartMove: the move before it, then "手 参考图"
// (a diagram starting at move 38 is the reference diagram at move 37).
std::string ReferenceCaption(int32_t StartMove, const TTranslator& Translator = SourceTexts());

}  // namespace xvexo
