#pragma once

namespace quintaro {

// The two beeps of the table: a refused action, and a click that has nothing to do.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void errorBeep() = 0;
    virtual void defaultBeep() = 0;
};

} // namespace quintaro
