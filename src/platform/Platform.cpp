// The parts of the seam that are the same everywhere: the mapped file's ownership, the message
// sink and the wait cursor.
#include "platform/Platform.h"

#include <cstdio>
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
      handle_(std::exchange(other.handle_, 0)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this != &other) {
        Close();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        handle_ = std::exchange(other.handle_, 0);
    }
    return *this;
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
