// The port access interface: the only way the cartridge code reaches hardware.
//
// One backend is active at a time: the Windows port layer, the simulated
// card, or a test recorder. Every access is one indirect call through the
// active backend, which keeps the hot path (some 30 million accesses per full
// run) as short as the interface allows.
#pragma once

#include <cstddef>
#include <cstdint>

namespace portio {

// A backend carries out port accesses. Values are zero-extended.
class PortBackend {
public:
    virtual ~PortBackend() = default;
    virtual void WriteByte(std::uint16_t port, std::uint8_t value) = 0;
    virtual std::uint8_t ReadByte(std::uint16_t port) = 0;
    virtual std::uint16_t ReadWord(std::uint16_t port) = 0;
    // `count` consecutive 16-bit reads of `port`, in order: the same
    // accesses as that many ReadWord calls, which is what this default
    // makes. A backend whose every call to the device is costly (a system
    // call) makes them in one; one that records or traces accesses still
    // records each.
    virtual void ReadWords(std::uint16_t port, std::uint16_t* words, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) words[i] = ReadWord(port);
    }
    // True when port accesses reach a device.
    virtual bool Ready() const = 0;
    virtual void SetDirectAccess(bool on) = 0;
    // Transfers the device reported as failed (an EPP cycle that timed out)
    // since the backend started. Such a read gives all ones. Backends that
    // cannot tell keep 0.
    virtual std::uint64_t FailedTransfers() const { return 0; }
    // A point between two operations where a run may be stopped (see
    // WholeSequence.h); a backend that stops runs throws here, and one that
    // wraps another passes the call on.
    virtual void StopPoint() {}
};

// The backend used when none was installed: no device at all. It makes no
// access; reads give all ones, as an open bus with pull-ups does.
class NoPortBackend final : public PortBackend {
public:
    void WriteByte(std::uint16_t, std::uint8_t) override {}
    std::uint8_t ReadByte(std::uint16_t) override { return 0xFF; }
    std::uint16_t ReadWord(std::uint16_t) override { return 0xFFFF; }
    void ReadWords(std::uint16_t, std::uint16_t* words, std::size_t count) override {
        for (std::size_t i = 0; i < count; ++i) words[i] = 0xFFFF;
    }
    bool Ready() const override { return false; }
    void SetDirectAccess(bool) override {}
};

namespace detail {
extern PortBackend* activeBackend;
}

// Installs `backend` (not owned) as the target of every access; nullptr
// restores the backend with no device. Returns the backend it replaced.
PortBackend* InstallPortBackend(PortBackend* backend);
PortBackend& ActivePortBackend();

inline void PortWriteByte(std::uint16_t port, std::uint8_t value) {
    detail::activeBackend->WriteByte(port, value);
}
inline std::uint8_t PortReadByte(std::uint16_t port) {
    return detail::activeBackend->ReadByte(port);
}
inline std::uint16_t PortReadWord(std::uint16_t port) {
    return detail::activeBackend->ReadWord(port);
}
inline void PortReadWords(std::uint16_t port, std::uint16_t* words, std::size_t count) {
    detail::activeBackend->ReadWords(port, words, count);
}
inline bool DriverReady() { return detail::activeBackend->Ready(); }
inline void SetDirectAccess(bool on) { detail::activeBackend->SetDirectAccess(on); }

// Installs a backend for the lifetime of this object, then restores the
// previous one.
class ScopedPortBackend {
public:
    explicit ScopedPortBackend(PortBackend& backend) : previous_(InstallPortBackend(&backend)) {}
    ~ScopedPortBackend() { InstallPortBackend(previous_); }
    ScopedPortBackend(const ScopedPortBackend&) = delete;
    ScopedPortBackend& operator=(const ScopedPortBackend&) = delete;

private:
    PortBackend* previous_;
};

}  // namespace portio
