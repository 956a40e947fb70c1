// Drives a popup menu's modal loop by a script under Wine: one step per tick
// of a thread timer, which the loop dispatches like any other message. A
// step posts what a user would cause, or waits for a state. Every script
// ends with a bounded wait: a menu still open after it is closed, and the
// test fails.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "skinui/menus/win32/ItemView.h"

namespace skinui::test {

// A step: runs once per tick until it answers true.
using Step = std::function<bool()>;

class MenuScript {
public:
    // Runs `steps` while `popup` shows a menu (it returns once the menu has
    // closed); `close` ends the menu when the steps are not done after
    // `limit` ticks. True when every step was done in time.
    static bool Run(const std::function<void()>& popup, std::function<void()> close, std::vector<Step> steps,
                    int limit = 300) {
        MenuScript script;
        script.steps_ = std::move(steps);
        script.close_ = std::move(close);
        script.limit_ = limit;
        current_ = &script;
        const UINT_PTR timer = SetTimer(nullptr, 0, 25, &MenuScript::Tick);
        popup();
        KillTimer(nullptr, timer);
        current_ = nullptr;
        return script.next_ >= script.steps_.size() && !script.timedOut_;
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        MenuScript* s = current_;
        if (!s) return;
        if (++s->ticks_ > s->limit_) {
            if (!s->timedOut_) {
                s->timedOut_ = true;
                if (s->close_) s->close_();
            }
            return;
        }
        if (s->next_ < s->steps_.size() && s->steps_[s->next_]()) ++s->next_;
    }

    static inline MenuScript* current_ = nullptr;
    std::vector<Step> steps_;
    std::function<void()> close_;
    std::size_t next_ = 0;
    int ticks_ = 0;
    int limit_ = 0;
    bool timedOut_ = false;
};

// How many levels of a menu are open now.
inline int OpenLevels() {
    int depth = 0;
    for (TSeItemView* view = DeepestOpenLevel(); view; view = view->Parent()) ++depth;
    return depth;
}

// A step that waits until `depth` levels are open.
inline Step LevelsOpen(int depth) {
    return [depth] { return OpenLevels() == depth; };
}

// Posts the key's press to `window` (the one the menu's loop reads).
inline void PostKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, (MapVirtualKeyA(UINT(key), 0) << 16) | 1);
}

// A step that presses a key.
inline Step PressKey(HWND window, WPARAM key) {
    return [window, key] {
        PostKey(window, key);
        return true;
    };
}

// Closes every open level: the usual `close` of a script.
inline void CloseMenus() {
    if (TSeItemView* view = DeepestOpenLevel()) view->CloseAll();
}

}  // namespace skinui::test
