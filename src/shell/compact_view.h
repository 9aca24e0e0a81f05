#pragma once

#include <QSize>

// An item view that asks for little room, so that a dialog holding it fits a 240-pixel
// screen; the layout still gives it whatever space is left.
template <typename View>
class CompactView : public View {
public:
    using View::View;
    QSize sizeHint() const override { return QSize(160, 100); }
};
