#include "sheets/OdsSheet.h"

#include "sheets/SheetCells.h"
#include "sheets/XmlEvents.h"
#include "sheets/ZipEntries.h"

#include <charconv>
#include <cstring>

namespace korvanda {

namespace {

std::size_t repeats(XmlEvents::Attributes attributes, std::string_view name)
{
    const char* text = XmlEvents::attribute(attributes, name);
    std::size_t count = 1;
    if (text != nullptr)
        std::from_chars(text, text + std::strlen(text), count);
    return count == 0 ? 1 : count;
}

class ContentPart {
public:
    explicit ContentPart(XmlEvents& events)
        : events_(events)
    {
    }

    void start(std::string_view name, XmlEvents::Attributes attributes)
    {
        if (name == "table") {
            ++tables_;
            return;
        }
        if (tables_ != 1 || tablesEnded_ > 0)
            return;
        // A comment on a cell is no part of its value.
        if (name == "annotation")
            ++annotations_;
        if (name == "table-row") {
            rowRepeats_ = repeats(attributes, "number-rows-repeated");
            rowCells_.clear();
        } else if (name == "table-cell" || name == "covered-table-cell") {
            cellRepeats_ = repeats(attributes, "number-columns-repeated");
            text_.clear();
            paragraphs_ = 0;
            value_ = storedValue(attributes);
        } else if (name == "p" && annotations_ == 0) {
            if (paragraphs_++ > 0)
                text_ += '\n';
        } else if (name == "s") {
            text_.append(std::min<std::size_t>(repeats(attributes, "c"), SheetLimits::cellBytes), ' ');
        } else if (name == "tab") {
            text_ += '\t';
        } else if (name == "line-break") {
            text_ += '\n';
        }
        if (text_.size() > SheetLimits::cellBytes)
            events_.stop("A cell holds more than " + std::to_string(SheetLimits::cellBytes) + " characters.");
    }

    void end(std::string_view name)
    {
        if (name == "table")
            ++tablesEnded_;
        if (tables_ != 1 || tablesEnded_ > 0)
            return;
        if (name == "annotation")
            --annotations_;
        if (name == "table-cell" || name == "covered-table-cell") {
            std::string cell = value_.value_or(text_);
            // Rows and cells repeated to the sheet's end are empty; only
            // filled ones are spread out, within the limits.
            if (!cell.empty()) {
                if (column_ + cellRepeats_ > SheetLimits::columns) {
                    events_.stop("The sheet has more than " + std::to_string(SheetLimits::columns) + " columns.");
                    return;
                }
                for (std::size_t k = 0; k < cellRepeats_; ++k)
                    rowCells_.emplace_back(column_ + k, cell);
            }
            column_ += std::min(cellRepeats_, SheetLimits::columns + 1);
        } else if (name == "table-row") {
            for (std::size_t k = 0; k < rowRepeats_ && !rowCells_.empty(); ++k)
                for (const auto& [column, text] : rowCells_)
                    if (!cells.put(row_ + k, column, text)) {
                        events_.stop(cells.problem());
                        return;
                    }
            row_ += std::min(rowRepeats_, SheetLimits::rows + 1);
            column_ = 0;
        }
    }

    void text(std::string_view text)
    {
        if (tables_ != 1 || tablesEnded_ > 0 || paragraphs_ == 0 || annotations_ > 0)
            return;
        text_ += text;
        if (text_.size() > SheetLimits::cellBytes)
            events_.stop("A cell holds more than " + std::to_string(SheetLimits::cellBytes) + " characters.");
    }

    SheetCells cells;

private:
    // Numbers and dates as stored, not as the cell's format shows them.
    static std::optional<std::string> storedValue(XmlEvents::Attributes attributes)
    {
        const char* type = XmlEvents::attribute(attributes, "value-type");
        if (type == nullptr)
            return std::nullopt;
        const std::string_view kind = type;
        const char* value = nullptr;
        if (kind == "float" || kind == "percentage" || kind == "currency")
            value = XmlEvents::attribute(attributes, "value");
        else if (kind == "date")
            value = XmlEvents::attribute(attributes, "date-value");
        if (value == nullptr)
            return std::nullopt;
        return std::string(value).substr(0, SheetLimits::cellBytes + 1);
    }

    XmlEvents& events_;
    int tables_ = 0;
    int tablesEnded_ = 0;
    std::size_t row_ = 0;
    std::size_t column_ = 0;
    std::size_t rowRepeats_ = 1;
    std::size_t cellRepeats_ = 1;
    std::vector<std::pair<std::size_t, std::string>> rowCells_;
    std::string text_;
    int paragraphs_ = 0;
    int annotations_ = 0;
    std::optional<std::string> value_;
};

} // namespace

SheetReading readOdsSheet(std::string_view bytes)
{
    if (bytes.size() > SheetLimits::fileBytes)
        return oversizedSheet();
    const ZipEntries zip(bytes);
    if (!zip.opened())
        return { {}, "The file is no OpenDocument spreadsheet: it is not a zip archive." };
    std::string problem;
    const auto xml = zip.read("content.xml", problem);
    if (!xml)
        return { {}, problem };
    XmlEvents events;
    ContentPart content(events);
    events.onStart = [&](std::string_view name, XmlEvents::Attributes attributes) { content.start(name, attributes); };
    events.onEnd = [&](std::string_view name) { content.end(name); };
    events.onText = [&](std::string_view text) { content.text(text); };
    if (problem = events.read(*xml, "content.xml"); !problem.empty())
        return { {}, problem };
    return content.cells.finish();
}

} // namespace korvanda
