#include "viewer_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QVBoxLayout>

#include "control/field_text.h"
#include "control/reference_window.h"
#include "records/record_source.h"

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

bool TViewerWindow::OpenAddress(const std::string& Address, QString* Error) {
    if (!FView->LoadAddress(Address, Error)) return false;
    if (!FView->lastLoadShown()) {
        // Not a failure of the load, but nothing of it can be shown: say so, keep the game.
        ReportLater(QStringLiteral("%1 holds no game record; the game shown is unchanged")
                        .arg(FileNameOfAddress(Address)));
        return true;
    }
    setWindowTitle(QStringLiteral("XVexoView — ") + FileNameOfAddress(Address));
    return true;
}

bool TViewerWindow::Open(const QString& Address, QString* Error) {
    return OpenAddress(Address.toStdString(), Error);
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
    const QMimeData* Data = E->mimeData();
    if (!Data->hasUrls() || Data->urls().isEmpty() || !Data->urls().first().isLocalFile()) return;
    E->acceptProposedAction();
    // The address as dropped, in bytes: a QUrl would turn a name that is no UTF-8 into another.
    // The drag source waits until the drop returns: the record is read only afterwards, so a
    // pipe that keeps the read waiting never holds up the other program.
    const std::string Address = FirstDroppedAddress(Data->data(QStringLiteral("text/uri-list")));
    QTimer::singleShot(0, this, [this, Address] {
        QString Error;
        if (!OpenAddress(Address, &Error) && !FView->lastLoadCancelled()) Report(Error);
    });
}

void TViewerWindow::closeEvent(QCloseEvent* E) {
    // A load still waiting for a pipe or a device gives up, so the program can end.
    FView->CancelLoad();
    QWidget::closeEvent(E);
}

void TViewerWindow::ReportLater(const QString& Error) {
    QTimer::singleShot(0, this, [this, Error] { Report(Error); });
}

// In a box that leaves the event loop running.
void TViewerWindow::Report(const QString& Error) {
    if (ReportError) {
        ReportError(Error);
        return;
    }
    auto* Box = new QMessageBox(QMessageBox::Critical, QStringLiteral("XVexoView"), Error,
                                QMessageBox::Ok, this);
    Box->setAttribute(Qt::WA_DeleteOnClose);
    Box->open();
}

QString FileNameOfAddress(const std::string& Address) {
    const std::string Path = LocalPathOfAddress(Address).Path;
    const std::string Name = Path.substr(Path.find_last_of('/') + 1);
    return ElideText(QFile::decodeName(QByteArray::fromStdString(Name)));
}

std::string FirstDroppedAddress(const QByteArray& UriList) {
    for (QByteArray Line : UriList.split('\n')) {
        Line = Line.trimmed();
        if (!Line.isEmpty() && !Line.startsWith('#')) return Line.toStdString();
    }
    return {};
}

}  // namespace xvexo
