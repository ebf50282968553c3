#pragma once
// The print dialog: margins and cell size of the printed board, and whether to print the whole
// record, a range of moves or the record split into diagrams of N moves, 1, 2 or 4 a page. Its
// logic lives in TOwnkFormModel; this form shows the model and calls its handlers when the
// user clicks or the focus leaves a field.

#include <QDialog>
#include <QString>
#include <functional>

#include "printing/print_dialog_model.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace xvexo {

class TepFocusButton;

class TOwnkForm : public QDialog {
    Q_OBJECT
  public:
    // Shows Model, which FormShow has filled. Modal and always on top, centred on the screen.
    explicit TOwnkForm(TOwnkFormModel& Model, QWidget* Owner = nullptr);

    // Makes the widgets show the model's texts, selections and enabled states.
    void Refresh();

    TOwnkFormModel& Model;
    // Shows an error (the options could not be stored) in a box with an OK button. Empty: a
    // modal message box.
    std::function<void(QWidget& Parent, const QString& Text)> ShowError;
    QGroupBox* gbPrint;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label6;
    QLineEdit *edHeight, *edWidth, *edTMar, *edLMar, *edGrid;
    QGroupBox* gbState;
    QRadioButton *rbTotal, *rbRange, *rbSplit;
    QLabel* Range;
    QLineEdit *edSPos, *edEPos, *edDNum;
    QFrame* Bevel1;
    QLabel *Label7, *Label8, *Label9;
    QComboBox* cbNDiv;
    TepFocusButton* OkBtn = nullptr;
    TepFocusButton* CCBtn = nullptr;

  public slots:
    void reject() override;

  protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    // A new language: every text of the dialog is written again.
    void changeEvent(QEvent* Event) override;

  private:
    // The model field an edit shows.
    TEditField& Field(QLineEdit* Edit) const;
    // The check run when the focus leaves Edit.
    void EditExit(QLineEdit* Edit);
    void OkBtnClick();
    void RetranslateUi();
};

// Shows the dialog for Model modally over Owner and returns when it is closed; the model's
// ModalResult says how.
void ShowPrintDialog(TOwnkFormModel& Model, QWidget* Owner);

}  // namespace xvexo
