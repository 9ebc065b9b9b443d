#pragma once

namespace orvek {

struct CivilDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// Today's local date. The document asks it once at start-up; tests and the
// command line fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual CivilDate today() const = 0;
};

class SystemClock : public Clock {
public:
    CivilDate today() const override;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(CivilDate d) : date_(d) {}
    CivilDate today() const override { return date_; }
    void set(CivilDate d) { date_ = d; }

private:
    CivilDate date_;
};

} // namespace orvek
