// The window-state table: what each operation plans from each state, with
// the state before it and a state stored while loading, and the states a
// window goes through when the plans are carried out one after another.
#include <gtest/gtest.h>

#include <ostream>

#include "skinui/frame/WindowStatePlan.h"

namespace skinui {

void PrintTo(const TWindowStatePlan& p, std::ostream* out) {
    *out << "{acts " << p.acts << ", leaveTray " << p.leaveTray << ", showMinimized " << p.showMinimized
         << ", saveBounds " << p.saveBounds << ", state " << int(p.state) << ", previous " << int(p.previous)
         << ", bounds " << int(p.bounds) << ", repaintShadow " << p.repaintShadow << ", then " << int(p.then)
         << ", previousNormalAfter " << p.previousNormalAfter << ", keepBoundsAfter " << p.keepBoundsAfter << "}";
}

namespace {

constexpr TSeWindowState N = kwsNormal, X = kwsMaximized, M = kwsMinimized, R = kwsRollup, T = kwsTray;
using B = TStateBounds;

TEST(WindowStatePlanTest, EveryOperationFromEveryState) {
    const TWindowStateFacts none;
    TWindowStateFacts programMinimizes;
    programMinimizes.programMinimizes = true;
    TWindowStateFacts maximizedWidth;
    maximizedWidth.frameHasMaximizedWidth = true;
    struct Row {
        TSeWindowState from, previous, pending, operation;  // operation N is Restore
        TWindowStateFacts facts;
        TWindowStatePlan plan;
    };
    const Row rows[] = {
        // From normal the normal bounds are taken.
        {N, N, N, X, none, {.showMinimized = true, .saveBounds = true, .state = X, .previous = N, .bounds = B::kMaximized}},
        {N, N, N, M, none, {.saveBounds = true, .state = M, .previous = N, .bounds = B::kMinimized}},
        {N, N, N, R, none, {.showMinimized = true, .saveBounds = true, .state = R, .previous = N, .bounds = B::kRolledUp}},
        {N, N, N, T, none, {.saveBounds = true, .state = T, .previous = N, .bounds = B::kTray}},
        {N, X, N, N, none, {.state = N, .previous = X, .bounds = B::kRestore}},
        // A state stored while loading: the window waits parked below the
        // screen, its bounds already taken; one to be rolled up is not parked.
        {N, N, X, X, none, {.showMinimized = true, .state = X, .previous = N, .bounds = B::kMaximized}},
        {N, N, T, T, none, {.state = T, .previous = N, .bounds = B::kTray}},
        {N, N, M, M, none, {.state = M, .previous = N, .bounds = B::kMinimized}},
        {N, N, R, R, none, {.showMinimized = true, .saveBounds = true, .state = R, .previous = N, .bounds = B::kRolledUp}},
        // Another operation while a stored state waits: a parked window's
        // place is not its normal bounds; a window waiting to roll up is
        // where it belongs (it used to keep no bounds at all).
        {N, N, X, R, none, {.showMinimized = true, .state = R, .previous = N, .bounds = B::kRolledUp}},
        {N, N, R, X, none, {.showMinimized = true, .saveBounds = true, .state = X, .previous = N, .bounds = B::kMaximized}},
        {N, N, R, T, none, {.saveBounds = true, .state = T, .previous = N, .bounds = B::kTray}},

        // From maximized: Maximize restores and keeps PreviousState maximized.
        {X, N, N, X, none, {.state = N, .previous = X, .bounds = B::kRestore, .repaintShadow = true}},
        {X, N, N, N, none, {.state = N, .previous = X, .bounds = B::kRestore, .repaintShadow = true}},
        {X, N, N, M, none, {.state = M, .previous = X, .bounds = B::kMinimized}},
        {X, N, N, R, none, {.showMinimized = true, .state = R, .previous = X, .bounds = B::kRolledUp}},
        {X, N, N, T, none, {.state = T, .previous = X, .bounds = B::kTray}},
        {X, R, N, N, none, {.state = N, .previous = R, .bounds = B::kRestore, .then = R}},
        {X, M, N, N, none, {.state = N, .previous = M, .bounds = B::kRestore, .then = X}},
        {X, M, N, N, programMinimizes, {.acts = false, .state = X, .previous = M}},

        // From minimized: shown first where it is maximized or rolled up.
        {M, N, N, X, none, {.showMinimized = true, .state = X, .previous = M, .bounds = B::kMaximized}},
        {M, N, N, M, none, {.showMinimized = true, .state = N, .previous = N, .bounds = B::kRestore}},
        {M, N, N, R, none, {.showMinimized = true, .state = R, .previous = M, .bounds = B::kRolledUp}},
        {M, N, N, T, none, {.state = T, .previous = M, .bounds = B::kTray}},
        {M, X, N, N, none,
         {.showMinimized = true, .state = M, .previous = X, .then = X, .previousNormalAfter = true}},
        {M, R, N, N, none,
         {.showMinimized = true, .state = M, .previous = R, .then = R, .previousNormalAfter = true}},

        // From rolled up: back where it was moved, or maximized again.
        {R, N, N, R, none, {.state = N, .previous = N, .bounds = B::kRestoreHere}},
        {R, X, N, N, none, {.state = R, .previous = X, .then = X, .previousNormalAfter = true}},
        {R, N, N, N, maximizedWidth, {.state = R, .previous = N, .then = X, .previousNormalAfter = true}},
        {R, N, N, X, none, {.showMinimized = true, .state = X, .previous = R, .bounds = B::kMaximized}},
        {R, N, N, M, none, {.state = M, .previous = R, .bounds = B::kMinimized}},

        // From the tray: every operation leaves it; the bounds stay.
        {T, N, N, X, none, {.leaveTray = true, .showMinimized = true, .state = X, .previous = T, .bounds = B::kMaximized}},
        {T, N, N, M, none, {.leaveTray = true, .state = M, .previous = T, .bounds = B::kMinimized}},
        {T, N, N, R, none, {.leaveTray = true, .showMinimized = true, .state = R, .previous = T, .bounds = B::kRolledUp}},
        {T, N, N, T, none, {.leaveTray = true, .state = N, .previous = N, .bounds = B::kRestore}},
        {T, X, N, N, none,
         {.leaveTray = true, .state = N, .previous = X, .then = X, .previousNormalAfter = true, .keepBoundsAfter = true}},
        {T, R, N, N, none,
         {.leaveTray = true, .state = N, .previous = R, .then = R, .previousNormalAfter = true, .keepBoundsAfter = true}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(PlanWindowState(row.from, row.previous, row.pending, row.operation, row.facts), row.plan)
            << "from " << int(row.from) << ", previous " << int(row.previous) << ", pending " << int(row.pending)
            << ", operation " << int(row.operation);
    }
}

// The states of a window as the frame carries the plans out: the state and
// PreviousState set, then a following operation, then PreviousState normal
// again where the plan says so.
struct States {
    TSeWindowState state = kwsNormal, previous = kwsNormal;
    bool programMinimizes = false;

    void Run(TSeWindowState operation) {
        TWindowStateFacts facts;
        facts.programMinimizes = programMinimizes;
        const TWindowStatePlan plan = PlanWindowState(state, previous, kwsNormal, operation, facts);
        if (!plan.acts) return;
        state = plan.state;
        previous = plan.previous;
        if (plan.then == kwsNormal) return;
        Run(plan.then);
        if (plan.previousNormalAfter) previous = kwsNormal;
    }
};

TEST(WindowStatePlanTest, TheStatesAndPreviousStatesOfOperationsOneAfterAnother) {
    struct Path {
        TSeWindowState first, second, third;
        bool programMinimizes;
        TSeWindowState state, previous;
    };
    const Path paths[] = {
        // Restore goes back to the state before a maximized, minimized,
        // rolled-up or tray window, and PreviousState is normal again.
        {X, R, N, false, X, N},
        {R, X, N, false, R, N},
        {M, X, N, false, X, N},
        {X, M, N, false, X, N},
        {R, M, N, false, R, N},
        {X, T, N, false, X, N},
        {R, T, N, false, R, N},
        // Maximized from minimized stays maximized when the program minimizes.
        {M, X, N, true, X, M},
        // The same operation twice restores.
        {X, X, N, false, N, X},
        {R, R, N, false, N, N},
        {T, T, N, false, N, N},
        {M, M, N, false, N, N},
        // A restored maximized window keeps PreviousState maximized.
        {X, N, N, false, N, X},
    };
    for (const Path& p : paths) {
        States w;
        w.programMinimizes = p.programMinimizes;
        for (TSeWindowState operation : {p.first, p.second, p.third}) w.Run(operation);
        EXPECT_EQ(w.state, p.state) << int(p.first) << ", " << int(p.second) << ", " << int(p.third);
        EXPECT_EQ(w.previous, p.previous) << int(p.first) << ", " << int(p.second) << ", " << int(p.third);
    }
}

}  // namespace
}  // namespace skinui
