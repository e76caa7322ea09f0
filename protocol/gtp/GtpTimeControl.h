#pragma once

#include <cstdint>

namespace flipstone::protocol {

// The time each move may take: the fixed move time, or with a game clock (as GTP's
// time_settings and time_left tell it) a share of the time left, whatever the move time says.
class GtpTimeControl {
public:
    explicit GtpTimeControl(double moveSeconds) : moveSeconds_(moveSeconds) {}

    // Main time, then `stones` moves in each byo-yomi period of `byoYomi` seconds.
    void SetTimeSettings(double mainTime, double byoYomi, int stones);
    // What is left on the colour's clock: seconds, and stones to play in them (0 in main time).
    void SetTimeLeft(std::uint8_t colour, double seconds, int stones);
    // The seconds the colour may think on its next move, with `empties` empty squares left.
    double MoveBudget(std::uint8_t colour, int empties) const;

private:
    struct ClockLeft {
        double seconds = 0;
        int stones = 0;
        bool known = false;
    };

    double ClockBudget(const ClockLeft& clock, int empties) const;

    double moveSeconds_;
    double mainTime_ = 0;
    double byoYomi_ = 0;
    int stones_ = 0;
    bool limited_ = false;
    ClockLeft left_[2];
};

}  // namespace flipstone::protocol
