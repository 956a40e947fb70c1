#include "skinui/effects/AnimationPlayer.h"

#include <algorithm>
#include <cmath>

#include "skinui/effects/AnimationFrame.h"
#include "skinui/effects/SeTimer.h"

namespace skinui {

void PlayAnimation(AnimationTarget& target, const TSeAnimation& options, const skin::TSeBitmap& window,
                   const skin::TSeBitmap& background, const TRandomSource& random) {
    if (window.Empty() || background.Empty()) return;
    const TkeEffect effect = PickEffect(options.Effect(), random);
    TAnimationRenderer renderer(window, background, options.Direction(), options.Resolution(), options.TileCount());
    const double time = options.Time();
    TSeTimer frameTimer;
    // The progress follows the frames' measured times added up. The run's
    // own clock ends the loop as well: with a counter too coarse to see a
    // single frame the sum would never grow.
    TSeTimer runTimer;
    double elapsed = 0;
    while (elapsed < time && runTimer.Elapsed() * 1000 < time) {
        frameTimer.Start();
        const int progress = std::min(100, int(std::lround(elapsed / time * 100)));
        renderer.Render(effect, progress);
        target.DrawFrame(renderer.Frame());
        elapsed += frameTimer.Elapsed() * 1000;
    }
    target.DrawWindowKeyed(window);
}

}  // namespace skinui
