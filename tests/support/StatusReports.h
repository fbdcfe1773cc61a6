#pragma once

namespace support {

// What /status prints once "Increase it Now!" (or /apply) changed the stock Windows XP values.
inline constexpr char16_t kStatusAfterApply[] =
    u"SharedSection: 1024,9216,512 (desktop heap 9216)\r\n"
    u"SessionViewSize: 96\r\n"
    u"Kept SessionViewSize: 48\r\n"
    u"Kept desktop heap: 3072\r\n"
    u"Change in force: yes\r\n";

}  // namespace support
