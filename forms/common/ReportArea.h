// SPDX-License-Identifier: MIT
// The report area: prints text lines from its top left in the report font and keeps them until cleared.
#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>

// The report font: "ＭＳ ゴシック" 9 pt where installed, else an installed fixed-pitch Japanese font in
// which every full-width character is exactly two half-width columns.
QFont ReportFont();

// Width of a text in half-width columns of a font (its advance divided by that of a blank).
double ColumnsOf(const QString& text, const QFont& font);

class ReportArea : public QWidget {
    Q_OBJECT
public:
    explicit ReportArea(QWidget* parent = nullptr);

    // Empties the area; printing starts again at the top left.
    void Cls();

    // Prints one line below the previous one.
    void Print(const QString& line);

    const QStringList& Lines() const { return lines_; }

    // The size that shows every line whole (for a scroll area around the report).
    QSize sizeHint() const override;

    // The report as text, each line ended by a line feed (what "コピー" puts on the clipboard).
    QString Text() const;

    // Puts the report's text on the clipboard; an empty report leaves the clipboard alone.
    void Copy() const;

    // Where the character at `offset` of Text() is painted, in the area's coordinates; a line feed is an
    // empty rectangle at its line's end. An offset outside the text gives an empty rectangle.
    QRect CharacterRect(int offset) const;

    // The offset in Text() of the character painted at `point`, or -1 where there is none.
    int OffsetAt(const QPoint& point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Lines follow each other at this distance, from the top.
    int linePitch() const;
    void textChanged(const QString& before);

    QStringList lines_;
};
