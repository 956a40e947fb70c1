// Chooses the port backend of a program run: the simulated card of
// --simulate=CARD or the platform's port layer, optionally wrapped in a
// tracer for --trace=FILE. The selection installs its backend and keeps it
// installed for its lifetime.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "portio/PortAccess.h"
#include "portio/PortTracer.h"
#include "sim/CardConfig.h"
#include "sim/SimulatedCard.h"

namespace runner {

class PortSelection {
public:
    // `card`: simulate this card; without it the platform's port layer is
    // used (or no device at all when the platform has none).
    // `tracePath`: "-" for stdout. Throws std::runtime_error when the trace
    // file cannot be opened.
    PortSelection(const std::optional<sim::CardConfig>& card, const std::optional<std::string>& tracePath);
    ~PortSelection();
    PortSelection(const PortSelection&) = delete;
    PortSelection& operator=(const PortSelection&) = delete;

    bool Simulated() const { return card_ != nullptr; }
    sim::SimulatedCard* Card() const { return card_.get(); }

private:
    std::unique_ptr<sim::SimulatedCard> card_;
    bool platformStarted_ = false;
    std::FILE* traceFile_ = nullptr;
    std::unique_ptr<char[]> traceBuffer_;
    std::unique_ptr<portio::PortTracer> tracer_;
    portio::PortBackend* previous_ = nullptr;
};

}  // namespace runner
