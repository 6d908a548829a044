#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace korvanda {

// Reads one XML part of a spreadsheet with expat, telling the caller of
// every element's start and end and of its text. Names come without their
// namespace ("c", "table-cell"). A document type declaration is refused,
// so no entity is ever expanded or fetched, and so is nesting deeper than
// the limit.
class XmlEvents {
public:
    using Attributes = const char**;
    std::function<void(std::string_view name, Attributes attributes)> onStart;
    std::function<void(std::string_view name)> onEnd;
    std::function<void(std::string_view text)> onText;

    // Gives the problem that stopped the reading, or an empty text.
    std::string read(std::string_view xml, const std::string& partName);

    // The value of an attribute by its name without namespace, or nothing.
    static const char* attribute(Attributes attributes, std::string_view name);
    // Lets a handler stop the reading with a problem of its own.
    void stop(std::string problem);

private:
    struct Run;
    Run* run_ = nullptr;
};

} // namespace korvanda
