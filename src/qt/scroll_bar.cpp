#include "qt/scroll_bar.h"

namespace rq {

ScrollAction scroll_action(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return ScrollAction::LineBack;
        case QAbstractSlider::SliderSingleStepAdd:
            return ScrollAction::LineForward;
        case QAbstractSlider::SliderPageStepSub:
            return ScrollAction::PageBack;
        case QAbstractSlider::SliderPageStepAdd:
            return ScrollAction::PageForward;
        case QAbstractSlider::SliderToMinimum:
            return ScrollAction::ToStart;
        case QAbstractSlider::SliderToMaximum:
            return ScrollAction::ToEnd;
        case QAbstractSlider::SliderMove:
            return ScrollAction::Thumb;
        default:
            return ScrollAction::EndScroll;
    }
}

ScrollAction take_hidden_bar_action(QScrollBar& bar, int action) {
    ScrollAction a = scroll_action(action);
    if (a == ScrollAction::Thumb) {
        const int at = bar.sliderPosition();
        a = at < 1   ? ScrollAction::LineBack
            : at > 1 ? ScrollAction::LineForward
                     : ScrollAction::EndScroll;
    }
    bar.setRange(0, 2);
    bar.setValue(1);
    return a;
}

void place_hidden_bar(QScrollBar& bar, int x) {
    bar.setGeometry(x, 0, 20, 40);
    bar.setRange(0, 2);
    bar.setValue(1);
}

}  // namespace rq
