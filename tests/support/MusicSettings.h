// A settings record that names only a music source, for the tests of the run.
#pragma once

#include <cstdint>
#include <string>

#include "saver/settings/core/SettingsRecord.h"

namespace velmora::testing {

inline settings::SettingsRecord musicSettings(int16_t kind, const std::string& file = {}) {
    settings::SettingsRecord record;
    record.BgmKind = kind;
    record.BgmFile = file;
    return record;
}

} // namespace velmora::testing
