// "KorvandaSettings.Csv" with anything in it: every record read names a
// window the program can look up, and once the records are applied to the
// controls by name, the file the program writes of its controls has one
// line per control and reads back as exactly those values.
#include "FuzzSupport.h"

#include "meet/Numbers.h"
#include "meet/SettingsFile.h"
#include "meet/TextFile.h"

#include <array>
#include <string>
#include <vector>

using namespace korvanda;

namespace {

// The controls as a fresh installation has them, in file order.
std::vector<SettingRecord> initialControls()
{
    static constexpr std::array<const char*, 18> initial
        = { "1", "1", "1", "1", "1", "0", "7", "0", "1", "10", "2", "1", "3", "1", "1", "1", "1", "1" };
    std::vector<SettingRecord> controls = savedControls();
    for (std::size_t k = 0; k < controls.size(); ++k)
        controls[k].value = initial[k];
    return controls;
}

// A record applied to the control it names, as the program does: a text box
// takes the text, a check box only a state of 0, 1 or 2.
void apply(const SettingRecord& record, std::vector<SettingRecord>& controls)
{
    for (auto& control : controls) {
        if (control.window != record.window || control.control != record.control || control.kind != record.kind)
            continue;
        if (control.kind == ControlKind::TextBox) {
            control.value = record.value;
            continue;
        }
        const auto state = readSingle(record.value);
        if (!state)
            continue;
        const double whole = roundHalfEven(*state);
        if (whole == 0 || whole == 1 || whole == 2)
            control.value = wholeText(whole);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzsupport::placeInput(settingsFileName, data, size);
    const auto text = readWholeFile(fuzzsupport::scratchDirectory() / settingsFileName);
    FUZZ_CHECK(text && text->size() == size);

    std::vector<SettingRecord> controls = initialControls();
    for (const auto& record : parseSettingsFile(*text)) {
        FUZZ_CHECK(record.window >= -1 && record.window <= 1000);
        apply(record, controls);
    }
    const std::string written = settingsFileText(controls);
    FUZZ_CHECK(splitLines(written).size() == controls.size());
    for (auto& control : controls)
        control.value = withoutFileBreakers(control.value);
    FUZZ_CHECK(parseSettingsFile(written) == controls);
    return 0;
}
