#include "throughput/graph_labels.h"

#include "support/number_format.h"

namespace qn {
namespace {

constexpr double kBytesPerKilobyte = 1024.0;

}  // namespace

std::string Kilobytes(double bytesPerSecond) {
    return RoundedNumberToText(bytesPerSecond / kBytesPerKilobyte, 1) + "kb/s";
}

std::string GridLabel(double bytesPerSecond, LabelDigits digits) {
    if (bytesPerSecond >= kBytesPerKilobyte) return Kilobytes(bytesPerSecond);
    switch (digits) {
        case LabelDigits::Whole:
            return RoundedNumberToText(bytesPerSecond, 0) + "b/s";
        case LabelDigits::OneDecimal:
            return RoundedNumberToText(bytesPerSecond, 1) + "b/s";
        case LabelDigits::AsIs:
            break;
    }
    return NumberToText(bytesPerSecond) + "b/s";
}

std::string CurrentValuesText(std::int32_t lastIn, std::int32_t lastOut) {
    return "In: " + Kilobytes(lastIn) + "   Out: " + Kilobytes(lastOut);
}

}  // namespace qn
