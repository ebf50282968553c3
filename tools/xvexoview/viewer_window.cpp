#include "viewer_window.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QVBoxLayout>

#include "control/reference_window.h"

namespace xvexo {

int ArrowTagForKey(int Key) {
    switch (Key) {
        case Qt::Key_Home:
            return TXVexoView::kToStart;
        case Qt::Key_PageUp:
            return TXVexoView::kBackFive;
        case Qt::Key_Left:
            return TXVexoView::kBackOne;
        case Qt::Key_Right:
            return TXVexoView::kForwardOne;
        case Qt::Key_PageDown:
            return TXVexoView::kForwardFive;
        case Qt::Key_End:
            return TXVexoView::kToEnd;
        default:
            return -1;
    }
}

TViewerWindow::TViewerWindow(QWidget* Parent, std::function<void(const QString&)> ReportError,
                             TViewServices Services)
    : QWidget(Parent),
      FView(new TXVexoView(this, std::move(Services))),
      ReportError(std::move(ReportError)) {
    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->addWidget(FView);
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("XVexoView"));
    resize(798, 560);
}

bool TViewerWindow::Open(const QString& Address, QString* Error) {
    if (!FView->getFile(Address, 0, Error)) return false;
    if (!FView->lastLoadShown()) {
        // Not a failure of the load, but nothing of it can be shown: say so, keep the game.
        ReportLater(QStringLiteral("%1 holds no game record; the game shown is unchanged")
                        .arg(QFileInfo(Address).fileName()));
        return true;
    }
    setWindowTitle(QStringLiteral("XVexoView — ") + QFileInfo(Address).fileName());
    return true;
}

void TViewerWindow::keyPressEvent(QKeyEvent* E) {
    // Keys a child (the move box, the spin box) has used never arrive here.
    if (E->key() == Qt::Key_Escape && FView->helpForm() && FView->helpForm()->isVisible()) {
        FView->helpForm()->close();
        E->accept();
        return;
    }
    if (E->matches(QKeySequence::Print)) {
        FView->printBtnClick();
        E->accept();
        return;
    }
    const int Tag = ArrowTagForKey(E->key());
    if (Tag < 0) {
        QWidget::keyPressEvent(E);
        return;
    }
    FView->ArrowClick(Tag);
    E->accept();
}

void TViewerWindow::dragEnterEvent(QDragEnterEvent* E) {
    const QMimeData* Data = E->mimeData();
    if (Data->hasUrls() && !Data->urls().isEmpty() && Data->urls().first().isLocalFile())
        E->acceptProposedAction();
}

void TViewerWindow::dropEvent(QDropEvent* E) {
    const QList<QUrl> Urls = E->mimeData()->urls();
    if (Urls.isEmpty() || !Urls.first().isLocalFile()) return;
    E->acceptProposedAction();
    QString Error;
    if (!Open(Urls.first().toLocalFile(), &Error)) ReportLater(Error);
}

// The drag source waits until the drop returns, so the message is shown only afterwards, and
// in a box that leaves the event loop running.
void TViewerWindow::ReportLater(const QString& Error) {
    QTimer::singleShot(0, this, [this, Error] {
        if (ReportError) {
            ReportError(Error);
            return;
        }
        auto* Box = new QMessageBox(QMessageBox::Critical, QStringLiteral("XVexoView"), Error,
                                    QMessageBox::Ok, this);
        Box->setAttribute(Qt::WA_DeleteOnClose);
        Box->open();
    });
}

}  // namespace xvexo
