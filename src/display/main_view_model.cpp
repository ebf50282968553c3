#include "display/main_view_model.h"

#include <algorithm>
#include <utility>

#include "display/image_set_chooser.h"
#include "display/interface_text.h"
#include "display/record_drawing.h"
#include "records/diagram_link.h"
#include "records/record_loader.h"
#include "records/record_setup.h"

namespace xvexo {

namespace {

// The label colour handed with the edge pictures.
constexpr TColour kEdgeLabelColour = Rgb(255, 255, 255);

}  // namespace

TXVexoViewModel::TXVexoViewModel(TPaintBox& MainGoPB, TImageSource& Images, const TImage& BaseB,
                                 const TImage& BEdge, const TImage& GEdge, TPlayTimer& Timer,
                                 TClickPlayer& Sound)
    : MainGoPB(MainGoPB),
      Images(Images),
      BEdge(BEdge),
      GEdge(GEdge),
      Timer(Timer),
      Sound(Sound),
      Painter(std::make_unique<TKelGoPB>(MainGoPB, BaseB, BEdge)),
      Board(std::make_unique<TGoBoard>()) {
    MainGoPB.SetBackground(SurroundColour);
    // The engine's point and move events reach the painter and the labels; a click on the board
    // reaches BoardClick.
    Board->OnPutStone = [this](TGoBoard&, int32_t X, int32_t Y, int32_t Value, uint8_t Colour) {
        BoardPutStone(X, Y, Value, Colour);
    };
    Board->OnRedrawPoint = [this](TGoBoard&, int32_t X, int32_t Y, int32_t Value, uint8_t Colour) {
        Painter->SetPoint(Colour, X, Y, Value);
    };
    Board->OnMove = [this](TGoBoard&, const TMoveInfo& Move) { BoardMove(Move); };
    Painter->OnPointClick = [this](TKelGoPB&, TMouseButton Button, uint32_t, int32_t Col,
                                   int32_t Row) { BoardClick(Button, Col, Row); };
}

TXVexoViewModel::~TXVexoViewModel() {
    // The painter goes before the board, whose events draw on it.
    Board->OnPutStone = nullptr;
    Board->OnRedrawPoint = nullptr;
    Board->OnMove = nullptr;
    Painter.reset();
    Board.reset();
}

void TXVexoViewModel::Changed() {
    if (OnChanged) OnChanged();
}

void TXVexoViewModel::GameChanged() {
    if (OnGameChanged) OnGameChanged();
}

// --- loading -------------------------------------------------------------------------------

bool TXVexoViewModel::LoadText(std::string Text, int32_t FormatMode, std::string* Error) {
    // A new record ends trial play and automatic play first.
    if (ViewMode == kTrial) {
        EndTrial();
        GameChanged();
    }
    if (AutoEndShown) StopAutoPlay();
    AutoPlaying = false;
    Timer.Stop();
    // The new record is parsed aside: one that is not shown (a failed load, or a text the
    // parser stopped in) leaves the game on the screen with its own record, so its comments
    // and moves do not come from another text.
    auto Fresh = std::make_unique<TGameRecord>();
    const TLoadResult Result = LoadRecordText(*Fresh, std::move(Text), FormatMode);
    if (Result.Failed()) {
        // The message may quote the record (cleaned and bounded): in the record's encoding.
        if (Error) *Error = DecodeText(Result.Error, Result.Encoding);
        Changed();
        return false;
    }
    LastLoadShown = Result.Shown;
    if (Result.Shown) {
        Record = std::move(*Fresh);
        Encoding = Result.Encoding;
        // A diagram of the game before is no diagram of this one.
        if (OnCloseReference) OnCloseReference();
        ApplyRecord();
    }
    Changed();
    return true;
}

void TXVexoViewModel::ApplyRecord() {
    GameInfo.Handicap = RecordHandicap(Record);

    // Nothing of an earlier game survives: an empty picture, empty player and rank labels. The
    // handicap stones are placed silently, as the moves are.
    Loading = true;
    // A board of the record's lines, sized to the panel (19 lines: as it was).
    const int32_t Lines = std::clamp(Record.BoardSize, kMinBoardSize, kMaxBoardSize);
    if (Lines != Painter->Lines()) {
        Painter->SetLines(Lines);
        ResizeBoard();
    }
    Painter->LoadPosition({});
    // The reset board reports no move, so the prisoner counts of the new game start here.
    GameInfo.LastX = 0;
    GameInfo.LastY = 0;
    GameInfo.WhitePrisoners = 0;
    GameInfo.BlackPrisoners = 0;
    WhiteDead = "0";
    BlackDead = "0";

    // With move numbers shown, the new game's stones show their own move index, as after
    // switching numbers on at the start (numbering left at base 1 would count from 2). The
    // board keeps its numbering when it is reset for the record.
    if (NumbersShown) Board->SetNumbering({0, 0, 1});

    ShowInfoTexts();
    ApplyCoordinates();

    // An empty comment box.
    CommentLines.clear();
    ++CommentVersion;

    // The starting setup and every move, silently; then the move the record opens at.
    DrawRecordReplay(Record, *Board, *Painter);
    StepBackTo(*Board, OpeningMove(Record, *Board));
    Loading = false;
    ShowMarks();

    // The notes of the move shown, or the whole-game comment.
    ShowComment();
    if (Record.Info.CommentMode == "1") CommentLines.push_back({Field(TInfoKind::GameComment)});
    RecordShown = true;
    GameChanged();
}

void TXVexoViewModel::ShowInfoTexts() {
    // The labels: each field bounded (the record keeps it whole). A standard SGF record leaves
    // out what it does not know: its labels show nothing after the colon then (the tag and NGF
    // labels read as they always have).
    const auto Text = [this](TInterfaceText Id, std::string_view Arg = {}) {
        return InterfaceText(*Translator, Id, {Arg});
    };
    const auto F = [this](TInfoKind Kind) { return Field(Kind, kMaxTipChars); };
    const bool Sgf = Record.FormatMode == kFormatSgf;
    Info.Title = F(TInfoKind::Title);
    Info.Lines[0] = Text(TInterfaceText::Date) + F(TInfoKind::Date);
    Info.Lines[1] = Text(TInterfaceText::Place) + F(TInfoKind::Place);
    // The words the SGF and NGF readers wrote (a time in hours and minutes, a handicap game) in
    // the language shown; a tag record's fields are its own text.
    const bool ReaderWrote = Record.FormatMode == kFormatSgf || Record.FormatMode == kFormatNgf;
    const auto Words = [this, ReaderWrote](std::string Field) {
        return ReaderWrote ? ElideText(ReaderWords(*Translator, Field), kMaxTipChars) : Field;
    };
    Info.Lines[2] = Text(TInterfaceText::TimeUsed) + Words(F(TInfoKind::TimeText));
    const std::string Seconds = F(TInfoKind::ByoyomiSeconds);
    const std::string Periods = F(TInfoKind::ByoyomiCount);
    std::string Byoyomi = Text(TInterfaceText::Byoyomi);
    if (!Sgf) {
        Byoyomi +=
            Text(TInterfaceText::Seconds, Seconds) + " " + Text(TInterfaceText::Periods, Periods);
    } else {
        if (!Seconds.empty()) Byoyomi += Text(TInterfaceText::Seconds, Seconds);
        if (!Seconds.empty() && !Periods.empty()) Byoyomi += ' ';
        if (!Periods.empty()) Byoyomi += Text(TInterfaceText::Periods, Periods);
    }
    Info.Lines[3] = Byoyomi;
    std::string Komi = Words(F(TInfoKind::Komi));
    if (Sgf && Record.DeclaredHandicap >= 2) {
        // The handicap the file names, beside its komi (as written).
        const std::string Handicap = InterfaceText(*Translator, TInterfaceText::HandicapGame,
                                                   {std::to_string(Record.DeclaredHandicap)});
        Komi = ElideText(Komi.empty() ? Handicap : Komi + " (" + Handicap + ")", kMaxTipChars);
    }
    Info.Lines[4] =
        Text(Record.KomiMode == 1 ? TInterfaceText::Komi : TInterfaceText::Method) + Komi;
    Info.Lines[5] = Text(TInterfaceText::Result) + F(TInfoKind::Result);
    const auto Player = [&](TInfoKind NameKind, TInfoKind RankKind) {
        TPlayerText P;
        if (Record.FormatMode == kFormatTag) {
            P.Name = F(NameKind) + ' ' + F(RankKind);
        } else {
            // NGF and standard SGF: the name above, the rank on its own line below it (a name
            // keeps to one line above a rank, which its second line would run into).
            P.Name = F(NameKind);
            P.Rank = F(RankKind);
            P.RankWritten = true;
            P.NameWraps = P.Rank.empty();
        }
        return P;
    };
    Info.Black = Player(TInfoKind::BlackName, TInfoKind::BlackRank);
    Info.White = Player(TInfoKind::WhiteName, TInfoKind::WhiteRank);
    ++RecordVersion;
}

std::string TXVexoViewModel::Field(TInfoKind Kind, int64_t MaxChars) const {
    const std::string* Text = InfoField(Record.Info, Kind);
    if (!Text) return {};
    std::string_view Bytes = *Text;
    // No character takes more than four bytes: the first 4 * MaxChars + 4 bytes decode to more
    // characters than are shown, and a megabyte field costs no more than a short one.
    if (MaxChars >= 0) Bytes = Bytes.substr(0, static_cast<size_t>(MaxChars) * 4 + 4);
    std::string Decoded = DecodeText(Bytes, InfoFieldEncoding(Record, Kind, Encoding));
    return MaxChars >= 0 ? ElideText(Decoded, static_cast<size_t>(MaxChars)) : Decoded;
}

// --- the board's events ------------------------------------------------------------------------

void TXVexoViewModel::BoardPutStone(int32_t X, int32_t Y, int32_t Value, uint8_t Colour) {
    if (!Loading && SoundOn) Sound.PlayClick();
    Painter->SetPoint(Colour, X, Y, Value);
}

void TXVexoViewModel::BoardMove(const TMoveInfo& Move) {
    GameInfo.LastX = static_cast<uint8_t>(Move.X < 0 ? 0 : Move.X);
    GameInfo.LastY = static_cast<uint8_t>(Move.Y);
    GameInfo.WhitePrisoners = Move.WhitePrisoners;
    GameInfo.BlackPrisoners = Move.BlackPrisoners;
    WhiteDead = std::to_string(Move.BlackPrisoners);
    BlackDead = std::to_string(Move.WhitePrisoners);
    // The record's marks follow the position; a load shows them once at its end.
    if (!Loading) ShowMarks();
}

void TXVexoViewModel::ShowMarks() {
    // The marks of a record position: every position while viewing; during trial play those
    // at or before the move the trial line leaves the record (the record's own positions).
    const int32_t K = Board->MoveIndex();
    TNumberGrid Marks{};
    if (ViewMode == kViewing || (ViewMode == kTrial && K <= TrialFrom)) {
        MarksOfMove(Record, K, Marks);
    }
    Painter->LoadMarks(Marks);
    // The other lines of play start from positions of the record only.
    TNumberGrid Letters{};
    if (ViewMode == kViewing) VariationLetters(Record, K, Letters);
    Painter->LoadVariations(Letters);
}

// --- navigation ---------------------------------------------------------------------------------

void TXVexoViewModel::ArrowClick(int Tag) {
    AutoPlaying = false;
    if (ViewMode == kViewing || ViewMode == kTrial) {
        StepArrow(Tag);
        FollowTrialMark();
        ShowComment();
        Changed();
        GameChanged();
        return;
    }
    Changed();
}

void TXVexoViewModel::StepArrow(int Tag) {
    // Only the single step forward clicks.
    SoundOn = Tag == kForwardOne;
    switch (Tag) {
        case kToStart:
            GoToStart(*Board);
            break;
        case kBackFive:
            for (int i = 0; i < 5; ++i)
                Board->StepBack();
            break;
        case kBackOne:
            Board->StepBack();
            break;
        case kForwardOne:
            Board->StepForward();
            break;
        case kForwardFive:
            for (int i = 0; i < 5; ++i)
                Board->StepForward();
            break;
        case kToEnd:
            while (Board->StepForward()) {
            }
            break;
        default:
            break;
    }
}

void TXVexoViewModel::BoardClick(TMouseButton Button, int32_t X, int32_t Y) {
    AutoPlaying = false;
    if (ViewMode == kViewing && Button == TMouseButton::Left) {
        // A letter on the board opens its line of play, as its link does.
        if (const int32_t Letter = Painter->Variation(X, Y); Letter > 0) {
            OpenDiagram(Letter);
            return;
        }
    }
    if (ViewMode == kViewing) {
        if (Button != TMouseButton::Left) {
            SoundOn = false;
            Board->StepBack();
        } else {
            SoundOn = true;
            Board->StepForward();
        }
        ShowComment();
    } else if (ViewMode == kTrial) {
        if (Button != TMouseButton::Left) {
            SoundOn = false;
            Board->StepBack();
        } else {
            SoundOn = true;
            const int32_t Before = Board->MoveIndex();
            Board->PlayMove(X, Y);
            if (Board->MoveIndex() == Before + 1) {
                TrialFrom = std::min(TrialFrom, Before);
                // A stone played below the trial start leaves the record there too.
                ShowMarks();
            }
        }
        FollowTrialMark();
    }
    Changed();
    GameChanged();
}

void TXVexoViewModel::BoardWheel(int32_t Steps) {
    for (int32_t i = 0; i < Steps; ++i)
        ArrowClick(kBackOne);
    for (int32_t i = 0; i > Steps; --i)
        ArrowClick(kForwardOne);
}

bool TXVexoViewModel::moveBtnClick(std::string_view Text) {
    const TMoveNumberCheck Check = CheckMoveNumber(Text);
    if (!Check.Ok) {
        if (OnMessage) {
            OnMessage(InterfaceText(*Translator, Check.IsNumber ? TInterfaceText::EnterPositive
                                                                : TInterfaceText::EnterNumber));
        }
        return false;
    }
    if (AutoEndShown) StopAutoPlay();
    SoundOn = false;
    GoToStart(*Board);
    ShowComment();
    StepForwardTo(*Board, Check.Number);
    FollowTrialMark();
    ShowComment();
    Changed();
    GameChanged();
    return true;
}

void TXVexoViewModel::autoBtnClick() {
    if (ViewMode == kViewing) {
        Timer.Start(Seconds * 1000);
        AutoPlaying = true;
        AutoEndShown = true;
    }
    Changed();
}

void TXVexoViewModel::autoEndBtnClick() {
    StopAutoPlay();
    Changed();
}

void TXVexoViewModel::StopAutoPlay() {
    if (ViewMode != kViewing) return;
    Timer.Stop();
    AutoPlaying = false;
    AutoEndShown = false;
}

void TXVexoViewModel::TimerTimer() {
    if (!AutoPlaying) {
        Timer.Stop();
        Changed();
        return;
    }
    SoundOn = true;
    if (!Board->StepForward()) StopAutoPlay();
    ShowComment();
    Changed();
    GameChanged();
}

void TXVexoViewModel::secondSEChange(int32_t NewSeconds) {
    Seconds = std::clamp(NewSeconds, kMinSeconds, kMaxSeconds);
    if (AutoEndShown) Timer.SetInterval(Seconds * 1000);
    Changed();
}

int32_t TXVexoViewModel::CommentMove() const {
    return ViewMode == kTrial ? TrialFrom : Board->MoveIndex();
}

bool TXVexoViewModel::shownMoveIsPass(uint8_t* Colour) const {
    int32_t X = -1;
    int32_t Y = 0;
    uint8_t Who = 0;
    Board->GetLastMove(X, Y, Who);
    if (Colour) *Colour = Who;
    return Board->LastIsPass();
}

std::string TXVexoViewModel::gameTitle(size_t MaxChars) const {
    return Field(TInfoKind::Title, static_cast<int64_t>(MaxChars));
}

TTitleData TXVexoViewModel::titleData(size_t MaxChars) const {
    TTitleData T;
    T.HasRecord = RecordShown;
    T.GameTitle = gameTitle(MaxChars);
    T.MoveIndex = Board->MoveIndex();
    T.MoveCount = Board->EndIndex();
    T.BlackToPlay = Board->SideToPlay() == kBlack;
    T.LastWasPass = shownMoveIsPass();
    return T;
}

void TXVexoViewModel::ShowComment() {
    if (Record.Info.CommentMode == "1") return;
    const int32_t K = CommentMove();
    CommentLines.clear();
    ++CommentVersion;
    AddCommentLine({}, true, 0, false);
    // A pass leaves no stone to see: the box says who passed.
    uint8_t Colour = 0;
    if (ViewMode == kViewing && K > 0 && shownMoveIsPass(&Colour)) {
        AddCommentLine(InterfaceText(*Translator, Colour == kWhite ? TInterfaceText::WhitePassed
                                                                   : TInterfaceText::BlackPassed),
                       false, 0, true);
    }
    int32_t Diagrams = 0;
    for (int32_t i = 0; i < Record.NoteCount; ++i) {
        const TNoteRec& Note = Record.Notes[i];
        if (Note.MoveNo != K) continue;
        if (Note.Kind == nkComment) {
            AddCommentLine(DecodeText(Note.Text, Encoding), false, 0, true);
        } else if (Note.Kind == nkDiagram) {
            ++Diagrams;
            AddCommentLine(InterfaceText(*Translator, TInterfaceText::DiagramLink,
                                         {std::to_string(K), std::to_string(Diagrams)}),
                           true, Diagrams, true);
        }
    }
}

void TXVexoViewModel::AddCommentLine(std::string Text, bool IsLink, int32_t Diagram,
                                     bool Separate) {
    // Separate: a blank line first, unless the box is empty or ends in an empty line (a link,
    // written between its keys, is never empty).
    if (Separate && !CommentLines.empty()) {
        const TCommentLine& Last = CommentLines.back();
        if (Last.IsLink || !Last.Text.empty()) CommentLines.emplace_back();
    }
    CommentLines.push_back({std::move(Text), IsLink, Diagram});
}

// --- reference diagrams ---------------------------------------------------------------------

void TXVexoViewModel::LinkClick(std::string_view Text) {
    // The checks count the bytes of the link text in the system's code page.
    const int32_t K = DiagramLinkNumber(EncodeGbk(Text));
    if (K >= 1) {
        OpenDiagram(K);
        return;
    }
    // A link in another language names its diagram by the line the box shows.
    for (const TCommentLine& Line : CommentLines) {
        if (Line.IsLink && Line.Diagram > 0 && Line.Text == Text) {
            OpenDiagram(Line.Diagram);
            return;
        }
    }
    Changed();
}

void TXVexoViewModel::OpenDiagram(int32_t K) {
    const TNoteRec* Note = FindDiagramNote(Record, CommentMove(), K);
    if (Note && OnOpenReference) {
        auto Snapshot = std::make_unique<TPosition>();
        Board->GetPosition(*Snapshot);
        OnOpenReference(*Snapshot, Note->Text);
    }
    Changed();
}

// --- trial play and move numbers ----------------------------------------------------------------

void TXVexoViewModel::testBtnClick() {
    StartTrial();
    Changed();
    GameChanged();
}

void TXVexoViewModel::testEndBtnClick() {
    EndTrial();
    Changed();
    GameChanged();
}

void TXVexoViewModel::StartTrial() {
    if (AutoEndShown) StopAutoPlay();
    // The first trial stone is of the side the record plays next, however the board got here.
    Board->SetSideToMove(Board->SideToPlay());
    auto Snapshot = std::make_unique<TPosition>();
    Board->GetPosition(*Snapshot);
    PushMode(kTrial, *Snapshot);
    // The record's last stone keeps its mark until a trial stone takes it.
    int32_t X = 0;
    int32_t Y = 0;
    uint8_t Colour = 0;
    Board->GetLastMove(X, Y, Colour);
    TrialMarkX = X > 0 ? X : 0;
    TrialMarkY = X > 0 ? Y : 0;
    // A trial line is no line of the record: the letters of the record's lines go.
    ShowMarks();
    // The surround's new colour repaints the board with its new edge.
    Painter->Redraw();
}

void TXVexoViewModel::EndTrial() {
    TrialMarkX = 0;
    TrialMarkY = 0;
    Painter->SetEdgeImage(BEdge, kEdgeLabelColour);
    PopMode();
    if (NumbersShown) HideNumbers();
    ShowMarks();
    Painter->Redraw();
}

void TXVexoViewModel::PushMode(uint8_t NewMode, const TPosition& Snapshot) {
    if (NewMode == kTrial && NumbersShown) HideNumbers();
    SoundOn = false;
    // One level is all the buttons can reach; the bound keeps a stray call inside the stack.
    if (ModeDepth >= static_cast<int32_t>(Modes->size())) return;
    TModeEntry& Entry = (*Modes)[static_cast<size_t>(ModeDepth)];
    ++ModeDepth;
    Entry.SavedMode = ViewMode;
    Entry.SavedEnd = Board->EndIndex();
    Entry.Snapshot = Snapshot;
    ViewMode = NewMode;
    if (NewMode == kTrial) {
        SetSurround(kTrialPanelColour);
        Painter->SetEdgeImage(GEdge, kEdgeLabelColour);
        Board->SetPosition(Snapshot, true, true);
        Board->SetNumbering({0, Board->MoveIndex(), 1});
        TrialFrom = Board->MoveIndex();
    }
    SoundOn = true;
}

void TXVexoViewModel::PopMode() {
    SoundOn = false;
    SetSurround(kPanelColour);
    if (ModeDepth <= 0) {
        SoundOn = true;
        return;
    }
    const TModeEntry& Entry = (*Modes)[static_cast<size_t>(ModeDepth - 1)];
    RestoreFromMode(Entry.Snapshot);
    ViewMode = Entry.SavedMode;
    if (ViewMode == kViewing) {
        Board->LoadHistory(Entry.Snapshot);
        Board->SetEndIndex(Entry.SavedEnd);
    }
    --ModeDepth;
    SoundOn = true;
}

void TXVexoViewModel::RestoreFromMode(const TPosition& Snapshot) {
    if (!NumbersShown) {
        TNumbering Off;
        InitNumbering(Off);
        Board->SetNumbering(Off);
    }
    // Back below the numbering start (0 or 1 here, so to the start of the game), and not above
    // the saved move.
    StepBackTo(*Board, Board->Numbering().From - 1);
    StepBackTo(*Board, Snapshot.MoveIndex);
    // Replaying the saved moves (each in its colour, with the points set up after it) draws
    // the saved position, silently.
    const int32_t SetupCount = std::clamp(Snapshot.SetupCount, 0, kMaxSetup);
    int32_t S = 0;
    for (int32_t i = Board->MoveIndex() + 1; i <= Snapshot.MoveIndex && i <= kMaxMoves; ++i) {
        const THistoryEntry& H = Snapshot.History[static_cast<size_t>(i)];
        if (H.Colour == kBlack || H.Colour == kWhite) Board->SetSideToMove(H.Colour);
        if (H.X == 0 && H.Y == 0) {
            Board->PassMove();
        } else {
            Board->PlayMove(H.X, H.Y);
        }
        for (; S < SetupCount && Snapshot.Setup[static_cast<size_t>(S)].MoveIndex <= i; ++S) {
            const TSetupEntry& E = Snapshot.Setup[static_cast<size_t>(S)];
            if (E.MoveIndex == i) Board->SetupPoint(E.X, E.Y, E.New);
        }
    }
    Board->SetPosition(Snapshot, false, true);
}

void TXVexoViewModel::numBtnClick() {
    ShowNumbers();
    Changed();
}

void TXVexoViewModel::numEndBtnClick() {
    HideNumbers();
    Changed();
}

void TXVexoViewModel::ShowNumbers() {
    TrialMarkX = 0;
    TrialMarkY = 0;
    if (ViewMode == kTrial) {
        Board->EnableNumbering(false);
        Painter->ClearValues();
        ShowLastMoveMark(*Board, *Painter, kLastMoveMark);
    }
    NumbersShown = true;
    ShowMoveNumbers(*Board, *Painter);
}

void TXVexoViewModel::HideNumbers() {
    TrialMarkX = 0;
    TrialMarkY = 0;
    NumbersShown = false;
    Board->EnableNumbering(false);
    Painter->ClearValues();
    ShowLastMoveMark(*Board, *Painter, kLastMoveMark);
}

void TXVexoViewModel::FollowTrialMark() {
    // Numbers shown, or the trial's numbering switched off by them: the board's own last-move
    // mark follows the moves.
    if (ViewMode != kTrial || NumbersShown || !Board->Numbering().On) return;
    int32_t X = 0;
    int32_t Y = 0;
    uint8_t Colour = 0;
    Board->GetLastMove(X, Y, Colour);
    if (X <= 0 || Board->PointColour(X, Y) == kEmpty) X = Y = 0;
    if (X == TrialMarkX && Y == TrialMarkY) return;
    // The stone marked before shows what the board holds for it: its number, or nothing (the
    // record's last stone holds the mark the board gave it while viewing).
    const uint8_t Held = Board->PointColour(TrialMarkX, TrialMarkY);
    if (TrialMarkX > 0 && Held != kEmpty) {
        const int32_t Number = Board->PointNumber(TrialMarkX, TrialMarkY);
        Painter->SetPoint(Held, TrialMarkX, TrialMarkY, Number == kLastMoveMark ? 0 : Number);
    }
    TrialMarkX = X;
    TrialMarkY = Y;
    if (X > 0) Painter->SetPoint(Board->PointColour(X, Y), X, Y, kLastMoveMark);
}

void TXVexoViewModel::SetSurround(TColour Colour) {
    SurroundColour = Colour;
    MainGoPB.SetBackground(Colour);
}

// --- language and coordinates -------------------------------------------------------------------

void TXVexoViewModel::SetTranslator(const TTranslator& NewTranslator) {
    Translator = &NewTranslator;
    if (RecordShown) {
        ShowInfoTexts();
        // The comment box as it stands (the game comment, or the notes of the move shown).
        if (Record.Info.CommentMode == "1") {
            CommentLines.clear();
            ++CommentVersion;
            CommentLines.push_back({Field(TInfoKind::GameComment)});
        } else {
            ShowComment();
        }
    }
    Changed();
}

TCoordinates TXVexoViewModel::coordinatesOf(int32_t FormatMode) {
    return FormatMode == kFormatSgf ? TCoordinates::Standard : TCoordinates::Designed;
}

void TXVexoViewModel::SetCoordinatesChoice(std::optional<TCoordinates> Choice) {
    CoordinatesChoice = Choice;
    ApplyCoordinates();
    Changed();
}

void TXVexoViewModel::ApplyCoordinates() {
    // Before any record the empty board shows the designed labels.
    const TCoordinates Default =
        RecordShown || Loading ? coordinatesOf(Record.FormatMode) : TCoordinates::Designed;
    Painter->SetCoordinates(CoordinatesChoice.value_or(Default));
}

// --- layout -------------------------------------------------------------------------------------

void TXVexoViewModel::pBaseResize(int W, int H) {
    PanelWidth = W;
    PanelHeight = H;
    ResizeBoard();
    Changed();
}

void TXVexoViewModel::ResizeBoard() {
    const int M = Painter->LabelMargin();
    const int Lines = Painter->Lines();
    const int S = Lines * MainViewCellSize(PanelWidth, PanelHeight, M, Lines);
    BoardLeft = (PanelWidth - S - M) / 2;
    BoardTop = (PanelHeight - S - M) / 2;
    if (S != Painter->BoardSize() || Painter->CellSize() == 0 || !Painter->IsSized())
        ChooseImageSet(S);
}

void TXVexoViewModel::ChooseImageSet(int32_t S) {
    ++ImageSetLoads;
    LoadImageSet(*Painter, Images, S);
}

}  // namespace xvexo
