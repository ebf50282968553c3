#pragma once
// The reference-diagram window: a small window, kept above the viewer, with its own board, its
// own rules engine and the diagram's comment. Its logic lives in TCHelpFormModel; this form
// shows the model's state and hands it the clicks of its buttons, its board and its controls.

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "display/reference_window_model.h"
#include "records/display_text.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QPlainTextEdit;

namespace xvexo {

class DockLayout;
class TBoardBox;
class TepFocusButton;
class TepGradientButton;

class TCHelpForm : public QWidget {
    Q_OBJECT
  public:
    // The client area as designed.
    static constexpr int kClientWidth = TCHelpFormModel::kDesignClientWidth;
    static constexpr int kClientHeight = TCHelpFormModel::kDesignClientHeight;
    // The keys of the window, whatever widget of it has the focus: Page Up, Left, Right and
    // Page Down step as the step buttons do, Home and End go to the diagram's first position and
    // its last move, Escape closes the window.
    static constexpr std::array<int, 7> kKeys = {Qt::Key_PageUp,   Qt::Key_Left, Qt::Key_Right,
                                                 Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
                                                 Qt::Key_Escape};

    // Owner is the viewer control, which owns the window and the pictures: the window stays
    // above Owner's window and is centred on Owner when first shown. Images, BaseB, BEdge and
    // GEdge must outlive the window.
    TCHelpForm(QWidget* Owner, TImageSource& Images, const TImage& BaseB, const TImage& BEdge,
               const TImage& GEdge);
    ~TCHelpForm() override;

    // Opening for a link: initialises the window on Snapshot, shows it (FormShow when it was
    // hidden) in front, and shows Code. The diagram's comment is decoded with Encoding.
    void Open(const TPosition& Snapshot, const std::string& Code, TTextEncoding Encoding);
    // The main board's coordinates: standard ones give this board labels too.
    void SetCoordinates(TCoordinates Style) { Model->SetCoordinates(Style); }

    TCHelpFormModel& model() { return *Model; }
    const TCHelpFormModel& model() const { return *Model; }
    // The board picture as last painted.
    QImage boardImage() const;

    // Components, named by role and kind.
    QFrame* pLBase = nullptr;
    QFrame* pHBase = nullptr;
    QPlainTextEdit* Memo = nullptr;
    QFrame* pMBase = nullptr;
    TepFocusButton* PassBtn = nullptr;
    QCheckBox* cbMark = nullptr;
    QComboBox* cbMarkC = nullptr;
    QFrame* pSBase = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* pBBase = nullptr;
    TBoardBox* HelpPB = nullptr;
    QFrame* pCBase = nullptr;
    std::array<TepGradientButton*, TCHelpFormModel::kStepButtons> StepButtons{};

  protected:
    void closeEvent(QCloseEvent* Event) override;
    // A new language: the captions and tooltips are written again.
    void changeEvent(QEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

  private:
    void BuildForm();
    void FormCreate();
    // The window takes the keys of kKeys; RunKey does what one asks.
    void TakeKeys();
    void RunKey(int Key);
    void FormShow();
    // Hides the window; the next link shows it again.
    void FormClose();
    void FormDestroy();
    // Makes the widgets show the model's state.
    void Refresh();
    void RetranslateUi();

    std::unique_ptr<TCHelpFormModel> Model;
    TImageSource& Images;
    const TImage& BaseB;
    const TImage& BEdge;
    const TImage& GEdge;
    TTextEncoding Encoding = TTextEncoding::Utf8;
    std::string ShownMemo;  // the memo's bytes as last shown
    bool Placed = false;    // centred on the owner once
    DockLayout* HelpDock = nullptr;
    DockLayout* BaseDock = nullptr;  // the board above, the comment panel at the foot
};

}  // namespace xvexo
