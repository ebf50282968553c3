#pragma once
// The read-only comment box: a list of lines, where the text between a start key (three
// characters of code 3) and a stop key (three characters of code 4) is set off as a link. A click
// on a link reports where its context begins and ends in text(), key characters included.

#include <QString>
#include <QStringList>
#include <QTextBrowser>

namespace xvexo {

class TPlusMemoU : public QTextBrowser {
    Q_OBJECT
  public:
    static const QString& StartKey();  // three characters of code 3
    static const QString& StopKey();   // three characters of code 4

    explicit TPlusMemoU(QWidget* Parent = nullptr);

    void clearLines();
    void addLine(const QString& Line);
    int lineCount() const { return static_cast<int>(Lines.size()); }
    // Line i (0-based); empty for an index out of range.
    QString line(int I) const;
    const QStringList& lines() const { return Lines; }
    // All lines joined by "\n": the text the context positions count in.
    QString text() const { return Lines.join(QLatin1Char('\n')); }

    // The text of a reported context without its keys (empty for a range that is no context).
    QString contextText(int Start, int End) const;

  signals:
    // start: position of the first start-key character; end: one past the last stop-key
    // character.
    void contextClicked(int Start, int End);

  private:
    void appendRendered(const QString& Line, int Offset);
    void onAnchor(const QUrl& Url);

    QStringList Lines;
    int TextLength = 0;  // length of text(), kept as lines are added
};

}  // namespace xvexo
