// SPDX-License-Identifier: MIT
// NoScreen: a UiPort that shows nothing, for the build-time programs that ask the engine for its
// texts (ShownText.cpp, Skeleton.cpp).
#pragma once

#include "UiPort.h"

#include <string>

namespace sumdrop::web {

class NoScreen final : public UiPort {
public:
    void SetCellText(int /*cell*/, const std::string & /*text*/) override {}
    void SetCellShade(int /*cell*/, Colour /*colour*/) override {}
    void SetTimeText(const std::string & /*text*/) override {}
    void SetStartVisible(bool /*visible*/) override {}
    void SetQuitVisible(bool /*visible*/) override {}
    void SetTimerEnabled(bool /*enabled*/) override {}
    [[nodiscard]] bool IsTimerEnabled() const override { return false; }
    void ShowMessage(const std::string & /*text*/) override {}
    double NextRandom() override { return 0; }
};

} // namespace sumdrop::web
