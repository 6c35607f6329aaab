#pragma once

#include <string>

// The progress window of a read of many pages: it opens once a list
// announces more than a few pages, names the read with its counts, lets the
// user stop it after the current page and closes at the end of the read.
namespace korvant {

class FrontEndPort;

// Lists of up to this many pages are read without a progress window.
inline constexpr int ProgressMinPages = 4;

class PageProgress {
public:
    // `title` names the read ("查询子账号"); the window shows
    // "查询子账号  第 3/1000 页".
    PageProgress(FrontEndPort& port, std::string title);
    // Hides the window when it was shown.
    ~PageProgress();
    PageProgress(const PageProgress&) = delete;
    PageProgress& operator=(const PageProgress&) = delete;

    // One page read (as PagedQuery::pageRead): false once the user asked to
    // stop.
    bool pageRead(int pagesRead, int pagesAnnounced);
    // A step of a read made of several lists (the report tree: groups, then
    // their pages), shown with `text` whatever the page count.
    bool step(const std::string& text, int done, int total);

    bool shown() const { return shown_; }
    bool stopped() const { return stopped_; }

private:
    FrontEndPort& port_;
    std::string title_;
    bool shown_ = false;
    bool stopped_ = false;
};

// "查询子账号  第 3/1000 页"
std::string pageProgressText(const std::string& title, int pagesRead, int pagesAnnounced);

}  // namespace korvant
