#include "panel/tuning_keys.h"

#include <Qt>

namespace zenka {

std::optional<Receiver::Step> tuning_key(int key) {
    using S = Receiver::Step;
    switch (key) {
    case Qt::Key_PageUp:
        return S::Up10k;
    case Qt::Key_PageDown:
        return S::Down10k;
    case Qt::Key_Left:
        return S::FineDown;
    case Qt::Key_Right:
        return S::FineUp;
    case Qt::Key_Up:
        return S::Up1k;
    case Qt::Key_Down:
        return S::Down1k;
    default:
        return std::nullopt;
    }
}

} // namespace zenka
