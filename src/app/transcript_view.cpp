#include "transcript_view.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "qt_text.h"

namespace sob {
namespace {

QTextCharFormat formatOf(const TextAttributes& attributes) {
  QTextCharFormat format;
  format.setForeground(QColor(attributes.color.red, attributes.color.green, attributes.color.blue));
  format.setFontFamilies({QString::fromStdString(attributes.font.name)});
  format.setFontPointSize(attributes.font.size);
  format.setFontWeight(attributes.font.style.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(attributes.font.style.italic);
  format.setFontUnderline(attributes.font.style.underline);
  format.setFontStrikeOut(attributes.font.style.strikeOut);
  return format;
}

}  // namespace

TranscriptView::TranscriptView(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  // Lines are centred in the view; one wider than the view wraps.
  setLineWrapMode(QTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TranscriptView::lineAdded(const TranscriptLine& line) {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  if (lines_ > 0) cursor.insertBlock();
  QTextBlockFormat block;
  block.setAlignment(Qt::AlignHCenter);
  cursor.setBlockFormat(block);
  cursor.insertText(fromCp1251(line.text), formatOf(line.attributes));
  ++lines_;
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TranscriptView::lineRemoved(int index) {
  QTextBlock block = document()->findBlockByNumber(index);
  if (!block.isValid()) return;
  QTextCursor cursor(block);
  if (lines_ == 1) {
    clear();
  } else if (index == lines_ - 1) {
    cursor.movePosition(QTextCursor::PreviousBlock);
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  } else {
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  }
  --lines_;
}

void TranscriptView::cleared() {
  clear();
  lines_ = 0;
}

}  // namespace sob
