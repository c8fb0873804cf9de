// SPDX-License-Identifier: MIT
// NoPlatformActivation: the platforms where Qt's own activation brings a window forward.
#include "PlatformActivation.h"

namespace sumdrop::platform {

void StartActivation()
{
}

bool Activate(QWindow & /*window*/)
{
    return false;
}

bool KeepKeyboard(QWidget & /*window*/)
{
    return false;
}

} // namespace sumdrop::platform
