#include "ui/presentation/controlsarrangement.h"

namespace {

constexpr int helpMargin = 3; // from the help panel to the right edge
constexpr int helpGap = 4;    // between the list and the help panel

} // namespace

ArrangeResult arrangeListAndHelp(const ArrangeInput& in)
{
    ArrangeResult out;
    out.helpLeft = in.clientWidth - helpMargin - in.helpWidth;
    if (in.helpVisible) {
        // Beside the panel the list may shrink to no width at all; only less than that keeps
        // its last width.
        const int width = out.helpLeft - helpGap;
        out.listWidth = width >= 0 ? width : in.listWidth;
    } else {
        out.listWidth = in.clientWidth > 0 ? in.clientWidth : in.listWidth;
    }
    out.listHeight = in.clientHeight > 0 ? in.clientHeight : in.listHeight;
    out.helpHeight = out.listHeight;
    return out;
}
