#include "viewer_window.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QVBoxLayout>

namespace xvexo {

int ArrowTagForKey(int key) {
    switch (key) {
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

TViewerWindow::TViewerWindow(QWidget* parent, std::function<void(const QString&)> reportError)
    : QWidget(parent), FView(new TXVexoView(this)), ReportError(std::move(reportError)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FView);
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("XVexoView"));
    resize(798, 560);
}

bool TViewerWindow::Open(const QString& address, QString* error) {
    if (!FView->getFile(address, 0, error)) return false;
    if (!FView->lastLoadShown()) {
        // Not a failure of the load, but nothing of it can be shown: say so, keep the game.
        ReportLater(QStringLiteral("%1 holds no game record; the game shown is unchanged")
                        .arg(QFileInfo(address).fileName()));
        return true;
    }
    setWindowTitle(QStringLiteral("XVexoView — ") + QFileInfo(address).fileName());
    return true;
}

void TViewerWindow::keyPressEvent(QKeyEvent* e) {
    // Keys a child (the move box, the spin box) has used never arrive here.
    const int tag = ArrowTagForKey(e->key());
    if (tag < 0) {
        QWidget::keyPressEvent(e);
        return;
    }
    FView->ArrowClick(tag);
    e->accept();
}

void TViewerWindow::dragEnterEvent(QDragEnterEvent* e) {
    const QMimeData* data = e->mimeData();
    if (data->hasUrls() && !data->urls().isEmpty() && data->urls().first().isLocalFile())
        e->acceptProposedAction();
}

void TViewerWindow::dropEvent(QDropEvent* e) {
    const QList<QUrl> urls = e->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    e->acceptProposedAction();
    QString error;
    if (!Open(urls.first().toLocalFile(), &error)) ReportLater(error);
}

// The drag source waits until the drop returns, so the message is shown only afterwards, and
// in a box that leaves the event loop running.
void TViewerWindow::ReportLater(const QString& error) {
    QTimer::singleShot(0, this, [this, error] {
        if (ReportError) {
            ReportError(error);
            return;
        }
        auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("XVexoView"), error,
                                    QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
}

}  // namespace xvexo
