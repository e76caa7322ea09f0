#pragma once

namespace flipstone::protocol {

// Tells a long piece of thinking when to stop early: the other end has asked something new.
class StopSignal {
public:
    virtual ~StopSignal() = default;

    virtual bool StopRequested() const = 0;
};

}  // namespace flipstone::protocol
