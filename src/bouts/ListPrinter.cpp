#include "bouts/ListPrinter.h"

#include "meet/QtText.h"
#include "meet/TextFile.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace korvanda {

namespace {

constexpr qreal largestPointSize = 12;

QFont fixedPitchFont(qreal pointSize)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

ListPrinter::ListPrinter(std::string_view text, const QString& title)
    : pages_(std::make_shared<const std::vector<PrintPage>>(printPages(text)))
    , title_(title)
{
}

QPageLayout ListPrinter::pageLayout()
{
    const QPageSize paper = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
        ? QPageSize(QPageSize::Letter)
        : QPageSize(QPageSize::A4);
    // Half an inch is inside every printer's reach.
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(36, 36, 36, 36), QPageLayout::Point);
}

int ListPrinter::pageCount() const
{
    return static_cast<int>(pages_->size());
}

QFont ListPrinter::fontFor(QPagedPaintDevice& device) const
{
    const QRectF area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const int columns = widestLine(*pages_);
    const int lines = longestPage(*pages_);
    const auto fits = [&](qreal pointSize) {
        const QFontMetricsF metrics(fixedPitchFont(pointSize), &device);
        return metrics.horizontalAdvance(QLatin1Char('M')) * columns <= area.width()
            && metrics.lineSpacing() * lines <= area.height();
    };
    const QFontMetricsF reference(fixedPitchFont(largestPointSize), &device);
    qreal pointSize = largestPointSize
        * std::min({ qreal(1), area.width() / (reference.horizontalAdvance(QLatin1Char('M')) * columns),
            area.height() / (reference.lineSpacing() * lines) });
    // Glyph sizes do not shrink quite in proportion; step down until it fits.
    while (!fits(pointSize) && pointSize > 1)
        pointSize *= 0.99;
    return fixedPitchFont(pointSize);
}

bool ListPrinter::paint(QPagedPaintDevice& device) const
{
    const QFont font = fontFor(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    for (std::size_t page = 0; page < pages_->size(); ++page) {
        if (page > 0 && !device.newPage())
            return false;
        qreal baseline = metrics.ascent();
        for (const std::string& line : (*pages_)[page]) {
            painter.drawText(QPointF(0, baseline), toQt(line));
            baseline += metrics.lineSpacing();
        }
    }
    return painter.end();
}

void ListPrinter::preview(QWidget* parent) const
{
    // The pages are shared, so the preview keeps them after this printer is gone.
    previewPages(parent, title_, [list = *this](QPagedPaintDevice& device) { return list.paint(device); });
}

bool ListPrinter::writePdf(const std::filesystem::path& path) const
{
    return writePagesPdf(path, title_, [this](QPagedPaintDevice& device) { return paint(device); });
}

void previewPages(QWidget* parent, const QString& title, PagePainter paint)
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setDocName(title);
    printer->setPageLayout(ListPrinter::pageLayout());
    auto* dialog = new QPrintPreviewDialog(printer, parent);
    dialog->setObjectName(QStringLiteral("PrintPreview"));
    dialog->setWindowTitle(title);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Large enough to read a page, on a laptop as on a big screen.
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        dialog->resize(screen->availableGeometry().size() * 0.8);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
        [paint = std::move(paint)](QPrinter* target) { paint(*target); });
    QObject::connect(dialog, &QObject::destroyed, [printer] { delete printer; });
    dialog->open();
}

bool writePagesPdf(const std::filesystem::path& path, const QString& title, const PagePainter& paint)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Korvanda"));
        writer.setPageLayout(ListPrinter::pageLayout());
        if (!paint(writer))
            return false;
    }
    return saveFileSafely(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace korvanda
