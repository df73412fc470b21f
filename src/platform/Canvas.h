#pragma once
#include "platform/Geometry.h"

#include <string>
#include <string_view>

namespace tq {

// A font asked for by face, character height and width (pixels or logical units) and weight
// (400 normal, 700 bold), as the grid and printouts name their fonts.
struct FontSpec {
    std::string face = "Arial";
    int height = 16;
    int width = 7;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct FontMetrics {
    int height = 0; // ascent + descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;
};

enum class PenStyle { Solid, Dotted };
enum class TextAlign { Left, Centre, Right };

// The drawing surface every painter of the system draws on: the screen, the printer, a PDF page,
// a PNG image, or a recording for tests.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void FillRect(const Rect& r, Color c) = 0;
    virtual void FrameRect(const Rect& r, Color c, int penWidth = 1) = 0;
    virtual void DrawLine(Point from, Point to, Color c, int penWidth = 1, PenStyle style = PenStyle::Solid) = 0;

    virtual void SelectFont(const FontSpec& font) = 0;
    virtual FontMetrics Metrics() = 0;
    virtual int TextWidth(std::string_view text) = 0;

    virtual void SetTextColor(Color c) = 0;
    // Opaque text fills the text's cell with the background colour first; transparent text does not.
    virtual void SetTextBackground(Color c, bool opaque) = 0;
    // Text with its top-left corner at p.
    virtual void DrawText(Point p, std::string_view text) = 0;
    // Text placed in r (vertically at r.top), optionally clipped to r.
    virtual void DrawTextInRect(const Rect& r, std::string_view text, TextAlign align, bool clip) = 0;

    // Nothing drawn later paints inside r (until ResetClip).
    virtual void ExcludeClip(const Rect& r) = 0;
    virtual void ResetClip() = 0;
    // The area that needs painting; a painter may skip whatever lies outside it.
    virtual Rect UpdateRect() const = 0;

    // One of the program's named icons ("ICON_4", "ICON_8", ...), top-left at p.
    virtual void DrawIcon(Point p, std::string_view name) = 0;
};

} // namespace tq
