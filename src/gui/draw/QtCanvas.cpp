#include "gui/draw/QtCanvas.h"

#include "platform/Cp1252.h"

#include <QFontMetrics>
#include <QHash>
#include <QPixmap>

namespace tq::gui {

namespace {
QColor ToQ(Color c) { return QColor(c.r, c.g, c.b); }
QRect ToQ(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
} // namespace

QString FromCp1252(std::string_view text) {
    const std::string utf8 = Cp1252ToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString MappedFace(const std::string& face) {
    if (face == "Arial") return QStringLiteral("Liberation Sans");
    if (face == "Courier New") return QStringLiteral("Liberation Mono");
    if (face == "MS Sans Serif") return QStringLiteral("Sans Serif");
    return QString::fromStdString(face);
}

QFont MakeFont(const FontSpec& spec) {
    static QHash<QString, QFont> cache;
    const QString key = QString::fromStdString(spec.face) + QLatin1Char('/') + QString::number(spec.height) +
                        QLatin1Char('/') + QString::number(spec.width) + QLatin1Char('/') +
                        QString::number(spec.weight) + (spec.italic ? "i" : "") + (spec.underline ? "u" : "");
    if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;

    QFont f(MappedFace(spec.face));
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    // The height asked for is the character cell (ascent + descent); the pixel size is the em.
    int px = std::max(1, spec.height);
    f.setPixelSize(px);
    for (int i = 0; i < 8 && QFontMetrics(f).height() > spec.height && px > 1; ++i) f.setPixelSize(--px);
    f.setWeight(spec.weight >= 700 ? QFont::Bold : spec.weight >= 600 ? QFont::DemiBold : QFont::Normal);
    f.setItalic(spec.italic);
    f.setUnderline(spec.underline);
    if (spec.width > 0) {
        const int natural = QFontMetrics(f).averageCharWidth();
        if (natural > 0) f.setStretch(std::clamp(100 * spec.width / natural, 50, 200));
    }
    cache.insert(key, f);
    return f;
}

QtCanvas::QtCanvas(QPainter& painter, const Rect& update)
    : painter_(painter), update_(update), clip_(ToQ(update)) {
    painter_.setClipRegion(clip_);
}

void QtCanvas::FillRect(const Rect& r, Color c) { painter_.fillRect(ToQ(r), ToQ(c)); }

void QtCanvas::FrameRect(const Rect& r, Color c, int penWidth) {
    const int w = std::max(1, penWidth);
    const QColor q = ToQ(c);
    painter_.fillRect(QRect(r.left, r.top, r.Width(), w), q);
    painter_.fillRect(QRect(r.left, r.bottom - w, r.Width(), w), q);
    painter_.fillRect(QRect(r.left, r.top, w, r.Height()), q);
    painter_.fillRect(QRect(r.right - w, r.top, w, r.Height()), q);
}

void QtCanvas::DrawLine(Point from, Point to, Color c, int penWidth, PenStyle style) {
    QPen pen(ToQ(c));
    pen.setWidth(std::max(1, penWidth));
    pen.setCapStyle(Qt::FlatCap);
    if (style == PenStyle::Dotted) pen.setStyle(Qt::DotLine);
    painter_.setPen(pen);
    painter_.drawLine(from.x, from.y, to.x, to.y);
}

void QtCanvas::SelectFont(const FontSpec& font) { painter_.setFont(MakeFont(font)); }

FontMetrics QtCanvas::Metrics() {
    const QFontMetrics fm(painter_.font());
    FontMetrics m;
    m.ascent = fm.ascent();
    m.descent = fm.descent();
    m.height = fm.height();
    m.externalLeading = fm.leading();
    m.averageCharWidth = fm.averageCharWidth();
    m.maxCharWidth = fm.maxWidth();
    return m;
}

int QtCanvas::TextWidth(std::string_view text) {
    return QFontMetrics(painter_.font()).horizontalAdvance(FromCp1252(text));
}

void QtCanvas::SetTextColor(Color c) { text_ = ToQ(c); }

void QtCanvas::SetTextBackground(Color c, bool opaque) {
    background_ = ToQ(c);
    opaque_ = opaque;
}

void QtCanvas::DrawText(Point p, std::string_view text) {
    const QString s = FromCp1252(text);
    const QFontMetrics fm(painter_.font());
    if (opaque_) painter_.fillRect(QRect(p.x, p.y, fm.horizontalAdvance(s), fm.height()), background_);
    painter_.setPen(text_);
    painter_.drawText(p.x, p.y + fm.ascent(), s);
}

void QtCanvas::DrawTextInRect(const Rect& r, std::string_view text, TextAlign align, bool clip) {
    const QString s = FromCp1252(text);
    int flags = Qt::AlignTop | Qt::TextSingleLine;
    flags |= align == TextAlign::Left ? Qt::AlignLeft : align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignRight;
    if (!clip) flags |= Qt::TextDontClip;
    if (opaque_) painter_.fillRect(ToQ(r), background_);
    painter_.setPen(text_);
    painter_.drawText(ToQ(r), flags, s);
}

void QtCanvas::ExcludeClip(const Rect& r) {
    clip_ = clip_.subtracted(QRegion(ToQ(r)));
    painter_.setClipRegion(clip_);
}

void QtCanvas::ResetClip() {
    clip_ = QRegion(ToQ(update_));
    painter_.setClipRegion(clip_);
}

void QtCanvas::DrawIcon(Point p, std::string_view name) {
    static QHash<QString, QPixmap> icons;
    const QString key = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    auto it = icons.find(key);
    if (it == icons.end()) it = icons.insert(key, QPixmap(QStringLiteral(":/icons/") + key + QStringLiteral(".xpm")));
    if (!it->isNull()) painter_.drawPixmap(p.x, p.y, *it);
}

} // namespace tq::gui
