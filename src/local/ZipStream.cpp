#include "local/ZipStream.h"

#include <zlib.h>

#include <cerrno>
#include <ctime>

namespace korvant {

namespace {

// Blocks waiting for the thread: with the caller's blocks of some 256 KiB,
// a few MiB at most.
constexpr std::size_t MaxQueued = 8;
constexpr std::size_t OutputSize = 256 * 1024;
constexpr uint64_t Most32 = 0xFFFFFFFFu;

void put16(std::string& out, uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8 & 0xFF));
}
void put32(std::string& out, uint64_t value) {
    put16(out, static_cast<uint32_t>(value & 0xFFFF));
    put16(out, static_cast<uint32_t>(value >> 16 & 0xFFFF));
}

// Version 2.0 (deflate); flags: sizes and CRC in a data descriptor.
constexpr uint32_t Version = 20;
constexpr uint32_t Flags = 0x0008;
constexpr uint32_t Deflated = 8;

}  // namespace

struct ZipStream::Deflater {
    z_stream stream{};
    bool ready = false;
    std::string output = std::string(OutputSize, '\0');
    Deflater() {
        // Level 1: the sheet's XML repeats itself so much that the fastest
        // level already shrinks it several times over.
        ready = deflateInit2(&stream, 1, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK;
    }
    ~Deflater() {
        if (ready) deflateEnd(&stream);
    }
};

ZipStream::ZipStream(StreamedFile& file) : file_(file) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) != nullptr && local.tm_year >= 80) {
        dosTime_ =
            static_cast<uint16_t>(local.tm_hour << 11 | local.tm_min << 5 | local.tm_sec / 2);
        dosDate_ = static_cast<uint16_t>((local.tm_year - 80) << 9 | (local.tm_mon + 1) << 5 |
                                         local.tm_mday);
    } else {
        dosDate_ = 1 << 5 | 1;  // 1980-01-01
    }
    deflater_ = std::make_unique<Deflater>();
    if (!deflater_->ready) {
        fail(ENOMEM);
        return;
    }
    thread_ = std::thread([this] { run(); });
}

ZipStream::~ZipStream() {
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

int ZipStream::errorCode() const {
    return code_.load();
}

void ZipStream::fail(int code) {
    int none = 0;
    code_.compare_exchange_strong(none, code == 0 ? EIO : code);
}

void ZipStream::push(Job job) {
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return queue_.size() < MaxQueued || stopped_; });
        if (stopped_) return;
        queue_.push_back(std::move(job));
    }
    changed_.notify_all();
}

void ZipStream::begin(std::string name) {
    push(Job{Job::Begin, std::move(name)});
}

void ZipStream::write(std::string& block) {
    if (block.empty()) return;
    Job job{Job::Data, std::move(block)};
    block = std::string();
    {
        const std::lock_guard lock(mutex_);
        if (!spare_.empty()) {
            block = std::move(spare_.back());
            spare_.pop_back();
        }
    }
    push(std::move(job));
}

bool ZipStream::finish() {
    if (thread_.joinable()) {
        push(Job{Job::Finish, {}});
        thread_.join();
    }
    return errorCode() == 0;
}

void ZipStream::run() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return !queue_.empty() || stopped_; });
            if (stopped_) return;
            job = std::move(queue_.front());
            queue_.pop_front();
        }
        changed_.notify_all();
        if (errorCode() == 0) handle(job);
        if (job.kind == Job::Finish) return;
        if (job.kind == Job::Data) {
            job.bytes.clear();
            const std::lock_guard lock(mutex_);
            if (spare_.size() < MaxQueued) spare_.push_back(std::move(job.bytes));
        }
    }
}

void ZipStream::handle(Job& job) {
    switch (job.kind) {
        case Job::Begin:
            if (inEntry_) endEntry();
            startEntry(std::move(job.bytes));
            break;
        case Job::Data:
            if (inEntry_) deflateBlock(job.bytes, false);
            break;
        case Job::Finish:
            if (inEntry_) endEntry();
            if (errorCode() == 0) writeDirectory();
            break;
    }
}

void ZipStream::emit(std::string_view bytes) {
    if (errorCode() != 0) return;
    if (offset_ + bytes.size() > Most32) {
        fail(EFBIG);
        return;
    }
    if (!file_.append(bytes)) {
        fail(file_.errorCode());
        return;
    }
    offset_ += bytes.size();
}

void ZipStream::startEntry(std::string name) {
    Entry entry;
    entry.name = std::move(name);
    entry.offset = offset_;
    std::string header;
    put32(header, 0x04034b50);
    put16(header, Version);
    put16(header, Flags);
    put16(header, Deflated);
    put16(header, dosTime_);
    put16(header, dosDate_);
    put32(header, 0);  // CRC and sizes: in the data descriptor
    put32(header, 0);
    put32(header, 0);
    put16(header, static_cast<uint32_t>(entry.name.size()));
    put16(header, 0);
    header += entry.name;
    entries_.push_back(std::move(entry));
    inEntry_ = true;
    if (deflateReset(&deflater_->stream) != Z_OK) fail(EIO);
    emit(header);
}

void ZipStream::deflateBlock(std::string_view bytes, bool last) {
    Entry& entry = entries_.back();
    z_stream& stream = deflater_->stream;
    // (No empty block: a null buffer asks crc32 for its initial value.)
    if (!bytes.empty())
        entry.crc =
            static_cast<uint32_t>(crc32(entry.crc, reinterpret_cast<const Bytef*>(bytes.data()),
                                        static_cast<uInt>(bytes.size())));
    entry.size += bytes.size();
    if (entry.size > Most32) {
        fail(EFBIG);
        return;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    std::string& output = deflater_->output;
    for (;;) {
        stream.next_out = reinterpret_cast<Bytef*>(output.data());
        stream.avail_out = static_cast<uInt>(output.size());
        const int result = deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
        if (result == Z_STREAM_ERROR) {
            fail(EIO);
            return;
        }
        const std::size_t produced = output.size() - stream.avail_out;
        entry.compressed += produced;
        emit(std::string_view(output.data(), produced));
        if (errorCode() != 0) return;
        if (last ? result == Z_STREAM_END : stream.avail_out != 0) return;
    }
}

void ZipStream::endEntry() {
    inEntry_ = false;
    deflateBlock({}, true);
    const Entry& entry = entries_.back();
    std::string descriptor;
    put32(descriptor, 0x08074b50);
    put32(descriptor, entry.crc);
    put32(descriptor, entry.compressed);
    put32(descriptor, entry.size);
    emit(descriptor);
}

void ZipStream::writeDirectory() {
    const uint64_t start = offset_;
    std::string directory;
    for (const Entry& entry : entries_) {
        put32(directory, 0x02014b50);
        put16(directory, Version);  // made by
        put16(directory, Version);  // needed
        put16(directory, Flags);
        put16(directory, Deflated);
        put16(directory, dosTime_);
        put16(directory, dosDate_);
        put32(directory, entry.crc);
        put32(directory, entry.compressed);
        put32(directory, entry.size);
        put16(directory, static_cast<uint32_t>(entry.name.size()));
        put16(directory, 0);  // extra field
        put16(directory, 0);  // comment
        put16(directory, 0);  // disk
        put16(directory, 0);  // internal attributes
        put32(directory, 0);  // external attributes
        put32(directory, entry.offset);
        directory += entry.name;
    }
    const auto count = static_cast<uint32_t>(entries_.size());
    std::string end;
    put32(end, 0x06054b50);
    put16(end, 0);
    put16(end, 0);
    put16(end, count);
    put16(end, count);
    put32(end, directory.size());
    put32(end, start);
    put16(end, 0);
    if (entries_.size() > 0xFFFF) {
        fail(EFBIG);
        return;
    }
    emit(directory);
    emit(end);
}

}  // namespace korvant
