// The parts of the seam that are the same everywhere: the mapped file's ownership, the message
// sink and the wait cursor.
#include "platform/Platform.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <utility>

namespace platform {
namespace {

MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}

MessageSink& PlainSink() {
    static MessageSink sink;
    return sink;
}

struct CursorHooks {
    std::function<void()> begin;
    std::function<void()> end;
};

CursorHooks& Hooks() {
    static CursorHooks hooks;
    return hooks;
}

}  // namespace

MappedFile::~MappedFile() {
    Close();
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      handle_(std::exchange(other.handle_, 0)),
      failure_(std::move(other.failure_)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this != &other) {
        Close();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        handle_ = std::exchange(other.handle_, 0);
        failure_ = std::move(other.failure_);
    }
    return *this;
}

void MappedFile::Close() {
    Unmap();
    data_ = nullptr;
    size_ = 0;
    handle_ = 0;
}

void MappedFile::Discard(size_t offset, size_t length) const {
    if (data_ && offset < size_)
        DropPages(offset, std::min(length, size_ - offset));
}

bool WriteFileAtomically(const std::string& path, const void* data, size_t size, std::string* why) {
    std::string reason;
    if (CheckReplaceable(path, reason)) {
        const std::string temp = WriteTemporaryBeside(path, data, size, reason);
        if (!temp.empty()) {
            if (ReplaceWithTemporary(temp, path, reason))
                return true;
            RemoveFile(temp);
        }
    }
    if (why)
        *why = reason;
    return false;
}

std::string WriteTemporaryBeside(const std::string& path, const void* data, size_t size, std::string& why) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string temp = TemporaryNameBeside(path);
        switch (WriteNewFile(temp, data, size, why)) {
            case NewFile::kWritten:
                return temp;
            case NewFile::kTaken:
                continue;
            case NewFile::kFailed:
                return std::string();
        }
    }
    why = "no free temporary name";
    return std::string();
}

std::string TemporaryNameBeside(const std::string& path) {
    static std::random_device device;
    constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = path + ".tmp~";
    uint64_t bits = uint64_t(device()) << 32 | device();
    for (int i = 0; i < 12; ++i, bits /= 36)
        name += kLetters[bits % 36];
    return name;
}

std::string TooLargeText(uint64_t size, uint64_t maxBytes) {
    return "it holds " + std::to_string(size) + " bytes, more than the " + std::to_string(maxBytes) +
           " this program reads";
}

void SetMessageSink(MessageSink sink) {
    Sink() = std::move(sink);
}

void ShowMessage(std::string_view cp932Text) {
    if (Sink()) {
        Sink()(cp932Text);
        return;
    }
    std::fwrite(cp932Text.data(), 1, cp932Text.size(), stderr);
    std::fputc('\n', stderr);
}

void SetPlainMessageSink(MessageSink sink) {
    PlainSink() = std::move(sink);
}

void ShowPlainMessage(std::string_view cp932Text) {
    if (PlainSink())
        PlainSink()(cp932Text);
    else
        ShowMessage(cp932Text);
}

WaitCursor::WaitCursor() {
    if (Hooks().begin)
        Hooks().begin();
}

WaitCursor::~WaitCursor() {
    if (Hooks().end)
        Hooks().end();
}

void SetWaitCursorHooks(std::function<void()> begin, std::function<void()> end) {
    Hooks() = {std::move(begin), std::move(end)};
}

}  // namespace platform
