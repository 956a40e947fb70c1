#include "skinui/effects/BackgroundCapture.h"

namespace skinui {

using skin::TRect;

TBackgroundCapturePlan PlanBackgroundCapture(const TRect& next, const TRect& last) {
    TBackgroundCapturePlan plan;
    if (next == last || skin::RectIsEmpty(next) || !skin::RectSizeFits(next)) {
        plan.unchanged = true;
        return plan;
    }
    plan.width = skin::RectWidth(next);
    plan.height = skin::RectHeight(next);
    const TRect whole = skin::MakeRect(0, 0, plan.width, plan.height);
    const TRect overlap = skin::RectIntersection(next, last);
    if (skin::RectIsEmpty(overlap)) {
        plan.fromScreen.push_back(whole);
        return plan;
    }
    const TRect o = skin::RectOffset(overlap, -next.Left, -next.Top);
    const TRect strips[] = {
        skin::MakeRect(0, 0, o.Left, plan.height),
        skin::MakeRect(0, 0, plan.width, o.Top),
        skin::MakeRect(o.Right, 0, plan.width, plan.height),
        skin::MakeRect(0, o.Bottom, plan.width, plan.height),
    };
    for (const TRect& strip : strips) {
        if (!skin::RectIsEmpty(strip)) plan.fromScreen.push_back(strip);
    }
    plan.reuseOld = true;
    plan.overlapInNew = o;
    plan.overlapInOld = skin::RectOffset(overlap, -last.Left, -last.Top);
    return plan;
}

}  // namespace skinui
