// A message log for window tests: what the watched windows received, in
// order (message, wParam, whether it reached the default window procedure,
// how deeply it was nested in another watched message), with markers the
// test puts between them, compared with an expected sequence written as a
// table:
//
//     constexpr ExpectedMessage kCaptionDrag[] = {
//         {wm::kNcLButtonDown, 2, kNotDefault},
//         {wm::kNcMouseMove, kAnyParam, kNotDefault},
//         Marker("released"),
//     };
//     ExpectSequence(log, kCaptionDrag, "caption drag");
//
// A mismatch fails the test at the caller's line and prints both sequences
// with message names. The recording on real windows is
// tests/win32/WindowMessageLog.h; this part needs no window system.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <source_location>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skinui/tests/MessageNumbers.h"

namespace skinui::test {

// Any wParam matches.
inline constexpr std::uintptr_t kAnyParam = ~std::uintptr_t{0};
// The message number of a marker entry (no window message has it).
inline constexpr unsigned kMarkerMessage = 0xFFFFFFFFu;

// What an expected entry demands beyond message, wParam and window.
enum ExpectedFlags : unsigned {
    kDefault = 1u << 0,     // reached the default window procedure
    kNotDefault = 1u << 1,  // answered without it
    kNested = 1u << 2,      // arrived while a watched window's message was handled
    kOutermost = 1u << 3,   // arrived with no watched window's message on the stack
    kOptional = 1u << 4,    // may be missing
    kWineOnly = 1u << 5,    // only under Wine (left out of the sequence elsewhere)
    kWindowsOnly = 1u << 6, // only on Windows (left out under Wine)
};

struct ExpectedMessage {
    unsigned message = 0;
    std::uintptr_t wParam = kAnyParam;
    unsigned flags = 0;
    // The window, by the order it was watched in (0: the first).
    int window = 0;
    // A marker's text.
    const char* text = nullptr;
};

// The entry a test's Mark(text) leaves.
constexpr ExpectedMessage Marker(const char* text) { return {kMarkerMessage, 0, 0, 0, text}; }

struct LoggedMessage {
    unsigned message = 0;
    std::uintptr_t wParam = 0;
    bool reachedDefault = false;
    // How many messages of watched windows were being handled when it came.
    int depth = 0;
    int window = 0;
    std::string text;  // a marker's
};

class MessageLog {
public:
    // Only these messages are recorded from now on (markers always are);
    // an empty list records every message.
    void Only(std::initializer_list<unsigned> messages) { only_.assign(messages.begin(), messages.end()); }
    bool Wants(unsigned message) const {
        if (only_.empty()) return true;
        for (unsigned m : only_) {
            if (m == message) return true;
        }
        return false;
    }

    // A window's name for printing; returns its index.
    int AddWindow(std::string name) {
        windows_.push_back(std::move(name));
        return static_cast<int>(windows_.size()) - 1;
    }

    // A message of `window` starts being handled. Every message opens a
    // level, recorded or not, so that nesting counts them all.
    void Enter(int window, unsigned message, std::uintptr_t wParam) {
        int index = -1;
        if (Wants(message)) {
            index = static_cast<int>(entries_.size());
            entries_.push_back(LoggedMessage{message, wParam, false, static_cast<int>(open_.size()), window, {}});
        }
        open_.push_back(Open{window, message, index});
    }
    void Leave() {
        if (!open_.empty()) open_.pop_back();
    }
    // The default window procedure was called for `message` of `window`.
    // It counts for the innermost open message of that window when it is
    // the same message; a call for a message handed to the procedure
    // directly (not through the window) is not recorded.
    void DefaultReached(int window, unsigned message) {
        for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
            if (it->window != window) continue;
            if (it->message == message && it->index >= 0) entries_[it->index].reachedDefault = true;
            return;
        }
    }
    // True while `message` of a watched window is being handled.
    bool Handling(unsigned message) const {
        for (const Open& o : open_) {
            if (o.message == message) return true;
        }
        return false;
    }
    void Mark(std::string text) {
        entries_.push_back(LoggedMessage{kMarkerMessage, 0, false, static_cast<int>(open_.size()), 0, std::move(text)});
    }
    void Clear() { entries_.clear(); }

    const std::vector<LoggedMessage>& Entries() const { return entries_; }
    std::size_t WindowCount() const { return windows_.size(); }
    std::string WindowName(int window) const {
        if (window >= 0 && window < static_cast<int>(windows_.size())) return windows_[window];
        return "window " + std::to_string(window);
    }
    // Which entries flagged kWineOnly or kWindowsOnly take part.
    bool OnWine() const { return onWine_; }
    void SetOnWine(bool onWine) { onWine_ = onWine; }

private:
    struct Open {
        int window;
        unsigned message;
        int index;  // in entries_, -1 when not recorded
    };
    std::vector<unsigned> only_;
    std::vector<std::string> windows_;
    std::vector<LoggedMessage> entries_;
    std::vector<Open> open_;
    bool onWine_ = false;
};

namespace detail {

inline std::string ParamText(std::uintptr_t wParam) {
    if (wParam == kAnyParam) return "any";
    char text[24];
    std::snprintf(text, sizeof text, wParam < 10 ? "%llu" : "0x%llX", static_cast<unsigned long long>(wParam));
    return text;
}

inline std::string Describe(const ExpectedMessage& e, const MessageLog& log) {
    if (e.message == kMarkerMessage) return std::string("-- ") + (e.text ? e.text : "") + " --";
    std::string s = MessageName(e.message) + " " + ParamText(e.wParam);
    if (log.WindowCount() > 1) s = log.WindowName(e.window) + ": " + s;
    if (e.flags & kDefault) s += ", default";
    if (e.flags & kNotDefault) s += ", not default";
    if (e.flags & kNested) s += ", nested";
    if (e.flags & kOutermost) s += ", outermost";
    if (e.flags & kOptional) s += ", optional";
    if (e.flags & kWineOnly) s += ", Wine only";
    if (e.flags & kWindowsOnly) s += ", Windows only";
    return s;
}

inline std::string Describe(const LoggedMessage& m, const MessageLog& log) {
    // Nested messages are indented under the one they came in.
    std::string s(2 * static_cast<std::size_t>(m.depth), ' ');
    if (m.message == kMarkerMessage) return s + "-- " + m.text + " --";
    if (log.WindowCount() > 1) s += log.WindowName(m.window) + ": ";
    s += MessageName(m.message) + " " + ParamText(m.wParam);
    if (m.reachedDefault) s += ", default";
    return s;
}

// Why `got` does not match `e`; empty when it does.
inline std::string Difference(const ExpectedMessage& e, const LoggedMessage& got) {
    if (e.message != got.message) return "another message";
    if (e.message == kMarkerMessage) return got.text == (e.text ? e.text : "") ? "" : "another marker";
    if (e.window != got.window) return "another window";
    if (e.wParam != kAnyParam && e.wParam != got.wParam) return "another wParam";
    if ((e.flags & kDefault) && !got.reachedDefault) return "it did not reach the default window procedure";
    if ((e.flags & kNotDefault) && got.reachedDefault) return "it reached the default window procedure";
    if ((e.flags & kNested) && got.depth == 0) return "it was not nested in another message";
    if ((e.flags & kOutermost) && got.depth > 0) return "it was nested in another message";
    return "";
}

}  // namespace detail

// Compares the log with `sequence` in order: every entry must match the
// next recorded one, an optional entry may be passed over, and nothing may
// be recorded beyond the end. Returns an empty text on a match, else both
// sequences with the first difference marked and its reason.
inline std::string CompareSequence(const MessageLog& log, std::span<const ExpectedMessage> sequence,
                                   std::string_view context) {
    std::vector<ExpectedMessage> expected;
    for (const ExpectedMessage& e : sequence) {
        if ((e.flags & kWineOnly) && !log.OnWine()) continue;
        if ((e.flags & kWindowsOnly) && log.OnWine()) continue;
        expected.push_back(e);
    }
    const std::vector<LoggedMessage>& got = log.Entries();
    std::size_t i = 0, j = 0;
    std::string reason;
    while (i < expected.size()) {
        const std::string why = j < got.size() ? detail::Difference(expected[i], got[j]) : "the log ended";
        if (why.empty()) {
            ++i;
            ++j;
        } else if (expected[i].flags & kOptional) {
            ++i;
        } else {
            reason = why;
            break;
        }
    }
    if (reason.empty() && j == got.size()) return "";
    if (reason.empty()) reason = "more was recorded than expected";

    std::string text = "message sequence of '" + std::string(context) + "' differs at expected entry " +
                       std::to_string(i) + ", recorded entry " + std::to_string(j) + ": " + reason + "\n  expected:\n";
    for (std::size_t k = 0; k < expected.size(); ++k) {
        text += (k == i ? "  > " : "    ") + std::to_string(k) + "  " + detail::Describe(expected[k], log) + "\n";
    }
    if (i == expected.size()) text += "  > " + std::to_string(i) + "  (end)\n";
    text += "  recorded:\n";
    for (std::size_t k = 0; k < got.size(); ++k) {
        text += (k == j ? "  > " : "    ") + std::to_string(k) + "  " + detail::Describe(got[k], log) + "\n";
    }
    if (j == got.size()) text += "  > " + std::to_string(j) + "  (end)\n";
    return text;
}

// Fails the running test at the caller's line when the log does not match
// `sequence` (see CompareSequence).
inline void ExpectSequence(const MessageLog& log, std::span<const ExpectedMessage> sequence, std::string_view context,
                           std::source_location where = std::source_location::current()) {
    const std::string difference = CompareSequence(log, sequence, context);
    if (!difference.empty()) ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << difference;
}

}  // namespace skinui::test
