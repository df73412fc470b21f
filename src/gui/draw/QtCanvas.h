#pragma once
#include "platform/Canvas.h"

#include <QFont>
#include <QPainter>
#include <QRegion>

namespace tq::gui {

// Maps the system's font faces to the fonts installed here: Arial to an Arial-metric font,
// Courier New to its metric twin, MS Sans Serif to the platform's sans serif.
QString MappedFace(const std::string& face);
// A QFont whose cell height and average character width follow the font spec, as the grid
// metrics expect.
QFont MakeFont(const FontSpec& spec);
QString FromCp1252(std::string_view text);

// The Canvas over a QPainter: the screen, a printer page, a PDF page or an image.
class QtCanvas : public Canvas {
public:
    QtCanvas(QPainter& painter, const Rect& update);

    void FillRect(const Rect& r, Color c) override;
    void FrameRect(const Rect& r, Color c, int penWidth) override;
    void DrawLine(Point from, Point to, Color c, int penWidth, PenStyle style) override;
    void SelectFont(const FontSpec& font) override;
    FontMetrics Metrics() override;
    int TextWidth(std::string_view text) override;
    void SetTextColor(Color c) override;
    void SetTextBackground(Color c, bool opaque) override;
    void DrawText(Point p, std::string_view text) override;
    void DrawTextInRect(const Rect& r, std::string_view text, TextAlign align, bool clip) override;
    void ExcludeClip(const Rect& r) override;
    void ResetClip() override;
    Rect UpdateRect() const override { return update_; }
    void DrawIcon(Point p, std::string_view name) override;

private:
    QPainter& painter_;
    Rect update_;
    QRegion clip_;
    QColor text_ = Qt::black;
    QColor background_ = Qt::white;
    bool opaque_ = false;
};

} // namespace tq::gui
