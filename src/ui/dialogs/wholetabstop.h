#pragma once

#include <QWidget>

// A date or time picker that Tab leaves as a whole, as a native picker does; within it the
// arrow keys and typing move between day, month and year (or hours and minutes).
template <typename Picker> class WholeTabStop : public Picker
{
public:
    using Picker::Picker;

protected:
    // The picker's own override moves between its sections: passed over on purpose.
    bool focusNextPrevChild(bool next) override
    {
        return QWidget::focusNextPrevChild(next); // NOLINT(bugprone-parent-virtual-call)
    }
};
