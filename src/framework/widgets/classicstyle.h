#pragma once

#include <QProxyStyle>
#include <QStyleOption>

#include <vector>

namespace pellax {

// Qt's "Windows" style, with two changes:
//
// - The two chevrons of a menu bar's or tool bar's overflow button are drawn
//   by code. Qt's own style loads them from six pictures for every menu bar it
//   makes, which costs a few per cent of the start-up; the button only shows
//   when a bar is too narrow for its menus.
// - At a fractional scale the one-pixel lines of frames, bevels and panels are
//   drawn device-pixel aligned (see paintPixelAligned): each logical pixel of
//   the picture the style draws at scale 1 covers the device pixels it owns,
//   so every line stays whole. Text, arrows and check marks are drawn at the
//   full scale.
class ClassicStyle final : public QProxyStyle {
    Q_OBJECT
public:
    ClassicStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

private:
    struct Deferred {
        PrimitiveElement element;
        QStyleOption option;
        const QWidget* widget;
    };
    // Runs `draw` pixel-aligned over `rect` when the painter needs it; arrows
    // it asks for are drawn afterwards, at the full scale.
    template <class Draw>
    void aligned(QPainter* painter, const QRect& rect, Draw&& draw) const;
    void drawCheckBox(const QStyleOption& option, QPainter& painter, const QWidget* widget) const;

    mutable std::vector<Deferred>* deferred_ = nullptr;
};

}  // namespace pellax
