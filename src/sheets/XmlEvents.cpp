#include "sheets/XmlEvents.h"

#include "sheets/Sheet.h"

#include <expat.h>

#include <climits>
#include <cstring>

namespace korvanda {

struct XmlEvents::Run {
    XmlEvents& events;
    XML_Parser parser;
    int depth = 0;
    std::string problem;
};

namespace {

// Expat gives "namespace name" when it reads with namespaces.
std::string_view localName(const char* name)
{
    const char* space = std::strrchr(name, ' ');
    return space != nullptr ? std::string_view(space + 1) : std::string_view(name);
}

} // namespace

const char* XmlEvents::attribute(Attributes attributes, std::string_view name)
{
    for (int k = 0; attributes[k] != nullptr; k += 2)
        if (localName(attributes[k]) == name)
            return attributes[k + 1];
    return nullptr;
}

void XmlEvents::stop(std::string problem)
{
    if (run_ == nullptr || !run_->problem.empty())
        return;
    run_->problem = std::move(problem);
    XML_StopParser(run_->parser, XML_FALSE);
}

std::string XmlEvents::read(std::string_view xml, const std::string& partName)
{
    XML_Parser parser = XML_ParserCreateNS("UTF-8", ' ');
    if (parser == nullptr)
        return "Out of memory while reading " + partName + ".";
    Run run { *this, parser, 0, {} };
    run_ = &run;
    XML_SetUserData(parser, &run);
    XML_SetStartDoctypeDeclHandler(parser, [](void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        auto& r = *static_cast<Run*>(data);
        r.events.stop("The part has a document type declaration, which spreadsheets never need.");
    });
    XML_SetElementHandler(
        parser,
        [](void* data, const XML_Char* name, const XML_Char** attributes) {
            auto& r = *static_cast<Run*>(data);
            if (++r.depth > SheetLimits::xmlDepth) {
                r.events.stop("Its elements are nested deeper than " + std::to_string(SheetLimits::xmlDepth) + ".");
                return;
            }
            if (r.events.onStart)
                r.events.onStart(localName(name), attributes);
        },
        [](void* data, const XML_Char* name) {
            auto& r = *static_cast<Run*>(data);
            --r.depth;
            if (r.events.onEnd)
                r.events.onEnd(localName(name));
        });
    XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* text, int length) {
        auto& r = *static_cast<Run*>(data);
        if (r.events.onText)
            r.events.onText(std::string_view(text, static_cast<std::size_t>(length)));
    });
    // Parts are fed in pieces, since expat takes an int length.
    constexpr std::size_t piece = 1u << 20;
    bool fine = true;
    do {
        const std::size_t size = std::min(piece, xml.size());
        fine = XML_Parse(parser, xml.data(), static_cast<int>(size), size == xml.size()) == XML_STATUS_OK;
        xml.remove_prefix(size);
    } while (fine && !xml.empty());
    std::string problem = run.problem;
    if (!fine && problem.empty())
        problem = std::string(XML_ErrorString(XML_GetErrorCode(parser))) + " at line "
            + std::to_string(XML_GetCurrentLineNumber(parser));
    XML_ParserFree(parser);
    run_ = nullptr;
    return problem.empty() ? problem : partName + ": " + problem;
}

} // namespace korvanda
