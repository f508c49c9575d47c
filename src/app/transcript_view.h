// Shows the transcript: every line centred, in the colour and font it was
// added with.
#pragma once

#include <QTextEdit>

#include "engine/transcript.h"

namespace sob {

class TranscriptView : public QTextEdit, public Transcript::Listener {
  Q_OBJECT
 public:
  explicit TranscriptView(QWidget* parent);

  void lineAdded(const TranscriptLine& line) override;
  void lineRemoved(int index) override;
  void cleared() override;

  int shownLines() const { return lines_; }

 private:
  int lines_ = 0;
};

}  // namespace sob
