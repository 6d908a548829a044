#include "sheets/XlsxSheet.h"

#include "sheets/SheetCells.h"
#include "sheets/XmlEvents.h"
#include "sheets/ZipEntries.h"

#include <optional>
#include <vector>

namespace korvanda {

namespace {

// The sheet the workbook lists first, as a part name: its relationship id
// in workbook.xml, looked up in the workbook's relationships.
std::optional<std::string> firstSheetPart(const ZipEntries& zip, std::string& problem)
{
    const auto workbook = zip.read("xl/workbook.xml", problem);
    if (!workbook)
        return std::nullopt;
    std::string id;
    XmlEvents events;
    events.onStart = [&](std::string_view name, XmlEvents::Attributes attributes) {
        if (name == "sheet" && id.empty())
            if (const char* value = XmlEvents::attribute(attributes, "id"))
                id = value;
    };
    if (problem = events.read(*workbook, "xl/workbook.xml"); !problem.empty())
        return std::nullopt;
    const auto relations = zip.read("xl/_rels/workbook.xml.rels", problem);
    if (!relations)
        return std::nullopt;
    std::string target;
    events.onStart = [&](std::string_view name, XmlEvents::Attributes attributes) {
        const char* relation = XmlEvents::attribute(attributes, "Id");
        const char* where = XmlEvents::attribute(attributes, "Target");
        if (name == "Relationship" && relation != nullptr && where != nullptr && id == relation)
            target = where;
    };
    if (problem = events.read(*relations, "xl/_rels/workbook.xml.rels"); !problem.empty())
        return std::nullopt;
    if (target.empty()) {
        problem = "The workbook names no sheet.";
        return std::nullopt;
    }
    return target.front() == '/' ? target.substr(1) : "xl/" + target;
}

// The workbook's table of texts; the phonetic guides of Japanese names
// are not part of the text.
std::optional<std::vector<std::string>> sharedStrings(const ZipEntries& zip, std::string& problem)
{
    std::vector<std::string> strings;
    if (!zip.has("xl/sharedStrings.xml"))
        return strings;
    const auto xml = zip.read("xl/sharedStrings.xml", problem);
    if (!xml)
        return std::nullopt;
    bool inText = false;
    int phonetic = 0;
    XmlEvents events;
    events.onStart = [&](std::string_view name, XmlEvents::Attributes) {
        if (name == "si") {
            if (strings.size() >= SheetLimits::rows * 4)
                events.stop("It holds more texts than a roster can.");
            strings.emplace_back();
        }
        phonetic += name == "rPh" ? 1 : 0;
        inText = name == "t" && phonetic == 0 && !strings.empty();
    };
    events.onEnd = [&](std::string_view name) {
        phonetic -= name == "rPh" ? 1 : 0;
        inText = false;
    };
    events.onText = [&](std::string_view text) {
        if (!inText)
            return;
        strings.back() += text;
        if (strings.back().size() > SheetLimits::cellBytes)
            events.stop("A text is longer than " + std::to_string(SheetLimits::cellBytes) + " characters.");
    };
    if (problem = events.read(*xml, "xl/sharedStrings.xml"); !problem.empty())
        return std::nullopt;
    return strings;
}

// "BC12" -> column 54 (0-based); nothing without letters.
std::optional<std::size_t> columnOfReference(std::string_view reference)
{
    std::size_t column = 0;
    std::size_t letters = 0;
    for (const char c : reference) {
        if (c < 'A' || c > 'Z')
            break;
        column = column * 26 + static_cast<std::size_t>(c - 'A' + 1);
        if (++letters > 3)
            return std::nullopt;
    }
    if (letters == 0)
        return std::nullopt;
    return column - 1;
}

std::optional<std::size_t> rowOfReference(const char* text)
{
    std::size_t row = 0;
    if (text == nullptr || *text == '\0')
        return std::nullopt;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9' || row > 10000000)
            return std::nullopt;
        row = row * 10 + static_cast<std::size_t>(*c - '0');
    }
    if (row == 0)
        return std::nullopt;
    return row - 1;
}

class SheetPart {
public:
    SheetPart(const std::vector<std::string>& strings, XmlEvents& events)
        : strings_(strings)
        , events_(events)
    {
    }

    void start(std::string_view name, XmlEvents::Attributes attributes)
    {
        if (name == "row") {
            row_ = rowOfReference(XmlEvents::attribute(attributes, "r")).value_or(nextRow_);
            nextRow_ = row_ + 1;
            column_ = 0;
        } else if (name == "c") {
            const char* reference = XmlEvents::attribute(attributes, "r");
            if (reference != nullptr)
                column_ = columnOfReference(reference).value_or(column_);
            const char* type = XmlEvents::attribute(attributes, "t");
            type_ = type != nullptr ? type : "n";
            value_.clear();
        } else if (name == "v" || (name == "t" && type_ == "inlineStr")) {
            inValue_ = true;
        } else if (name == "rPh") {
            ++phonetic_;
        }
    }

    void end(std::string_view name)
    {
        if (name == "v" || name == "t") {
            inValue_ = false;
        } else if (name == "rPh") {
            --phonetic_;
        } else if (name == "c") {
            if (!cells.put(row_, column_, cellText()))
                events_.stop(cells.problem());
            ++column_;
        }
    }

    void text(std::string_view text)
    {
        if (!inValue_ || phonetic_ > 0)
            return;
        value_ += text;
        if (value_.size() > SheetLimits::cellBytes)
            events_.stop("A cell holds more than " + std::to_string(SheetLimits::cellBytes) + " characters.");
    }

    SheetCells cells;

private:
    std::string cellText() const
    {
        if (type_ == "s") {
            std::size_t index = 0;
            for (const char c : value_) {
                if (c < '0' || c > '9' || index > strings_.size())
                    return {};
                index = index * 10 + static_cast<std::size_t>(c - '0');
            }
            return index < strings_.size() ? strings_[index] : std::string();
        }
        if (type_ == "b")
            return value_ == "1" ? "TRUE" : "FALSE";
        return value_;
    }

    const std::vector<std::string>& strings_;
    XmlEvents& events_;
    std::size_t row_ = 0;
    std::size_t nextRow_ = 0;
    std::size_t column_ = 0;
    std::string type_;
    std::string value_;
    bool inValue_ = false;
    int phonetic_ = 0;
};

} // namespace

SheetReading readXlsxSheet(std::string_view bytes)
{
    if (bytes.size() > SheetLimits::fileBytes)
        return oversizedSheet();
    const ZipEntries zip(bytes);
    if (!zip.opened())
        return { {}, "The file is no Excel workbook: it is not a zip archive." };
    std::string problem;
    const auto part = firstSheetPart(zip, problem);
    const auto strings = part ? sharedStrings(zip, problem) : std::nullopt;
    const auto xml = strings ? zip.read(*part, problem) : std::nullopt;
    if (!xml)
        return { {}, problem };
    XmlEvents events;
    SheetPart sheet(*strings, events);
    events.onStart = [&](std::string_view name, XmlEvents::Attributes attributes) { sheet.start(name, attributes); };
    events.onEnd = [&](std::string_view name) { sheet.end(name); };
    events.onText = [&](std::string_view text) { sheet.text(text); };
    if (problem = events.read(*xml, *part); !problem.empty())
        return { {}, problem };
    return sheet.cells.finish();
}

} // namespace korvanda
