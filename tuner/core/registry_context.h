#pragma once
// What a registry-class object needs: the registry and, for the failures a
// caller asks to see, the message boxes.
#include "platform/registry.h"
#include "ui/message_box.h"

namespace qn {

struct RegistryContext {
    Registry& registry;
    ui::MessageBoxes& boxes;
};

}  // namespace qn
