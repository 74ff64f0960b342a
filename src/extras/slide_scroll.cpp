#include "slide_scroll.h"

float SlideScroll::Tick(float pictureWidth) {
    left_ -= kStep;
    if (-pictureWidth >= left_) {
        left_ = 0;
    }
    return left_;
}
