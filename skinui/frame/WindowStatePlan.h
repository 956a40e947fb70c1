// The frame's window states as one table: what an operation (Maximize,
// Minimize, Rollup, MinToTray or Restore) does to the state bookkeeping,
// from the state the window is in, the state before it (PreviousState) and
// a state stored while loading that still waits (PendingState). The frame
// applies the plan to its window (FrameStates.cpp); nothing here needs one.
//
// Bounds: RestoreBounds are the window's normal bounds. They are taken only
// from a window in the normal state, and not while the window waits below
// the screen for a stored state (every stored state but rollup parks it
// there at its normal size, with RestoreBounds already taken).
#pragma once

#include <cstdint>

#include "skinui/frame/FrameTypes.h"

namespace skinui {

// Where the window is put once the state is set.
enum class TStateBounds : std::uint8_t {
    kKeep,          // where it is
    kMaximized,     // the maximized bounds
    kMinimized,     // the program minimizes itself, else the minimized bounds
    kRolledUp,      // caption and bottom border, same place and width
    kTray,          // hidden, with the tray icon shown
    kRestore,       // RestoreBounds (when there are any)
    kRestoreHere,   // RestoreBounds moved to the window's present top-left corner
};

// What the plan needs to know of the window besides its states.
struct TWindowStateFacts {
    // MinimizeApplication: the program minimizes itself with the window.
    bool programMinimizes = false;
    // The maximized bounds are exactly as wide as the frame: a rolled-up
    // window of that width is restored to maximized.
    bool frameHasMaximizedWidth = false;
};

struct TWindowStatePlan {
    // False: the operation changes nothing (only PendingState is cleared).
    bool acts = true;
    // A window hidden in the tray is shown again and its icon removed first.
    bool leaveTray = false;
    // A window the system keeps minimized for the program is shown first.
    bool showMinimized = false;
    // RestoreBounds := the window's normal bounds (else they stay).
    bool saveBounds = false;
    TSeWindowState state = kwsNormal;
    TSeWindowState previous = kwsNormal;
    TStateBounds bounds = TStateBounds::kKeep;
    // The frame is painted again when it has a shadow (a window leaving
    // the maximized state gets its shadow back).
    bool repaintShadow = false;
    // Restore that ends in another operation: kwsMaximized or kwsRollup,
    // run as that operation (its event included); kwsNormal for none.
    TSeWindowState then = kwsNormal;
    // After that operation: PreviousState is normal again, and
    // RestoreBounds are put back as they were before this plan (the window
    // it maximizes or rolls up came from the tray, not from its normal bounds).
    bool previousNormalAfter = false;
    bool keepBoundsAfter = false;

    bool operator==(const TWindowStatePlan&) const = default;
};

// The plan of `operation` (the state asked for; kwsNormal is Restore). Asked
// for the state the window is already in, an operation restores instead.
TWindowStatePlan PlanWindowState(TSeWindowState from, TSeWindowState previous, TSeWindowState pending,
                                 TSeWindowState operation, const TWindowStateFacts& facts = {});

}  // namespace skinui
