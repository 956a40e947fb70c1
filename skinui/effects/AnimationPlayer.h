// PlayAnimation: shows a window by playing its show animation from the
// background to the window image, on whatever draws the frames (the screen
// at the window's position, in the program). Frames are rendered for the
// real time that has passed, so a slow machine shows fewer frames, never a
// longer animation.
#pragma once

#include "skin/gfx/SeBitmap.h"
#include "skinui/effects/EffectMasks.h"
#include "skinui/effects/FormOptions.h"

namespace skinui {

class AnimationTarget {
public:
    virtual ~AnimationTarget() = default;
    // One frame, the size of the background.
    virtual void DrawFrame(const skin::TSeBitmap& frame) = 0;
    // The window image once the animation is over, its key pixels left out.
    virtual void DrawWindowKeyed(const skin::TSeBitmap& window) = 0;
};

// Plays `options`' effect (a random one for keRandomSelect) for
// options.Time() milliseconds. Nothing happens when either bitmap is empty.
void PlayAnimation(AnimationTarget& target, const TSeAnimation& options, const skin::TSeBitmap& window,
                   const skin::TSeBitmap& background, const TRandomSource& random);

}  // namespace skinui
