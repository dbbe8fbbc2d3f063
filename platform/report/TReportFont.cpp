#include "platform/report/TReportFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QTextLayout>
#include <QTextOption>

#include <memory>
#include <vector>

namespace {

// Text is measured at this multiple of the real size and scaled back, so that
// hinting at small sizes does not distort the layout.
constexpr double kMeasureScale = 8.0;
constexpr double kDesignDpi = 96.0;

QString FallbackFamily() {
    return QStringLiteral("DejaVu Sans");
}

QString MappedName(const QString& name) {
    const QString key = name.trimmed().toLower();
    if (key == QLatin1String("arial"))
        return QStringLiteral("Liberation Sans");
    if (key == QLatin1String("verdana") || key == QLatin1String("ms sans serif"))
        return QStringLiteral("DejaVu Sans");
    return name.trimmed();
}

// A paint device at the design resolution, so that point sizes measure in
// design units.
const QImage& MeasureDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(kDesignDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

// The measuring face of a report font: the font at the measuring scale and
// its metrics.
struct MeasuringFont {
    QFont font;
    QFontMetricsF metrics;
};

const MeasuringFont& Measuring(const TReportFont& font) {
    // A report uses a handful of fonts: a short list is looked through faster
    // than a key is made.
    struct Entry {
        QString name;
        double size;
        unsigned style;
        std::unique_ptr<MeasuringFont> measuring;
    };
    static std::vector<Entry> cache;
    for (const Entry& entry : cache)
        if (entry.size == font.Size && entry.style == font.Style && entry.name == font.Name)
            return *entry.measuring;
    const QFont scaled = font.ToQFont(font.Size * kMeasureScale);
    cache.push_back(
        {font.Name, font.Size, font.Style,
         std::make_unique<MeasuringFont>(MeasuringFont{scaled, QFontMetricsF(scaled, &MeasureDevice())})});
    return *cache.back().measuring;
}

const QFontMetricsF& Metrics(const TReportFont& font) {
    return Measuring(font).metrics;
}

// `text` without the white space at its end.
QString WithoutTrailingSpace(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.first(end);
}

} // namespace

QString TReportFont::InstalledFamily(const QString& name) {
    static QHash<QString, QString> cache;
    auto found = cache.constFind(name);
    if (found != cache.constEnd())
        return *found;
    const QString mapped = MappedName(name);
    const QString family = QFontDatabase::hasFamily(mapped) ? mapped : FallbackFamily();
    cache.insert(name, family);
    return family;
}

QFont TReportFont::ToQFont(double pointSize) const {
    QFont font(InstalledFamily(Name));
    font.setPointSizeF(pointSize > 0 ? pointSize : 1);
    font.setBold(Style & TFontStyle::fsBold);
    font.setItalic(Style & TFontStyle::fsItalic);
    font.setUnderline(Style & TFontStyle::fsUnderline);
    font.setStrikeOut(Style & TFontStyle::fsStrikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

double TReportFont::TextWidth(const QString& text) const {
    return Metrics(*this).horizontalAdvance(text) / kMeasureScale;
}

double TReportFont::TextHeight() const {
    return Metrics(*this).height() / kMeasureScale;
}

QStringList TReportFont::Lines(const QString& text, double width, bool wrap) const {
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    if (!wrap)
        return paragraphs;
    const MeasuringFont& measuring = Measuring(*this);
    const double limit = width * kMeasureScale;
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    QStringList lines;
    for (const QString& paragraph : paragraphs) {
        if (measuring.metrics.horizontalAdvance(paragraph) <= limit) {
            lines << WithoutTrailingSpace(paragraph);
            continue;
        }
        QTextLayout layout(paragraph, measuring.font, &MeasureDevice());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(limit);
            lines << WithoutTrailingSpace(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
    }
    return lines;
}
