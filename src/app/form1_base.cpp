// The knowledge base counted at start: the status bar and the menu counts.
#include <QAction>
#include <QLabel>

#include "qt_text.h"
#include "tform1.h"

// A file missing at start is reported once, though the creation, the loading
// and the statistics all meet it. The loading then says it failed and gives
// up for this run: the input line stays usable and each turn reports what it
// misses, as it would for a file lost later.
void TForm1::Timer3Timer() {
  if (!attemptAtStart([&] { sob::loadKnowledgeBase(dialogue_, files_, *this); })) {
    statusPanel(0)->setText(QStringLiteral("Загрузка не удалась"));
    setInputReadOnly(false);
  }
  timer(3)->stop();
}

void TForm1::Timer8Timer() {
  attemptAtStart([&] { sob::showBaseStatistics(dialogue_, files_, *this); });
  timer(8)->stop();
}

void TForm1::setLoadIndicator(const std::string& text) { statusPanel(0)->setText(sob::fromCp1251(text)); }

void TForm1::setStatisticsPanel(const std::string& text) { statusPanel(1)->setText(sob::fromCp1251(text)); }

void TForm1::setInputReadOnly(bool readOnly) { edit1_->setReadOnly(readOnly); }

void TForm1::setSayEnabled(bool enabled) { speedButton1_->setEnabled(enabled); }

void TForm1::appendToCountCaptions(const std::string& incoming, const std::string& outgoing,
                                   const std::string& total) {
  action("N18")->setText(action("N18")->text() + sob::fromCp1251(incoming));
  action("N19")->setText(action("N19")->text() + sob::fromCp1251(outgoing));
  action("N20")->setText(action("N20")->text() + sob::fromCp1251(total));
}
