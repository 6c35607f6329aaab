#include "app/exchange/PageProgress.h"

#include "app/exchange/Exchange.h"
#include "app/port/FrontEndPort.h"

namespace korvant {

std::string pageProgressText(const std::string& title, int pagesRead, int pagesAnnounced) {
    return textf("%s  第 %d/%d 页", title.c_str(), pagesRead, pagesAnnounced);
}

PageProgress::PageProgress(FrontEndPort& port, std::string title)
    : port_(port), title_(std::move(title)) {}

PageProgress::~PageProgress() {
    if (shown_) port_.hideProgress();
}

bool PageProgress::pageRead(int pagesRead, int pagesAnnounced) {
    if (stopped_) return false;
    if (pagesAnnounced <= ProgressMinPages) return true;
    return step(pageProgressText(title_, pagesRead, pagesAnnounced), pagesRead, pagesAnnounced);
}

bool PageProgress::step(const std::string& text, int done, int total) {
    if (stopped_) return false;
    shown_ = true;
    if (!port_.progressStep(text, done, total)) stopped_ = true;
    return !stopped_;
}

}  // namespace korvant
