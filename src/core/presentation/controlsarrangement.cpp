#include "core/presentation/controlsarrangement.h"

ArrangeResult controlsArrangement(const ArrangeInput& in)
{
    // Plain ints: a form wider than 32767 twips (a wide screen) must not overflow.
    int height = in.formHeight - 680;
    int width = in.formWidth - 100;
    int top = 0;
    if (in.helpVisible)
        width -= in.helpWidth + 100;

    ArrangeResult out;
    out.helpLeft = in.formWidth - in.helpWidth - 150;
    if (in.statusBarVisible)
        height -= in.statusBarHeight;
    if (in.toolbarVisible) {
        top = in.toolbarHeight;
        height -= in.toolbarHeight;
    }
    out.listTop = top;
    out.listHeight = height > 0 ? height : in.listHeight;
    out.listWidth = width > 0 ? width : in.listWidth;
    out.helpHeight = out.listHeight;
    return out;
}
