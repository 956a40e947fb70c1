#include "skinui/frame/WindowStatePlan.h"

namespace skinui {

namespace {

// Parked below the screen until the stored state is applied: a rolled-up
// window keeps its place instead, as its roll-up keeps position and width.
bool Parked(TSeWindowState pending) { return pending != kwsNormal && pending != kwsRollup; }

TStateBounds BoundsOf(TSeWindowState state) {
    switch (state) {
        case kwsMaximized: return TStateBounds::kMaximized;
        case kwsMinimized: return TStateBounds::kMinimized;
        case kwsRollup: return TStateBounds::kRolledUp;
        case kwsTray: return TStateBounds::kTray;
        case kwsNormal: break;
    }
    return TStateBounds::kRestore;
}

// Restore ends in the state before, where that is maximized or rolled up:
// the window stays as it is and that operation follows.
void Follow(TWindowStatePlan& plan, TSeWindowState from, TSeWindowState operation) {
    plan.state = from;
    plan.bounds = TStateBounds::kKeep;
    plan.then = operation;
    plan.previousNormalAfter = true;
}

TWindowStatePlan PlanRestore(TSeWindowState from, TSeWindowState previous, const TWindowStateFacts& facts) {
    TWindowStatePlan plan;
    plan.state = kwsNormal;
    plan.previous = previous;
    plan.bounds = TStateBounds::kRestore;
    switch (from) {
        case kwsNormal: break;
        case kwsMaximized:
            // Maximized from minimized: the program's own restore brings
            // it back, so the window stays maximized.
            if (previous == kwsMinimized && facts.programMinimizes) {
                plan.acts = false;
                plan.state = from;
                plan.bounds = TStateBounds::kKeep;
            } else if (previous == kwsMinimized || previous == kwsRollup) {
                // Normal bounds first, then the state before once more.
                plan.then = previous == kwsMinimized ? kwsMaximized : kwsRollup;
            } else {
                plan.previous = kwsMaximized;
                plan.repaintShadow = true;
            }
            break;
        case kwsMinimized:
            plan.showMinimized = true;
            if (previous == kwsMaximized || previous == kwsRollup) Follow(plan, from, previous);
            break;
        case kwsRollup:
            if (facts.frameHasMaximizedWidth || previous == kwsMaximized) {
                Follow(plan, from, kwsMaximized);
            } else {
                plan.bounds = TStateBounds::kRestoreHere;  // it may have been moved rolled up
            }
            break;
        case kwsTray:
            plan.leaveTray = true;
            if (previous == kwsMaximized || previous == kwsRollup) {
                Follow(plan, kwsNormal, previous);
                plan.keepBoundsAfter = true;
            }
            break;
    }
    return plan;
}

}  // namespace

TWindowStatePlan PlanWindowState(TSeWindowState from, TSeWindowState previous, TSeWindowState pending,
                                 TSeWindowState operation, const TWindowStateFacts& facts) {
    if (operation == kwsNormal || operation == from) return PlanRestore(from, previous, facts);
    TWindowStatePlan plan;
    plan.state = operation;
    plan.previous = from;
    plan.bounds = BoundsOf(operation);
    plan.leaveTray = from == kwsTray;
    // A maximized or rolled-up window is shown; one minimized or sent to
    // the tray is left minimized (the program minimizes itself first).
    plan.showMinimized = operation == kwsMaximized || operation == kwsRollup;
    plan.saveBounds = from == kwsNormal && !Parked(pending);
    return plan;
}

}  // namespace skinui
