#pragma once

namespace flipstone {

// The enabled and checked state of one command, as an update handler sets it at idle.
class CommandUpdate {
public:
    virtual ~CommandUpdate() = default;
    virtual void Enable(bool enabled) = 0;
    virtual void SetCheck(int checked) = 0;
};

}  // namespace flipstone
