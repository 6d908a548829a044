#pragma once

#include "bouts/PrintPages.h"

#include <QFont>
#include <QPageLayout>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QPagedPaintDevice;
class QWidget;

namespace korvanda {

// Draws every page of a document onto the device; false when the device
// could not be opened.
using PagePainter = std::function<bool(QPagedPaintDevice&)>;

// Shows the print preview of the pages, on the lists' paper, from which
// the director prints; the preview stays open beside the window until it
// is closed.
void previewPages(QWidget* parent, const QString& title, PagePainter paint);

// Writes the pages as a PDF beside the target first and then puts it in
// place, so an older copy stays whole if writing fails. False when it
// could not be written.
bool writePagesPdf(const std::filesystem::path& path, const QString& title, const PagePainter& paint);

// Puts a printed list on paper exactly as a line printer would: a sheet for
// every page of the text, the lines as written in a fixed-pitch font,
// nothing reflowed, so the bout sheets keep the layout the scorers and the
// renumbering tool rely on.
class ListPrinter {
public:
    // `text` is the list's Latin-1 bytes; `title` names the document.
    ListPrinter(std::string_view text, const QString& title);

    // The paper of the director's country with half an inch all round.
    static QPageLayout pageLayout();

    int pageCount() const;

    // The font for this device's printable area: as large as lets the
    // widest line fit across and the longest page fit down, never above
    // 12 points.
    QFont fontFor(QPagedPaintDevice& device) const;

    // Paints every page; false when the device could not be opened.
    bool paint(QPagedPaintDevice& device) const;

    void preview(QWidget* parent) const;
    bool writePdf(const std::filesystem::path& path) const;

private:
    std::shared_ptr<const std::vector<PrintPage>> pages_;
    QString title_;
};

} // namespace korvanda
