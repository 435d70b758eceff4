#include "meter/app/statistics_format.h"

#include "support/number_format.h"

namespace qn::meter {

std::string FormatBytes(std::int64_t value, ByteUnit unit) {
    switch (unit) {
        case ByteUnit::Kilobytes:
            return RoundedNumberToText(static_cast<double>(value) / 1024.0, 1) + " kb";
        case ByteUnit::Megabytes:
            return RoundedNumberToText(static_cast<double>(value) / 1048576.0, 2) + " mb";
        case ByteUnit::Bytes:
            break;
    }
    // Whole bytes exactly, however large the total.
    return std::to_string(value) + " b";
}

}  // namespace qn::meter
