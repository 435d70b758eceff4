#include "ui/text_box.h"

#include <algorithm>

namespace qn::ui {

void TextBox::SetText(const std::string& text) {
    if (!StoreText(text)) return;
    selStart_ = std::min(selStart_, static_cast<int>(text.size()));
    selLength_ = 0;
    Notify(Property::Caption);
    Change.Raise();
}

void TextBox::SetSelection(int start, int length) {
    const int size = static_cast<int>(Text().size());
    selStart_ = std::clamp(start, 0, size);
    selLength_ = std::clamp(length, 0, size - selStart_);
    Notify(Property::Selection);
}

}  // namespace qn::ui
