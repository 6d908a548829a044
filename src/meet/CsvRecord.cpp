#include "meet/CsvRecord.h"

#include "meet/Numbers.h"

namespace korvanda {

std::vector<std::string> splitRecord(std::string_view line)
{
    std::vector<std::string> fields;
    if (trimmed(line).empty())
        return fields;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        std::string field;
        if (i < line.size() && line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            field = std::string(
                line.substr(i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1));
            i = close == std::string_view::npos ? line.size() : close + 1;
            const std::size_t comma = line.find(',', i);
            i = comma == std::string_view::npos ? line.size() : comma;
        } else {
            const std::size_t comma = line.find(',', i);
            field = trimmed(line.substr(i, comma == std::string_view::npos ? std::string_view::npos : comma - i));
            i = comma == std::string_view::npos ? line.size() : comma;
        }
        fields.push_back(std::move(field));
        if (i >= line.size())
            return fields;
        ++i; // the comma
    }
}

std::string quotedRecord(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (k > 0)
            line += ',';
        line += '"';
        line += fields[k];
        line += '"';
    }
    return line;
}

} // namespace korvanda
