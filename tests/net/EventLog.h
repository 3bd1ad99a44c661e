#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net/IdComponent.h"

// Records the status and work events of a component as short lines, e.g. "begin read 100",
// "work read 40", "end read", "status Verbunden.", for comparing whole sequences.
class EventLog {
public:
    void Attach(TIdComponent& component) {
        component.OnStatus = [this](TIdComponent&, TIdStatus, const std::string& text) {
            lines.push_back("status " + text);
        };
        component.OnWorkBegin = [this](TIdComponent&, TWorkMode mode, std::int64_t maximum) {
            lines.push_back("begin " + ModeName(mode) + " " + std::to_string(maximum));
        };
        component.OnWork = [this](TIdComponent&, TWorkMode mode, std::int64_t count) {
            lines.push_back("work " + ModeName(mode) + " " + std::to_string(count));
        };
        component.OnWorkEnd = [this](TIdComponent&, TWorkMode mode) {
            lines.push_back("end " + ModeName(mode));
        };
    }

    // Only the lines that begin with the prefix, e.g. "work" or "status".
    std::vector<std::string> Starting(const std::string& prefix) const {
        std::vector<std::string> result;
        for (const auto& line : lines) {
            if (line.compare(0, prefix.size(), prefix) == 0) {
                result.push_back(line);
            }
        }
        return result;
    }

    std::vector<std::string> lines;

private:
    static std::string ModeName(TWorkMode mode) { return mode == wmRead ? "read" : "write"; }
};
