#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "local/StreamedFile.h"

// A zip archive written entry by entry into a StreamedFile as its bytes
// arrive: each entry deflated at a fast level, its sizes and CRC in a data
// descriptor after its data, the central directory at the end. The
// compression and the writes happen on a thread of their own; the caller
// hands whole blocks and waits only while a few of them are queued, so
// memory stays bounded however large the archive grows. An archive whose
// entries or offsets would pass 4 GiB is refused (EFBIG), never written
// wrong.
namespace korvant {

class ZipStream {
public:
    // `file` must outlive the stream and is written only by it until
    // `finish` (or the destructor) returns.
    explicit ZipStream(StreamedFile& file);
    // Stops the thread; an unfinished archive is left incomplete.
    ~ZipStream();
    ZipStream(const ZipStream&) = delete;
    ZipStream& operator=(const ZipStream&) = delete;

    // Starts an entry (an ASCII name), ending the one before.
    void begin(std::string name);
    // Takes the block's bytes (swapping `block` with an empty buffer of
    // some capacity): the entry's next bytes.
    void write(std::string& block);
    // Ends the last entry, writes the central directory and waits for the
    // thread; false with `errorCode()` when any write failed.
    bool finish();
    // 0, or the errno of the first failure (EFBIG past 4 GiB).
    int errorCode() const;

private:
    struct Job {
        enum Kind { Begin, Data, Finish } kind = Data;
        std::string bytes;  // Data: the bytes; Begin: the name
    };
    struct Entry {
        std::string name;
        uint32_t crc = 0;
        uint64_t compressed = 0, size = 0, offset = 0;
    };
    struct Deflater;

    void push(Job job);
    void run();
    void handle(Job& job);
    void startEntry(std::string name);
    void deflateBlock(std::string_view bytes, bool last);
    void endEntry();
    void writeDirectory();
    void emit(std::string_view bytes);
    void fail(int code);

    StreamedFile& file_;
    // Shared with the thread.
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> queue_;
    std::vector<std::string> spare_;  // emptied blocks for the caller
    std::atomic<int> code_{0};
    bool stopped_ = false;
    // The thread's own.
    std::thread thread_;
    std::unique_ptr<Deflater> deflater_;
    std::vector<Entry> entries_;
    bool inEntry_ = false;
    uint64_t offset_ = 0;
    uint16_t dosTime_ = 0, dosDate_ = 0;
};

}  // namespace korvant
