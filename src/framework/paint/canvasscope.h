#pragma once

#include "framework/paint/canvas.h"

#include <QPainter>

namespace pellax {

// Binds a canvas to a painter someone else opened for the life of a scope. On
// every way out, a throw included, the canvas lets go of the painter before the
// painter can end, and the painter is left in the state it was found in.
class ScopedCanvasBinding {
public:
    ScopedCanvasBinding(TCanvas& canvas, QPainter& painter) : canvas_(canvas), painter_(painter) {
        painter_.save();
        canvas_.bind(painter_);
    }
    ~ScopedCanvasBinding() {
        canvas_.unbind();
        painter_.restore();
    }
    ScopedCanvasBinding(const ScopedCanvasBinding&) = delete;
    ScopedCanvasBinding& operator=(const ScopedCanvasBinding&) = delete;

private:
    TCanvas& canvas_;
    QPainter& painter_;
};

// Saves a canvas's state for the life of a scope and restores it on every way out.
class ScopedCanvasState {
public:
    explicit ScopedCanvasState(TCanvas& canvas) : canvas_(canvas) { canvas_.Save(); }
    ~ScopedCanvasState() { canvas_.Restore(); }
    ScopedCanvasState(const ScopedCanvasState&) = delete;
    ScopedCanvasState& operator=(const ScopedCanvasState&) = delete;

private:
    TCanvas& canvas_;
};

}  // namespace pellax
