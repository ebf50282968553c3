#include "display/reference_window_model.h"

#include <algorithm>

#include "display/image_set_chooser.h"
#include "display/interface_text.h"
#include "display/record_drawing.h"
#include "records/diagram_code.h"
#include "records/record_loader.h"

namespace xvexo {

namespace {

// The label colour handed with the edge pictures; the painter draws no labels here.
constexpr TColour kEdgeLabelColour = Rgb(255, 255, 255);

// The part of Rest up to the next separator, which is taken off with it; with no separator
// the part is empty and Rest stays as it is.
std::string_view TakePart(std::string_view& Rest) {
    const size_t At = Rest.find(kCodeSeparator);
    if (At == std::string_view::npos) return {};
    const std::string_view Part = Rest.substr(0, At);
    Rest.remove_prefix(At + kCodeSeparator.size());
    return Part;
}

// Whether a part of Length characters holds Count groups of Width characters.
bool HoldsGroups(std::string_view Part, int Count, int Width) {
    return static_cast<int64_t>(Part.size()) == static_cast<int64_t>(Count) * Width;
}

}  // namespace

std::string ReferenceCaption(int32_t StartMove, const TTranslator& Translator) {
    return FillArguments(Translator.Translate(kReferenceContext, kMoveCaption),
                         {std::to_string(static_cast<int64_t>(StartMove) - 1)});
}

TCHelpFormModel::TCHelpFormModel(TPaintBox& HelpPB, TImageSource& Images, const TImage& BaseB,
                                 const TImage& BEdge, const TImage& GEdge)
    : HelpPB(HelpPB), Images(Images), BaseB(BaseB), BEdge(BEdge), GEdge(GEdge) {}

TCHelpFormModel::~TCHelpFormModel() {
    FormDestroy();
}

void TCHelpFormModel::FormCreate() {
    if (Created()) return;
    FPainter = std::make_unique<TKelGoPB>(HelpPB, BaseB, BEdge);
    FPainter->SetLabelMargin(0);
    FPainter->SetInitialBoardSize(100);
    ApplyCoordinates();
    FPainter->OnPointClick = [this](TKelGoPB&, TMouseButton Button, uint32_t, int32_t Col,
                                    int32_t Row) { BoardClick(Button, Col, Row); };

    TNumbering Off;
    InitNumbering(Off);
    auto Empty = std::make_unique<TPosition>();
    InitPosition(kMaxLines, *Empty);
    FBoard = std::make_unique<TGoBoard>(Off, *Empty);
    FBoard->OnPutStone = [this](TGoBoard&, int32_t X, int32_t Y, int32_t Value, uint8_t Colour) {
        PointEvent(X, Y, Value, Colour);
    };
    FBoard->OnRedrawPoint = FBoard->OnPutStone;
    StudyButtonCaption = Text(kStudyCaption);
}

void TCHelpFormModel::FormShow() {
    StudyPanelShown = false;
    MarkIndex = 0;
    CaptionHasMove = false;
    WriteCaptions();
    MarkOn = false;
    Changed();
}

void TCHelpFormModel::FormDestroy() {
    if (FBoard) {
        FBoard->OnPutStone = nullptr;
        FBoard->OnRedrawPoint = nullptr;
    }
    FBoard.reset();
    FPainter.reset();
}

void TCHelpFormModel::PointEvent(int32_t X, int32_t Y, int32_t Value, uint8_t Colour) {
    if (Drawing) FPainter->SetPoint(Colour, X, Y, Value);
}

void TCHelpFormModel::Changed() {
    if (OnChanged) OnChanged();
}

void TCHelpFormModel::SetSurround(TColour Colour, const TImage& Edge) {
    SurroundColour = Colour;
    FPainter->SetEdgeImage(Edge, kEdgeLabelColour);
}

void TCHelpFormModel::Initialise(const TPosition& NewSnapshot) {
    SetSurround(kReferencePanelColour, BEdge);
    StudyButtonCaption = Text(kStudyCaption);
    HelpPanelShown = true;
    StudyPanelShown = false;
    Drawing = false;
    Study = false;
    *Snapshot = NewSnapshot;
    Memo.clear();
    // The board has the lines of the game it comes from.
    FPainter->SetLines(Snapshot->Size);
    FBoard->SetPosition(*Snapshot, true, true);
    FBoard->SetNumbering(Numbering);
    PlaceHelpPanel();
    ResizeBoard(BoardPanelWidth, BoardPanelHeight);
    Changed();
}

void TCHelpFormModel::ShowCode(std::string_view NewCode) {
    Code = NewCode;
    ShowKeptCode();
    Changed();
}

bool TCHelpFormModel::ShowKeptCode() {
    Numbering.Base = 0;
    std::string_view Rest = Code;
    if (Rest.size() < 4) return false;
    StartMove = CodeToIndex(Rest.substr(0, 2));
    const int MoveCount = CodeToIndex(Rest.substr(2, 2));
    Rest.remove_prefix(4);
    const std::string_view Moves = TakePart(Rest);
    if (!HoldsGroups(Moves, MoveCount, 2)) return false;

    BackToStart();
    CaptionHasMove = true;
    Caption = ReferenceCaption(StartMove, *Translator);
    FPainter->LoadPosition(BoardStones(*FBoard, FPainter->Lines()));
    Drawing = true;

    // The diagram's moves are numbered from 1.
    Numbering = {0, StartMove, 1};
    FBoard->SetNumbering(Numbering);
    for (size_t i = 0; i + 1 < Moves.size(); i += 2) {
        const int Col = CharToCoord(Moves[i]);
        const int Row = CharToCoord(Moves[i + 1]);
        if (Col == 0 && Row == 0) {
            FBoard->PassMove();
        } else if (Col >= 1 && Row >= 1) {
            FBoard->PlayMove(Col, Row);
        }
    }

    if (Rest.size() < 4) return true;
    const int LabelCount = CodeToIndex(Rest.substr(0, 2));
    Rest.remove_prefix(2);
    const std::string_view Labels = TakePart(Rest);
    Memo = Rest;
    if (!HoldsGroups(Labels, LabelCount, 4)) return true;
    for (size_t i = 0; i + 3 < Labels.size(); i += 4) {
        FPainter->DrawValue(CharToCoord(Labels[i]), CharToCoord(Labels[i + 1]), true,
                            CodeToIndex(Labels.substr(i + 2, 2)));
    }
    return true;
}

void TCHelpFormModel::BackToStart() {
    StepBackTo(*FBoard, StartMove - 1);
}

void TCHelpFormModel::StepBackWithinDiagram() {
    if (FBoard->MoveIndex() >= StartMove && FBoard->MoveIndex() > 0) FBoard->StepBack();
}

void TCHelpFormModel::StepClick(int Tag) {
    switch (Tag) {
        case kBackFive:
            for (int i = 0; i < 5; ++i)
                StepBackWithinDiagram();
            break;
        case kBackOne:
            StepBackWithinDiagram();
            break;
        case kForwardOne:
            FBoard->StepForward();
            break;
        case kForwardFive:
            for (int i = 0; i < 5; ++i)
                FBoard->StepForward();
            break;
        case kStudy:
            if (Study) {
                LeaveStudy();
            } else {
                EnterStudy();
            }
            break;
        default:
            break;
    }
    Changed();
}

void TCHelpFormModel::StepToStart() {
    BackToStart();
    Changed();
}

void TCHelpFormModel::StepToEnd() {
    while (FBoard->StepForward()) {
    }
    Changed();
}

void TCHelpFormModel::BoardClick(TMouseButton Button, int32_t Col, int32_t Row) {
    if (Study && MarkOn) {
        FPainter->DrawValue(Col, Row, true, kValueLetterA + MarkIndex);
        MarkIndex = (MarkIndex + 1) % kLetters;
    } else if (Button != TMouseButton::Left) {
        FBoard->StepBack();
    } else if (Study) {
        FBoard->PlayMove(Col, Row);
    } else {
        FBoard->StepForward();
    }
    Changed();
}

void TCHelpFormModel::PassBtnClick() {
    FBoard->PassMove();
    Changed();
}

void TCHelpFormModel::EnterStudy() {
    SetSurround(kStudyPanelColour, GEdge);
    Study = true;
    // Study moves are numbered from 1.
    Numbering = {0, FBoard->MoveIndex(), 1};
    FBoard->SetNumbering(Numbering);
    StudyPanelShown = true;
    StudyButtonCaption = Text(kStudyEndCaption);
    // What the board shows now, for a diagram whose code never drew it (an empty code keeps the
    // picture of the diagram before it).
    for (int32_t Row = 1; Row <= FPainter->Lines(); ++Row) {
        for (int32_t Col = 1; Col <= FPainter->Lines(); ++Col) {
            ShownStones[Row - 1][Col - 1] = FPainter->Stone(Col, Row);
            ShownValues[Row - 1][Col - 1] = FPainter->Value(Col, Row);
        }
    }
}

void TCHelpFormModel::LeaveStudy() {
    Study = false;
    SetSurround(kReferencePanelColour, BEdge);
    StudyButtonCaption = Text(kStudyCaption);
    StudyPanelShown = false;
    FBoard->SetPosition(*Snapshot, true, true);
    // The diagram drawn again from its code; a code that does not reach the picture gets the
    // picture back as study mode found it, without the letters placed since.
    if (!ShowKeptCode()) {
        FPainter->LoadPosition(ShownStones);
        FPainter->LoadValues(ShownValues);
    }
}

void TCHelpFormModel::pBBaseResize(int W, int H) {
    ResizeBoard(W, H);
    Changed();
}

void TCHelpFormModel::ResizeBoard(int W, int H) {
    BoardPanelWidth = W;
    BoardPanelHeight = H;
    const int32_t Lines = FPainter->Lines();
    const int32_t N = std::max(ReferenceCellSize(W, H, FPainter->LabelMargin(), Lines), 0);
    const int32_t S = Lines * N;
    const int32_t M = FPainter->LabelMargin();
    HelpPBLeft = (W - S - M) / 2;
    HelpPBTop = (H - S - M) / 2;
    ChooseReferenceImageSet(*FPainter, Images, W, H);
}

void TCHelpFormModel::FormResize(int W, int H) {
    ClientWidth = W;
    ClientHeight = H;
    PlaceHelpPanel();
    Changed();
}

void TCHelpFormModel::PlaceHelpPanel() {
    // Around the board, as designed: a frame of one pixel each side, the button row and a
    // margin; the board panel is 2 pixels narrower than the window.
    constexpr int kDesignCell = kDesignBoardWidth / kBoardLines;
    constexpr int kBoardSurround =
        kDesignClientHeight - kDesignHelpPanelHeight - kBoardLines * kDesignCell;
    const int32_t Lines = FPainter ? FPainter->Lines() : kBoardLines;
    const int32_t Cell = std::max(ReferenceCellSize(ClientWidth - 2, 1 << 20, 0, Lines), 0);
    const int Share = ClientHeight * kDesignHelpPanelHeight / kDesignClientHeight;
    const int Left = ClientHeight - Lines * Cell - kBoardSurround;
    HelpPanelHeight = std::max({kDesignHelpPanelHeight, Share, Left});
}

void TCHelpFormModel::pCBaseResize(int W) {
    const int Width = W / kStepButtons - 1;
    const int Gap = (W - kStepButtons * Width) / (kStepButtons - 1);
    const int Offset = (W - kStepButtons * Width - (kStepButtons - 1) * Gap) / 2;
    for (int i = 0; i < kStepButtons; ++i)
        StepButtons[static_cast<size_t>(i)] = {(Width + Gap) * i + Offset, std::max(Width, 0)};
    Changed();
}

std::string TCHelpFormModel::Text(const char* Source) const {
    return Translator->Translate(kReferenceContext, Source);
}

void TCHelpFormModel::WriteCaptions() {
    Caption = CaptionHasMove ? ReferenceCaption(StartMove, *Translator) : Text(kNoMoveCaption);
    StudyButtonCaption = Text(Study ? kStudyEndCaption : kStudyCaption);
    PassButtonCaption = Text(kPassCaption);
    MarkCaption = Text(kMarkCaption);
}

void TCHelpFormModel::SetTranslator(const TTranslator& NewTranslator) {
    Translator = &NewTranslator;
    WriteCaptions();
    Changed();
}

void TCHelpFormModel::SetCoordinates(TCoordinates Style) {
    if (Style == FCoordinates) return;
    FCoordinates = Style;
    if (!Created()) return;
    ApplyCoordinates();
    ResizeBoard(BoardPanelWidth, BoardPanelHeight);
    Changed();
}

void TCHelpFormModel::ApplyCoordinates() {
    const bool Labelled = FCoordinates == TCoordinates::Standard;
    FPainter->SetCoordinates(Labelled ? TCoordinates::Standard : TCoordinates::None);
    FPainter->SetLabelMargin(Labelled ? kReferenceLabelMargin : 0);
}

}  // namespace xvexo
